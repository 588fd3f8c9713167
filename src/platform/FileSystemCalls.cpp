// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileSystemCalls.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace brv {
namespace {

FileSystemCalls& SystemCalls()
{
    static FileSystemCalls calls;
    return calls;
}

FileSystemCalls* current = nullptr;

} // namespace

int FileSystemCalls::Open(const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }

ssize_t FileSystemCalls::WriteAt(int fd, const void* data, size_t size, off_t offset)
{
    return ::pwrite(fd, data, size, offset);
}

int FileSystemCalls::Sync(int fd) { return ::fsync(fd); }
int FileSystemCalls::Truncate(int fd, off_t size) { return ::ftruncate(fd, size); }
int FileSystemCalls::Rename(const char* from, const char* to) { return std::rename(from, to); }
int FileSystemCalls::Close(int fd) { return ::close(fd); }

FileSystemCalls& CurrentFileSystemCalls() { return current ? *current : SystemCalls(); }

FileSystemCallsOverride::FileSystemCallsOverride(FileSystemCalls& calls) : previous_(current)
{
    current = &calls;
}

FileSystemCallsOverride::~FileSystemCallsOverride() { current = previous_; }

} // namespace brv
