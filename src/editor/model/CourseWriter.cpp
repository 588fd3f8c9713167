// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/model/CourseWriter.h"

#include "platform/AsciiText.h"
#include "platform/IniFile.h"

#include <algorithm>

namespace {

std::string Pair(int32_t a, int32_t b) { return std::to_string(a) + "," + std::to_string(b); }

// Names compare as the INI layer compares them.
bool SameName(const std::string& a, const std::string& b) { return brv::EqualIgnoringAsciiCase(a, b); }

const CourseFileValue* Find(const std::vector<CourseFileValue>& keys, const std::string& section,
                      const std::string& key)
{
    for (const CourseFileValue& k : keys)
        if (SameName(k.Section, section) && SameName(k.Key, key))
            return &k;
    return nullptr;
}

// What a read gives for a key the file lacks: no stored value holds this byte.
const std::string Absent("\x01" "absent");

bool HasKey(const brv::IniFile& ini, const std::string& section, const std::string& key)
{
    return ini.ReadString(section, key, Absent) != Absent;
}

} // namespace

std::vector<CourseFileValue> CourseFileValues(const CourseDocument& d)
{
    std::vector<CourseFileValue> keys;
    keys.push_back({"DEFINE", "MapSize", Pair(d.Width, d.Height)});
    keys.push_back({"DEFINE", "StartNumber", std::to_string(d.Starts.size())});
    if (d.ScreenSize)
        keys.push_back({"DEFINE", "ScreenSize", Pair(d.ScreenSize->X, d.ScreenSize->Y)});
    const size_t width = static_cast<size_t>(d.Width);
    for (int32_t k = 1; k <= d.Height; ++k)
        keys.push_back({"MAP", std::to_string(k), d.Tiles.substr((k - 1) * width, width)});
    for (size_t k = 0; k < d.SpareTileRows.size(); ++k)
        keys.push_back({"MAP", std::to_string(d.Height + 1 + static_cast<int32_t>(k)),
                        d.SpareTileRows[k]});
    if (!d.Blocks.empty()) {
        keys.push_back({"BLOCK", "Number", std::to_string(d.Blocks.size())});
        for (size_t k = 0; k < d.Blocks.size(); ++k) {
            const TRect& b = d.Blocks[k];
            keys.push_back({"BLOCK", std::to_string(k + 1),
                            Pair(b.Left, b.Top) + "," + Pair(b.Right, b.Bottom)});
        }
        if (!d.Path.empty())
            keys.push_back({"BLOCK", "Path", d.Path});
    }
    for (int32_t k = 1; k <= d.Height; ++k)
        keys.push_back({"MAPDOT", std::to_string(k), d.Dots.substr((k - 1) * width, width)});
    for (size_t k = 0; k < d.SpareDotRows.size(); ++k)
        keys.push_back({"MAPDOT", std::to_string(d.Height + 1 + static_cast<int32_t>(k)),
                        d.SpareDotRows[k]});
    for (size_t i = 0; i < d.Starts.size(); ++i) {
        const StartPlace& s = d.Starts[i];
        keys.push_back({"START", "Pos" + std::to_string(i),
                        Pair(s.Column, s.Row) + "," + Pair(s.Direction, s.Lane) + "," + s.Side +
                            "," + s.Kind});
    }
    for (int k = 0; k < CaptionCount; ++k)
        if (const auto& at = d.Captions[static_cast<size_t>(k)])
            keys.push_back({"DISPLAY", DisplayKeys[static_cast<size_t>(k)], Pair(at->X, at->Y)});
    return keys;
}

std::string SavedBytes(const std::string& original, const CourseDocument& loaded,
                       const CourseDocument& current, const std::vector<FileProblem>& mended)
{
    brv::IniFile ini = brv::IniFile::FromBytes("", original);
    // A new course has no keys yet: every key is written.
    const std::vector<CourseFileValue> before = original.empty() ? std::vector<CourseFileValue>{} : CourseFileValues(loaded);
    const std::vector<CourseFileValue> after = CourseFileValues(current);
    for (const CourseFileValue& k : before) {
        // A key written twice reads as its first line; drop every copy.
        if (!Find(after, k.Section, k.Key))
            for (int copies = 0; copies < 64 && HasKey(ini, k.Section, k.Key); ++copies)
                ini.RemoveKey(k.Section, k.Key);
    }
    for (const CourseFileValue& k : after) {
        const CourseFileValue* was = Find(before, k.Section, k.Key);
        const bool isMended = std::any_of(mended.begin(), mended.end(), [&](const FileProblem& p) {
            return SameName(p.Section, k.Section) && SameName(p.Key, k.Key);
        });
        const bool stale = ini.ReadString(k.Section, k.Key, Absent) != k.Value;
        if ((!was || was->Value != k.Value || isMended) && stale)
            ini.SetString(k.Section, k.Key, k.Value);
    }
    return ini.Bytes();
}

std::string LoaderVerdict(const std::string& bytes, const std::vector<std::string>& errorTexts,
                          int32_t* error)
{
    TMap map(96, 60, 60, false);
    return LoaderVerdict(ParseCourse(brv::IniFile::FromBytes("", bytes)), map, errorTexts, error);
}

std::string LoaderVerdict(const ParsedCourse& course, TMap& map,
                          const std::vector<std::string>& errorTexts, int32_t* error)
{
    if (error)
        *error = 0;
    std::vector<std::string> texts = errorTexts;
    texts.resize(5);
    // What each of the loader's refusals means, in the file's own terms.
    static const char* const rules[5] = {
        "",
        "The course file cannot be read.",
        "MapSize must be two numbers above zero, MAP must hold a row as long as the map is wide "
        "for every row of its height, and the field (ScreenSize) must not be too large.",
        "MAPDOT must hold a row as long as the map is wide for every row of its height.",
        "StartNumber must be at least 1 and equal the number of Pos keys in START, and every "
        "start entry must lie on the course facing up, right, down or left (0, 2, 4 or 6)."};
    for (size_t k = 1; k <= 4; ++k)
        if (texts[k].empty())
            texts[k] = rules[k];
    map.SetErrorTexts(texts);
    try {
        map.LoadParsed(course);
    } catch (const CourseError& refused) {
        if (error)
            *error = refused.Number;
        return refused.what();
    }
    return {};
}

void WriteCourseFile(const std::string& fileName, const std::string& bytes)
{
    brv::IniFile::FromBytes(fileName, bytes).SaveAs(fileName);
}
