// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ScreenPixels.h"

#include "ui/FieldView.h"
#include "game/ui/TBrevantoForm.h"

#include <QPixmap>
#include <QScreen>

namespace testing_ui {

QImage PaintBoxOnScreen(TBrevantoForm& form)
{
    const QPoint corner = form.PaintBox1->mapTo(&form, QPoint(0, 0));
    const QPixmap shot = form.screen()->grabWindow(form.winId(), corner.x(), corner.y(),
                                                   form.PaintBox1->width(),
                                                   form.PaintBox1->height());
    return shot.toImage().convertToFormat(QImage::Format_RGB32);
}

QImage Repeated(const QImage& image, int factor)
{
    QImage result(image.width() * factor, image.height() * factor, QImage::Format_RGB32);
    for (int y = 0; y < result.height(); ++y)
        for (int x = 0; x < result.width(); ++x)
            result.setPixel(x, y, image.pixel(x / factor, y / factor));
    return result;
}

QString FirstDifference(const QImage& shown, const QImage& expected)
{
    if (shown.size() != expected.size())
        return QStringLiteral("size %1x%2, expected %3x%4")
            .arg(shown.width()).arg(shown.height()).arg(expected.width()).arg(expected.height());
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if ((shown.pixel(x, y) | 0xFF000000u) != (expected.pixel(x, y) | 0xFF000000u))
                return QStringLiteral("pixel (%1,%2) is #%3, expected #%4")
                    .arg(x).arg(y)
                    .arg(shown.pixel(x, y) & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                    .arg(expected.pixel(x, y) & 0xFFFFFF, 6, 16, QLatin1Char('0'));
    return {};
}

} // namespace testing_ui
