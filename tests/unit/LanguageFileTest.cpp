// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestFiles.h"

#include "config/model/AddedTexts.h"
#include "config/model/LanguageFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class LanguageFileTest : public ::testing::Test {
protected:
    std::string Put(const std::string& bytes) const
    {
        return dir_.Write("LANGUAGE.INI", bytes);
    }

    TempDir dir_;
};

void ExpectNoTexts(const MainWindowTexts& t)
{
    EXPECT_EQ(t.FontName, "");
    EXPECT_EQ(t.FontSize, 0);
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(t.Error[k], "") << k;
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(t.Status[k], "") << k;
    EXPECT_EQ(t.Control, "");
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(t.Menu[k], k == 5 || k == 8 || k == 10 ? "..." : "") << k;
    for (int k = 4; k <= 10; ++k)
        EXPECT_EQ(t.Hint[k], "") << k;
}

void ExpectNoTexts(const DialogTexts& t)
{
    EXPECT_EQ(t.FontName, "");
    EXPECT_EQ(t.FontSize, 0);
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(t.Tab[k], "") << k;
    for (int k = 1; k <= 13; ++k)
        EXPECT_EQ(t.Label[k], "") << k;
    EXPECT_EQ(t.Label13Hint, "");
    EXPECT_EQ(t.Label14Hint, "");
    EXPECT_TRUE(t.LanguageNames.empty());
}

const char* const kTwoLanguages = "[LANGUAGE]\n"
                                  "Number=2\n"
                                  "1=English\n"
                                  "2=Deutsch\n"
                                  "[english]\n"
                                  "FontName=arial\n"
                                  "FontSize=10\n"
                                  "Error1=E1\nError2=E2\nError3=E3\nError4=E4\nError5=E5\n"
                                  "Status1=Playing\nStatus2=Paused\nStatus3=Demo\n"
                                  "Control=Arrows steer\n"
                                  "Menu1=&File\nMenu2=&Option\nMenu3=&Help\nMenu4=&New\n"
                                  "Menu5=&Load Course\nMenu6=&Pause\nMenu7=E&xit\nMenu8=&Setting\n"
                                  "Menu9=&Control\nMenu10=&About\n"
                                  "Hint4=New|Start a new game\nHint5=Load\nHint6=Pause\nHint7=Exit\n"
                                  "Hint8=Setting\nHint9=Control\nHint10=About\n"
                                  "Tab1=Basic\nTab2=Sound\nTab3=Special\n"
                                  "Label1=L1\nLabel2=L2\nLabel3=L3\nLabel4=L4\nLabel5=L5\nLabel6=L6\n"
                                  "Label7=L7\nLabel8=L8\nLabel9=L9\nLabel10=L10\nLabel11=L11\nLabel12=L12\n"
                                  "Label13=HiScore\nLabel13Hint=Reset HiScore\nLabel14Hint=Browse\n"
                                  "Lang1=English\nLang2=German\n"
                                  "[Deutsch]\n"
                                  "Menu1=&Datei\n"
                                  "Menu5=&Kurs laden\n"
                                  "FontSize=none\n"
                                  "Lang1=Englisch\nLang2=Deutsch\n";

TEST_F(LanguageFileTest, MainWindowTextsOfTheChosenLanguage)
{
    const MainWindowTexts t = ReadMainWindowTexts(Put(kTwoLanguages), 1);
    EXPECT_EQ(t.FontName, "arial");
    EXPECT_EQ(t.FontSize, 10);
    EXPECT_EQ(t.Error, (std::array<std::string, 6>{"", "E1", "E2", "E3", "E4", "E5"}));
    EXPECT_EQ(t.Status, (std::array<std::string, 4>{"", "Playing", "Paused", "Demo"}));
    EXPECT_EQ(t.Control, "Arrows steer");
    EXPECT_EQ(t.Menu, (std::array<std::string, 11>{"", "&File", "&Option", "&Help", "&New", "&Load Course...",
                                                   "&Pause", "E&xit", "&Setting...", "&Control", "&About..."}));
    EXPECT_EQ(t.Hint, (std::array<std::string, 11>{"", "", "", "", "New|Start a new game", "Load", "Pause",
                                                   "Exit", "Setting", "Control", "About"}));
}

