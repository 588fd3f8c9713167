// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/model/CourseTransforms.h"

#include "editor/model/CourseEdits.h"

#include <algorithm>

namespace {

bool Inside(TRect area, TPoint cell)
{
    return area.Left <= cell.X && cell.X <= area.Right && area.Top <= cell.Y && cell.Y <= area.Bottom;
}

bool Inside(TRect area, const TRect& block)
{
    return Inside(area, TPoint{block.Left, block.Top}) && Inside(area, TPoint{block.Right, block.Bottom});
}

size_t ClipIndex(const CellClip& c, TPoint cell)
{
    return static_cast<size_t>(cell.Y - 1) * static_cast<size_t>(c.Width) + static_cast<size_t>(cell.X - 1);
}

int32_t MaskOf(char c)
{
    const int32_t mask = WallMaskOf(c);
    return mask >= 0 ? mask : ClosedCell;
}

// A cell's walls seen in the mirror: east and west (or north and south) change places.
char MirrorMask(char c, bool horizontal)
{
    const int32_t m = MaskOf(c);
    const int32_t a = horizontal ? WallEast : WallNorth;
    const int32_t b = horizontal ? WallWest : WallSouth;
    int32_t next = m & ~(a | b);
    if (m & a)
        next |= b;
    if (m & b)
        next |= a;
    return WallMaskCharacter(next);
}

char RotateMask(char c)
{
    const int32_t m = MaskOf(c);
    // North turns to east, east to south, south to west, west to north.
    return WallMaskCharacter(((m << 1) | (m >> 3)) & 15);
}

// The clip laid out anew, `width` x `height`: every cell, start and block moved through `place`,
// each cell's walls through `walls`, each start's direction through `facing`.
template <class Place, class Walls, class Facing>
CellClip Relaid(const CellClip& c, int32_t width, int32_t height, Place place, Walls walls,
                Facing facing)
{
    CellClip r = c;
    r.Width = width;
    r.Height = height;
    for (int32_t y = 1; y <= c.Height; ++y) {
        for (int32_t x = 1; x <= c.Width; ++x) {
            const TPoint to = place({x, y});
            r.Tiles[ClipIndex(r, to)] = walls(c.Tiles[ClipIndex(c, {x, y})]);
            r.Dots[ClipIndex(r, to)] = c.Dots[ClipIndex(c, {x, y})];
        }
    }
    for (StartPlace& s : r.Starts) {
        const TPoint to = place({s.Column, s.Row});
        s.Column = to.X;
        s.Row = to.Y;
        s.Direction = facing(s);
    }
    for (TRect& b : r.Blocks) {
        const TPoint a = place({b.Left, b.Top});
        const TPoint z = place({b.Right, b.Bottom});
        b = {std::min(a.X, z.X), std::min(a.Y, z.Y), std::max(a.X, z.X), std::max(a.Y, z.Y)};
    }
    return r;
}

CellClip WholeCourse(const CourseDocument& d)
{
    return CopyCells(d, {1, 1, d.Width, d.Height});
}

} // namespace

TRect CellArea(const CourseDocument& d, TPoint a, TPoint b)
{
    TRect r{std::max(std::min(a.X, b.X), 1), std::max(std::min(a.Y, b.Y), 1),
            std::min(std::max(a.X, b.X), d.Width), std::min(std::max(a.Y, b.Y), d.Height)};
    if (r.Left > r.Right || r.Top > r.Bottom)
        return {1, 1, 0, 0};
    return r;
}

CellClip CopyCells(const CourseDocument& d, TRect area)
{
    CellClip clip;
    area = CellArea(d, {area.Left, area.Top}, {area.Right, area.Bottom});
    if (area.Left > area.Right)
        return clip;
    clip.Width = area.Right - area.Left + 1;
    clip.Height = area.Bottom - area.Top + 1;
    for (int32_t y = area.Top; y <= area.Bottom; ++y) {
        for (int32_t x = area.Left; x <= area.Right; ++x) {
            clip.Tiles += d.Tiles[d.Index({x, y})];
            clip.Dots += d.Dots[d.Index({x, y})];
        }
    }
    const int32_t dx = area.Left - 1;
    const int32_t dy = area.Top - 1;
    for (const StartPlace& s : d.Starts) {
        if (!Inside(area, TPoint{s.Column, s.Row}))
            continue;
        StartPlace moved = s;
        moved.Column -= dx;
        moved.Row -= dy;
        clip.Starts.push_back(moved);
    }
    for (const TRect& b : d.Blocks)
        if (Inside(area, b))
            clip.Blocks.push_back({b.Left - dx, b.Top - dy, b.Right - dx, b.Bottom - dy});
    return clip;
}

