// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts stay bytes everywhere in the game; they are decoded only where Qt shows them: as UTF-8
// when the bytes are valid UTF-8, else as Shift_JIS. And back, for what the user types.
#include <QString>

#include <string>
#include <string_view>

namespace brv {

QString DecodeText(std::string_view bytes);
std::string EncodeText(const QString& text); // UTF-8

} // namespace brv
