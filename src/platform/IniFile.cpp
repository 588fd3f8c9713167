// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IniFile.h"

#include "platform/AsciiText.h"
#include "platform/FileLock.h"
#include "platform/FileReplace.h"
#include "platform/WholeFileRead.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <utility>

namespace brv {
namespace {

// A larger file reads as its first MaxWholeFileBytes and is never written, so nothing of it
// gets lost.
constexpr size_t kMaxFileSize = MaxWholeFileBytes;
constexpr size_t kMaxValueLength = 2047;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Names compare ignoring ASCII letter case only; other bytes (Shift-JIS, UTF-8) compare as is.
// A table rather than a test per byte: every lookup and the index's sort compare names.
constexpr std::array<unsigned char, 256> kFoldedBytes = [] {
    std::array<unsigned char, 256> folded{};
    for (size_t b = 0; b < folded.size(); ++b)
        folded[b] = static_cast<unsigned char>(b >= 'A' && b <= 'Z' ? b - 'A' + 'a' : b);
    return folded;
}();

unsigned char FoldCase(char c) { return kFoldedBytes[static_cast<unsigned char>(c)]; }

int CompareNames(std::string_view a, std::string_view b)
{
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const unsigned char x = FoldCase(a[i]);
        const unsigned char y = FoldCase(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

int DigitValue(char c, unsigned base)
{
    const int digit = HexDigitValue(c);
    return digit >= 0 && (digit < 10 || base == 16) ? digit : -1;
}

[[noreturn]] void Refuse(const std::string& fileName, std::string_view reason)
{
    throw IniWriteError(fileName, reason);
}

// Every write of an INI file: one whole-file replace, falling back to a rewrite in place where
// the folder takes no temporary file; blank lines pad a shorter content meanwhile.
void ReplaceContent(const std::string& fileName, std::string_view content)
{
    const std::string problem = ReplaceWholeFile(fileName, content, {.InPlaceFallback = true, .Filler = '\n'});
    if (!problem.empty())
        Refuse(fileName, problem);
}

[[noreturn]] void RefuseValue(const std::string& fileName, std::string_view reason)
{
    throw IniValueError(fileName, reason);
}

// A UTF-8 byte-order mark, as editors of other systems put at the start of a text file.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Where the first line begins: the mark is no part of it.
size_t BodyStart(std::string_view text)
{
    return text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
}

// Names and values that would read back as something else are refused.
void CheckStorable(const std::string& fileName, std::string_view sectionName,
                   std::string_view keyName, std::string_view value)
{
    if (sectionName.find_first_of("]\r\n") != std::string_view::npos)
        RefuseValue(fileName, "the section name cannot be stored");
    if (keyName.empty() || keyName.find_first_of("=\r\n") != std::string_view::npos
        || keyName.front() == ';' || keyName.front() == '[')
        RefuseValue(fileName, "the key name cannot be stored");
    if (value.find_first_of("\r\n") != std::string_view::npos)
        RefuseValue(fileName, "the value of " + std::string(keyName) + " holds a line break");
}

} // namespace

IniWriteError::IniWriteError(const std::string& fileName, std::string_view reason)
    : std::runtime_error("Cannot write " + fileName + ": " + std::string(reason))
{
}

std::optional<int32_t> ParseInteger(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    unsigned base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size())
        return std::nullopt;

    // The magnitude is checked after every digit, so it never exceeds 2^31 * 16 + 15.
    const uint64_t limit = negative ? uint64_t{1} << 31 : (uint64_t{1} << 31) - 1;
    uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i], base);
        if (digit < 0)
            return std::nullopt;
        magnitude = magnitude * base + static_cast<unsigned>(digit);
        if (magnitude > limit)
            return std::nullopt;
    }
    const int64_t value = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    return static_cast<int32_t>(value);
}

int32_t ParseIntegerOr(std::string_view text, int32_t fallback)
{
    return ParseInteger(text).value_or(fallback);
}

// The text as read, with an index built once per load: every section header, every key line of
// a section, and for the first section of each name its first entry of each key sorted by
// name, so a lookup is a binary search. Positions are offsets, so the index survives moves.
struct IniFile::Impl {
    struct Span {
        uint32_t begin = 0;
        uint32_t end = 0;
    };
    struct Entry {
        Span key;
        Span value; // trimmed, not yet cut
        uint32_t lineEnd = 0; // where its line ending (if any) begins
    };
    struct Section {
        Span name;
        uint32_t firstEntry = 0; // its key lines in entries
        uint32_t entryCount = 0;
        uint32_t firstKey = 0; // its distinct keys in keyOrder (first section of a name only)
        uint32_t keyCount = 0;
        uint32_t appendAt = 0; // just past its last non-blank line
        bool appendNeedsBreak = false; // that line ends the file without a line ending
    };

