// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PixelZoom.h"

#include <gtest/gtest.h>

namespace {

QImage Checker(QImage::Format format)
{
    QImage image(4, 3, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 60, y * 100, (x + y) % 2 ? 255 : 0));
    return image.convertToFormat(format);
}

// Each zoomed pixel is the source pixel under it, opaque.
void ExpectRepeated(const QImage& zoomed, const QImage& source, const QRect& area, int factor)
{
    ASSERT_EQ(zoomed.size(), area.size() * factor);
    EXPECT_EQ(zoomed.format(), QImage::Format_RGB32);
    for (int y = 0; y < zoomed.height(); ++y)
        for (int x = 0; x < zoomed.width(); ++x)
            ASSERT_EQ(zoomed.pixel(x, y),
                      source.pixel(area.left() + x / factor, area.top() + y / factor) | 0xFF000000u)
                << x << "," << y;
}

} // namespace

TEST(PixelZoom, RepeatsEveryPixelOfTheAreaInEveryImageFormat)
{
    for (const QImage::Format format :
         {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_RGB888, QImage::Format_Indexed8}) {
        const QImage source = Checker(format);
        ExpectRepeated(brv::ZoomPixels(source, source.rect(), 3), source, source.rect(), 3);
        ExpectRepeated(brv::ZoomPixels(source, QRect(1, 1, 2, 2), 2), source, QRect(1, 1, 2, 2), 2);
        ExpectRepeated(brv::ZoomPixels(source, QRect(2, 0, 1, 3), 1), source, QRect(2, 0, 1, 3), 1);
    }
}

TEST(PixelZoom, AreaIsClippedToTheImageAndNothingLeftGivesANullImage)
{
    const QImage source = Checker(QImage::Format_RGB32);
    ExpectRepeated(brv::ZoomPixels(source, QRect(-5, 2, 7, 9), 2), source, QRect(0, 2, 2, 1), 2);
    EXPECT_TRUE(brv::ZoomPixels(source, QRect(4, 0, 3, 3), 2).isNull());
    EXPECT_TRUE(brv::ZoomPixels(source, source.rect(), 0).isNull());
    EXPECT_TRUE(brv::ZoomPixels(QImage(), QRect(0, 0, 2, 2), 2).isNull());
}
