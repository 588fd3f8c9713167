#include "course/TMap.h"

#include "course/StrLib.h"
#include "platform/AsciiText.h"
#include "platform/IniFile.h"
#include "platform/Wrap.h"

#include <filesystem>

namespace {
TPoint ReadPosition(const brv::IniFile& ini, const char* key)
{
    const std::string value = ini.ReadString("DISPLAY", key, ",");
    int32_t cursor = 1;
    const int32_t x = NextInt(value, cursor);
    const int32_t y = NextInt(value, cursor);
    return {brv::WrapSub(x, 1), brv::WrapSub(y, 1)};
}
} // namespace

// Block keys that are absent read as empty rectangles, which hold no cell; only the blocks up
// to the highest key present are kept, so a huge Number cannot claim unbounded memory.

int32_t HighestBlockKey(const brv::IniFile& ini, int32_t blockCount)
{
    int32_t highest = 0;
    for (const std::string& key : ini.ReadSection("BLOCK")) {
        const auto number = brv::ParseInteger(key);
        if (number && *number >= 1 && *number <= blockCount && std::to_string(*number) == key)
            highest = std::max(highest, *number);
    }
    return highest;
}

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

bool TMap::LoadFromFile(const std::string& fileName)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(fileName, ec))
        Fail(1);
    return LoadFromIni(brv::IniFile(fileName));
}

bool TMap::LoadFromIni(const brv::IniFile& ini)
{
    // The new course is built apart and taken over only when every check has passed.
    TMap next = *this;

    const std::string mapSize = ini.ReadString("DEFINE", "MapSize", ",");
    int32_t cursor = 1;
    next.MapWidth = NextInt(mapSize, cursor);
    next.MapHeight = NextInt(mapSize, cursor);
    if (next.MapWidth < 1 || next.MapHeight < 1)
        Fail(2);

    // Rows are read by key number 1..count, and each must be exactly one map wide.
    auto readRows = [&](const char* section, int error) {
        const size_t count = ini.CountKeys(section);
        std::string rows;
        for (size_t k = 1; k <= count; ++k) {
            const std::string row = ini.ReadString(section, std::to_string(k), "");
            if (row.size() != static_cast<size_t>(next.MapWidth))
                Fail(error);
            rows += row;
        }
        if (count < static_cast<size_t>(next.MapHeight))
            Fail(error);
        return rows;
    };
    next.Tiles = readRows("MAP", 2);

    next.BlockCount = ini.ReadInteger("BLOCK", "Number", 0);
    next.Blocks.clear();
    next.Path.clear();
    if (next.BlockCount > 0) {
        next.Blocks.resize(static_cast<size_t>(HighestBlockKey(ini, next.BlockCount)));
        for (size_t k = 1; k <= next.Blocks.size(); ++k) {
            const std::string value = ini.ReadString("BLOCK", std::to_string(k), "");
            int32_t c = 1;
            TRect& block = next.Blocks[k - 1];
            block.Left = NextInt(value, c);
            block.Top = NextInt(value, c);
            block.Right = NextInt(value, c);
            block.Bottom = NextInt(value, c);
        }
        next.Path = ini.ReadString("BLOCK", "Path", "");
    }

    next.Dots = readRows("MAPDOT", 3);
    next.DotTotal = 0;
    for (int32_t y = 1; y <= next.MapHeight; ++y)
        for (int32_t x = 1; x <= next.MapWidth; ++x)
            if (next.DotAt(x, y) == 'O')
                ++next.DotTotal;

    next.StartNumber = ini.ReadInteger("DEFINE", "StartNumber", 0);
    if (next.StartNumber < 1)
        Fail(4);
    if (ini.CountKeys("START") != static_cast<size_t>(next.StartNumber))
        Fail(4);
    next.StartSides.clear();
    next.StartKinds.clear();
    next.Starts.assign(static_cast<size_t>(next.StartNumber), TRect{});
    for (int32_t i = 0; i < next.StartNumber; ++i) {
        const std::string value = ini.ReadString("START", "Pos" + std::to_string(i), "");
        int32_t c = 1;
        TRect& start = next.Starts[static_cast<size_t>(i)];
        start.Left = NextInt(value, c);
        start.Top = NextInt(value, c);
        start.Right = NextInt(value, c);
        start.Bottom = NextInt(value, c);
        next.StartSides += FirstUpper(NextField(value, c), 'R', 'L');
        next.StartKinds += FirstUpper(NextField(value, c), 'R', 'P');
        const bool onCourse = start.Left >= 1 && start.Left <= next.MapWidth &&
                              start.Top >= 1 && start.Top <= next.MapHeight;
        const bool driving = start.Right == 0 || start.Right == 2 || start.Right == 4 ||
                             start.Right == 6;
        if (!onCourse || !driving)
            Fail(4);
    }

    next.ProgramPos = ReadPosition(ini, "Program");
    next.ScorePos = ReadPosition(ini, "Score");
    next.PointPos = ReadPosition(ini, "Point");
    next.HiScorePos = ReadPosition(ini, "HiScore");
    next.HiPointPos = ReadPosition(ini, "HiPoint");
    next.RestPos = ReadPosition(ini, "Rest");
    next.RestPlayPos = ReadPosition(ini, "RestPlay");

    const std::string screenSize = ini.ReadString("DEFINE", "ScreenSize", ",");
    cursor = 1;
    const int64_t w = std::max(NextInt(screenSize, cursor), 0);
    const int64_t h = std::max(NextInt(screenSize, cursor), 0);
    const int64_t width = (w != 0 ? w : next.MapWidth) * int64_t{TileSize};
    const int64_t height = (h != 0 ? h : next.MapHeight) * int64_t{TileSize};
    if (!FieldFits(width, height))
        throw CourseError(FieldTooLarge, FieldTooLargeText(width, height, TileSize));
    next.ScreenWidth = static_cast<int32_t>(width);
    next.ScreenHeight = static_cast<int32_t>(height);

    *this = std::move(next);
    return false;
}

void TMap::ResetDots()
{
    for (int32_t y = 1; y <= MapHeight; ++y)
        for (int32_t x = 1; x <= MapWidth; ++x)
            if (DotAt(x, y) == 'o')
                SetDot(x, y, 'O');
    DotsEaten = 0;
}

int32_t TMap::BlockAt(TPoint cell) const
{
    if (BlockCount == 0)
        return 0;
    for (size_t k = 0; k < Blocks.size(); ++k) {
        const TRect& b = Blocks[k];
        if (b.Left <= cell.X && cell.X <= b.Right && b.Top <= cell.Y && cell.Y <= b.Bottom)
            return static_cast<int32_t>(k + 1);
    }
    return 0;
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
