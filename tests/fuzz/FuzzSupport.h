// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every fuzz target needs: a check that stops the run on a broken promise, the input as
// text, and a scratch folder for what must go through files (on tmpfs when there is one),
// removed at exit. Readers take the bytes from memory wherever the program reads that way.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

// A costly path (a file written to disk, a whole analysis) for one input in `every`, picked
// by a hash of all its bytes. Unlike the length, the hash does not survive a mutation, so the
// fuzzer cannot drift to a corpus where the costly path runs on nearly every input, as it
// would for the coverage that path adds; a saved input still replays the same way.
inline bool TakesCostlyPath(const uint8_t* data, size_t size, uint32_t every)
{
    uint32_t hash = 2166136261u;
    for (size_t i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 16777619u;
    return hash % every == 0;
}

inline std::string_view InputText(const uint8_t* data, size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

inline void Check(bool condition, const char* what = "")
{
    if (!condition) {
        std::fprintf(stderr, "check failed: %s\n", what);
        __builtin_trap();
    }
}

class FuzzDir {
public:
    explicit FuzzDir(const std::string& name)
    {
        namespace fs = std::filesystem;
        const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        path_ = base / ("brevanto-fuzz-" + name + "-" + std::to_string(getpid()));
        fs::create_directories(path_);
    }
    ~FuzzDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    FuzzDir(const FuzzDir&) = delete;
    FuzzDir& operator=(const FuzzDir&) = delete;

    std::string File(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Replaces the file with the fuzzer's bytes.
inline void WriteInput(const std::string& path, const uint8_t* data, size_t size)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}
