// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One bounded read of a whole file, for every reader of the game's files: only a regular file is
// read (a FIFO or a device never blocks the reader nor feeds it without end), and never more than
// a limit, so a huge file costs no more memory than the limit.
#include <cstddef>
#include <string>

namespace brv {

// The most any of the game's files may hold: settings, language, course, hi-score and sheet
// files are far smaller. Also keeps every offset into an INI text within 32 bits.
inline constexpr size_t MaxWholeFileBytes = size_t{64} << 20;

enum class WholeFileOutcome {
    Read,       // Bytes holds the whole file
    Missing,    // no file of that name (nor its folder)
    NotRegular, // a folder, a FIFO, a device: nothing read
    TooLarge,   // more than the limit: Bytes holds its first `limit` bytes
    Failed,     // it could not be opened or read: Error says why
};

struct WholeFile {
    WholeFileOutcome Outcome = WholeFileOutcome::Missing;
    std::string Bytes;
    int Error = 0;    // errno of a failure; EISDIR for a folder
    size_t Limit = 0; // the limit the read used

    bool Ok() const { return Outcome == WholeFileOutcome::Read; }
    // Why it was not read whole, in a few words ("larger than 64 MiB", the system's text).
    std::string Problem() const;
};

WholeFile ReadWholeFile(const std::string& path, size_t limit = MaxWholeFileBytes);

// "64 MiB", "1 MiB", "512 bytes": a size limit as messages name it.
std::string SizeText(size_t bytes);

} // namespace brv
