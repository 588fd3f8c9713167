// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a settings file is saved. It is written where it was read as long as that is allowed
// and possible; an installed program (whose tree is never written, not even by root), or a file
// that cannot be written, saves to the per-user file instead. That file is created on the first
// such save as a copy of the one read, so its comments and keys stay, and then takes the
// changed keys.
#include <string>

namespace brv {

class IniFile;

struct SaveTarget {
    std::string FileName; // the file the changed keys are written to
    // When not empty: FileName does not exist yet and is to start with this file's content.
    std::string SeedFrom;
};

// `readFile` is the file the settings were read from (which may not exist), `perUserFile` the
// per-user one (empty when there is no per-user folder), `readFileInstalled` whether `readFile`
// lies in an installed tree. Creates the per-user file's folder when the save goes there.
// Throws IniWriteError when there is nowhere the save may go.
SaveTarget ChooseSaveTarget(const std::string& readFile, const std::string& perUserFile,
                            bool readFileInstalled);

// The file a save writes its changed keys into. A target to be seeded is first created as a
// whole copy of its seed. Throws IniWriteError (naming the file) when the copy cannot be made.
IniFile OpenSaveTarget(const SaveTarget& target);

// Whether a save could replace `fileName` (or create it, when missing): the file and its folder
// both writable, since the new content is put in place through a temporary file beside it. A
// file or folder whose mode grants nobody write access counts as read-only even for root.
bool CanReplaceFile(const std::string& fileName);

} // namespace brv
