// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/model/CourseEdits.h"

#include "check/CarReach.h"
#include "platform/Wrap.h"

#include <algorithm>

namespace {
constexpr int32_t Sides[4] = {WallNorth, WallEast, WallSouth, WallWest};

template <class T>
bool Assign(T& target, const T& value)
{
    if (target == value)
        return false;
    target = value;
    return true;
}

bool ValidEntry(const CourseDocument& d, int32_t entry)
{
    return entry >= 0 && static_cast<size_t>(entry) < d.Starts.size();
}
} // namespace

TPoint NeighbourCell(TPoint cell, int32_t side)
{
    switch (side) {
    case WallNorth: return {cell.X, cell.Y - 1};
    case WallEast: return {cell.X + 1, cell.Y};
    case WallSouth: return {cell.X, cell.Y + 1};
    default: return {cell.X - 1, cell.Y};
    }
}

int32_t OppositeSide(int32_t side)
{
    switch (side) {
    case WallNorth: return WallSouth;
    case WallEast: return WallWest;
    case WallSouth: return WallNorth;
    default: return WallEast;
    }
}

std::vector<TPoint> DragCells(TPoint from, TPoint to)
{
    std::vector<TPoint> cells{from};
    TPoint at = from;
    while (at.X != to.X) {
        at.X += to.X > at.X ? 1 : -1;
        cells.push_back(at);
    }
    while (at.Y != to.Y) {
        at.Y += to.Y > at.Y ? 1 : -1;
        cells.push_back(at);
    }
    return cells;
}

std::vector<TPoint> RingCells(TPoint a, TPoint b)
{
    const TPoint low{std::min(a.X, b.X), std::min(a.Y, b.Y)};
    const TPoint high{std::max(a.X, b.X), std::max(a.Y, b.Y)};
    std::vector<TPoint> cells = DragCells(low, {high.X, low.Y});
    for (const auto& leg : {DragCells({high.X, low.Y}, high), DragCells(high, {low.X, high.Y}),
                            DragCells({low.X, high.Y}, low)})
        cells.insert(cells.end(), leg.begin() + 1, leg.end());
    return cells;
}

namespace {
bool SetLane(CourseDocument& d, const std::vector<TPoint>& cells, bool open)
{
    bool changed = false;
    for (size_t k = 1; k < cells.size(); ++k) {
        const TPoint a = cells[k - 1];
        const TPoint b = cells[k];
        if (!d.OnCourse(a) || !d.OnCourse(b))
            continue;
        for (const int32_t side : Sides)
            if (NeighbourCell(a, side) == b)
                changed |= SetWall(d, a, side, !open);
    }
    return changed;
}
} // namespace

bool CarveLane(CourseDocument& d, const std::vector<TPoint>& cells) { return SetLane(d, cells, true); }

bool EraseLane(CourseDocument& d, const std::vector<TPoint>& cells) { return SetLane(d, cells, false); }

bool SetWall(CourseDocument& d, TPoint cell, int32_t side, bool closed)
{
    if (!d.OnCourse(cell))
        return false;
    bool changed = false;
    const auto set = [&](TPoint c, int32_t bit) {
        const int32_t mask = d.Mask(c);
        const int32_t next = closed ? (mask | bit) : (mask & ~bit);
        // A character that is no wall mask is replaced only when the wall really changes.
        if (next != mask || WallMaskCharacter(mask) != d.Tiles[d.Index(c)]) {
            d.SetMask(c, next);
            changed = true;
        }
    };
    set(cell, side);
    const TPoint other = NeighbourCell(cell, side);
    if (d.OnCourse(other))
        set(other, OppositeSide(side));
    return changed;
}

bool SetDot(CourseDocument& d, TPoint cell, bool dot)
{
    if (!d.OnCourse(cell) || d.HasDot(cell) == dot)
        return false;
    d.SetDot(cell, dot);
    return true;
}

