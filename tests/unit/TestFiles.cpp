// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestFiles.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <iterator>
#include <unistd.h>

TempDir::TempDir()
{
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("brevanto-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string TempDir::Write(const std::string& name, const std::string& text) const
{
    const std::filesystem::path file = path_ / name;
    std::ofstream(file, std::ios::binary) << text;
    return file.string();
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string CourseText(const std::string& define, const std::string& map, const std::string& dots,
                       const std::string& start, const std::string& extra)
{
    return "[DEFINE]\n" + define + "\n[MAP]\n" + map + "\n[MAPDOT]\n" + dots + "\n[START]\n" +
           start + "\n" + extra;
}

TMap LoadCourseText(const TempDir& dir, const std::string& text)
{
    TMap map(96, 160, 60, false);
    map.LoadFromFile(dir.Write("course.dat", text));
    return map;
}

std::vector<std::string> ShippedCourseFiles()
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(BREVANTO_ASSETS_DIR))
        if (entry.path().extension() == ".DAT")
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