    std::string fileName;
    std::string text;
    std::string readProblem; // why the file could not be read whole; writes are refused then
    std::vector<Entry> entries;
    std::vector<Section> sections; // every header, file order
    std::vector<uint32_t> sectionOrder; // first section of each name, sorted by name
    std::vector<uint32_t> keyOrder;

    std::string_view View(Span span) const
    {
        return std::string_view(text).substr(span.begin, span.end - span.begin);
    }
    Span SpanOf(std::string_view part) const
    {
        const auto begin = static_cast<uint32_t>(part.data() - text.data());
        return {begin, static_cast<uint32_t>(begin + part.size())};
    }

    void Load()
    {
        WholeFile file = ReadWholeFile(fileName);
        readProblem.clear();
        switch (file.Outcome) {
        case WholeFileOutcome::Read:
        case WholeFileOutcome::Missing:
            break;
        case WholeFileOutcome::TooLarge: // read as far as the limit, never written
        case WholeFileOutcome::NotRegular:
        case WholeFileOutcome::Failed:
            readProblem = file.Problem();
            break;
        }
        text = std::move(file.Bytes);
        BuildIndex();
    }

    size_t LineEnd(size_t pos) const
    {
        while (pos < text.size() && text[pos] != '\n' && text[pos] != '\r')
            ++pos;
        return pos;
    }

    void BuildIndex()
    {
        entries.clear();
        sections.clear();
        sectionOrder.clear();
        keyOrder.clear();
        size_t pos = BodyStart(text);
        // The next line feed and carriage return, each searched again only once passed, so a
        // file of either ending is scanned once, by memchr rather than byte by byte.
        size_t nextFeed = std::min(text.find('\n', pos), text.size());
        size_t nextReturn = std::min(text.find('\r', pos), text.size());
        while (pos < text.size()) {
            if (nextFeed < pos)
                nextFeed = std::min(text.find('\n', pos), text.size());
            if (nextReturn < pos)
                nextReturn = std::min(text.find('\r', pos), text.size());
            const size_t end = std::min(nextFeed, nextReturn);
            size_t next = end;
            if (next < text.size())
                next += text[next] == '\r' && next + 1 < text.size() && text[next + 1] == '\n' ? 2u : 1u;
            ScanLine(pos, end, next);
            pos = next;
        }

        // Equal names sort in file order (by position), so unique() keeps the first of each.
        const auto sectionName = [this](uint32_t s) { return View(sections[s].name); };
        sectionOrder.resize(sections.size());
        std::iota(sectionOrder.begin(), sectionOrder.end(), 0u);
        SortUnique(sectionOrder, 0, sectionName);
        const auto keyName = [this](uint32_t e) { return View(entries[e].key); };
        for (const uint32_t s : sectionOrder) {
            Section& section = sections[s];
            section.firstKey = static_cast<uint32_t>(keyOrder.size());
            for (uint32_t e = 0; e < section.entryCount; ++e)
                keyOrder.push_back(section.firstEntry + e);
            SortUnique(keyOrder, section.firstKey, keyName);
            section.keyCount = static_cast<uint32_t>(keyOrder.size() - section.firstKey);
        }
    }

    template <typename NameOf>
    static void SortUnique(std::vector<uint32_t>& order, size_t from, NameOf nameOf)
    {
        const auto first = order.begin() + static_cast<std::ptrdiff_t>(from);
        // Positions break ties, which std::sort does without the buffer a stable sort takes.
        std::sort(first, order.end(), [&](uint32_t a, uint32_t b) {
            const int byName = CompareNames(nameOf(a), nameOf(b));
            return byName != 0 ? byName < 0 : a < b;
        });
        order.erase(std::unique(first, order.end(),
                                [&](uint32_t a, uint32_t b) { return CompareNames(nameOf(a), nameOf(b)) == 0; }),
                    order.end());
    }

