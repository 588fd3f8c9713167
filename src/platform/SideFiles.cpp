// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SideFiles.h"

#include <cstdint>
#include <cstdio>

namespace brv {
namespace {

constexpr size_t MaxNameBytes = 255; // NAME_MAX of the file systems the game runs on
constexpr std::string_view TempMarker = ".tmp-";
constexpr size_t TempLetters = 6;
constexpr size_t HashPart = 9; // "~" and eight hex digits

std::string_view FolderOf(std::string_view path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash + 1);
}

std::string_view BaseOf(std::string_view path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

uint32_t Fnv1a32(std::string_view bytes)
{
    uint32_t hash = 0x811c9dc5u;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x01000193u;
    }
    return hash;
}

// The part after the folder: "." and the name, or a cut name and its hash.
std::string StemName(std::string_view base)
{
    const size_t room = MaxNameBytes - TempMarker.size() - TempLetters - 1;
    if (base.size() <= room)
        return "." + std::string(base);
    size_t cut = room - HashPart;
    // Not inside a UTF-8 character, so a name that reads as text keeps doing so.
    while (cut > 0 && (static_cast<unsigned char>(base[cut]) & 0xC0) == 0x80)
        --cut;
    char hash[HashPart + 1];
    std::snprintf(hash, sizeof hash, "~%08x", static_cast<unsigned>(Fnv1a32(base)));
    return "." + std::string(base.substr(0, cut)) + hash;
}

bool IsLetterOrDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool EndsInLetters(std::string_view entry, std::string_view prefix)
{
    if (entry.size() != prefix.size() + TempLetters || !entry.starts_with(prefix))
        return false;
    for (const char c : entry.substr(prefix.size()))
        if (!IsLetterOrDigit(c))
            return false;
    return true;
}

} // namespace

std::string SideFileStem(const std::string& fileName)
{
    return std::string(FolderOf(fileName)) + StemName(BaseOf(fileName));
}

std::string TemporaryFileName(const std::string& fileName, std::string_view sixLetters)
{
    return SideFileStem(fileName) + std::string(TempMarker) + std::string(sixLetters);
}

bool IsTemporaryCopyOf(std::string_view entry, const std::string& fileName)
{
    const std::string_view base = BaseOf(fileName);
    return EndsInLetters(entry, StemName(base) + std::string(TempMarker))
           || EndsInLetters(entry, std::string(base) + std::string(TempMarker));
}

} // namespace brv
