// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the game finds its files: the program's folder (the shipped courses, sheets, texts and
// sounds) and the per-user configuration directory ($XDG_CONFIG_HOME/brevanto/, default
// ~/.config/brevanto/).
#include <string>

namespace brv {

// The program's folder for data. Installed, the executable sits in bin/ of a prefix and its
// files in share/brevanto/ of the same prefix, found relative to the executable so that a
// relocated prefix still works; otherwise (the build folder) the files sit beside it.
struct ProgramFolder {
    std::string Dir;        // ends in "/"
    bool Installed = false; // an installed tree: the program never writes into it
};
// `executableDir` ends in "/"; `dataFromBin` is the data folder relative to it (e.g.
// "../share/brevanto"), which counts only when it is an existing directory.
ProgramFolder LocateProgramFolder(const std::string& executableDir, const std::string& dataFromBin);
// The running program's folder.
ProgramFolder RunningProgramFolder();

std::string ProgramDir(); // ends in "/"
std::string ConfigDir();  // ends in "/"; empty when there is no home at all
// Per-user data the game keeps for itself: $XDG_DATA_HOME/brevanto/ (default
// ~/.local/share/brevanto/). Ends in "/"; empty when there is no home at all.
std::string DataDir();
bool FileExists(const std::string& path); // an existing file that is not a directory
// Whether two paths name the same file or folder: both made absolute (a relative one against the
// current directory), then compared byte for byte, since names that differ in letter case are
// different files here.
bool SamePath(const std::string& a, const std::string& b);

} // namespace brv
