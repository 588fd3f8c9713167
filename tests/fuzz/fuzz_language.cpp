// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the language file: every reader must return in bounded time and memory, and
// agree with the plain key-by-key reading wherever that reading is small enough to do.
#include "FuzzSupport.h"

#include "config/model/LanguageFile.h"

#include "platform/IniFile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

bool EndsWithDots(const std::string& text)
{
    return text.size() >= 3 && text.compare(text.size() - 3, 3, "...") == 0;
}

// The language names as a loop over Lang1..LangN finds them.
std::vector<std::string> NamesKeyByKey(const brv::IniFile& ini, int32_t language, int32_t count)
{
    std::vector<std::string> names;
    const std::string section = ini.ReadString("LANGUAGE", std::to_string(language), "");
    if (section.empty())
        return names;
    for (int32_t k = 1; k <= count; ++k)
        if (std::string name = ini.ReadString(section, "Lang" + std::to_string(k), ""); !name.empty())
            names.push_back(std::move(name));
    return names;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const brv::IniFile ini = brv::IniFile::FromBytes("LANGUAGE.INI", InputText(data, size));
    const int32_t count = ini.ReadInteger("LANGUAGE", "Number", 0);

    const int32_t chosen = size > 0 ? static_cast<int8_t>(data[0]) : 1;
    for (const int32_t language : {1, 2, 0, -1, chosen, count}) {
        const MainWindowTexts main = ReadMainWindowTexts(ini, language);
        Check(EndsWithDots(main.Menu[5]) && EndsWithDots(main.Menu[8]) && EndsWithDots(main.Menu[10]),
              "dialog items end in dots");

        const DialogTexts dialog = ReadDialogTexts(ini, language);
        for (const std::string& name : dialog.LanguageNames)
            Check(!name.empty(), "no empty language names");
        if (count <= 64) // the plain reading costs a look-up per number
            Check(dialog.LanguageNames == NamesKeyByKey(ini, language, count), "names as key by key");
    }

    const std::vector<std::string> list = ReadLanguageList(ini);
    Check(list.size() <= 1000, "list bounded");
    Check(list.size() == static_cast<size_t>(count < 0 ? 0 : (count > 1000 ? 1000 : count)), "list length");
    // Spot checks: a look-up for every item would double the cost of a long list.
    for (const size_t k : {size_t{0}, list.size() / 2, list.size() - 1})
        if (k < list.size())
            Check(list[k] == ini.ReadString("LANGUAGE", std::to_string(k + 1), ""), "list items");
    return 0;
}
