// SPDX-License-Identifier: GPL-3.0-or-later
// The checker does not draw, so it sizes the captions by their characters; every caption the
// field font really draws must stay inside that box, or overlaps would go unreported.
#include "DrawSheets.h"

#include "check/CaptionBoxes.h"
#include "platform/Canvas.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace drawtest;

TEST(CaptionBoxes, HoldEveryCaptionTheFieldFontDraws)
{
    const TMap map(96, 160, 60, false);
    for (const check_detail::CaptionBox& box : check_detail::CaptionBoxes(map, 24)) {
        QImage target = Filled(200, 60, Untouched);
        brv::Canvas canvas(target);
        canvas.SetFillColor(0x00FF00);
        canvas.SetFontColor(0x0000FF);
        canvas.TextOut(20, 10, box.sample);
        int left = 200, top = 60, right = 0, bottom = 0;
        for (int y = 0; y < 60; ++y) {
            for (int x = 0; x < 200; ++x) {
                if (Px(target, x, y) == Untouched)
                    continue;
                left = std::min(left, x);
                top = std::min(top, y);
                right = std::max(right, x + 1);
                bottom = std::max(bottom, y + 1);
            }
        }
        ASSERT_LT(left, right) << box.sample << " drew nothing";
        EXPECT_GE(left, 20) << box.name;
        EXPECT_GE(top, 10) << box.name;
        EXPECT_LE(right, 20 + (box.right - box.left)) << box.name;
        EXPECT_LE(bottom, 10 + (box.bottom - box.top)) << box.name;
        // Not so loose that captions a few pixels apart are taken for overlapping.
        EXPECT_GE(right, 20 + (box.right - box.left) * 2 / 3) << box.name;
    }
}
