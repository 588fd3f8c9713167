// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The course model: the tile grid of wall masks, the dot grid, the numbered blocks and the
// path that orders them, the start entries of all cars, the caption places and the pixel sizes
// that follow from the two sheets. Loading and cell queries are plain logic; the drawing
// operations (TMapDraw.cpp) are the only part that touches Qt.
#include "course/CourseParser.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

class QImage;
namespace brv { class Canvas; class IniFile; }

// A rejected course; the message is one of the course error texts, Number says which (1..4),
// or, with FieldTooLarge, a text of the loader's own naming the field's size.
class CourseError : public std::runtime_error {
public:
    CourseError(int number, const std::string& text) : std::runtime_error(text), Number(number) {}
    int Number;
};

// The field is one off-screen image of four bytes a pixel (and the window keeps a copy to show):
// a course whose field would be wider or higher than MaxFieldPixels, or whose image would take
// more than MaxFieldImageBytes, is refused with error number FieldTooLarge. At the shipped tile
// size of 24 pixels that allows 170 x 170 cells.
inline constexpr int64_t MaxFieldPixels = 16384;
inline constexpr int64_t MaxFieldImageBytes = int64_t{64} << 20;
inline constexpr int FieldTooLarge = 5;
// The refusal's text: the field's size in pixels and in tiles, and the tile size the tile sheet
// gives, since a sheet of huge tiles makes any course too large.
std::string FieldTooLargeText(int64_t width, int64_t height, int32_t tileSize);
// Whether a field of this size in pixels can be drawn.
bool FieldFits(int64_t width, int64_t height);

// What a load that returns reports: the course is in. A refused course throws CourseError
// instead, so there is no other value; it stands where the loader's failure flag stood.
enum class CourseLoad { Loaded };

class TMap {
public:
    // Sizes come from the sheets' heights: a tile is a quarter of the tile sheet, a sprite a
    // third of the sprite sheet. The sprite sheet's width sets the cars' animation frames.
    TMap(int32_t groundHeight, int32_t carWidth, int32_t carHeight, bool redrawMap);
    // The same from the two sheets themselves; they are not owned and must outlive the map.
    TMap(const QImage* groundBitmap, const QImage* carBitmap, bool redrawMap);

    void SetErrorTexts(const std::vector<std::string>& texts);
    // Loads a course file. A bad course throws CourseError and leaves the model as it was.
    CourseLoad LoadFromFile(const std::string& fileName);
    // The same, giving the parse the course was loaded from, for the checks that need the file.
    ParsedCourse LoadParsedFile(const std::string& fileName);
    // The same from a course file already read (or bytes in memory), found to exist.
    CourseLoad LoadFromIni(const brv::IniFile& ini);
    // The same from a course already parsed: refused on the first problem that refuses, in the
    // order the file's checks are made, then when the field would be too large to draw.
    CourseLoad LoadParsed(const ParsedCourse& course);

    // Cell queries; cells are 1-based (column, row).
    void ResetDots();
    int32_t BlockAt(TPoint cell) const;
    // 1-based place of the first occurrence of the block number's decimal text in Path, 0 if
    // none, as the pursuit orders blocks. The search is literal: "1" is found inside "12".
    int32_t PathPlace(int32_t block) const;
    bool IsOutside(TPoint cell) const;
    int32_t TileAt(TPoint cell) const;
    char DotAt(int32_t column, int32_t row) const;
    void SetDot(int32_t column, int32_t row, char dot);
    void EatDot(TPoint cell);
    bool AllDotsEaten() const;
    int32_t CarCount() const;
    TRect StartEntry(int32_t index) const;

    // Drawing (TMapDraw.cpp).
    void DrawField(QImage& target, int32_t score, int32_t hiScore, int32_t rest) const;
    void DrawTiles(QImage& target, TRect area) const;
    void DrawScore(brv::Canvas& canvas, int32_t value, bool isHiScore) const;

    bool RedrawMap = false;
    int32_t TileSize = 0;
    int32_t SpriteSize = 0;
    int32_t SpriteOffset = 0;
    int32_t DotTotal = 0;
    int32_t BlockCount = 0;
    int32_t StartNumber = 0;
    int32_t DotsEaten = 0;
    int32_t MapWidth = 0;
    int32_t MapHeight = 0;
    int32_t ScreenWidth = 0;
    int32_t ScreenHeight = 0;
    TPoint ProgramPos, ScorePos, HiScorePos, PointPos, HiPointPos, RestPos, RestPlayPos;
    std::vector<TRect> Starts;
    std::vector<TRect> Blocks;
    std::string Tiles;
    std::string Dots;
    std::string StartKinds;
    std::string StartSides;
    std::string Path;
    std::array<std::string, 5> ErrorTexts; // 1..4 used
    const QImage* GroundBitmap = nullptr;
    const QImage* CarBitmap = nullptr;
    int32_t CarBitmapWidth = 0;

private:
    size_t CellIndex(int32_t column, int32_t row) const
    {
        return static_cast<size_t>(row - 1) * static_cast<size_t>(MapWidth) +
               static_cast<size_t>(column - 1);
    }
    [[noreturn]] void Fail(int number) const;
};
