// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PixelZoom.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace brv {

QImage ZoomPixels(const QImage& source, const QRect& area, int factor)
{
    const QRect from = area & source.rect();
    if (factor < 1 || from.isEmpty())
        return {};
    const int64_t width = int64_t{from.width()} * factor;
    const int64_t height = int64_t{from.height()} * factor;
    if (width > INT32_MAX || height > INT32_MAX)
        return {};
    QImage zoomed(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (zoomed.isNull())
        return {};
    const QImage rgb = source.format() == QImage::Format_RGB32 ||
                               source.format() == QImage::Format_ARGB32 ||
                               source.format() == QImage::Format_ARGB32_Premultiplied
                           ? source
                           : source.convertToFormat(QImage::Format_RGB32);
    const size_t rowBytes = static_cast<size_t>(width) * 4;
    for (int row = 0; row < from.height(); ++row) {
        // Widen one source row, then repeat it downward.
        const auto* in = reinterpret_cast<const uint32_t*>(rgb.constScanLine(from.top() + row)) +
                         from.left();
        const int first = row * factor;
        auto* out = reinterpret_cast<uint32_t*>(zoomed.scanLine(first));
        for (int x = 0; x < from.width(); ++x)
            out = std::fill_n(out, factor, in[x] | 0xFF000000u);
        const uchar* widened = zoomed.constScanLine(first);
        for (int copy = 1; copy < factor; ++copy)
            std::memcpy(zoomed.scanLine(first + copy), widened, rowBytes);
    }
    return zoomed;
}

} // namespace brv
