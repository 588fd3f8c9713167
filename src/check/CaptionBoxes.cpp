// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/CaptionBoxes.h"

#include <cstring>

namespace check_detail {

std::vector<CaptionBox> CaptionBoxes(const TMap& map, int32_t tileSize)
{
    struct Caption {
        const char* name;
        const char* key;
        const char* sample;
        TPoint position;
    };
    // Scores get room for six digits, the cars left for one.
    const Caption captions[] = {
        {"title", "Program", "Brevanto", map.ProgramPos},
        {"score label", "Score", "SCORE", map.ScorePos},
        {"score", "Point", "000000", map.PointPos},
        {"hi-score label", "HiScore", "HI SCORE", map.HiScorePos},
        {"hi-score", "HiPoint", "000000", map.HiPointPos},
        {"rest label", "Rest", "REST", map.RestPos},
        {"cars left", "RestPlay", "0", map.RestPlayPos},
    };
    std::vector<CaptionBox> boxes;
    for (const Caption& c : captions) {
        const int64_t left = int64_t{c.position.X} * tileSize;
        const int64_t top = int64_t{c.position.Y} * tileSize;
        const int64_t width = static_cast<int64_t>(std::strlen(c.sample)) * CaptionCharWidth;
        boxes.push_back({c.name, c.key, c.sample, c.position, left, top, left + width,
                         top + CaptionLineHeight});
    }
    return boxes;
}

} // namespace check_detail
