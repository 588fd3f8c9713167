// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small synthetic sheets for the drawing tests: every tile and every sprite square is one flat
// colour of its own, so a single pixel tells which square was copied where. Only the sheets'
// top-left pixels differ: they carry the background colours the drawing reads from them.
#include "course/TMap.h"

#include <QImage>

#include <cstdint>
#include <string>

namespace drawtest {

inline constexpr int Tile = 8;   // tile sheet 32 x 32
inline constexpr int Sprite = 6; // sprite sheet 18 high: sprites sit 1 pixel into a tile
inline constexpr int Offset = 1;

inline constexpr uint32_t GroundBackground = 0x123456; // tile sheet pixel (0, 0)
inline constexpr uint32_t SpriteBackground = 0x654321; // sprite sheet pixel (0, 0)
inline constexpr uint32_t DotColor = 0x00FFFF;
inline constexpr uint32_t Untouched = 0xFF00FF; // what a test target starts as

uint32_t TileColor(int t);
uint32_t SpriteColor(int column, int row);

// Tile sheet with `columns` of the 4 tile columns present (a narrower sheet lacks the rest).
QImage TileSheet(int columns = 4);
// Sprite sheet with `frames` animation frames per direction group.
QImage SpriteSheet(int frames = 2, int sprite = Sprite);

QImage Filled(int width, int height, uint32_t bgr);
uint32_t Px(const QImage& image, int x, int y); // blue-green-red
// True when every pixel of the rectangle has the colour.
bool AllOf(const QImage& image, int x, int y, int w, int h, uint32_t bgr);

} // namespace drawtest
