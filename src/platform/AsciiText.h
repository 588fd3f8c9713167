// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Letter case as the game's files and paths compare it: only the letters a to z fold, so bytes
// of other code pages never change.
#include <string_view>

namespace brv {

constexpr char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

// The value of a hexadecimal digit 0-9, A-F or a-f; -1 for any other character.
constexpr int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    const char upper = AsciiUpper(c);
    return upper >= 'A' && upper <= 'F' ? upper - 'A' + 10 : -1;
}

constexpr bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (AsciiUpper(a[i]) != AsciiUpper(b[i]))
            return false;
    return true;
}

} // namespace brv
