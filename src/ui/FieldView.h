// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The paint box: shows the window's field image. A full repaint (asked for with Invalidate, on
// a resize and before the first paint) runs the paint handler first, which renders the field
// afresh; every other paint only copies the changed part of the image to the screen.
//
// The image is shown at a whole-number zoom, each of its pixels a zoom x zoom square (in
// device-independent pixels) without smoothing; the image itself keeps its own size, and
// whoever draws on it reports the changed image rectangles with UpdateImageRect. The image is
// centred in a box larger than it, on the background colour. When fitting to the box, the zoom
// is the largest at which the image fits.
#include <QColor>
#include <QString>
#include <QWidget>

#include <functional>

// A message the window shows over the field (never part of the field image): a large title with
// a smaller line above and below it, each optional, on a dark translucent box in the middle of
// the field.
struct FieldOverlay {
    QString Heading;
    QString Title;
    QString Detail;
    bool Empty() const { return Heading.isEmpty() && Title.isEmpty() && Detail.isEmpty(); }
    friend bool operator==(const FieldOverlay&, const FieldOverlay&) = default;
};

class FieldView : public QWidget {
    Q_OBJECT
public:
    // Beyond this, a zoomed image would only cost memory.
    static constexpr int MaxZoom = 64;

    FieldView(const QImage& field, std::function<void()> paintHandler, QWidget* parent);

    void Invalidate();
    bool RenderPending() const { return renderPending_; }
    // What the box shows where the field image does not reach.
    void SetBackground(QColor color) { background_ = color; }

    // The zoom chosen for the box (1 to MaxZoom); it is in force while not fitting to the box.
    void SetZoom(int zoom);
    // The zoom in force.
    int Zoom() const;
    // The zoom set with SetZoom, whether or not the box has room for it now.
    int ChosenZoom() const { return zoom_; }
    void SetFitToBox(bool fit);
    bool FitToBox() const { return fit_; }
    // The largest whole zoom (1 to MaxZoom) at which an image of `image` fits into `space`;
    // 1 even when the image does not fit at all.
    static int LargestZoom(QSize image, QSize space);

    // Where the zoomed image lies in the box, and how image and box coordinates map.
    QRect ImageArea() const;
    QRect BoxRect(const QRect& imageRect) const;
    QPoint ImagePoint(QPoint boxPoint) const;
    // Repaints just the box part that shows the given rectangle of the image.
    void UpdateImageRect(const QRect& imageRect);

    // The message over the field; an empty one shows none.
    void SetOverlay(const FieldOverlay& overlay);
    const FieldOverlay& Overlay() const { return overlay_; }
    // Where the message's box lies in the box; empty without a message.
    QRect OverlayRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void DrawZoomed(QPainter& painter, const QRect& shown, const QRect& area, int zoom) const;
    struct OverlayLines;
    OverlayLines LayOutOverlay() const;
    void DrawOverlay(QPainter& painter) const;

    const QImage& field_;
    std::function<void()> paintHandler_;
    QColor background_;
    FieldOverlay overlay_;
    int zoom_ = 1;
    bool fit_ = false;
    bool renderPending_ = true;
    bool inHandler_ = false;
};
