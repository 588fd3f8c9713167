// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Paths.h"

#include "BrevantoBuild.h"

#include <cstdlib>
#include <filesystem>

namespace brv {
namespace {

std::string WithSlash(std::string dir)
{
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    return dir;
}

std::string ExecutableDir()
{
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return "./";
    return WithSlash(exe.parent_path().string());
}

} // namespace

ProgramFolder LocateProgramFolder(const std::string& executableDir, const std::string& dataFromBin)
{
    if (!dataFromBin.empty()) {
        std::error_code ec;
        const std::filesystem::path data =
            (std::filesystem::path(executableDir) / dataFromBin).lexically_normal();
        if (std::filesystem::is_directory(data, ec))
            return {WithSlash(data.string()), true};
    }
    return {WithSlash(executableDir), false};
}

ProgramFolder RunningProgramFolder()
{
    return LocateProgramFolder(ExecutableDir(), BrevantoDataFromBin);
}

std::string ProgramDir() { return RunningProgramFolder().Dir; }

namespace {

// The game's folder under an XDG base directory: the variable when it holds an absolute path,
// else the default under the home folder.
std::string XdgGameDir(const char* variable, const char* underHome)
{
    std::string base;
    if (const char* xdg = std::getenv(variable); xdg && *xdg == '/')
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::string(home) + underHome;
    else
        return {};
    return base + "/brevanto/";
}

} // namespace

std::string ConfigDir() { return XdgGameDir("XDG_CONFIG_HOME", "/.config"); }

std::string DataDir() { return XdgGameDir("XDG_DATA_HOME", "/.local/share"); }

bool FileExists(const std::string& path)
{
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    return !ec && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

namespace {

std::string Absolute(const std::string& path)
{
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.string();
}

} // namespace

bool SamePath(const std::string& a, const std::string& b)
{
    return a == b || Absolute(a) == Absolute(b);
}

} // namespace brv