bool PasteCells(CourseDocument& d, const CellClip& clip, TPoint at)
{
    if (clip.Empty())
        return false;
    const CourseDocument before = d;
    const int32_t dx = at.X - 1;
    const int32_t dy = at.Y - 1;
    const TRect area{at.X, at.Y, at.X + clip.Width - 1, at.Y + clip.Height - 1};
    for (int32_t y = 1; y <= clip.Height; ++y) {
        for (int32_t x = 1; x <= clip.Width; ++x) {
            const TPoint to{x + dx, y + dy};
            if (!d.OnCourse(to))
                continue;
            d.Tiles[d.Index(to)] = clip.Tiles[ClipIndex(clip, {x, y})];
            d.Dots[d.Index(to)] = clip.Dots[ClipIndex(clip, {x, y})];
        }
    }
    // The cells round the pasted ones take its walls; the course's border stays closed.
    for (int32_t y = area.Top; y <= area.Bottom; ++y) {
        for (int32_t x = area.Left; x <= area.Right; ++x) {
            const TPoint cell{x, y};
            if (!d.OnCourse(cell))
                continue;
            for (const int32_t side : {WallNorth, WallEast, WallSouth, WallWest}) {
                const TPoint other = NeighbourCell(cell, side);
                if (Inside(area, other) && d.OnCourse(other))
                    continue;
                SetWall(d, cell, side, !d.OnCourse(other) || (d.Mask(cell) & side) != 0);
            }
        }
    }
    for (const StartPlace& s : clip.Starts) {
        StartPlace moved = s;
        moved.Column += dx;
        moved.Row += dy;
        if (d.OnCourse({moved.Column, moved.Row}))
            d.Starts.push_back(moved);
    }
    for (const TRect& b : clip.Blocks) {
        const TRect moved{b.Left + dx, b.Top + dy, b.Right + dx, b.Bottom + dy};
        if (d.OnCourse({moved.Left, moved.Top}) && d.OnCourse({moved.Right, moved.Bottom}))
            AddBlock(d, {moved.Left, moved.Top}, {moved.Right, moved.Bottom});
    }
    return !(d == before);
}

bool ClearCells(CourseDocument& d, TRect area)
{
    area = CellArea(d, {area.Left, area.Top}, {area.Right, area.Bottom});
    if (area.Left > area.Right)
        return false;
    const CourseDocument before = d;
    for (int32_t y = area.Top; y <= area.Bottom; ++y) {
        for (int32_t x = area.Left; x <= area.Right; ++x) {
            for (const int32_t side : {WallNorth, WallEast, WallSouth, WallWest})
                SetWall(d, {x, y}, side, true);
            d.SetDot({x, y}, false);
        }
    }
    for (size_t k = d.Starts.size(); k-- > 0;)
        if (Inside(area, TPoint{d.Starts[k].Column, d.Starts[k].Row}))
            RemoveStart(d, static_cast<int32_t>(k));
    for (size_t k = d.Blocks.size(); k-- > 0;)
        if (Inside(area, d.Blocks[k]))
            RemoveBlock(d, static_cast<int32_t>(k + 1));
    return !(d == before);
}

void MirrorClip(CellClip& c, bool horizontal)
{
    const auto flip = [&](TPoint p) {
        return horizontal ? TPoint{c.Width + 1 - p.X, p.Y} : TPoint{p.X, c.Height + 1 - p.Y};
    };
    const auto walls = [horizontal](char tile) { return MirrorMask(tile, horizontal); };
    // Facing across the mirror turns round; along it stays.
    const auto facing = [horizontal](const StartPlace& s) {
        const bool across = horizontal ? (s.Direction == 2 || s.Direction == 6)
                                       : (s.Direction == 0 || s.Direction == 4);
        return across ? (s.Direction + 4) % 8 : s.Direction;
    };
    c = Relaid(c, c.Width, c.Height, flip, walls, facing);
}

void RotateClip(CellClip& c)
{
    // Cell (x, y) of a clip h high lands on (h + 1 - y, x).
    const auto turn = [&](TPoint p) { return TPoint{c.Height + 1 - p.Y, p.X}; };
    const auto facing = [](const StartPlace& s) {
        return s.Course().Facing.IsStraight() ? (s.Direction + 2) % 8 : s.Direction;
    };
    c = Relaid(c, c.Height, c.Width, turn, RotateMask, facing);
}

bool MirrorCells(CourseDocument& d, TRect area, bool horizontal)
{
    CellClip clip = CopyCells(d, area);
    if (clip.Empty())
        return false;
    const CourseDocument before = d;
    const TRect cut = CellArea(d, {area.Left, area.Top}, {area.Right, area.Bottom});
    // Blocks that are cut by the area stay where they are; the rest go with their cells.
    ClearCells(d, cut);
    MirrorClip(clip, horizontal);
    PasteCells(d, clip, {cut.Left, cut.Top});
    return !(d == before);
}

namespace {
// Whole-course transforms keep the entry order, so the player stays entry 0; entries off the
// course, and blocks reaching off it, stay as they were.
bool TransformCourse(CourseDocument& d, void (*transform)(CellClip&, bool), bool horizontal)
{
    if (d.Width < 1 || d.Height < 1)
        return false;
    const CourseDocument before = d;
    CellClip clip = WholeCourse(d);
    const bool allBlocks = clip.Blocks.size() == d.Blocks.size();
    transform(clip, horizontal);
    std::vector<StartPlace> starts = d.Starts;
    size_t next = 0;
    for (StartPlace& s : starts)
        if (d.OnCourse({s.Column, s.Row}))
            s = clip.Starts[next++];
    d.Width = clip.Width;
    d.Height = clip.Height;
    d.Tiles = clip.Tiles;
    d.Dots = clip.Dots;
    d.Starts = std::move(starts);
    if (allBlocks)
        d.Blocks = clip.Blocks;
    return !(d == before);
}
} // namespace

bool MirrorCourse(CourseDocument& d, bool horizontal) { return TransformCourse(d, MirrorClip, horizontal); }

bool RotateCourse(CourseDocument& d)
{
    const bool turned = TransformCourse(d, [](CellClip& c, bool) { RotateClip(c); }, false);
    if (turned && d.ScreenSize)
        d.ScreenSize = TPoint{d.ScreenSize->Y, d.ScreenSize->X};
    return turned;
}