std::vector<TPoint> ReachableCells(const CourseDocument& d)
{
    std::vector<TPoint> cells;
    if (d.Starts.empty())
        return cells;
    const StartPlace& start = d.Starts[0];
    if (!d.StartFits(start))
        return cells;
    // The checker's own exploration of the player's car, so the fill and the unreachable-dot
    // finding always agree. Tiles of 24 pixels, as the shipped sheets.
    TMap map(96, 60, 60, false);
    FillMap(d, map);
    const check_detail::Reach reach = check_detail::ExplorePlayer(map);
    for (int32_t y = 1; y <= d.Height; ++y)
        for (int32_t x = 1; x <= d.Width; ++x)
            if (reach.arrivedCells[d.Index({x, y})])
                cells.push_back({x, y});
    return cells;
}

bool FillReachableDots(CourseDocument& d, const std::vector<TPoint>& reachable)
{
    std::string dots(d.Dots.size(), '.');
    for (const TPoint cell : reachable)
        if (d.OnCourse(cell))
            dots[d.Index(cell)] = 'O';
    return Assign(d.Dots, dots);
}

bool AddStart(CourseDocument& d, TPoint cell)
{
    if (!d.OnCourse(cell))
        return false;
    StartPlace place;
    place.Column = cell.X;
    place.Row = cell.Y;
    // Facing an open side: a car that starts against a wall drives into it.
    for (const auto& [side, direction] : {std::pair{WallEast, 2}, std::pair{WallSouth, 4},
                                          std::pair{WallWest, 6}, std::pair{WallNorth, 0}})
        if ((d.Mask(cell) & side) == 0) {
            place.Direction = direction;
            break;
        }
    if (!d.Starts.empty() && d.Blocks.empty())
        place.Kind = 'R';
    d.Starts.push_back(place);
    return true;
}

bool MoveStart(CourseDocument& d, int32_t entry, TPoint cell)
{
    if (!ValidEntry(d, entry) || !d.OnCourse(cell))
        return false;
    StartPlace place = d.Starts[static_cast<size_t>(entry)];
    place.Column = cell.X;
    place.Row = cell.Y;
    return Assign(d.Starts[static_cast<size_t>(entry)], place);
}

bool TurnStart(CourseDocument& d, int32_t entry, bool clockwise)
{
    if (!ValidEntry(d, entry))
        return false;
    StartPlace& place = d.Starts[static_cast<size_t>(entry)];
    // A direction that is none of the four turns to the nearest one first.
    const int32_t even = (((place.Direction % 8) + 8) % 8) & ~1;
    place.Direction = (even + (clockwise ? 2 : 6)) % 8;
    return true;
}

bool SetStart(CourseDocument& d, int32_t entry, const StartPlace& place)
{
    return ValidEntry(d, entry) && Assign(d.Starts[static_cast<size_t>(entry)], place);
}

bool RemoveStart(CourseDocument& d, int32_t entry)
{
    if (!ValidEntry(d, entry))
        return false;
    d.Starts.erase(d.Starts.begin() + entry);
    return true;
}

bool AddBlock(CourseDocument& d, TPoint a, TPoint b)
{
    if (!d.OnCourse(a) || !d.OnCourse(b) || d.Blocks.size() >= static_cast<size_t>(MaxPathBlocks))
        return false;
    d.Blocks.push_back({std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X),
                        std::max(a.Y, b.Y)});
    return true;
}

bool RemoveBlock(CourseDocument& d, int32_t block)
{
    if (block < 1 || static_cast<size_t>(block) > d.Blocks.size())
        return false;
    d.Blocks.erase(d.Blocks.begin() + (block - 1));
    // Digits name blocks one each; other characters are left as the author wrote them.
    std::string path;
    for (const char c : d.Path) {
        const int32_t named = c - '0';
        if (c < '1' || c > '9' || named < block)
            path += c;
        else if (named > block)
            path += static_cast<char>(c - 1);
    }
    d.Path = path;
    return true;
}

bool AppendToPath(CourseDocument& d, int32_t block)
{
    if (block < 1 || block > MaxPathBlocks || static_cast<size_t>(block) > d.Blocks.size())
        return false;
    d.Path += std::to_string(block);
    return true;
}

bool SetPath(CourseDocument& d, const std::string& path) { return Assign(d.Path, path); }

