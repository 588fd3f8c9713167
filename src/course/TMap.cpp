// SPDX-License-Identifier: GPL-3.0-or-later
#include "course/TMap.h"

#include "platform/IniFile.h"
#include "platform/Wrap.h"

#include <algorithm>
#include <filesystem>

TMap::TMap(int32_t groundHeight, int32_t carWidth, int32_t carHeight, bool redrawMap)
    : RedrawMap(redrawMap), TileSize(groundHeight / 4), SpriteSize(carHeight / 3),
      SpriteOffset((TileSize - SpriteSize) / 2), CarBitmapWidth(carWidth)
{
}

bool FieldFits(int64_t width, int64_t height)
{
    return width <= MaxFieldPixels && height <= MaxFieldPixels
           && width * height * 4 <= MaxFieldImageBytes;
}

std::string FieldTooLargeText(int64_t width, int64_t height, int32_t tileSize)
{
    const auto tiles = [tileSize](int64_t pixels) { return std::to_string(tileSize > 0 ? pixels / tileSize : 0); };
    return "The course's field would be " + std::to_string(width) + " x " + std::to_string(height)
           + " pixels (" + tiles(width) + " x " + tiles(height) + " tiles of " + std::to_string(tileSize)
           + " pixels, a quarter of the tile sheet's height): more than the game can draw, which is "
           + std::to_string(MaxFieldPixels) + " pixels a side and " + std::to_string(MaxFieldImageBytes >> 20)
           + " MiB in all.";
}

void TMap::SetErrorTexts(const std::vector<std::string>& texts)
{
    for (size_t k = 1; k <= 4 && k < texts.size(); ++k)
        ErrorTexts[k] = texts[k];
}

void TMap::Fail(int number) const
{
    throw CourseError(number, ErrorTexts[static_cast<size_t>(number)]);
}

CourseLoad TMap::LoadFromFile(const std::string& fileName)
{
    LoadParsedFile(fileName);
    return CourseLoad::Loaded;
}

ParsedCourse TMap::LoadParsedFile(const std::string& fileName)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(fileName, ec))
        Fail(1);
    ParsedCourse course = ParseCourse(brv::IniFile(fileName));
    LoadParsed(course);
    return course;
}

CourseLoad TMap::LoadFromIni(const brv::IniFile& ini) { return LoadParsed(ParseCourse(ini)); }

CourseLoad TMap::LoadParsed(const ParsedCourse& course)
{
    if (const CourseProblem* refusal = course.Refusal())
        Fail(refusal->ErrorNumber());
    const CourseData& data = course.Data;

    // The new course is built apart and taken over only when the field's size has passed too.
    TMap next = *this;
    next.MapWidth = data.Width;
    next.MapHeight = data.Height;
    next.Tiles.clear();
    for (const std::string& row : data.TileRows)
        next.Tiles += row;
    next.BlockCount = data.BlockCount;
    next.Blocks = data.Blocks;
    next.Path = data.Path;
    next.Dots.clear();
    for (const std::string& row : data.DotRows)
        next.Dots += row;
    next.DotTotal = 0;
    for (int32_t y = 1; y <= next.MapHeight; ++y)
        for (int32_t x = 1; x <= next.MapWidth; ++x)
            if (next.DotAt(x, y) == 'O')
                ++next.DotTotal;

    // A course that loads has exactly StartNumber entries, Pos0 .. Pos(StartNumber - 1).
    next.StartNumber = data.StartNumber;
    next.Starts.clear();
    next.StartSides.clear();
    next.StartKinds.clear();
    for (int32_t i = 0; i < next.StartNumber; ++i) {
        const CourseStart& start = data.Starts[static_cast<size_t>(i)];
        next.Starts.push_back(start.Record());
        next.StartSides += start.Side;
        next.StartKinds += start.Kind;
    }

    // Positions are written 1-based; an absent key reads as 0,0 and stands one tile outside.
    std::array<TPoint, DisplayKeys.size()> positions{};
    for (size_t k = 0; k < positions.size(); ++k) {
        const TPoint p = data.Display[k].value_or(TPoint{});
        positions[k] = {brv::WrapSub(p.X, 1), brv::WrapSub(p.Y, 1)};
    }
    next.ProgramPos = positions[0];
    next.ScorePos = positions[1];
    next.PointPos = positions[2];
    next.HiScorePos = positions[3];
    next.HiPointPos = positions[4];
    next.RestPos = positions[5];
    next.RestPlayPos = positions[6];

    const TPoint screen = data.ScreenSize.value_or(TPoint{});
    const int64_t w = std::max(screen.X, 0);
    const int64_t h = std::max(screen.Y, 0);
    const int64_t width = (w != 0 ? w : next.MapWidth) * int64_t{TileSize};
    const int64_t height = (h != 0 ? h : next.MapHeight) * int64_t{TileSize};
    if (!FieldFits(width, height))
        throw CourseError(FieldTooLarge, FieldTooLargeText(width, height, TileSize));
    next.ScreenWidth = static_cast<int32_t>(width);
    next.ScreenHeight = static_cast<int32_t>(height);

    *this = std::move(next);
    return CourseLoad::Loaded;
}

void TMap::ResetDots()
{
    for (int32_t y = 1; y <= MapHeight; ++y)
        for (int32_t x = 1; x <= MapWidth; ++x)
            if (DotAt(x, y) == 'o')
                SetDot(x, y, 'O');
    DotsEaten = 0;
}

int32_t TMap::BlockAt(TPoint cell) const { return BlockCount == 0 ? 0 : ::BlockAt(Blocks, cell); }

int32_t TMap::PathPlace(int32_t block) const
{
    const size_t at = Path.find(std::to_string(block));
    return at == std::string::npos ? 0 : static_cast<int32_t>(at + 1);
}

bool TMap::IsOutside(TPoint cell) const
{
    return cell.X < 1 || cell.X > MapWidth || cell.Y < 1 || cell.Y > MapHeight;
}

int32_t TMap::TileAt(TPoint cell) const
{
    const int32_t c = static_cast<unsigned char>(Tiles[CellIndex(cell.X, cell.Y)]);
    return c >= 65 ? c - 55 : c - 48;
}

char TMap::DotAt(int32_t column, int32_t row) const { return Dots[CellIndex(column, row)]; }

void TMap::SetDot(int32_t column, int32_t row, char dot) { Dots[CellIndex(column, row)] = dot; }

void TMap::EatDot(TPoint cell)
{
    SetDot(cell.X, cell.Y, 'o');
    DotsEaten = brv::WrapAdd(DotsEaten, 1);
}

bool TMap::AllDotsEaten() const { return DotsEaten >= DotTotal; }

int32_t TMap::CarCount() const { return StartNumber - 1; }

TRect TMap::StartEntry(int32_t index) const
{
    if (index < StartNumber && index >= 0)
        return Starts[static_cast<size_t>(index)];
    return {};
}
