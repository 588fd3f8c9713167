// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditorIcons.h"

#include <QPainter>
#include <QPixmap>

namespace {
constexpr int Size = 24;

// Tile `mask` of the tile sheet, scaled to the icon.
void DrawTile(QPainter& painter, const QImage& sheet, int mask)
{
    const int tile = sheet.height() / 4;
    if (tile > 0)
        painter.drawImage(QRect(0, 0, Size, Size), sheet,
                          QRect((mask % 4) * tile, (mask / 4) * tile, tile, tile));
}

void DrawSprite(QPainter& painter, const QImage& sheet, int column, int row)
{
    const int sprite = sheet.height() / 3;
    if (sprite > 0)
        painter.drawImage(QRect(2, 2, Size - 4, Size - 4), sheet,
                          QRect(column * sprite, row * sprite, sprite, sprite));
}
} // namespace

QIcon MakeEditorIcon(EditorIcon icon, const QImage& ground, const QImage& car)
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPen pen(QColor(30, 30, 30), 2);
    switch (icon) {
    case EditorIcon::Lane: DrawTile(painter, ground, 5); break;
    case EditorIcon::Wall:
        DrawTile(painter, ground, 0);
        painter.setPen(QPen(QColor(200, 40, 40), 3));
        painter.drawLine(Size - 3, 2, Size - 3, Size - 2);
        break;
    case EditorIcon::Dot:
        DrawTile(painter, ground, 0);
        DrawSprite(painter, car, 0, 2);
        break;
    case EditorIcon::Start:
        DrawTile(painter, ground, 5);
        DrawSprite(painter, car, 0, 0);
        break;
    case EditorIcon::Block:
        painter.setPen(QPen(QColor(0, 120, 200), 2, Qt::DashLine));
        painter.drawRect(3, 3, Size - 6, Size - 6);
        painter.drawText(QRect(0, 0, Size, Size), Qt::AlignCenter, QStringLiteral("1"));
        break;
    case EditorIcon::Caption:
        painter.setPen(pen);
        painter.drawText(QRect(0, 0, Size, Size), Qt::AlignCenter, QStringLiteral("Ab"));
        break;
    case EditorIcon::Select:
        painter.setPen(QPen(QColor(30, 30, 30), 2, Qt::DashLine));
        painter.drawRect(3, 3, Size - 6, Size - 6);
        break;
    case EditorIcon::Properties:
        painter.setPen(pen);
        painter.drawRect(3, 3, Size - 6, Size - 6);
        painter.drawLine(Size - 8, Size - 3, Size - 3, Size - 8);
        painter.drawLine(Size - 12, Size - 3, Size - 3, Size - 12);
        break;
    case EditorIcon::FillDots:
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 3; ++x)
                painter.drawImage(QRect(1 + x * 8, 1 + y * 8, 6, 6), car,
                                  QRect(0, 2 * (car.height() / 3), car.height() / 3, car.height() / 3));
        break;
    case EditorIcon::Play:
    case EditorIcon::Drive: {
        painter.setPen(Qt::NoPen);
        painter.setBrush(icon == EditorIcon::Play ? QColor(30, 150, 60) : QColor(200, 120, 0));
        const QPointF triangle[3] = {{6, 4}, {20, 12}, {6, 20}};
        painter.drawPolygon(triangle, 3);
        break;
    }
    case EditorIcon::Stop:
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(190, 30, 30));
        painter.drawRect(5, 5, Size - 10, Size - 10);
        break;
    }
    painter.end();
    return QIcon(pixmap);
}
