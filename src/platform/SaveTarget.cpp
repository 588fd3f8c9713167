// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SaveTarget.h"

#include "platform/IniFile.h"
#include "platform/FileReplace.h"
#include "platform/Paths.h"
#include "platform/WholeFileRead.h"

#include <filesystem>
#include <system_error>
#include <sys/stat.h>
#include <unistd.h>

namespace brv {
namespace {

std::string ReadSeed(const std::string& fileName)
{
    // A settings file larger than the limit is no settings file; copying part of it would lose keys.
    WholeFile seed = ReadWholeFile(fileName);
    if (!seed.Ok())
        throw IniWriteError(fileName, seed.Problem());
    return std::move(seed.Bytes);
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
    if (const std::string problem = MakeFolderFor(perUserFile); !problem.empty())
        throw IniWriteError(perUserFile, problem);
    if (FileExists(perUserFile) || !FileExists(readFile))
        return {perUserFile, {}};
    return {perUserFile, readFile};
}

IniFile OpenSaveTarget(const SaveTarget& target)
{
    // The copy is whole and flushed before it takes its place: being the per-user file, a partial
    // one would be read first next time.
    if (!target.SeedFrom.empty())
        if (const std::string problem = ReplaceWholeFile(target.FileName, ReadSeed(target.SeedFrom));
            !problem.empty())
            throw IniWriteError(target.FileName, problem);
    return IniFile(target.FileName);
}

} // namespace brv
