// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the screen shows of the field, to compare with the field image pixel for pixel.
#include <QImage>
#include <QString>

class TBrevantoForm;

namespace testing_ui {

// The paint box as the window's backing store holds it, in device pixels: the sum of every
// paint so far, not a fresh rendering.
QImage PaintBoxOnScreen(TBrevantoForm& form);
// `image` with each pixel repeated `factor` times across and down.
QImage Repeated(const QImage& image, int factor);
// Empty when both images hold the same pixels, else where and how they first differ.
QString FirstDifference(const QImage& shown, const QImage& expected);

} // namespace testing_ui
