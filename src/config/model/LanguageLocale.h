// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which locale a language of the language file stands for, so that the toolkit's own texts
// (standard buttons, file dialogs) can follow the game's language: the language section's
// Locale key ("ja"), else a locale known from the section's name (JAPANESE). Empty when neither
// says, and for English, whose texts the toolkit has built in.
#include <cstdint>
#include <string>

namespace brv { class IniFile; }

std::string LanguageLocale(const brv::IniFile& languageFile, int32_t language);
