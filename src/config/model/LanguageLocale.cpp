// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/model/LanguageLocale.h"

#include "platform/AsciiText.h"
#include "platform/IniFile.h"

#include <array>
#include <string_view>
#include <utility>

namespace {

// Section names a language file is likely to use, with their locales.
constexpr std::array<std::pair<std::string_view, std::string_view>, 12> KnownLanguages{{
    {"ENGLISH", "en"},
    {"JAPANESE", "ja"},
    {"GERMAN", "de"},
    {"FRENCH", "fr"},
    {"SPANISH", "es"},
    {"ITALIAN", "it"},
    {"PORTUGUESE", "pt_BR"},
    {"RUSSIAN", "ru"},
    {"KOREAN", "ko"},
    {"CHINESE", "zh_CN"},
    {"POLISH", "pl"},
    {"DUTCH", "nl"},
}};

// A locale name as the toolkit's translation files use it: letters, digits and "_" only, so
// that no value of the file can name a path.
bool PlainLocale(std::string_view locale)
{
    if (locale.empty() || locale.size() > 16)
        return false;
    for (const char c : locale)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'))
            return false;
    return true;
}

} // namespace

std::string LanguageLocale(const brv::IniFile& languageFile, int32_t language)
{
    const std::string section = languageFile.ReadString("LANGUAGE", std::to_string(language), "");
    if (section.empty())
        return {};
    std::string locale = languageFile.ReadString(section, "Locale", "");
    if (locale.empty())
        for (const auto& [known, knownLocale] : KnownLanguages)
            if (brv::EqualIgnoringAsciiCase(section, known))
                locale = knownLocale;
    if (!PlainLocale(locale) || locale == "en" || locale.rfind("en_", 0) == 0)
        return {};
    return locale;
}
