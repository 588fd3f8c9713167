// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/model/LanguageFile.h"

#include "platform/AsciiText.h"
#include "platform/IniFile.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

constexpr std::string_view kIndex = "LANGUAGE";

// The language list keeps an item for every number up to Number, present or not; a hostile
// file could claim billions of them. No real installation comes near this many languages.
constexpr int32_t kMaxListedLanguages = 1000;

std::string Key(std::string_view prefix, int32_t number)
{
    return std::string(prefix) + std::to_string(number);
}

// The section of language `language`; empty when the index names none.
std::string LanguageSection(const brv::IniFile& ini, int32_t language)
{
    return ini.ReadString(kIndex, std::to_string(language), "");
}

bool IsAsciiPrefixIgnoringCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() &&
           brv::EqualIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

// k when `key` is exactly what "Lang%d" makes of some k in 1..limit, else 0.
int32_t LangKeyNumber(std::string_view key, int32_t limit)
{
    if (!IsAsciiPrefixIgnoringCase(key, "lang"))
        return 0;
    const std::string_view digits = key.substr(4);
    if (digits.empty() || digits.size() > 10 || digits.front() == '0')
        return 0;
    int64_t number = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return 0;
        number = number * 10 + (c - '0');
    }
    return number <= limit ? static_cast<int32_t>(number) : 0;
}

// The non-empty Lang1..LangN of a section, in number order. Looping k up to N would take as
// long as a hostile Number asks; the keys the section really holds give the same list.
std::vector<std::string> LanguageNames(const brv::IniFile& ini, const std::string& section,
                                       int32_t count)
{
    std::vector<int32_t> numbers;
    for (const std::string& key : ini.ReadSection(section))
        if (const int32_t k = LangKeyNumber(key, count); k > 0)
            numbers.push_back(k);
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());

    std::vector<std::string> names;
    for (const int32_t k : numbers)
        if (std::string name = ini.ReadString(section, Key("Lang", k), ""); !name.empty())
            names.push_back(std::move(name));
    return names;
}

// The English captions of the shipped language file, "..." included.
constexpr std::array<std::string_view, 11> EnglishMenu{
    "",      "&File",  "&Option",     "&Help",     "&New",     "&Load Course...",
    "&Pause", "E&xit", "&Setting...", "&Control", "&About..."};

// Menu items that open a dialog get "..." after the file's caption.
bool OpensDialog(size_t k) { return k == 5 || k == 8 || k == 10; }

} // namespace

std::string MenuCaptionOrEnglish(const MainWindowTexts& texts, size_t k)
{
    if (k == 0 || k >= EnglishMenu.size())
        return {};
    const std::string& caption = texts.Menu[k];
    const bool none = caption.empty() || (OpensDialog(k) && caption == "...");
    return none ? std::string(EnglishMenu[k]) : caption;
}

MainWindowTexts ReadMainWindowTexts(const std::string& fileName, int32_t language)
{
    return ReadMainWindowTexts(brv::IniFile(fileName), language);
}

MainWindowTexts ReadMainWindowTexts(const brv::IniFile& ini, int32_t language)
{
    MainWindowTexts texts;
    const std::string section = LanguageSection(ini, language);
    // No section named: every text stays empty, but the three dialog items keep their "...".
    const auto read = [&](const std::string& key) {
        return section.empty() ? std::string() : ini.ReadString(section, key, "");
    };

    texts.FontName = read("FontName");
    texts.FontSize = section.empty() ? 0 : ini.ReadInteger(section, "FontSize", 0);
    for (int32_t k = 1; k <= 5; ++k)
        texts.Error[k] = read(Key("Error", k));
    for (int32_t k = 1; k <= 3; ++k)
        texts.Status[k] = read(Key("Status", k));
    texts.Control = read("Control");
    for (int32_t k = 1; k <= 10; ++k)
        texts.Menu[k] = read(Key("Menu", k));
    for (int32_t k = 4; k <= 10; ++k)
        texts.Hint[k] = read(Key("Hint", k));
    // These items open a dialog; the file gives their captions without the dots.
    for (size_t k = 1; k <= 10; ++k)
        if (OpensDialog(k))
            texts.Menu[k] += "...";
    return texts;
}

DialogTexts ReadDialogTexts(const std::string& fileName, int32_t language)
{
    return ReadDialogTexts(brv::IniFile(fileName), language);
}

DialogTexts ReadDialogTexts(const brv::IniFile& ini, int32_t language)
{
    DialogTexts texts;
    const int32_t count = ini.ReadInteger(kIndex, "Number", 0);
    const std::string section = LanguageSection(ini, language);
    if (section.empty())
        return texts;

    texts.FontName = ini.ReadString(section, "FontName", "");
    texts.FontSize = ini.ReadInteger(section, "FontSize", 0);
    for (int32_t k = 1; k <= 3; ++k)
        texts.Tab[k] = ini.ReadString(section, Key("Tab", k), "");
    for (int32_t k = 1; k <= 13; ++k)
        texts.Label[k] = ini.ReadString(section, Key("Label", k), "");
    texts.Label13Hint = ini.ReadString(section, "Label13Hint", "");
    texts.Label14Hint = ini.ReadString(section, "Label14Hint", "");
    texts.LanguageNames = LanguageNames(ini, section, count);
    return texts;
}

std::vector<std::string> ReadLanguageList(const std::string& fileName)
{
    return ReadLanguageList(brv::IniFile(fileName));
}

std::vector<std::string> ReadLanguageList(const brv::IniFile& ini)
{
    const int32_t count = std::min(ini.ReadInteger(kIndex, "Number", 0), kMaxListedLanguages);
    std::vector<std::string> list;
    for (int32_t k = 1; k <= count; ++k)
        list.push_back(ini.ReadString(kIndex, std::to_string(k), ""));
    return list;
}
