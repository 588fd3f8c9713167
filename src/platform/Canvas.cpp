// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Canvas.h"

#include "platform/Blit.h"
#include "platform/PixelColor.h"
#include "platform/TextCodec.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace brv {

QColor ColorFromBgr(uint32_t bgr)
{
    return QColor::fromRgb(OpaquePixelFromBgr(bgr));
}

uint32_t BgrFromColor(QColor color)
{
    const QRgb rgb = color.rgb();
    return static_cast<uint32_t>(qRed(rgb)) | static_cast<uint32_t>(qGreen(rgb)) << 8 |
           static_cast<uint32_t>(qBlue(rgb)) << 16;
}

QFont FieldFont()
{
    // A bold sans face that stays legible in one 24-pixel tile row; fixed in pixels so the
    // field looks the same whatever the screen's resolution.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(12);
    font.setBold(true);
    return font;
}

Canvas::Canvas(QImage& target) : target_(&target), font_(FieldFont()) {}

void Canvas::CopyRect(int x, int y, const QImage& source, const QRect& sourceRect)
{
    const int64_t w = int64_t{sourceRect.right()} - sourceRect.left() + 1;
    const int64_t h = int64_t{sourceRect.bottom()} - sourceRect.top() + 1;
    Changed(BlitRect(*target_, x, y, source, sourceRect.left(), sourceRect.top(), w, h));
}

void Canvas::FillRect(const QRect& rect)
{
    const int64_t w = int64_t{rect.right()} - rect.left() + 1;
    const int64_t h = int64_t{rect.bottom()} - rect.top() + 1;
    Changed(FillPixels(*target_, rect.left(), rect.top(), w, h, fillColor_));
}

uint32_t Canvas::Pixel(int x, int y) const
{
    // Outside the image there is no colour; the classic answer is all bits set.
    return PixelBgr(*target_, x, y, 0xFFFFFFFFu);
}

void Canvas::TextOut(int x, int y, std::string_view text)
{
    if (target_->isNull() || text.empty())
        return;
    const QString decoded = DecodeText(text);
    const QFontMetrics metrics(font_, target_);
    const int64_t width = metrics.horizontalAdvance(decoded);
    const int64_t height = metrics.height();
    // The box, widened by what a glyph may draw beyond its advance.
    const QRect ink = metrics.boundingRect(decoded);
    const int64_t left = int64_t{x} + std::min(0, ink.left()) - 1;
    const int64_t top =
        int64_t{y} + std::min<int64_t>(0, metrics.ascent() + int64_t{ink.top()}) - 1;
    const int64_t right = int64_t{x} + std::max<int64_t>(width, ink.right() + 1) + 1;
    const int64_t bottom =
        int64_t{y} + std::max<int64_t>(height, metrics.ascent() + int64_t{ink.bottom()} + 1) + 1;
    // Text wholly off the image is not drawn at all: the raster engine's fixed-point glyph
    // positions would not survive coordinates far outside.
    if (right <= 0 || bottom <= 0 || left >= target_->width() || top >= target_->height())
        return;

    const QColor background = ColorFromBgr(fillColor_);
    QPainter painter(target_);
    painter.setFont(font_);
    painter.setPen(ColorFromBgr(fontColor_));
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(background);
    painter.fillRect(QRect(x, y, static_cast<int>(width), static_cast<int>(height)), background);
    painter.drawText(QPoint(x, y + metrics.ascent()), decoded);
    painter.end();

    const int64_t l = std::max<int64_t>(left, 0);
    const int64_t t = std::max<int64_t>(top, 0);
    const int64_t r = std::min<int64_t>(right, target_->width());
    const int64_t b = std::min<int64_t>(bottom, target_->height());
    Changed(QRect(static_cast<int>(l), static_cast<int>(t), static_cast<int>(r - l),
                  static_cast<int>(b - t)));
}

void Canvas::Changed(const QRect& rect)
{
    if (listener_ && !rect.isEmpty())
        listener_(rect);
}

} // namespace brv
