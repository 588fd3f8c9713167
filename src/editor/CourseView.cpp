// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/CourseView.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

CourseView::CourseView(QWidget* parent) : FieldView(image_, [] {}, parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    SetBackground(palette().color(QPalette::Dark));
    FieldView::SetZoom(2);
}

void CourseView::SetImage(const QImage& image)
{
    const bool resized = image.size() != image_.size();
    image_ = image;
    if (resized)
        FitToImage();
    update();
}

void CourseView::SetZoom(int zoom)
{
    FieldView::SetZoom(std::clamp(zoom, 1, MaxEditorZoom));
    FitToImage();
    update();
}

void CourseView::FitToImage()
{
    resize(sizeHint());
    updateGeometry();
}

QSize CourseView::sizeHint() const { return image_.size() * Zoom(); }

QPoint CourseView::WidgetPoint(QPoint fieldPixel) const
{
    return BoxRect(QRect(fieldPixel, QSize(1, 1))).topLeft();
}

QPoint CourseView::FieldPixel(QPointF widgetPoint) const
{
    // Whole widget pixels first: a point inside one belongs to the field pixel it shows.
    return ImagePoint(QPoint(static_cast<int>(std::floor(widgetPoint.x())),
                             static_cast<int>(std::floor(widgetPoint.y()))));
}

void CourseView::paintEvent(QPaintEvent* event)
{
    FieldView::paintEvent(event);
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.translate(ImageArea().topLeft());
    painter.scale(Zoom(), Zoom());
    if (marksShown_ && !marksShown_())
        return;
    if (grid_ && tileSize_ > 0) {
        painter.setPen(QPen(QColor(255, 255, 255, 70), 0));
        for (int x = 0; x <= image_.width(); x += tileSize_)
            painter.drawLine(x, 0, x, image_.height());
        for (int y = 0; y <= image_.height(); y += tileSize_)
            painter.drawLine(0, y, image_.width(), y);
    }
    if (overlay_)
        overlay_(painter);
}

void CourseView::mousePressEvent(QMouseEvent* event)
{
    dragging_ = true;
    emit Pressed(FieldPixel(event->position()), event->button(), event->modifiers());
}

void CourseView::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging_)
        emit Dragged(FieldPixel(event->position()));
    else
        emit Hovered(FieldPixel(event->position()));
}

void CourseView::leaveEvent(QEvent* event)
{
    FieldView::leaveEvent(event);
    emit Left();
}

void CourseView::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier) || event->angleDelta().y() == 0) {
        event->ignore(); // the scroll area scrolls
        return;
    }
    emit ZoomStep(event->angleDelta().y() > 0 ? 1 : -1);
    event->accept();
}

void CourseView::mouseReleaseEvent(QMouseEvent* event)
{
    if (!dragging_)
        return;
    dragging_ = false;
    emit Released(FieldPixel(event->position()));
}

void CourseView::mouseDoubleClickEvent(QMouseEvent* event)
{
    emit DoubleClicked(FieldPixel(event->position()));
}
