// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <cmath>

namespace brv {
namespace {

// The sixteen colours the glyphs are drawn in.
const QColor Black(0, 0, 0);
const QColor Maroon(128, 0, 0);
const QColor Green(0, 128, 0);
const QColor Olive(128, 128, 0);
const QColor Navy(0, 0, 128);
const QColor Gray(128, 128, 128);
const QColor Silver(192, 192, 192);
const QColor Red(255, 0, 0);
const QColor Yellow(255, 255, 0);
const QColor Blue(0, 0, 255);
const QColor White(255, 255, 255);

// Crisp one-pixel lines and fills on the 16 x 16 grid.
QPainter& Pixel(QPainter& p, int x, int y, const QColor& c)
{
    p.fillRect(x, y, 1, 1, c);
    return p;
}

void HLine(QPainter& p, int x0, int x1, int y, const QColor& c) { p.fillRect(x0, y, x1 - x0 + 1, 1, c); }
void VLine(QPainter& p, int x, int y0, int y1, const QColor& c) { p.fillRect(x, y0, 1, y1 - y0 + 1, c); }

void Frame(QPainter& p, int x0, int y0, int x1, int y1, const QColor& c)
{
    HLine(p, x0, x1, y0, c);
    HLine(p, x0, x1, y1, c);
    VLine(p, x0, y0, y1, c);
    VLine(p, x1, y0, y1, c);
}

void DrawNew(QPainter& p)
{
    // A blank sheet with its corner folded.
    p.fillRect(3, 1, 8, 14, White);
    p.fillRect(11, 5, 3, 10, White);
    HLine(p, 2, 10, 0, Black);
    VLine(p, 2, 0, 15, Black);
    HLine(p, 2, 14, 15, Black);
    VLine(p, 14, 4, 15, Black);
    for (int i = 0; i < 4; ++i)
        Pixel(p, 10 + i, i, Black);
    VLine(p, 10, 0, 4, Black);
    HLine(p, 10, 14, 4, Black);
    Pixel(p, 11, 2, Silver).fillRect(11, 3, 2, 1, Silver);
}

void DrawLoadCourse(QPainter& p)
{
    // An open folder with a lane of dots coming out of it.
    p.fillRect(1, 4, 11, 10, Olive);
    p.fillRect(1, 3, 5, 1, Olive);
    QPolygon front;
    front << QPoint(3, 7) << QPoint(15, 7) << QPoint(12, 14) << QPoint(0, 14);
    p.setPen(Qt::NoPen);
    p.setBrush(Yellow);
    p.drawPolygon(front);
    p.setBrush(Qt::NoBrush);
    HLine(p, 3, 15, 7, Black);
    HLine(p, 0, 12, 14, Black);
    Frame(p, 0, 3, 0, 14, Black);
    HLine(p, 1, 5, 2, Black);
    Pixel(p, 6, 3, Black);
    HLine(p, 7, 11, 4, Black);
    VLine(p, 12, 4, 6, Black);
    for (int x = 8; x <= 14; x += 3)
        Pixel(p, x, 1, Green);
    Pixel(p, 14, 3, Green);
}

void DrawPause(QPainter& p)
{
    // Two bars.
    for (int x : {4, 9}) {
        p.fillRect(x, 2, 3, 12, Navy);
        VLine(p, x, 2, 13, Blue);
        VLine(p, x + 3, 3, 14, Gray);
        HLine(p, x + 1, x + 3, 14, Gray);
    }
}

void DrawExit(QPainter& p)
{
    // An open door and an arrow leaving through it.
    p.fillRect(7, 1, 8, 14, Gray);
    Frame(p, 7, 1, 14, 14, Black);
    QPolygon door;
    door << QPoint(7, 1) << QPoint(11, 3) << QPoint(11, 15) << QPoint(7, 14);
    p.setPen(Maroon);
    p.setBrush(Maroon);
    p.drawPolygon(door);
    Pixel(p, 10, 8, Yellow);
    p.setBrush(Qt::NoBrush);
    HLine(p, 0, 5, 8, Red);
    HLine(p, 0, 5, 7, Red);
    for (int i = 0; i < 4; ++i) {
        VLine(p, 3 + i, 4 + i, 11 - i, Red);
    }
}

void DrawSetting(QPainter& p)
{
    // A gear.
    p.setRenderHint(QPainter::Antialiasing, false);
    const QPointF centre(7.5, 7.5);
    QPainterPath teeth;
    for (int i = 0; i < 8; ++i) {
        const double a = i * 3.14159265358979 / 4;
        const QPointF at(centre.x() + 5.5 * std::cos(a), centre.y() + 5.5 * std::sin(a));
        teeth.addRect(QRectF(at.x() - 1.5, at.y() - 1.5, 3, 3));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Gray);
    p.drawPath(teeth);
    p.setBrush(Silver);
    p.setPen(Black);
    p.drawEllipse(QRectF(2.5, 2.5, 10, 10));
    p.setBrush(White);
    p.drawEllipse(QRectF(5.5, 5.5, 4, 4));
}

void DrawControl(QPainter& p)
{
    // The four arrow keys.
    const auto key = [&p](int x, int y) {
        p.fillRect(x, y, 5, 5, Silver);
        Frame(p, x, y, x + 4, y + 4, Black);
    };
    key(5, 1);
    key(0, 7);
    key(5, 7);
    key(10, 7);
    HLine(p, 6, 8, 4, Navy);
    Pixel(p, 7, 3, Navy);
    Pixel(p, 7, 2, Navy);
    VLine(p, 1, 9, 9, Navy);
    HLine(p, 2, 3, 9, Navy);
    VLine(p, 2, 8, 10, Navy);
    HLine(p, 6, 8, 9, Navy);
    Pixel(p, 7, 10, Navy);
    Pixel(p, 7, 11, Navy);
    HLine(p, 11, 12, 9, Navy);
    VLine(p, 12, 8, 10, Navy);
    Pixel(p, 13, 9, Navy);
    HLine(p, 0, 15, 13, Gray);
}

void DrawAbout(QPainter& p)
{
    // An "i" in a blue disc.
    p.setPen(Navy);
    p.setBrush(Blue);
    p.drawEllipse(QRect(0, 0, 15, 15));
    p.fillRect(7, 3, 2, 2, White);
    p.fillRect(7, 6, 2, 7, White);
    HLine(p, 6, 7, 6, White);
    HLine(p, 6, 9, 12, White);
}

void DrawHiScores(QPainter& p)
{
    // A trophy: a golden cup with two handles on a dark stand.
    p.fillRect(4, 1, 8, 6, Yellow);
    p.fillRect(5, 7, 6, 1, Yellow);
    p.fillRect(6, 8, 4, 1, Yellow);
    VLine(p, 3, 1, 6, Olive);
    VLine(p, 12, 1, 6, Olive);
    HLine(p, 3, 12, 0, Olive);
    Pixel(p, 4, 7, Olive).fillRect(11, 7, 1, 1, Olive);
    HLine(p, 5, 10, 8, Olive);
    VLine(p, 5, 2, 5, White);
    // The handles.
    VLine(p, 1, 2, 4, Olive);
    HLine(p, 1, 2, 1, Olive);
    HLine(p, 1, 2, 5, Olive);
    VLine(p, 14, 2, 4, Olive);
    HLine(p, 13, 14, 1, Olive);
    HLine(p, 13, 14, 5, Olive);
    // Stem and stand.
    p.fillRect(7, 9, 2, 3, Olive);
    p.fillRect(4, 12, 8, 3, Maroon);
    HLine(p, 4, 11, 12, Red);
    HLine(p, 3, 12, 15, Black);
}

void DrawChooseCourse(QPainter& p)
{
    // Four small courses side by side, the chosen one framed in red.
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 2; ++column) {
            const int x = 1 + column * 8;
            const int y = 1 + row * 8;
            p.fillRect(x, y, 6, 6, Silver);
            Frame(p, x, y, x + 5, y + 5, Gray);
            Frame(p, x + 2, y + 2, x + 3, y + 3, Navy);
            Pixel(p, x + 1, y + 1, Green);
            Pixel(p, x + 4, y + 4, Green);
        }
    }
    Frame(p, 8, 8, 15, 15, Red);
}

} // namespace

