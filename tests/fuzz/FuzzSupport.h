#pragma once
// What every fuzz target needs: a check that stops the run on a broken promise, and a scratch
// folder for the files the readers take (on tmpfs when there is one), removed at exit.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

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
