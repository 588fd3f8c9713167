// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The language file: every text of the windows, for any number of languages side by side.
// Section LANGUAGE lists them (Number, then 1..N naming each language's section).
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace brv { class IniFile; }

struct MainWindowTexts {
    std::string FontName;          // empty: leave the font
    int32_t FontSize = 0;          // 0: leave the size
    std::array<std::string, 6> Error;   // 1..5
    std::array<std::string, 4> Status;  // 1..3
    std::string Control;
    std::array<std::string, 11> Menu;   // 1..10; "..." already appended to 5, 8 and 10
    std::array<std::string, 11> Hint;   // 4..10
};

struct DialogTexts {
    std::string FontName;
    int32_t FontSize = 0;
    std::array<std::string, 4> Tab;     // 1..3
    std::array<std::string, 14> Label;  // 1..13
    std::string Label13Hint;
    std::string Label14Hint;
    std::vector<std::string> LanguageNames; // the non-empty Lang1..LangN of the language
};

// Menu caption k (1..10) of `texts`, or the English one built into the program when the
// language gave none.
std::string MenuCaptionOrEnglish(const MainWindowTexts& texts, size_t k);

// The texts of language number `language` (1-based); a missing file, language or key gives
// empty texts.
MainWindowTexts ReadMainWindowTexts(const std::string& fileName, int32_t language);
DialogTexts ReadDialogTexts(const std::string& fileName, int32_t language);
// The values of keys 1..Number of section LANGUAGE, empty ones included.
std::vector<std::string> ReadLanguageList(const std::string& fileName);
// The same from a language file already read (or bytes in memory).
MainWindowTexts ReadMainWindowTexts(const brv::IniFile& ini, int32_t language);
DialogTexts ReadDialogTexts(const brv::IniFile& ini, int32_t language);
std::vector<std::string> ReadLanguageList(const brv::IniFile& ini);
