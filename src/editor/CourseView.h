// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The course as the game draws it, in the game's own zoomed field view, with a grid over the
// tiles and the active tool's marks on top. Mouse input is handed on in field pixels (unzoomed);
// the pointer is followed without a button too, for the tools' previews.
#include "ui/FieldView.h"

#include <QImage>

#include <functional>

class CourseView : public FieldView {
    Q_OBJECT
public:
    // The editor's zoom steps: beyond this a course no longer fits a screen to work on.
    static constexpr int MaxEditorZoom = 4;

    explicit CourseView(QWidget* parent);

    void SetImage(const QImage& image);
    const QImage& Image() const { return image_; }
    // Clamped to 1..MaxEditorZoom; the view takes the size of the zoomed course.
    void SetZoom(int zoom);
    void SetTileSize(int tileSize) { tileSize_ = tileSize; update(); }
    void SetGrid(bool on) { grid_ = on; update(); }
    bool Grid() const { return grid_; }
    // Whether the grid and the marks are drawn now (not while the course is tried).
    void SetMarksShown(std::function<bool()> shown) { marksShown_ = std::move(shown); }
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
    // The pointer moves over the view with no button held; Left when it leaves.
    void Hovered(QPoint fieldPixel);
    void Left();
    // Ctrl+wheel: +1 a step larger, -1 smaller.
    void ZoomStep(int step);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QPoint FieldPixel(QPointF widgetPoint) const;
    void FitToImage();

    // The field view shows this image: bound before it is built, used only after.
    QImage image_;
    int tileSize_ = 24;
    bool grid_ = true;
    bool dragging_ = false;
    std::function<void(QPainter&)> overlay_;
    std::function<bool()> marksShown_;
};
