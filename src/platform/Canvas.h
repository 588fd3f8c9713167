// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The few 2-D operations the game draws with, on a QImage: opaque rectangle copies, fills,
// pixel reads and text in a font colour on the fill colour. Colours are 24-bit values in
// blue-green-red order (0x0000FF is red), as the game's files and rules give them.
#include <QFont>
#include <QImage>
#include <QRect>

#include <cstdint>
#include <functional>
#include <string_view>
#include <utility>

namespace brv {

QColor ColorFromBgr(uint32_t bgr);
uint32_t BgrFromColor(QColor color);

// The font every caption and score on the field is drawn in.
QFont FieldFont();

class Canvas {
public:
    explicit Canvas(QImage& target);

    QImage& Image() { return *target_; }
    const QImage& Image() const { return *target_; }

    void SetFillColor(uint32_t bgr) { fillColor_ = bgr; }
    uint32_t FillColor() const { return fillColor_; }
    void SetFontColor(uint32_t bgr) { fontColor_ = bgr; }
    uint32_t FontColor() const { return fontColor_; }
    void SetFont(const QFont& font) { font_ = font; }
    const QFont& Font() const { return font_; }

    // Plain opaque copy of source's sourceRect to (x, y); whatever lies outside either image
    // is left out, so a copy never reads or writes beyond them.
    void CopyRect(int x, int y, const QImage& source, const QRect& sourceRect);
    void FillRect(const QRect& rect);
    uint32_t Pixel(int x, int y) const;
    // Text with its top-left corner at (x, y), on a box of the fill colour.
    void TextOut(int x, int y, std::string_view text);

    // Called with every rectangle a drawing operation changed, so a window can update just that.
    void SetChangeListener(std::function<void(const QRect&)> listener)
    {
        listener_ = std::move(listener);
    }
    // Puts another listener in for a while; gives back the one it replaces.
    std::function<void(const QRect&)> ReplaceChangeListener(std::function<void(const QRect&)> listener)
    {
        std::swap(listener_, listener);
        return listener;
    }

private:
    void Changed(const QRect& rect);

    QImage* target_;
    uint32_t fillColor_ = 0xFFFFFF;
    uint32_t fontColor_ = 0;
    QFont font_;
    std::function<void(const QRect&)> listener_;
};

} // namespace brv
