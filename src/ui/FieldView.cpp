// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FieldView.h"

#include "platform/PixelZoom.h"

#include <QDateTime>
#include <QFile>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

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

// Zoomed pixels are made in bands of about this many bytes, so that a full paint of a large
// screen does not need the whole zoomed field at once.
constexpr qint64 ZoomBandBytes = qint64{1} << 20;

int FloorDiv(int value, int divisor)
{
    const int quotient = value / divisor;
    return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
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

void FieldView::SetZoom(int zoom)
{
    zoom = std::clamp(zoom, 1, MaxZoom);
    if (zoom == zoom_)
        return;
    zoom_ = zoom;
    update();
}

int FieldView::Zoom() const
{
    return fit_ ? LargestZoom(field_.size(), size()) : zoom_;
}

void FieldView::SetFitToBox(bool fit)
{
    if (fit == fit_)
        return;
    fit_ = fit;
    update();
}

int FieldView::LargestZoom(QSize image, QSize space)
{
    if (image.isEmpty())
        return 1;
    const int across = space.width() / image.width();
    const int down = space.height() / image.height();
    return std::clamp(std::min(across, down), 1, MaxZoom);
}

QRect FieldView::ImageArea() const
{
    const int zoom = Zoom();
    const QSize zoomed = field_.size() * zoom;
    // Centred in a larger box; an image larger than the box keeps its top-left corner in view.
    const QPoint origin(std::max(0, (width() - zoomed.width()) / 2),
                        std::max(0, (height() - zoomed.height()) / 2));
    return QRect(origin, zoomed);
}

QRect FieldView::BoxRect(const QRect& imageRect) const
{
    const int zoom = Zoom();
    return QRect(ImageArea().topLeft() + imageRect.topLeft() * zoom, imageRect.size() * zoom);
}

QPoint FieldView::ImagePoint(QPoint boxPoint) const
{
    const int zoom = Zoom();
    const QPoint offset = boxPoint - ImageArea().topLeft();
    return QPoint(FloorDiv(offset.x(), zoom), FloorDiv(offset.y(), zoom));
}

void FieldView::UpdateImageRect(const QRect& imageRect)
{
    update(BoxRect(imageRect));
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
    const int zoom = Zoom();
    const QRect area = ImageArea();
    const bool plain = zoom == 1 && devicePixelRatioF() == 1.0 && area.topLeft().isNull();
    for (const QRect& rect : event->region()) {
        const QRect shown = rect & area;
        if (shown.isEmpty())
            continue;
        if (plain)
            painter.drawImage(shown.topLeft(), field_, shown);
        else
            DrawZoomed(painter, shown, area, zoom);
    }
    const QRegion beyond = event->region() - QRegion(area);
    for (const QRect& rect : beyond)
        painter.fillRect(rect, background_);
    if (!overlay_.Empty())
        DrawOverlay(painter);
    if (!field_.isNull())
        ReportFirstFrame();
}

// The message's three lines in their fonts, and the box around them.
struct FieldView::OverlayLines {
    struct Line {
        QString text;
        QFont font;
        QRect rect;
    };
    std::vector<Line> lines;
    QRect box;
};

FieldView::OverlayLines FieldView::LayOutOverlay() const
{
    OverlayLines layout;
    if (overlay_.Empty())
        return layout;
    // The title grows with the field as shown, within what stays readable and fits.
    const QRect area = ImageArea() & rect();
    const int titlePixels = std::clamp(area.height() / 9, 14, 120);
    QFont titleFont = font();
    titleFont.setPixelSize(titlePixels);
    titleFont.setBold(true);
    QFont smallFont = font();
    smallFont.setPixelSize(std::max(10, titlePixels * 11 / 20));
    smallFont.setBold(true);
    const int padding = titlePixels / 2;
    int width = 0;
    int height = 0;
    for (const auto& [text, font] : {std::pair{overlay_.Heading, smallFont},
                                     std::pair{overlay_.Title, titleFont},
                                     std::pair{overlay_.Detail, smallFont}}) {
        if (text.isEmpty())
            continue;
        const QFontMetrics metrics(font);
        const QSize size(metrics.horizontalAdvance(text), metrics.height());
        layout.lines.push_back({text, font, QRect(QPoint(0, height), size)});
        width = std::max(width, size.width());
        height += size.height();
    }
    const QSize boxSize(width + 2 * padding, height + padding);
    const QPoint boxTopLeft(area.center().x() + 1 - boxSize.width() / 2,
                            area.center().y() + 1 - boxSize.height() / 2);
    layout.box = QRect(boxTopLeft, boxSize);
    for (auto& line : layout.lines)
        line.rect = QRect(QPoint(layout.box.left(), boxTopLeft.y() + padding / 2 + line.rect.top()),
                          QSize(boxSize.width(), line.rect.height()));
    return layout;
}

QRect FieldView::OverlayRect() const
{
    return LayOutOverlay().box;
}

void FieldView::SetOverlay(const FieldOverlay& overlay)
{
    if (overlay == overlay_)
        return;
    const QRect before = OverlayRect();
    overlay_ = overlay;
    // What the old box covered shows the field again; the new one shows the message.
    update(before | OverlayRect());
}

void FieldView::DrawOverlay(QPainter& painter) const
{
    const OverlayLines layout = LayOutOverlay();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 170));
    const qreal radius = layout.box.height() / 6.0;
    painter.drawRoundedRect(layout.box, radius, radius);
    painter.setPen(Qt::white);
    for (const auto& line : layout.lines) {
        painter.setFont(line.font);
        painter.drawText(line.rect, Qt::AlignCenter, line.text);
    }
    painter.restore();
}

void FieldView::DrawZoomed(QPainter& painter, const QRect& shown, const QRect& area, int zoom) const
{
    // The image pixels under the shown part, whole ones; the painter clips what lies beyond.
    const QPoint first((shown.left() - area.left()) / zoom, (shown.top() - area.top()) / zoom);
    const QPoint last((shown.right() - area.left()) / zoom, (shown.bottom() - area.top()) / zoom);
    const QRect pixels = QRect(first, last) & field_.rect();
    if (pixels.isEmpty())
        return;
    const qreal ratio = devicePixelRatioF();
    const qreal deviceZoom = zoom * ratio;
    const int wholeZoom = static_cast<int>(std::lround(deviceZoom));
    if (std::abs(deviceZoom - wholeZoom) > 1e-6 || wholeZoom < 1) {
        // A fractional device ratio cannot give every pixel the same size: the nearest
        // neighbour still keeps them sharp.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QRect(area.topLeft() + pixels.topLeft() * zoom, pixels.size() * zoom),
                          field_, pixels);
        return;
    }
    // Whole device pixels per image pixel: repeat them ourselves and copy one to one.
    const qint64 rowBytes = qint64{pixels.width()} * wholeZoom * wholeZoom * 4;
    const int bandRows = static_cast<int>(std::max<qint64>(1, ZoomBandBytes / rowBytes));
    for (int top = pixels.top(); top <= pixels.bottom(); top += bandRows) {
        const QRect band(pixels.left(), top, pixels.width(),
                         std::min(bandRows, pixels.bottom() + 1 - top));
        QImage zoomed = brv::ZoomPixels(field_, band, wholeZoom);
        if (zoomed.isNull())
            return;
        zoomed.setDevicePixelRatio(ratio);
        painter.drawImage(area.topLeft() + band.topLeft() * zoom, zoomed);
    }
}
