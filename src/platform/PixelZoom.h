// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole-number enlargement of part of an image by pixel repetition: every source pixel becomes
// a factor x factor square of the same colour, so the picture stays sharp at any size.
#include <QImage>
#include <QRect>

namespace brv {

// The pixels of `area` (clipped to the image) enlarged `factor` times, as a Format_RGB32 image
// of the clipped area's size times factor; a null image when nothing is left or factor < 1.
QImage ZoomPixels(const QImage& source, const QRect& area, int factor);

} // namespace brv
