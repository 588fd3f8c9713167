// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/CoursePicture.h"

#include "cars/TCar.h"
#include "course/TMap.h"
#include "platform/Blit.h"
#include "platform/Canvas.h"
#include "rules/GameRules.h"

#include <algorithm>
#include <memory>
#include <vector>

QImage CoursePicture(TMap& map, uint32_t groundBgr, int32_t hiScore, int32_t rest)
{
    // The largest course field is far larger than any picture in a list needs to start from.
    constexpr int64_t MaxPicturePixels = int64_t{4096} * 4096;
    if (map.ScreenWidth <= 0 || map.ScreenHeight <= 0 ||
        int64_t{map.ScreenWidth} * map.ScreenHeight > MaxPicturePixels)
        return {};
    QImage picture(map.ScreenWidth, map.ScreenHeight, QImage::Format_RGB32);
    if (picture.isNull())
        return {};
    picture.fill(brv::ColorFromBgr(groundBgr));
    map.ResetDots();
    map.DrawField(picture, 0, hiScore, rest);

    // The cars where a stage places them; the speed only has to be one the cars accept.
    const std::vector<int32_t> speeds = SpeedTableFor(map.TileSize);
    const int32_t speed = speeds.empty() ? map.TileSize : speeds.front();
    brv::Canvas canvas(picture);
    canvas.SetFillColor(groundBgr);
    for (int32_t entry = 0; entry < map.StartNumber; ++entry) {
        TCar car(&map, entry == 0 ? 0 : 1);
        car.Place(map.StartEntry(entry), map.StartKinds[static_cast<size_t>(entry)],
                  map.StartSides[static_cast<size_t>(entry)], speed);
        car.Draw(canvas, false);
    }
    return picture;
}