QPixmap ToolGlyphPixmap(ToolGlyph glyph)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    switch (glyph) {
    case ToolGlyph::New: DrawNew(p); break;
    case ToolGlyph::LoadCourse: DrawLoadCourse(p); break;
    case ToolGlyph::Pause: DrawPause(p); break;
    case ToolGlyph::Exit: DrawExit(p); break;
    case ToolGlyph::Setting: DrawSetting(p); break;
    case ToolGlyph::Control: DrawControl(p); break;
    case ToolGlyph::About: DrawAbout(p); break;
    case ToolGlyph::HiScores: DrawHiScores(p); break;
    case ToolGlyph::ChooseCourse: DrawChooseCourse(p); break;
    }
    return pixmap;
}

QPixmap ProgramPicture(int size) { return QPixmap::fromImage(ProgramPictureImage(size)); }

QImage ProgramPictureImage(int size)
{
    // Drawn on a 64-unit grid and scaled: a lane bend with dots and a red car taking it.
    // dist/icons/hicolor/scalable/apps/brevanto.svg draws the same on the same grid.
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / 64.0, size / 64.0);

    p.setPen(QPen(Navy, 2));
    p.setBrush(QColor(40, 48, 96));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
    // The lane: a wide grey bend.
    QPainterPath lane;
    lane.moveTo(10, 62);
    lane.lineTo(10, 26);
    lane.quadTo(10, 10, 26, 10);
    lane.lineTo(62, 10);
    p.setPen(QPen(Silver, 14, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(lane);
    p.setPen(Qt::NoPen);
    p.setBrush(Yellow);
    for (const QPointF& dot : {QPointF(10, 52), QPointF(10, 40), QPointF(13, 20), QPointF(36, 10),
                               QPointF(48, 10)})
        p.drawEllipse(dot, 2.6, 2.6);
    // The car, nose right, with wheels and a windscreen.
    p.setBrush(Black);
    for (const QRectF& wheel : {QRectF(24, 26, 7, 4), QRectF(40, 26, 7, 4), QRectF(24, 48, 7, 4),
                                QRectF(40, 48, 7, 4)})
        p.drawRoundedRect(wheel, 1.5, 1.5);
    p.setPen(QPen(Maroon, 1.5));
    p.setBrush(Red);
    p.drawRoundedRect(QRectF(20, 29, 32, 20), 7, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(160, 220, 255));
    p.drawRoundedRect(QRectF(38, 32, 7, 14), 2, 2);
    p.setBrush(White);
    p.drawRect(QRectF(22, 37, 14, 4));
    p.end();
    return image;
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(ProgramPicture(size));
    return icon;
}

} // namespace brv
