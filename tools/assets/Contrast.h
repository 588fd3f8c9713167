// SPDX-License-Identifier: GPL-3.0-or-later
// Contrast between two colours as the usual accessibility formula measures it: the relative
// luminance of each (sRGB channels linearised, weighted 0.2126 / 0.7152 / 0.0722), then
// (lighter + 0.05) / (darker + 0.05), from 1 (the same) to 21 (black on white).
#pragma once

#include <QRgb>

#include <algorithm>
#include <cmath>

namespace assets {

inline double relativeLuminance(QRgb colour)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour))
           + 0.0722 * linear(qBlue(colour));
}

inline double contrastRatio(QRgb a, QRgb b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace assets
