// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing of the shipped tile sheet and sprite sheet.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace assets {

// Flat road colour. Pixel (0,0) of both sheets; the game swaps every pixel of
// exactly this colour for the player's chosen ground colour. The shipped
// settings keep it (GroundColor=ORIGINAL), and the field's captions are drawn
// on it, so it is light: blue, green and red text all read on it.
inline constexpr QRgb KeyColour = 0xFFF0EDE6;

// Every painted pixel that touches the road must stand out from it by at least
// this contrast ratio, so walls, cars and dots keep a crisp edge.
inline constexpr double MinEdgeContrast = 2.5;

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
