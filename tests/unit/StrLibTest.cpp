// SPDX-License-Identifier: GPL-3.0-or-later
#include "course/StrLib.h"

#include <gtest/gtest.h>

TEST(CommaFields, IntegersAdvanceTheCursorAndEndAtZero)
{
    int32_t cursor = 1;
    EXPECT_EQ(NextInt("20,15", cursor), 20);
    EXPECT_EQ(cursor, 4);
    EXPECT_EQ(NextInt("20,15", cursor), 15);
    EXPECT_EQ(cursor, 0);
    EXPECT_EQ(NextInt("20,15", cursor), 0);
    EXPECT_EQ(cursor, 0);
}

TEST(CommaFields, EmptyFieldsAndTrailingComma)
{
    int32_t cursor = 1;
    EXPECT_EQ(NextInt(",5", cursor), 0);
    EXPECT_EQ(cursor, 2);
    EXPECT_EQ(NextInt(",5", cursor), 5);

    cursor = 1;
    EXPECT_EQ(NextInt("7,", cursor), 7);
    EXPECT_EQ(cursor, 0) << "no empty field is reported after a trailing comma";

    cursor = 1;
    EXPECT_EQ(NextField("", cursor), "");
    EXPECT_EQ(cursor, 0);
    cursor = -4;
    EXPECT_EQ(NextField("a,b", cursor), "");
    EXPECT_EQ(cursor, 0);
}

TEST(CommaFields, FieldsAndIntegersShareOneCursor)
{
    const std::string entry = "3,4,2,-1,right,random";
    int32_t cursor = 1;
    EXPECT_EQ(NextInt(entry, cursor), 3);
    EXPECT_EQ(NextInt(entry, cursor), 4);
    EXPECT_EQ(NextInt(entry, cursor), 2);
    EXPECT_EQ(NextInt(entry, cursor), -1);
    EXPECT_EQ(NextField(entry, cursor), "right");
    EXPECT_EQ(NextField(entry, cursor), "random");
    EXPECT_EQ(cursor, 0);
}

TEST(CommaFields, IntegerConversionRules)
{
    auto first = [](const std::string& text) {
        int32_t cursor = 1;
        return NextInt(text, cursor);
    };
    EXPECT_EQ(first(" 12"), 12);
    EXPECT_EQ(first("12 "), 0);
    EXPECT_EQ(first("-3"), -3);
    EXPECT_EQ(first("abc"), 0);
    EXPECT_EQ(first("$1F"), 31);
    EXPECT_EQ(first("0x10"), 16);
    EXPECT_EQ(first("2147483648"), 0);
}

TEST(CommaFields, LongTextsGiveNoIntegersButFieldsStillRead)
{
    const std::string text = "5," + std::string(254, 'x');
    ASSERT_EQ(text.size(), 256u);
    int32_t cursor = 1;
    EXPECT_EQ(NextInt(text, cursor), 0);
    EXPECT_EQ(cursor, 0);
    cursor = 1;
    EXPECT_EQ(NextField(text, cursor), "5");
    EXPECT_EQ(cursor, 3);

    const std::string limit = "5," + std::string(253, 'x');
    cursor = 1;
    EXPECT_EQ(NextInt(limit, cursor), 5) << "255 characters are still read";
}

TEST(CommaFields, DoubleByteCharactersAreSteppedOverAsOne)
{
    // 0x82 0x2C would be a comma after a lead byte, but 0x2C is no trail byte: the comma ends it.
    std::string leadThenComma = "\x82,b";
    int32_t cursor = 1;
    EXPECT_EQ(NextField(leadThenComma, cursor), "\x82");
    EXPECT_EQ(NextField(leadThenComma, cursor), "b");

    // 0x83 0x5C is one character whose trail byte is never taken for anything else.
    std::string pair = "\x83\x5C" "x,y";
    cursor = 1;
    EXPECT_EQ(NextField(pair, cursor), "\x83\x5C" "x");
    EXPECT_EQ(cursor, 5);

    // A pair ending exactly at the last position ends the text.
    std::string atEnd = "a\x88\x9F";
    cursor = 1;
    EXPECT_EQ(NextField(atEnd, cursor), atEnd);
    EXPECT_EQ(cursor, 0);

    EXPECT_TRUE(IsDoubleByteChar(0x81, 0x40));
    EXPECT_TRUE(IsDoubleByteChar(0xFC, 0xFC));
    EXPECT_FALSE(IsDoubleByteChar(0x81, 0x7F));
    EXPECT_FALSE(IsDoubleByteChar(0xA0, 0x50));
    EXPECT_FALSE(IsDoubleByteChar(0x81, 0x3F));
}

TEST(CommaFields, CountCharCountsBytes)
{
    EXPECT_EQ(CountChar("255,128,0", ','), 2);
    EXPECT_EQ(CountChar("", ','), 0);
    EXPECT_EQ(CountChar("\x82,", ','), 1) << "no double-byte stepping when counting";
}
