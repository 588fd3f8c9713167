#pragma once
// Where the game finds its files: the running program's own directory, and the per-user
// configuration directory ($XDG_CONFIG_HOME/brevanto/, default ~/.config/brevanto/).
#include <string>

namespace brv {

std::string ProgramDir(); // ends in "/"
std::string ConfigDir();  // ends in "/"; empty when there is no home at all
bool FileExists(const std::string& path); // an existing file that is not a directory
// Whether two paths name the same file or folder: both made absolute (a relative one against the
// current directory), then compared byte for byte, since names that differ in letter case are
// different files here.
bool SamePath(const std::string& a, const std::string& b);

} // namespace brv
