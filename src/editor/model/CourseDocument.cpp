// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/model/CourseDocument.h"

#include "platform/Wrap.h"

#include <algorithm>

CourseDocument CourseDocument::Empty(int32_t width, int32_t height)
{
    CourseDocument document;
    document.Width = width;
    document.Height = height;
    const size_t cells = static_cast<size_t>(width) * static_cast<size_t>(height);
    document.Tiles.assign(cells, WallMaskCharacter(ClosedCell));
    document.Dots.assign(cells, '.');
    return document;
}

int32_t CourseDocument::Mask(TPoint cell) const
{
    const int32_t mask = WallMaskOf(Tiles[Index(cell)]);
    return mask >= 0 ? mask : ClosedCell;
}

void CourseDocument::SetMask(TPoint cell, int32_t mask) { Tiles[Index(cell)] = WallMaskCharacter(mask); }

int32_t CourseDocument::StartAt(TPoint cell) const
{
    for (size_t k = 0; k < Starts.size(); ++k)
        if (Starts[k].Column == cell.X && Starts[k].Row == cell.Y)
            return static_cast<int32_t>(k);
    return -1;
}


void FillMap(const CourseDocument& document, TMap& map)
{
    map.MapWidth = document.Width;
    map.MapHeight = document.Height;
    map.Tiles = document.Tiles;
    map.Dots = document.Dots;
    map.DotTotal = 0;
    for (char dot : document.Dots)
        map.DotTotal += dot == 'O' ? 1 : 0;
    map.Blocks = document.Blocks;
    map.BlockCount = static_cast<int32_t>(document.Blocks.size());
    map.Path = document.Blocks.empty() ? std::string() : document.Path;
    map.StartNumber = static_cast<int32_t>(document.Starts.size());
    map.Starts.clear();
    map.StartSides.clear();
    map.StartKinds.clear();
    for (const StartPlace& s : document.Starts) {
        map.Starts.push_back(s.Course().Record());
        map.StartSides += s.Side;
        map.StartKinds += s.Kind;
    }
    TPoint* places[CaptionCount] = {&map.ProgramPos, &map.ScorePos,   &map.PointPos,
                                    &map.HiScorePos, &map.HiPointPos, &map.RestPos,
                                    &map.RestPlayPos};
    for (int k = 0; k < CaptionCount; ++k) {
        const TPoint at = document.Captions[static_cast<size_t>(k)].value_or(TPoint{0, 0});
        *places[k] = {brv::WrapSub(at.X, 1), brv::WrapSub(at.Y, 1)};
    }
    const TPoint screen = document.ScreenSize.value_or(TPoint{0, 0});
    const int32_t w = std::max(screen.X, 0);
    const int32_t h = std::max(screen.Y, 0);
    // The field image is bounded as the loader bounds it; the checks report a larger one.
    const auto pixels = [&](int32_t tiles) {
        return static_cast<int32_t>(std::min(int64_t{tiles} * map.TileSize, MaxFieldPixels));
    };
    map.ScreenWidth = pixels(w != 0 ? w : document.Width);
    map.ScreenHeight = pixels(h != 0 ? h : document.Height);
    map.DotsEaten = 0;
}
