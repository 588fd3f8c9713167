// Drawing of the shipped tile sheet and sprite sheet.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace assets {

// Flat road colour. Pixel (0,0) of both sheets; the game swaps every pixel of
// exactly this colour for the player's chosen ground colour.
inline constexpr QRgb KeyColour = 0xFF2B2D33;

inline constexpr int TileSize = 24;
inline constexpr int SpriteSize = 20;
inline constexpr int SpriteOffset = (TileSize - SpriteSize) / 2;
inline constexpr int FrameCount = 2;

// 4 x 4 tiles, the tile for wall mask t at column t % 4, row t / 4.
QImage makeGroundSheet();

// Row 0 the player's car, row 1 the computer car (direction group g in columns
// 2g and 2g + 1), row 2 column 0 the dot.
QImage makeCarSheet();

// Checks the promises the game relies on; returns one line per broken one.
QStringList checkGroundSheet(const QImage &sheet);
QStringList checkCarSheet(const QImage &sheet);

} // namespace assets
