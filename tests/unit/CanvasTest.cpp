// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas helper: clipped opaque copies and fills, pixel reads, text on the fill colour, and
// the change rectangles a window repaints from.
#include "DrawSheets.h"

#include "platform/Canvas.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

#include <vector>

using namespace drawtest;

namespace {

struct Recorded {
    std::vector<QRect> rects;
    void Attach(brv::Canvas& canvas)
    {
        canvas.SetChangeListener([this](const QRect& r) { rects.push_back(r); });
    }
};

// A source whose every pixel has its own colour, so a copy's offset shows in any pixel.
QImage Gradient(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixelColor(x, y, brv::ColorFromBgr(static_cast<uint32_t>(y * 256 + x + 1)));
    return image;
}

uint32_t GradientAt(int x, int y)
{
    return static_cast<uint32_t>(y * 256 + x + 1);
}

} // namespace

TEST(DrawCanvas, ColoursAreBlueGreenRed)
{
    EXPECT_EQ(brv::ColorFromBgr(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(brv::ColorFromBgr(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(brv::ColorFromBgr(0x8000000F), QColor(15, 0, 0)); // flag bits are no colour
    EXPECT_EQ(brv::BgrFromColor(QColor(1, 2, 3)), 0x030201u);
    EXPECT_EQ(brv::BgrFromColor(brv::ColorFromBgr(0xC0C0C0)), 0xC0C0C0u);
}

TEST(DrawCanvas, CopyRectPlacesTheSourceRectangleOpaquely)
{
    QImage target = Filled(20, 20, Untouched);
    const QImage source = Gradient(10, 10);
    brv::Canvas canvas(target);
    Recorded changes;
    changes.Attach(canvas);
    canvas.CopyRect(5, 6, source, QRect(2, 3, 4, 2));
    EXPECT_EQ(Px(target, 5, 6), GradientAt(2, 3));
    EXPECT_EQ(Px(target, 8, 7), GradientAt(5, 4));
    EXPECT_EQ(Px(target, 9, 6), Untouched);
    EXPECT_EQ(Px(target, 5, 8), Untouched);
    EXPECT_EQ(Px(target, 4, 6), Untouched);
    ASSERT_EQ(changes.rects.size(), 1u);
    EXPECT_EQ(changes.rects[0], QRect(5, 6, 4, 2));
}

TEST(DrawCanvas, CopyRectClipsToBothImages)
{
    const QImage source = Gradient(10, 10);
    {
        // Beyond the target's top-left: only the part on the target lands, at the right offset.
        QImage target = Filled(8, 8, Untouched);
        brv::Canvas canvas(target);
        Recorded changes;
        changes.Attach(canvas);
        canvas.CopyRect(-2, -3, source, QRect(0, 0, 5, 5));
        EXPECT_EQ(Px(target, 0, 0), GradientAt(2, 3));
        EXPECT_EQ(Px(target, 2, 1), GradientAt(4, 4));
        EXPECT_EQ(Px(target, 3, 0), Untouched);
        EXPECT_EQ(Px(target, 0, 2), Untouched);
        ASSERT_EQ(changes.rects.size(), 1u);
        EXPECT_EQ(changes.rects[0], QRect(0, 0, 3, 2));
    }
    {
        // A source rectangle reaching past the source: the missing part leaves the target be.
        QImage target = Filled(20, 20, Untouched);
        brv::Canvas canvas(target);
        canvas.CopyRect(0, 0, source, QRect(7, -2, 6, 6));
        EXPECT_EQ(Px(target, 0, 2), GradientAt(7, 0));
        EXPECT_EQ(Px(target, 2, 5), GradientAt(9, 3));
        EXPECT_EQ(Px(target, 3, 2), Untouched);
        EXPECT_EQ(Px(target, 0, 1), Untouched);
        EXPECT_EQ(Px(target, 0, 6), Untouched);
    }
    {
        // Wholly outside either image: nothing happens, nothing is reported.
        QImage target = Filled(8, 8, Untouched);
        const QImage before = target;
        brv::Canvas canvas(target);
        Recorded changes;
        changes.Attach(canvas);
        canvas.CopyRect(8, 0, source, QRect(0, 0, 3, 3));
        canvas.CopyRect(0, -3, source, QRect(0, 0, 3, 3));
        canvas.CopyRect(0, 0, source, QRect(10, 0, 3, 3));
        canvas.CopyRect(0, 0, source, QRect(0, 0, 0, 3));
        canvas.CopyRect(2147483000, 2147483000, source, QRect(0, 0, 5, 5));
        canvas.CopyRect(-2147483000, 0, source, QRect(0, 0, 5, 5));
        EXPECT_EQ(target, before);
        EXPECT_TRUE(changes.rects.empty());
    }
}

TEST(DrawCanvas, CopyWithinOneImageHandlesOverlap)
{
    QImage image = Gradient(10, 10);
    brv::Canvas canvas(image);
    canvas.CopyRect(1, 1, image, QRect(0, 0, 5, 5)); // down and right over itself
    EXPECT_EQ(Px(image, 1, 1), GradientAt(0, 0));
    EXPECT_EQ(Px(image, 5, 5), GradientAt(4, 4));
    canvas.CopyRect(0, 0, image, QRect(1, 1, 5, 5)); // and back
    EXPECT_EQ(Px(image, 0, 0), GradientAt(0, 0));
    EXPECT_EQ(Px(image, 4, 4), GradientAt(4, 4));
}

TEST(DrawCanvas, FillRectUsesTheFillColourAndClips)
{
    QImage target = Filled(10, 10, Untouched);
    brv::Canvas canvas(target);
    Recorded changes;
    changes.Attach(canvas);
    canvas.SetFillColor(0x0000FF);
    canvas.FillRect(QRect(-5, 8, 20, 5));
    EXPECT_TRUE(AllOf(target, 0, 8, 10, 2, 0x0000FF));
    EXPECT_TRUE(AllOf(target, 0, 0, 10, 8, Untouched));
    ASSERT_EQ(changes.rects.size(), 1u);
    EXPECT_EQ(changes.rects[0], QRect(0, 8, 10, 2));
    EXPECT_EQ(target.pixelColor(3, 9), QColor(255, 0, 0));
}

TEST(DrawCanvas, PixelReadsBlueGreenRedAndNothingOutside)
{
    QImage target = Filled(3, 3, 0x102030);
    brv::Canvas canvas(target);
    EXPECT_EQ(canvas.Pixel(2, 2), 0x102030u);
    EXPECT_EQ(canvas.Pixel(3, 0), 0xFFFFFFFFu);
    EXPECT_EQ(canvas.Pixel(0, -1), 0xFFFFFFFFu);
}

TEST(DrawCanvas, TextOutDrawsOnABoxOfTheFillColour)
{
    QImage target = Filled(120, 40, Untouched);
    brv::Canvas canvas(target);
    Recorded changes;
    changes.Attach(canvas);
    canvas.SetFillColor(0x00FF00);
    canvas.SetFontColor(0x0000FF);
    canvas.TextOut(10, 5, "SCORE 0");

    const QFontMetrics metrics(canvas.Font(), &target);
    const int width = metrics.horizontalAdvance(QStringLiteral("SCORE 0"));
    const int height = metrics.height();
    // The box's top row lies above every capital: pure fill colour from edge to edge.
    EXPECT_TRUE(AllOf(target, 10, 5, width, 1, 0x00FF00));
    EXPECT_EQ(Px(target, 10 + width - 1, 5 + height - 1), 0x00FF00u);
    EXPECT_EQ(Px(target, 9, 5), Untouched);
    EXPECT_EQ(Px(target, 10, 4), Untouched);
    EXPECT_EQ(Px(target, 10 + width + 2, 10), Untouched);
    EXPECT_EQ(Px(target, 10, 5 + height + 2), Untouched);
    int inked = 0;
    for (int y = 5; y < 5 + height; ++y)
        for (int x = 10; x < 10 + width; ++x)
            inked += Px(target, x, y) == 0x0000FF;
    EXPECT_GT(inked, 20);

    ASSERT_EQ(changes.rects.size(), 1u);
    EXPECT_TRUE(changes.rects[0].contains(QRect(10, 5, width, height)));
    EXPECT_TRUE(target.rect().contains(changes.rects[0]));
}

TEST(DrawCanvas, TextOutFarOffTheImageDrawsNothing)
{
    QImage target = Filled(40, 20, Untouched);
    const QImage before = target;
    brv::Canvas canvas(target);
    Recorded changes;
    changes.Attach(canvas);
    canvas.TextOut(2147483600, 0, "HI SCORE");
    canvas.TextOut(-2147483600, -2147483600, "HI SCORE");
    canvas.TextOut(0, 500, "REST");
    canvas.TextOut(0, 0, "");
    EXPECT_EQ(target, before);
    EXPECT_TRUE(changes.rects.empty());
}
