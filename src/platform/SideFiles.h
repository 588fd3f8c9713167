// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names of the files a save keeps beside a file: its temporary copies and its lock file.
// They start with a dot (hidden from file dialogs) and the file's own name, so a look at the
// folder tells whose they are; a name too long for that is cut and ends in a hash of the whole
// name, so that every legal name (up to 255 bytes) has side files within the same limit.
#include <string>
#include <string_view>

namespace brv {

// The folder part and the stem of every side file of `fileName`: "DIR/.NAME" or, for a long
// name, "DIR/.NAM~1f2e3d4c".
std::string SideFileStem(const std::string& fileName);

// A temporary name for a new copy of `fileName`: the stem, ".tmp-" and six letters or digits.
std::string TemporaryFileName(const std::string& fileName, std::string_view sixLetters);

// Whether `entry` (a name in the file's folder) is one of its temporary copies: one made by
// TemporaryFileName, or by the earlier "NAME.tmp-xxxxxx" naming.
bool IsTemporaryCopyOf(std::string_view entry, const std::string& fileName);

} // namespace brv