TEST_F(LanguageFileTest, MissingKeysEmptyTheirTextsAndDialogItemsStillGetDots)
{
    const std::string file = Put(kTwoLanguages);
    const MainWindowTexts t = ReadMainWindowTexts(file, 2);
    EXPECT_EQ(t.Menu[1], "&Datei");
    EXPECT_EQ(t.Menu[2], "");
    EXPECT_EQ(t.Menu[5], "&Kurs laden...");
    EXPECT_EQ(t.Menu[8], "...");
    EXPECT_EQ(t.Menu[10], "...");
    EXPECT_EQ(t.Error[5], "");
    EXPECT_EQ(t.FontName, "");
    EXPECT_EQ(t.FontSize, 0); // not a number

    const DialogTexts d = ReadDialogTexts(file, 2);
    EXPECT_EQ(d.Tab[1], "");
    EXPECT_EQ(d.Label13Hint, "");
    EXPECT_EQ(d.LanguageNames, (std::vector<std::string>{"Englisch", "Deutsch"}));
}

TEST_F(LanguageFileTest, DialogTextsOfTheChosenLanguage)
{
    const DialogTexts d = ReadDialogTexts(Put(kTwoLanguages), 1);
    EXPECT_EQ(d.FontName, "arial");
    EXPECT_EQ(d.FontSize, 10);
    EXPECT_EQ(d.Tab, (std::array<std::string, 4>{"", "Basic", "Sound", "Special"}));
    EXPECT_EQ(d.Label, (std::array<std::string, 14>{"", "L1", "L2", "L3", "L4", "L5", "L6", "L7", "L8", "L9",
                                                    "L10", "L11", "L12", "HiScore"}));
    EXPECT_EQ(d.Label13Hint, "Reset HiScore");
    EXPECT_EQ(d.Label14Hint, "Browse");
    EXPECT_EQ(d.LanguageNames, (std::vector<std::string>{"English", "German"}));
}

// The file's header promises "tooltip|status bar text": every hint of every shipped language
// has both parts, so the status bar never repeats a bare tooltip.
TEST(ShippedLanguageFile, EveryHintHasATooltipAndAStatusText)
{
    const std::string file = std::string(BREVANTO_ASSETS_DIR) + "/LANGUAGE.INI";
    const auto twoParts = [](const std::string& hint) {
        const size_t bar = hint.find('|');
        return bar != std::string::npos && bar > 0 && bar + 1 < hint.size()
               && hint.find('|', bar + 1) == std::string::npos;
    };
    const std::vector<std::string> languages = ReadLanguageList(file);
    ASSERT_EQ(languages.size(), 2u);
    for (int32_t language = 1; language <= 2; ++language) {
        const MainWindowTexts window = ReadMainWindowTexts(file, language);
        for (size_t k = 4; k <= 10; ++k)
            EXPECT_TRUE(twoParts(window.Hint[k])) << language << " Hint" << k << ": " << window.Hint[k];
        const DialogTexts dialog = ReadDialogTexts(file, language);
        EXPECT_TRUE(twoParts(dialog.Label13Hint)) << language << ": " << dialog.Label13Hint;
        EXPECT_TRUE(twoParts(dialog.Label14Hint)) << language << ": " << dialog.Label14Hint;
    }
}

TEST_F(LanguageFileTest, MissingFileOrLanguageGivesEmptyTexts)
{
    const std::string missing = dir_.File("NONE.INI");
    ExpectNoTexts(ReadMainWindowTexts(missing, 1));
    ExpectNoTexts(ReadDialogTexts(missing, 1));
    EXPECT_TRUE(ReadLanguageList(missing).empty());

    // A directory in the file's place reads as no file.
    ExpectNoTexts(ReadMainWindowTexts(dir_.Path().string(), 1));

    // Numbers the index does not list, and an index entry naming an absent or empty section.
    const std::string file = Put(std::string(kTwoLanguages) + "[LANGUAGE]\n3=late\n"
                                 + "[]\nMenu1=nameless\nLang1=nameless\n");
    for (const int32_t language : {0, -1, 3, 2147483647}) {
        ExpectNoTexts(ReadMainWindowTexts(file, language));
        ExpectNoTexts(ReadDialogTexts(file, language));
    }
    const std::string listed = Put("[LANGUAGE]\nNumber=3\n1=Nowhere\n2=\n[Nowhere]\n[]\nMenu1=nameless\n"
                                   "Lang1=nameless\n");
    for (const int32_t language : {1, 2, 3}) {
        ExpectNoTexts(ReadMainWindowTexts(listed, language));
        ExpectNoTexts(ReadDialogTexts(listed, language));
    }
}

