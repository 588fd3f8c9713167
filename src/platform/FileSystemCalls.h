// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system calls a whole-file save makes, behind one seam: a test puts its own calls in place
// to make a step fail, or to stop a save at a chosen step as a kill would, and then looks at
// what is left on disk. The program itself always uses the system's calls.
#include <sys/types.h>

namespace brv {

class FileSystemCalls {
public:
    virtual ~FileSystemCalls() = default;
    virtual int Open(const char* path, int flags, mode_t mode);
    virtual ssize_t WriteAt(int fd, const void* data, size_t size, off_t offset);
    virtual int Sync(int fd);
    virtual int Truncate(int fd, off_t size);
    virtual int Rename(const char* from, const char* to);
    virtual int Close(int fd);
};

// The calls in force.
FileSystemCalls& CurrentFileSystemCalls();

// For tests: while it lives, saves go through `calls` (which must outlive it).
class FileSystemCallsOverride {
public:
    explicit FileSystemCallsOverride(FileSystemCalls& calls);
    ~FileSystemCallsOverride();
    FileSystemCallsOverride(const FileSystemCallsOverride&) = delete;
    FileSystemCallsOverride& operator=(const FileSystemCallsOverride&) = delete;

private:
    FileSystemCalls* previous_;
};

} // namespace brv