    void ScanLine(size_t begin, size_t end, size_t next)
    {
        const std::string_view line = Trim(std::string_view(text).substr(begin, end - begin));
        if (line.empty())
            return;
        if (line.front() == '[') { // a missing ']' ends the name at the end of the line
            const std::string_view inside = line.substr(1);
            Section section;
            section.name = SpanOf(Trim(inside.substr(0, inside.find(']'))));
            section.firstEntry = static_cast<uint32_t>(entries.size());
            sections.push_back(section);
        }
        if (!sections.empty()) { // the section's last non-blank line so far
            sections.back().appendAt = static_cast<uint32_t>(next);
            sections.back().appendNeedsBreak = next == end;
        }
        if (line.front() == ';' || line.front() == '[')
            return;
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos || sections.empty())
            return;
        const std::string_view key = Trim(line.substr(0, equals));
        if (key.empty())
            return;
        entries.push_back({SpanOf(key), SpanOf(Trim(line.substr(equals + 1))), static_cast<uint32_t>(end)});
        ++sections.back().entryCount;
    }

    template <typename NameOf>
    static const uint32_t* FindSorted(const uint32_t* first, const uint32_t* last,
                                      std::string_view name, NameOf nameOf)
    {
        const uint32_t* found = std::lower_bound(first, last, name, [&](uint32_t item, std::string_view n) {
            return CompareNames(nameOf(item), n) < 0;
        });
        return found != last && CompareNames(nameOf(*found), name) == 0 ? found : nullptr;
    }

    const Section* FindSection(std::string_view name) const
    {
        const uint32_t* found = FindSorted(sectionOrder.data(), sectionOrder.data() + sectionOrder.size(),
                                           name, [this](uint32_t s) { return View(sections[s].name); });
        return found ? &sections[*found] : nullptr;
    }

    const Entry* FindKey(const Section& section, std::string_view key) const
    {
        const uint32_t* first = keyOrder.data() + section.firstKey;
        const uint32_t* found = FindSorted(first, first + section.keyCount, key,
                                           [this](uint32_t e) { return View(entries[e].key); });
        return found ? &entries[*found] : nullptr;
    }

    // The section's distinct keys whose first value is not empty, as entries in file order.
    std::vector<uint32_t> KeysInFileOrder(std::string_view name) const
    {
        const Section* found = FindSection(Trim(name));
        if (!found)
            return {};
        const auto first = keyOrder.begin() + found->firstKey;
        std::vector<uint32_t> inFileOrder(first, first + found->keyCount);
        std::sort(inFileOrder.begin(), inFileOrder.end());
        inFileOrder.erase(std::remove_if(inFileOrder.begin(), inFileOrder.end(),
                                         [this](uint32_t e) { return HasEmptyValue(e); }),
                          inFileOrder.end());
        return inFileOrder;
    }

    bool HasEmptyValue(uint32_t entry) const { return entries[entry].value.end == entries[entry].value.begin; }

    std::optional<std::string_view> Value(std::string_view section, std::string_view key) const
    {
        const Section* found = FindSection(Trim(section));
        const Entry* entry = found ? FindKey(*found, Trim(key)) : nullptr;
        if (!entry)
            return std::nullopt;
        return View(entry->value).substr(0, kMaxValueLength);
    }

    // New lines take the ending of the file's first line.
    std::string_view LineEnding() const
    {
        const size_t pos = LineEnd(BodyStart(text));
        if (pos == text.size() || text[pos] == '\n')
            return "\n";
        return pos + 1 < text.size() && text[pos + 1] == '\n' ? "\r\n" : "\r";
    }

    std::string Splice(size_t begin, size_t end, std::string_view insert) const
    {
        std::string result;
        result.reserve(text.size() - (end - begin) + insert.size());
        result.append(text, 0, begin).append(insert).append(text, end);
        return result;
    }

    // The text with the key set: its first line in the section changed after the key, or a new
    // line after the section's last non-blank line, or a new section at the end of the file.
    std::string WithValue(std::string_view section, std::string_view key, std::string_view value) const
    {
        const std::string_view ending = LineEnding();
        const std::string entry = std::string(key) + "=" + std::string(value);
        if (const Section* found = FindSection(section)) {
            if (const Entry* existing = FindKey(*found, key))
                return Splice(existing->key.end, existing->lineEnd, "=" + std::string(value));
            std::string line = found->appendNeedsBreak ? std::string(ending) : std::string();
            line.append(entry).append(ending);
            return Splice(found->appendAt, found->appendAt, line);
        }
        std::string result = text;
        if (result.size() > BodyStart(result) && result.back() != '\n' && result.back() != '\r')
            result.append(ending);
        result.append("[").append(section).append("]").append(ending).append(entry).append(ending);
        return result;
    }
};

IniFile::IniFile(std::string fileName) : impl_(std::make_unique<Impl>())
{
    impl_->fileName = std::move(fileName);
    impl_->Load();
}

IniFile::IniFile() : impl_(std::make_unique<Impl>()) {}

IniFile IniFile::FromBytes(std::string fileName, std::string_view bytes)
{
    IniFile ini;
    ini.impl_->fileName = std::move(fileName);
    ini.impl_->text.assign(bytes.substr(0, std::min(bytes.size(), kMaxFileSize)));
    if (bytes.size() > kMaxFileSize)
        ini.impl_->readProblem = "larger than " + SizeText(kMaxFileSize);
    ini.impl_->BuildIndex();
    return ini;
}

