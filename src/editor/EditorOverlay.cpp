// SPDX-License-Identifier: GPL-3.0-or-later
// The marks drawn over the course: the field's edge, blocks and Path, start numbers, captions,
// the selection, the chosen finding's cells and what the pointer is over. Text stands on a dark
// plate and frames on a dark outline, so every mark reads on the light ground and on tiles.
#include "editor/EditorWindow.h"

#include "editor/TryRunner.h"
#include "editor/model/CourseEdits.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {
int Pixels(int64_t tiles, int tileSize)
{
    return static_cast<int>(std::clamp<int64_t>(tiles * tileSize, -1000000, 1000000));
}

void PlateText(QPainter& painter, QPoint topLeft, const QString& text, const QColor& color)
{
    const QFontMetrics metrics(painter.font());
    const QRect plate(topLeft, QSize(metrics.horizontalAdvance(text) + 4, metrics.height()));
    painter.fillRect(plate, QColor(0, 0, 0, 210));
    painter.setPen(color);
    painter.drawText(plate, Qt::AlignCenter, text);
}

void FramedRect(QPainter& painter, const QRect& rect, const QColor& color,
                Qt::PenStyle style = Qt::SolidLine)
{
    QPen outline(QColor(0, 0, 0), 4);
    outline.setCosmetic(true);
    painter.setPen(outline);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect);
    QPen pen(color, 2, style);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.drawRect(rect);
}

void OutlinedLine(QPainter& painter, QPoint a, QPoint b, const QColor& color)
{
    QPen outline(QColor(0, 0, 0), 7);
    outline.setCosmetic(true);
    painter.setPen(outline);
    painter.drawLine(a, b);
    QPen pen(color, 3);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.drawLine(a, b);
}
} // namespace

void EditorWindow::DrawOverlay(QPainter& painter) const
{
    if (try_->Running())
        return;
    const int t = tileSize_;
    const auto cellRect = [t](TPoint c) { return QRect((c.X - 1) * t, (c.Y - 1) * t, t, t); };
    painter.setRenderHint(QPainter::Antialiasing, false);
    // The field's own edge, when it is set apart from the course's.
    if (document_.ScreenSize) {
        const int w = Pixels(document_.ScreenSize->X > 0 ? document_.ScreenSize->X : document_.Width, t);
        const int h = Pixels(document_.ScreenSize->Y > 0 ? document_.ScreenSize->Y : document_.Height, t);
        FramedRect(painter, QRect(0, 0, w, h), QColor(255, 200, 0), Qt::DashLine);
    }
    QFont font = painter.font();
    font.setPixelSize(std::max(8, t / 2));
    font.setBold(true);
    painter.setFont(font);
    if (tool_ == Tool::Block) {
        for (size_t k = 0; k < document_.Blocks.size(); ++k) {
            const TRect& b = document_.Blocks[k];
            const QRect r(QPoint(Pixels(int64_t{b.Left} - 1, t), Pixels(int64_t{b.Top} - 1, t)),
                          QPoint(Pixels(b.Right, t) - 1, Pixels(b.Bottom, t) - 1));
            FramedRect(painter, r.adjusted(1, 1, -1, -1), QColor(0, 200, 255), Qt::DashLine);
            PlateText(painter, r.topLeft() + QPoint(2, 2), QString::number(k + 1), QColor(0, 220, 255));
        }
        if (blockDrag_) {
            const QRect r = cellRect(dragStart_).united(cellRect(dragCell_));
            painter.fillRect(r, QColor(0, 160, 255, 70));
            FramedRect(painter, r, QColor(0, 200, 255));
        }
        const QString path = tr("Path: %1").arg(QString::fromStdString(document_.Path));
        PlateText(painter, QPoint(2, document_.Height * t - QFontMetrics(font).height() - 2), path,
                  QColor(255, 255, 255));
    }
    if (tool_ == Tool::Start || tool_ == Tool::Lane || tool_ == Tool::Dot) {
        for (size_t k = 0; k < document_.Starts.size(); ++k) {
            const StartPlace& s = document_.Starts[k];
            if (!document_.OnCourse({s.Column, s.Row}))
                continue;
            const bool selected = static_cast<int32_t>(k) == selectedStart_;
            FramedRect(painter, cellRect({s.Column, s.Row}).adjusted(1, 1, -1, -1),
                       selected ? QColor(255, 230, 0) : QColor(255, 255, 255));
            PlateText(painter, cellRect({s.Column, s.Row}).topLeft() + QPoint(1, 1),
                      QString::number(k), selected ? QColor(255, 230, 0) : QColor(255, 255, 255));
        }
    }
    if (tool_ == Tool::Caption)
        for (int k = 0; k < CaptionCount; ++k)
            if (document_.Captions[static_cast<size_t>(k)])
                FramedRect(painter, CaptionRect(k), QColor(255, 120, 255), Qt::DashLine);
    // The chosen finding's route or region.
    for (const TPoint cell : markedCells_)
        if (document_.OnCourse(cell))
            painter.fillRect(cellRect(cell), QColor(255, 40, 40, 90));
    if (selection_) {
        const QRect r = cellRect({selection_->Left, selection_->Top})
                            .united(cellRect({selection_->Right, selection_->Bottom}));
        painter.fillRect(r, QColor(80, 160, 255, 50));
        FramedRect(painter, r, QColor(80, 200, 255), Qt::DashLine);
    }
    if (selectedCell_)
        FramedRect(painter, cellRect(*selectedCell_).adjusted(1, 1, -1, -1), QColor(255, 60, 60));

    // What a press would change: the ring being dragged, the wall edge, or the cell.
    if (tool_ == Tool::Lane && laneRing_ && editing_) {
        for (const TPoint cell : RingCells(dragStart_, dragCell_))
            if (document_.OnCourse(cell))
                painter.fillRect(cellRect(cell), laneErase_ ? QColor(0, 0, 0, 90) : QColor(255, 255, 255, 110));
        return;
    }
    if (!hover_)
        return;
    const TPoint cell = CellAt(*hover_);
    if (!document_.OnCourse(cell))
        return;
    const QRect r = cellRect(cell);
    if (tool_ == Tool::Wall) {
        const int32_t side = WallSideAt(*hover_, cell);
        const bool closed = (document_.Mask(cell) & side) != 0;
        const QColor color = closed ? QColor(80, 255, 80) : QColor(255, 80, 40); // open / close
        switch (side) {
        case WallNorth: OutlinedLine(painter, r.topLeft(), r.topRight(), color); break;
        case WallEast: OutlinedLine(painter, r.topRight(), r.bottomRight(), color); break;
        case WallSouth: OutlinedLine(painter, r.bottomLeft(), r.bottomRight(), color); break;
        default: OutlinedLine(painter, r.topLeft(), r.bottomLeft(), color); break;
        }
        return;
    }
    FramedRect(painter, r, QColor(255, 255, 255), Qt::DotLine);
}
