#include "platform/SaveTarget.h"

#include "platform/IniFile.h"
#include "platform/Paths.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <sys/stat.h>
#include <unistd.h>

namespace brv {
namespace {

// A settings file larger than this is no settings file; copying part of it would lose keys.
constexpr std::uintmax_t kMaxSeedSize = std::uintmax_t{64} << 20;

std::string ReadSeed(const std::string& fileName)
{
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(fileName, ec);
    if (ec)
        throw IniWriteError(fileName + ": " + ec.message());
    if (size > kMaxSeedSize)
        throw IniWriteError(fileName + ": larger than 64 MiB");
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        throw IniWriteError(fileName + ": " + std::strerror(errno));
    std::string bytes(std::istreambuf_iterator<char>(in), {});
    if (bytes.size() > kMaxSeedSize)
        throw IniWriteError(fileName + ": larger than 64 MiB");
    return bytes;
}

// Puts `bytes` in place as `fileName` through a temporary file beside it, so that a failure
// never leaves a partial copy (which, being the per-user file, would be read first next time).
void WriteWholeFile(const std::string& fileName, const std::string& bytes)
{
    std::string temp = fileName + ".XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0)
        throw IniWriteError(fileName + ": " + std::strerror(errno));
    size_t written = 0;
    int error = 0;
    while (written < bytes.size() && error == 0) {
        const ssize_t count = write(fd, bytes.data() + written, bytes.size() - written);
        if (count < 0 && errno != EINTR)
            error = errno;
        else if (count > 0)
            written += static_cast<size_t>(count);
    }
    if (error == 0 && fsync(fd) != 0)
        error = errno;
    if (close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && rename(temp.c_str(), fileName.c_str()) != 0)
        error = errno;
    if (error != 0) {
        unlink(temp.c_str());
        throw IniWriteError(fileName + ": " + std::strerror(error));
    }
}

// Writable for this process, and not marked read-only for everyone: root may write anything,
// but a file or folder that grants nobody write access is left alone by root too.
bool Writable(const std::string& path)
{
    struct stat info {};
    return access(path.c_str(), W_OK) == 0 && stat(path.c_str(), &info) == 0 &&
           (info.st_mode & 0222) != 0;
}

// The file, or where it does not exist its folder, grants nobody write access.
bool MarkedReadOnly(const std::string& fileName)
{
    struct stat info {};
    if (stat(fileName.c_str(), &info) == 0)
        return (info.st_mode & 0222) == 0;
    std::string folder = std::filesystem::path(fileName).parent_path().string();
    return stat(folder.empty() ? "." : folder.c_str(), &info) == 0 && (info.st_mode & 0222) == 0;
}

} // namespace

bool CanReplaceFile(const std::string& fileName)
{
    const std::filesystem::path path(fileName);
    std::string folder = path.parent_path().string();
    if (folder.empty())
        folder = ".";
    if (!Writable(folder) || access(folder.c_str(), X_OK) != 0)
        return false;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return !ec;
    return FileExists(fileName) && Writable(fileName);
}

SaveTarget ChooseSaveTarget(const std::string& readFile, const std::string& perUserFile,
                            bool readFileInstalled)
{
    if (readFile == perUserFile || (!readFileInstalled && CanReplaceFile(readFile)))
        return {readFile, {}};
    if (perUserFile.empty()) {
        // An installed tree is never written, nor is a file (or, for a new one, a folder) whose
        // mode lets nobody write, even where root could. Elsewhere the write is tried and its
        // refusal reported, which leaves the file as it was.
        if (readFileInstalled)
            throw IniWriteError(readFile + ": no per-user folder to save the settings in");
        if (MarkedReadOnly(readFile))
            throw IniWriteError(readFile + ": read-only, and no per-user folder to save the settings in");
        return {readFile, {}};
    }
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(perUserFile).parent_path(), ec);
    // A failure here shows when the file is written, naming it.
    if (FileExists(perUserFile) || !FileExists(readFile))
        return {perUserFile, {}};
    return {perUserFile, readFile};
}

IniFile OpenSaveTarget(const SaveTarget& target)
{
    if (!target.SeedFrom.empty())
        WriteWholeFile(target.FileName, ReadSeed(target.SeedFrom));
    return IniFile(target.FileName);
}

} // namespace brv
