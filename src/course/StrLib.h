// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading comma-separated values field by field ("20,15", "3,4,2,1,L,P"). The caller keeps a
// 1-based cursor; 0 means no field follows. Shift-JIS aware: a field ends only at a
// single-byte comma.
#include <cstdint>
#include <string>
#include <string_view>

bool IsDoubleByteChar(unsigned char lead, unsigned char trail);
int32_t CountChar(std::string_view text, char ch);
std::string NextField(std::string_view text, int32_t& cursor);
// Like NextField, converted as the INI layer converts integers (0 when not a number). A text of
// more than 255 characters yields 0 and ends the line, whatever it holds.
int32_t NextInt(std::string_view text, int32_t& cursor);
// A start entry's side or kind letter: the field's first letter, in either case, when it is
// `accepted` or `fallback`; `fallback` for anything else.
char FirstUpper(const std::string& field, char accepted, char fallback);