IniFile::~IniFile() = default;
IniFile::IniFile(IniFile&&) noexcept = default;
IniFile& IniFile::operator=(IniFile&&) noexcept = default;

const std::string& IniFile::FileName() const { return impl_->fileName; }

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const
{
    return std::string(impl_->Value(section, key).value_or(fallback));
}

int32_t IniFile::ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const
{
    const auto value = impl_->Value(section, key);
    return value ? ParseIntegerOr(*value, fallback) : fallback;
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const
{
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

std::vector<std::string> IniFile::ReadSection(std::string_view section) const
{
    std::vector<std::string> keys;
    for (const uint32_t e : impl_->KeysInFileOrder(section))
        keys.emplace_back(impl_->View(impl_->entries[e].key));
    return keys;
}

size_t IniFile::CountKeys(std::string_view section) const
{
    const Impl::Section* found = impl_->FindSection(Trim(section));
    if (!found)
        return 0;
    const auto first = impl_->keyOrder.begin() + found->firstKey;
    return static_cast<size_t>(std::count_if(first, first + found->keyCount, [this](uint32_t e) {
        return !impl_->HasEmptyValue(e);
    }));
}

std::vector<std::pair<std::string, std::string>> IniFile::ReadSectionValues(std::string_view section) const
{
    std::vector<std::pair<std::string, std::string>> values;
    for (const uint32_t e : impl_->KeysInFileOrder(section)) {
        const Impl::Entry& entry = impl_->entries[e];
        values.emplace_back(impl_->View(entry.key), impl_->View(entry.value).substr(0, kMaxValueLength));
    }
    return values;
}

std::vector<std::string> IniFile::ReadSectionNames() const
{
    std::vector<uint32_t> inFileOrder = impl_->sectionOrder;
    std::sort(inFileOrder.begin(), inFileOrder.end());
    std::vector<std::string> names;
    names.reserve(inFileOrder.size());
    for (const uint32_t s : inFileOrder)
        names.emplace_back(impl_->View(impl_->sections[s].name));
    return names;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    WriteStrings(section, {{std::string(key), std::string(value)}});
}

void IniFile::WriteStrings(std::string_view section,
                           const std::vector<std::pair<std::string, std::string>>& values)
{
    const std::string& fileName = impl_->fileName;
    const std::string_view sectionName = Trim(section);
    for (const auto& [key, value] : values)
        CheckStorable(fileName, sectionName, Trim(key), value);

    // Start from the file as it is now, under its lock, so that two objects on one file (in one
    // copy of the game or two) keep each other's writes.
    const FileLock lock(fileName);
    Impl current;
    current.fileName = fileName;
    current.Load();
    if (!current.readProblem.empty())
        Refuse(fileName, current.readProblem);
    for (size_t i = 0; i < values.size(); ++i) {
        std::string updated = current.WithValue(sectionName, Trim(values[i].first), values[i].second);
        if (updated.size() > kMaxFileSize)
            Refuse(fileName, "it would grow beyond " + SizeText(kMaxFileSize));
        current.text = std::move(updated);
        // The index must know the lines just added before the next key looks for its place.
        if (i + 1 < values.size())
            current.BuildIndex();
    }
    ReplaceContent(fileName, current.text);
    current.BuildIndex();
    *impl_ = std::move(current);
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int32_t value)
{
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

void IniFile::SetString(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string_view sectionName = Trim(section);
    const std::string_view keyName = Trim(key);
    CheckStorable(impl_->fileName, sectionName, keyName, value);
    std::string updated = impl_->WithValue(sectionName, keyName, value);
    impl_->text = std::move(updated);
    impl_->BuildIndex();
}

void IniFile::RemoveKey(std::string_view section, std::string_view key)
{
    const Impl::Section* found = impl_->FindSection(Trim(section));
    const Impl::Entry* entry = found ? impl_->FindKey(*found, Trim(key)) : nullptr;
    if (!entry)
        return;
    const std::string& text = impl_->text;
    size_t begin = entry->key.begin;
    while (begin > 0 && text[begin - 1] != '\n' && text[begin - 1] != '\r')
        --begin;
    size_t end = entry->lineEnd;
    if (end < text.size())
        end += text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2u : 1u;
    std::string updated = impl_->Splice(begin, end, "");
    impl_->text = std::move(updated);
    impl_->BuildIndex();
}

const std::string& IniFile::Bytes() const { return impl_->text; }

void IniFile::SaveAs(const std::string& fileName) const
{
    if (!impl_->readProblem.empty())
        Refuse(fileName, impl_->readProblem);
    ReplaceContent(fileName, impl_->text);
}

} // namespace brv