bool MakeQuarterBlocks(CourseDocument& d)
{
    if (d.Width < 2 || d.Height < 2)
        return false;
    const int32_t midX = d.Width / 2;
    const int32_t midY = d.Height / 2;
    // Clockwise from the top left, so the path follows the cars round a ring.
    const std::vector<TRect> blocks = {{1, 1, midX, midY},
                                       {midX + 1, 1, d.Width, midY},
                                       {midX + 1, midY + 1, d.Width, d.Height},
                                       {1, midY + 1, midX, d.Height}};
    const bool changed = Assign(d.Blocks, blocks);
    return Assign(d.Path, std::string("1234")) || changed;
}

bool MoveCaption(CourseDocument& d, int caption, TPoint tile)
{
    if (caption < 0 || caption >= CaptionCount)
        return false;
    return Assign(d.Captions[static_cast<size_t>(caption)],
                  std::optional<TPoint>(TPoint{brv::WrapAdd(tile.X, 1), brv::WrapAdd(tile.Y, 1)}));
}

bool PlaceCaptionsBeside(CourseDocument& d)
{
    // Six columns hold the widest caption ("HI SCORE", six-digit scores) with a column free
    // beside the map; the rows are those of the shipped courses.
    constexpr int32_t StripColumns = 6;
    constexpr int32_t Rows[CaptionCount] = {2, 4, 5, 7, 8, 10, 11};
    const CourseDocument before = d;
    d.ScreenSize = TPoint{d.Width + StripColumns, std::max(d.Height, 12)};
    for (int k = 0; k < CaptionCount; ++k)
        d.Captions[static_cast<size_t>(k)] = TPoint{d.Width + 2, Rows[k]};
    return !(d == before);
}

bool ResizeCourse(CourseDocument& d, int32_t width, int32_t height, GrowEdge horizontal,
                  GrowEdge vertical)
{
    if (width < 1 || height < 1 || width > MaxCourseSide || height > MaxCourseSide)
        return false;
    if (width == d.Width && height == d.Height)
        return false;
    const int32_t dx = horizontal == GrowEdge::Start ? width - d.Width : 0;
    const int32_t dy = vertical == GrowEdge::Start ? height - d.Height : 0;
    CourseDocument next = CourseDocument::Empty(width, height);
    for (int32_t y = 1; y <= height; ++y) {
        for (int32_t x = 1; x <= width; ++x) {
            const TPoint from{x - dx, y - dy};
            if (!d.OnCourse(from))
                continue;
            const TPoint to{x, y};
            next.Tiles[next.Index(to)] = d.Tiles[d.Index(from)];
            next.Dots[next.Index(to)] = d.Dots[d.Index(from)];
        }
    }
    // Lanes cut by the new border end in a wall.
    for (int32_t x = 1; x <= width; ++x) {
        SetWall(next, {x, 1}, WallNorth, true);
        SetWall(next, {x, height}, WallSouth, true);
    }
    for (int32_t y = 1; y <= height; ++y) {
        SetWall(next, {1, y}, WallWest, true);
        SetWall(next, {width, y}, WallEast, true);
    }
    // Values read from a file may lie anywhere; they move as the 32-bit fields of the game.
    const auto x = [dx](int32_t v) { return brv::WrapAdd(v, dx); };
    const auto y = [dy](int32_t v) { return brv::WrapAdd(v, dy); };
    next.Starts = d.Starts;
    for (StartPlace& s : next.Starts) {
        s.Column = x(s.Column);
        s.Row = y(s.Row);
    }
    next.Blocks = d.Blocks;
    for (TRect& b : next.Blocks)
        b = {x(b.Left), y(b.Top), x(b.Right), y(b.Bottom)};
    next.Path = d.Path;
    next.Captions = d.Captions;
    for (auto& at : next.Captions)
        if (at)
            *at = {x(at->X), y(at->Y)};
    next.ScreenSize = d.ScreenSize;
    d = std::move(next);
    return true;
}

bool SetScreenSize(CourseDocument& d, std::optional<TPoint> size) { return Assign(d.ScreenSize, size); }
