// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a profile file: reading must not crash or hang, and a write must read back as
// written while leaving the other sections as they were.
#include "FuzzSupport.h"

#include "platform/IniFile.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// The name inside the input's first "[...]", or "S".
std::string FirstSectionName(std::string_view text)
{
    const size_t open = text.find('[');
    if (open == std::string_view::npos)
        return "S";
    const size_t close = text.find_first_of("]\r\n", open + 1);
    const std::string_view inside = text.substr(open + 1, close == std::string_view::npos ? 64 : close - open - 1);
    return std::string(Trim(inside.substr(0, 64)));
}

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text = InputText(data, size);
    static const FuzzDir work("ini");
    static const std::string path = work.File("FUZZ.INI");

    brv::IniFile ini = brv::IniFile::FromBytes(path, text);
    const std::string section = FirstSectionName(text);
    const std::string other = EqualIgnoringCase(section, "SETTING") ? "DEFINE" : "SETTING";
    const std::vector<std::string> keys = ini.ReadSection(section);
    for (const std::string& key : keys) {
        const std::string value = ini.ReadString(section, key, "");
        Check(!value.empty() && value.size() <= 2047);
        ini.ReadInteger(section, key, 0);
        ini.ReadBool(section, key, true);
    }
    const std::vector<std::string> otherKeys = ini.ReadSection(other);
    ini.ReadString("SETTING", "MapName", "fallback");
    brv::ParseInteger(text.substr(0, 64));

    if (!TakesCostlyPath(data, size, 4))
        return 0;
    // A write starts from the file as it is on disk, so the input goes there first.
    WriteInput(path, data, size);
    // Write a key of the section (an existing one when there is one) and read it back.
    const std::string key = keys.empty() ? "Key" : keys[size % keys.size()];
    std::string value(text.substr(size / 2, 3000));
    if (value.find_first_of("\r\n") != std::string::npos) {
        try {
            ini.WriteString(section, key, value); // refused: the value holds a line break
        } catch (const brv::IniWriteError&) {
        }
    }
    for (char& c : value)
        if (c == '\r' || c == '\n')
            c = '.';
    try {
        ini.WriteString(section, key, value);
    } catch (const brv::IniWriteError&) {
        return 0; // a section name that cannot be stored
    }
    const std::string expected(Trim(value).substr(0, 2047));
    Check(ini.ReadString(section, key, "absent") == expected);
    const brv::IniFile reread(path);
    Check(reread.ReadString(section, key, "absent") == expected);
    Check(reread.ReadSection(other) == otherKeys);

    ini.WriteInteger(other, "Number", static_cast<int32_t>(size) - 1000);
    const brv::IniFile written(path);
    Check(written.ReadInteger(other, "number", 0) == static_cast<int32_t>(size) - 1000);
    Check(written.ReadString(section, key, "absent") == expected);
    return 0;
}
