#include "editor/CourseView.h"

#include <QMouseEvent>
#include <QPainter>

CourseView::CourseView(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(false);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void CourseView::SetImage(const QImage& image)
{
    const bool resized = image.size() != image_.size();
    image_ = image;
    if (resized) {
        resize(sizeHint());
        updateGeometry();
    }
    update();
}

void CourseView::SetZoom(int zoom)
{
    zoom_ = std::clamp(zoom, 1, 4);
    resize(sizeHint());
    updateGeometry();
    update();
}

QSize CourseView::sizeHint() const { return image_.size() * zoom_; }

QPoint CourseView::WidgetPoint(QPoint fieldPixel) const { return fieldPixel * zoom_; }

QPoint CourseView::FieldPixel(QPointF widgetPoint) const
{
    return {static_cast<int>(std::floor(widgetPoint.x() / zoom_)),
            static_cast<int>(std::floor(widgetPoint.y() / zoom_))};
}

void CourseView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Dark));
    painter.scale(zoom_, zoom_);
    painter.drawImage(0, 0, image_);
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
