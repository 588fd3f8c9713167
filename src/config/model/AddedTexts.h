// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts that came after the language file's first set of keys (new menus, dialogs and tables).
// A language file written before them lacks the keys, so each read gives the English text built
// into the program when the chosen language has no non-empty value for it.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace brv { class IniFile; }

class AddedTexts {
public:
    AddedTexts(const std::string& languageFileName, int32_t language);
    // Over a language file already read, which it keeps.
    AddedTexts(brv::IniFile languageFile, int32_t language);
    ~AddedTexts();
    AddedTexts(AddedTexts&&) noexcept;
    AddedTexts& operator=(AddedTexts&&) noexcept;

    // The language's value of `key`, or `english` when it is absent or empty.
    std::string Text(std::string_view key, std::string_view english) const;
    // The language file, for readers of its older keys.
    const brv::IniFile& File() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
