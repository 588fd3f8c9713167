#include "ui/FieldView.h"

#include <QDateTime>
#include <QFile>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

namespace {
// For the start-up probe of `make bench`: the wall-clock millisecond at which the first field
// reached the screen, written once to the file the environment names.
void ReportFirstFrame()
{
    static bool reported = false;
    if (reported)
        return;
    reported = true;
    const QString fileName = qEnvironmentVariable("BREVANTO_FIRST_FRAME_FILE");
    if (fileName.isEmpty())
        return;
    QFile file(fileName);
    if (file.open(QIODevice::WriteOnly))
        file.write(QByteArray::number(QDateTime::currentMSecsSinceEpoch()));
}
} // namespace

FieldView::FieldView(const QImage& field, std::function<void()> paintHandler, QWidget* parent)
    : QWidget(parent), field_(field), paintHandler_(std::move(paintHandler)),
      background_(palette().color(QPalette::Button))
{
    // Every pixel is painted here, from the image or the background: nothing to clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void FieldView::Invalidate()
{
    renderPending_ = true;
    update();
}

void FieldView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Invalidate();
}

void FieldView::paintEvent(QPaintEvent* event)
{
    if (renderPending_ && !inHandler_) {
        renderPending_ = false;
        inHandler_ = true;
        paintHandler_();
        inHandler_ = false;
        // A fresh field must reach the whole box, not just the part this paint covers.
        if (event->region() != QRegion(rect()))
            update();
    }
    QPainter painter(this);
    const QRect imageRect = field_.rect();
    for (const QRect& rect : event->region()) {
        const QRect shown = rect & imageRect;
        if (!shown.isEmpty())
            painter.drawImage(shown.topLeft(), field_, shown);
    }
    const QRegion beyond = event->region() - QRegion(imageRect);
    for (const QRect& rect : beyond)
        painter.fillRect(rect, background_);
    if (!field_.isNull())
        ReportFirstFrame();
}
