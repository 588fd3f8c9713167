// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two picture sheets the field is drawn from: the tile sheet (4 x 4 tiles) and the sprite
// sheet (cars and the dot). Both are loaded as Format_RGB32 and may have their background,
// the tile sheet's top-left colour, repainted in the chosen ground colour.
#include <QByteArray>
#include <QImage>

#include "platform/WholeFileRead.h"

#include <cstdint>
#include <stdexcept>
#include <string>

namespace brv {

struct LoadedSheets {
    QImage Ground;
    QImage Car;
    // The ground colour in force (blue-green-red): the one asked for, or, when the sheet's own
    // colour was asked for, the tile sheet's top-left pixel.
    uint32_t GroundColor = 0;
};

// A sheet that cannot be used; the message names the file and says why.
class SheetError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class SheetKind { Tile, Sprite };

// Files larger than this are not read at all: the limit of every file the game reads whole.
inline constexpr int64_t MaxSheetFileBytes = static_cast<int64_t>(MaxWholeFileBytes);
// Neither side of a sheet may exceed this, nor its area the pixel limit.
inline constexpr int MaxSheetSide = 16384;
inline constexpr int64_t MaxSheetPixels = int64_t{1} << 26;

// One sheet from a BMP file, as Format_RGB32. Refuses a missing, oversized or unreadable file,
// and a sheet too low to hold one tile (4 pixels) or one sprite (3 pixels).
QImage LoadSheet(const std::string& path, SheetKind kind);
// The same from the file's bytes already in memory; `path` is the name a refusal gives.
QImage DecodeSheet(QByteArray data, const std::string& path, SheetKind kind);
// The picture size a BMP's header declares (a top-down picture's height counted as positive);
// not valid when the header cannot be read.
QSize DeclaredSheetSize(QByteArray data);

// Both sheets as the window needs them. With useSheetColor, or with the ground colour silver,
// both are used as they are (useSheetColor then reports the tile sheet's top-left colour as
// the ground colour). Otherwise every pixel of the tile sheet's top-left colour, in both
// sheets, takes groundColor (a plain blue-green-red value; the caller resolves system colours).
LoadedSheets LoadSheets(const std::string& groundPath, const std::string& carPath,
                        uint32_t groundColor, bool useSheetColor);
// The same from two sheets already loaded.
LoadedSheets SheetsInGroundColor(QImage ground, QImage car, uint32_t groundColor,
                                 bool useSheetColor);

// Every pixel of colour `from` becomes `to` (both blue-green-red); the image becomes RGB32.
void ReplaceColor(QImage& image, uint32_t from, uint32_t to);

} // namespace brv
