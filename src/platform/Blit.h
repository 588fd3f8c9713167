// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Raw pixel work on QImages for the drawing code: clipped opaque copies and fills that never
// touch a pixel outside either image. Coordinates are 64-bit so that callers can pass positions
// computed from any 32-bit field without overflow; whatever lies outside is simply left out.
// Format_RGB32 images (and the other 32-bit formats) are copied row by row with memcpy, which
// keeps the per-tick car draws cheap; other formats go through QPainter.
#include <QImage>
#include <QRect>

#include <cstdint>

namespace brv {

// Copies source's (sx, sy, w, h) to (x, y) of target and returns the rectangle of target that
// was written (empty when nothing was). Target and source may be the same image.
QRect BlitRect(QImage& target, int64_t x, int64_t y, const QImage& source, int64_t sx, int64_t sy,
               int64_t w, int64_t h);

// Fills (x, y, w, h) of target with an opaque colour (blue-green-red) and returns the
// rectangle written.
QRect FillPixels(QImage& target, int64_t x, int64_t y, int64_t w, int64_t h, uint32_t bgr);

// The blue-green-red colour of one pixel, or `outside` when (x, y) is not in the image.
uint32_t PixelBgr(const QImage& image, int64_t x, int64_t y, uint32_t outside);

} // namespace brv
