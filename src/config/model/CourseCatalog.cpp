// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/model/CourseCatalog.h"

#include "config/model/HiScoreBook.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <system_error>

namespace {

namespace fs = std::filesystem;

// A description is one line near the top: reading further would only cost time on a huge file.
constexpr size_t HeadBytes = 4096;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool HasCourseExtension(const std::string& name)
{
    if (name.size() <= 4)
        return false;
    std::string extension = name.substr(name.size() - 4);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c); });
    return extension == ".DAT";
}

std::string ReadHead(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::string head(HeadBytes, '\0');
    file.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<size_t>(std::max<std::streamsize>(file.gcount(), 0)));
    return head;
}

} // namespace

std::string UserCoursesDir(const std::string& dataDir)
{
    return dataDir.empty() ? std::string() : dataDir + "courses/";
}

bool EnsureUserCoursesDir(const std::string& dir)
{
    if (dir.empty())
        return false;
    std::error_code ec;
    fs::create_directories(dir, ec);
    return fs::is_directory(dir, ec);
}

std::vector<std::string> CourseFilesIn(const std::string& dir)
{
    std::vector<std::string> files;
    if (dir.empty())
        return files;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (HasCourseExtension(name) && it->is_regular_file(ec))
            files.push_back(it->path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string LeadingComment(std::string_view bytes)
{
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    while (!bytes.empty()) {
        const size_t end = bytes.find_first_of("\r\n");
        const std::string_view line = Trimmed(bytes.substr(0, end));
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (line.empty())
            continue;
        if (line.front() != ';')
            return {};
        const std::string_view text = Trimmed(line.substr(1));
        if (!text.empty())
            return std::string(text);
    }
    return {};
}

std::string CourseDescriptionOf(const std::string& path)
{
    return LeadingComment(ReadHead(path));
}

std::vector<CatalogCourse> ListCourses(const std::string& programDir, const std::string& userDir)
{
    std::vector<CatalogCourse> courses;
    std::set<std::string> seen;
    const auto add = [&](const std::string& dir, bool perUser) {
        for (const std::string& path : CourseFilesIn(dir)) {
            std::error_code ec;
            const fs::path canonical = fs::weakly_canonical(path, ec);
            if (!seen.insert(ec ? path : canonical.string()).second)
                continue;
            courses.push_back({path, perUser, LeadingComment(ReadHead(path))});
        }
    };
    add(programDir, false);
    add(userDir, true);
    return courses;
}

std::optional<int32_t> BestScoreOf(const HiScoreBook& book, const std::string& coursePath)
{
    const HiScoreTable table = book.TableOf(CourseKeyOf(coursePath));
    if (table.Empty())
        return std::nullopt;
    return table.Entries().front().Score;
}
