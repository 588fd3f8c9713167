#include "platform/Paths.h"

#include <cstdlib>
#include <filesystem>

namespace brv {

std::string ProgramDir()
{
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return "./";
    std::string dir = exe.parent_path().string();
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    return dir;
}

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

} // namespace brv
