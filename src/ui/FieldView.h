#pragma once
// The paint box: shows the window's field image. A full repaint (asked for with Invalidate, on
// a resize and before the first paint) runs the paint handler first, which renders the field
// afresh; every other paint only copies the changed part of the image to the screen.
#include <QColor>
#include <QWidget>

#include <functional>

class FieldView : public QWidget {
    Q_OBJECT
public:
    FieldView(const QImage& field, std::function<void()> paintHandler, QWidget* parent);

    void Invalidate();
    bool RenderPending() const { return renderPending_; }
    // What the box shows where the field image does not reach.
    void SetBackground(QColor color) { background_ = color; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    const QImage& field_;
    std::function<void()> paintHandler_;
    QColor background_;
    bool renderPending_ = true;
    bool inHandler_ = false;
};
