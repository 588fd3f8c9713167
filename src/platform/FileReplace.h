// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one way the game's programs put a new whole content in place of a file: written to a
// temporary copy beside it (created with the file's mode from the start, so a private file's
// content is never readable by others), flushed, and renamed over it, so a crash or a kill
// leaves either the old or the new file, never part of one. A symbolic link is kept: its target
// is replaced. The file's owner and mode are kept.
//
// Each save removes the temporary copies of the file that earlier saves, killed half-way, left
// behind. Saves that read the file, change it and write it back take its FileLock around all
// three; this replace alone takes no lock.
#include <string>
#include <string_view>

namespace brv {

struct ReplaceOptions {
    // Where the folder takes no new file but the file itself may be written (a file shared in a
    // read-only folder, or mounted on its own), rewrite it in place instead of refusing. The new
    // content then goes in with a single write over the old one, padded with `Filler` to the old
    // length, and is cut to its length only after it is on disk: a kill at any point leaves the
    // old content, or the new one followed by filler. Only a crash of the whole system inside
    // that write can leave a mix.
    bool InPlaceFallback = false;
    char Filler = '\n';
};

// Empty when the content is in place; otherwise why not, and the file is as it was.
[[nodiscard]] std::string ReplaceWholeFile(const std::string& fileName, std::string_view content,
                                           const ReplaceOptions& options = {});

// Creates the folder that is to hold `fileName` (and its parents). Empty when it exists now,
// otherwise a message naming the folder that could not be created and why.
[[nodiscard]] std::string MakeFolderFor(const std::string& fileName);

} // namespace brv
