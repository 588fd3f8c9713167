// SPDX-License-Identifier: GPL-3.0-or-later
// Which of the toolkit's translations goes with a language of the language file.
#include "config/model/LanguageLocale.h"
#include "platform/IniFile.h"

#include <gtest/gtest.h>

namespace {

std::string LocaleOf(const std::string& file, int32_t language)
{
    return LanguageLocale(brv::IniFile::FromBytes("LANGUAGE.INI", file), language);
}

const std::string Languages = "[LANGUAGE]\nNumber=4\n1=ENGLISH\n2=Japanese\n3=KLINGON\n4=MINE\n";

} // namespace

TEST(LanguageLocaleTest, TheSectionsLocaleKeyElseItsKnownName)
{
    EXPECT_EQ(LocaleOf(Languages, 2), "ja");
    EXPECT_EQ(LocaleOf(Languages + "[MINE]\nLocale=de\n", 4), "de");
    EXPECT_EQ(LocaleOf(Languages + "[Japanese]\nLocale=ja_JP\n", 2), "ja_JP");
    // Unknown names, missing languages and missing files say nothing.
    EXPECT_EQ(LocaleOf(Languages, 3), "");
    EXPECT_EQ(LocaleOf(Languages, 7), "");
    EXPECT_EQ(LocaleOf("", 1), "");
}

TEST(LanguageLocaleTest, EnglishAndValuesThatCouldNameAPathGiveNone)
{
    EXPECT_EQ(LocaleOf(Languages, 1), "");
    EXPECT_EQ(LocaleOf(Languages + "[MINE]\nLocale=en_GB\n", 4), "");
    EXPECT_EQ(LocaleOf(Languages + "[MINE]\nLocale=../../etc/x\n", 4), "");
    EXPECT_EQ(LocaleOf(Languages + "[MINE]\nLocale=ja.qm\n", 4), "");
}
