// SPDX-License-Identifier: GPL-3.0-or-later
#include "course/StrLib.h"

#include "platform/AsciiText.h"
#include "platform/IniFile.h"

#include <algorithm>

bool IsDoubleByteChar(unsigned char lead, unsigned char trail)
{
    const bool leadByte = (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC);
    const bool trailByte = trail >= 0x40 && trail <= 0xFC && trail != 0x7F;
    return leadByte && trailByte;
}

int32_t CountChar(std::string_view text, char ch)
{
    int32_t count = 0;
    for (char c : text)
        if (c == ch)
            ++count;
    return count;
}

namespace {
// Returns the field at the cursor and moves the cursor past its comma (0 at the end).
std::string_view ScanField(std::string_view text, int32_t& cursor)
{
    const int64_t length = static_cast<int64_t>(text.size());
    const int64_t start = cursor;
    if (start < 1 || start > length) {
        cursor = 0;
        return {};
    }
    int64_t i = start; // 1-based
    while (i <= length && text[i - 1] != ',') {
        if (i < length && IsDoubleByteChar(static_cast<unsigned char>(text[i - 1]),
                                           static_cast<unsigned char>(text[i])))
            i += 2;
        else
            i += 1;
    }
    // A double-byte pair may step one past the end; the field never reaches beyond the text.
    const int64_t end = std::min(i, length + 1);
    cursor = i < length ? static_cast<int32_t>(i + 1) : 0;
    return text.substr(static_cast<size_t>(start - 1), static_cast<size_t>(end - start));
}
} // namespace

std::string NextField(std::string_view text, int32_t& cursor)
{
    return std::string(ScanField(text, cursor));
}

int32_t NextInt(std::string_view text, int32_t& cursor)
{
    if (text.size() > 255) {
        cursor = 0;
        return 0;
    }
    return brv::ParseIntegerOr(ScanField(text, cursor), 0);
}

char FirstUpper(const std::string& field, char accepted, char fallback)
{
    const char first = field.empty() ? '\0' : brv::AsciiUpper(field[0]);
    return first == accepted || first == fallback ? first : fallback;
}
