#pragma once
// The course as the game draws it, enlarged by a whole-number zoom, with a grid over the tiles
// and the active tool's marks. Mouse input is handed on in field pixels (unzoomed).
#include <QImage>
#include <QWidget>

#include <functional>

class CourseView : public QWidget {
    Q_OBJECT
public:
    explicit CourseView(QWidget* parent);

    void SetImage(const QImage& image);
    const QImage& Image() const { return image_; }
    void SetZoom(int zoom);
    int Zoom() const { return zoom_; }
    void SetTileSize(int tileSize) { tileSize_ = tileSize; update(); }
    void SetGrid(bool on) { grid_ = on; update(); }
    bool Grid() const { return grid_; }
    // Drawn over the course in field pixels (the painter is already scaled).
    void SetOverlay(std::function<void(QPainter&)> overlay) { overlay_ = std::move(overlay); }
    // Where a field pixel shows in the widget.
    QPoint WidgetPoint(QPoint fieldPixel) const;

    QSize sizeHint() const override;

signals:
    void Pressed(QPoint fieldPixel, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void Dragged(QPoint fieldPixel);
    void Released(QPoint fieldPixel);
    void DoubleClicked(QPoint fieldPixel);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QPoint FieldPixel(QPointF widgetPoint) const;

    QImage image_;
    int zoom_ = 2;
    int tileSize_ = 24;
    bool grid_ = true;
    bool dragging_ = false;
    std::function<void(QPainter&)> overlay_;
};
