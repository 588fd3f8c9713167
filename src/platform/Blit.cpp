// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Blit.h"

#include "platform/PixelColor.h"

#include <QPainter>

#include <algorithm>
#include <cstring>

namespace brv {

namespace {

bool Is32Bit(QImage::Format format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

// Raw rows may be copied when the pixel values mean the same in both images. An opaque RGB32
// pixel is a valid pixel of either ARGB32 format as well.
bool RawCopyable(const QImage& target, const QImage& source)
{
    if (!Is32Bit(target.format()))
        return false;
    return source.format() == target.format() || source.format() == QImage::Format_RGB32;
}

// Clips the span [pos, pos + len) to [0, limit); `other` moves along with pos.
void ClipSpan(int64_t& pos, int64_t& other, int64_t& len, int64_t limit)
{
    if (pos < 0) {
        other -= pos;
        len += pos;
        pos = 0;
    }
    len = std::min(len, limit - pos);
}

} // namespace

QRect BlitRect(QImage& target, int64_t x, int64_t y, const QImage& source, int64_t sx, int64_t sy,
               int64_t w, int64_t h)
{
    if (w <= 0 || h <= 0 || target.isNull() || source.isNull())
        return {};
    ClipSpan(sx, x, w, source.width());
    ClipSpan(sy, y, h, source.height());
    if (w <= 0 || h <= 0)
        return {};
    ClipSpan(x, sx, w, target.width());
    ClipSpan(y, sy, h, target.height());
    if (w <= 0 || h <= 0)
        return {};

    const QRect written(static_cast<int>(x), static_cast<int>(y), static_cast<int>(w),
                        static_cast<int>(h));
    const bool same = &source == &target;
    if (RawCopyable(target, source)) {
        // bits() first: it detaches target when its data is shared, source keeps the old data.
        uchar* const dst = target.bits();
        const uchar* const src = source.constBits();
        const qsizetype dstStride = target.bytesPerLine();
        const qsizetype srcStride = source.bytesPerLine();
        const size_t bytes = static_cast<size_t>(w) * 4;
        const auto row = [&](int64_t r) {
            uchar* to = dst + (y + r) * dstStride + x * 4;
            const uchar* from = src + (sy + r) * srcStride + sx * 4;
            if (same)
                std::memmove(to, from, bytes);
            else
                std::memcpy(to, from, bytes);
        };
        if (same && y > sy) {
            for (int64_t r = h - 1; r >= 0; --r)
                row(r);
        } else {
            for (int64_t r = 0; r < h; ++r)
                row(r);
        }
        return written;
    }

    const QRect from(static_cast<int>(sx), static_cast<int>(sy), static_cast<int>(w),
                     static_cast<int>(h));
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (same)
        painter.drawImage(written.topLeft(), source.copy(from));
    else
        painter.drawImage(written.topLeft(), source, from);
    return written;
}

QRect FillPixels(QImage& target, int64_t x, int64_t y, int64_t w, int64_t h, uint32_t bgr)
{
    if (w <= 0 || h <= 0 || target.isNull())
        return {};
    int64_t unused = 0;
    ClipSpan(x, unused, w, target.width());
    ClipSpan(y, unused, h, target.height());
    if (w <= 0 || h <= 0)
        return {};
    const QRect written(static_cast<int>(x), static_cast<int>(y), static_cast<int>(w),
                        static_cast<int>(h));
    if (Is32Bit(target.format())) {
        const uint32_t pixel = OpaquePixelFromBgr(bgr);
        for (int64_t r = 0; r < h; ++r) {
            auto* line = reinterpret_cast<uint32_t*>(target.scanLine(static_cast<int>(y + r)));
            std::fill_n(line + x, w, pixel);
        }
        return written;
    }
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(written, QColor::fromRgb(OpaquePixelFromBgr(bgr)));
    return written;
}

uint32_t PixelBgr(const QImage& image, int64_t x, int64_t y, uint32_t outside)
{
    if (image.isNull() || x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return outside;
    const QRgb rgb =
        Is32Bit(image.format())
            ? reinterpret_cast<const QRgb*>(image.constScanLine(static_cast<int>(y)))[x]
            : image.pixel(static_cast<int>(x), static_cast<int>(y));
    return static_cast<uint32_t>(qRed(rgb)) | static_cast<uint32_t>(qGreen(rgb)) << 8 |
           static_cast<uint32_t>(qBlue(rgb)) << 16;
}

} // namespace brv
