// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text the game added beside the language file's numbered keys is read this one way: by
// its name from the chosen language, the English built into the program when the language
// lacks it, decoded as the language file is.
#include "config/model/AddedTexts.h"
#include "platform/TextCodec.h"

#include <QString>

inline QString ShownText(const AddedTexts& texts, const char* key, const char* english)
{
    return brv::DecodeText(texts.Text(key, english));
}