TEST_F(LanguageFileTest, DialogListsOnlyNonEmptyLangKeysUpToNumber)
{
    const std::string file = Put("[LANGUAGE]\nNumber=3\n1=A\n2=B\n3=C\n"
                                 "[B]\n"
                                 "Lang3=Third\n"
                                 "Lang4=beyond Number\n"
                                 "lang1=First\n"
                                 "Lang02=leading zero is another key\n"
                                 "Lang0=zero\n"
                                 "Lang-1=negative\n"
                                 "Lang1=duplicate loses\n"
                                 "[C]\n"
                                 "Lang1=\nLang2=Only\nLang3=\n");
    EXPECT_EQ(ReadDialogTexts(file, 2).LanguageNames, (std::vector<std::string>{"First", "Third"}));
    EXPECT_EQ(ReadDialogTexts(file, 3).LanguageNames, std::vector<std::string>{"Only"});
}

TEST_F(LanguageFileTest, LanguageListKeepsEmptyItemsUpToNumber)
{
    EXPECT_EQ(ReadLanguageList(Put("[language]\nnumber=4\n1=English\n2=Japanese\n4=Deutsch\n5=beyond\n")),
              (std::vector<std::string>{"English", "Japanese", "", "Deutsch"}));
    EXPECT_EQ(ReadLanguageList(Put("[LANGUAGE]\nNumber=$2\n1=a\n2=\n")), (std::vector<std::string>{"a", ""}));
    for (const char* number : {"", "Number=0\n", "Number=-3\n", "Number=two\n"})
        EXPECT_TRUE(ReadLanguageList(Put(std::string("[LANGUAGE]\n") + number + "1=a\n")).empty()) << number;
}

TEST_F(LanguageFileTest, ShiftJisTextsStayBytesUnchanged)
{
    // Section name, names and captions in Shift_JIS, some with 0x5C ('\') as the trail byte.
    const std::string japanese = "\x93\xfa\x96\x7b\x8c\xea";
    const std::string menu = "\x83\x74\x83\x40\x83\x43\x83\x8b(&F)";
    const std::string software = "\x83\x5c\x83\x74\x83\x67";
    const std::string file = Put("[LANGUAGE]\r\nNumber=1\r\n1=" + japanese + "\r\n[" + japanese + "]\r\n"
                                 "FontName=\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e\r\n"
                                 "Menu1=" + menu + "\r\nMenu5=" + software + "\r\nLang1=" + japanese + "\r\n");
    const MainWindowTexts t = ReadMainWindowTexts(file, 1);
    EXPECT_EQ(t.FontName, "\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e");
    EXPECT_EQ(t.Menu[1], menu);
    EXPECT_EQ(t.Menu[5], software + "...");
    EXPECT_EQ(ReadDialogTexts(file, 1).LanguageNames, std::vector<std::string>{japanese});
    EXPECT_EQ(ReadLanguageList(file), std::vector<std::string>{japanese});
}

TEST_F(LanguageFileTest, HugeNumberStaysBounded)
{
    const std::string file = Put("[LANGUAGE]\nNumber=2147483647\n1=A\n2147483647=Last\n"
                                 "[A]\nLang1=One\nLang2147483647=Last\nLang2147483648=beyond\n"
                                 "Lang99999999999=beyond\n");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ReadDialogTexts(file, 1).LanguageNames, (std::vector<std::string>{"One", "Last"}));
    EXPECT_EQ(ReadMainWindowTexts(file, 2147483647).Menu[5], "...");
    const std::vector<std::string> list = ReadLanguageList(file);
    ASSERT_EQ(list.size(), 1000u);
    EXPECT_EQ(list[0], "A");
    EXPECT_EQ(list[999], "");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

} // namespace

TEST_F(LanguageFileTest, AddedTextsFallBackToEnglishWhenTheLanguageLacksThem)
{
    const std::string file = Put("[LANGUAGE]\nNumber=2\n1=ENGLISH\n2=JAPANESE\n"
                                 "[ENGLISH]\nMenu11=&View\n"
                                 "[JAPANESE]\nMenu11=表示(&V)\nMenu12=\n");
    const AddedTexts japanese(file, 2);
    EXPECT_EQ(japanese.Text("Menu11", "&View"), "表示(&V)");
    EXPECT_EQ(japanese.Text("menu12", "&Zoom In"), "&Zoom In"); // empty value
    EXPECT_EQ(japanese.Text("Menu13", "Zoom &Out"), "Zoom &Out"); // absent key
    EXPECT_EQ(AddedTexts(file, 3).Text("Menu11", "&View"), "&View"); // no such language
    EXPECT_EQ(AddedTexts((dir_.Path() / "missing.ini").string(), 1).Text("Menu11", "&View"), "&View");
}
