#pragma once
// Where the game finds its files: the running program's own directory, and the per-user
// configuration directory ($XDG_CONFIG_HOME/brevanto/, default ~/.config/brevanto/).
#include <string>

namespace brv {

std::string ProgramDir(); // ends in "/"
std::string ConfigDir();  // ends in "/"; empty when there is no home at all
// Per-user data the game keeps for itself: $XDG_DATA_HOME/brevanto/ (default
// ~/.local/share/brevanto/). Ends in "/"; empty when there is no home at all.
std::string DataDir();
bool FileExists(const std::string& path); // an existing file that is not a directory

} // namespace brv
