// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An advisory lock for writers that read a shared file, change it and write it back (the
// hi-score tables, the settings file): two copies of the game take turns, and the second reads
// what the first wrote before it merges its own change in. The lock is flock() on a lock file
// beside the file (".NAME.lock"), which stays there: removing it would let a third writer lock a
// new file while the second still holds the old one.
//
// Nested locks of one file in one process count, so a writer under the lock may call code that
// takes it again. Threads of one process are not kept apart: one thread writes each file. Where
// no lock file can be made or opened (a read-only folder, a folder whose mode lets nobody write,
// which root too leaves alone), or another process holds the lock for longer than a few seconds
// (a hung copy), the writer goes on without it rather than wait for ever.
#include <string>

namespace brv {

class FileLock {
public:
    explicit FileLock(const std::string& fileName);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool Held() const { return !key_.empty(); }

private:
    std::string key_; // the lock file's absolute name while held
};

// The lock file's name for `fileName`: beside it, hidden, short enough for any legal name.
std::string LockFileName(const std::string& fileName);

} // namespace brv
