// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileLock.h"

#include "platform/SideFiles.h"

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <map>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brv {
namespace {

struct HeldLock {
    int fd = -1;
    int count = 0;
};

std::mutex heldMutex;
std::map<std::string, HeldLock>& HeldLocks()
{
    static std::map<std::string, HeldLock> held;
    return held;
}

// A wait this long means a copy that hangs while holding the lock.
constexpr auto MaxWait = std::chrono::seconds(5);
constexpr auto Poll = std::chrono::milliseconds(10);

bool FolderLetsAnyoneWrite(const std::string& lockName)
{
    struct stat info {};
    const std::string folder = std::filesystem::path(lockName).parent_path().string();
    return stat(folder.empty() ? "." : folder.c_str(), &info) == 0 && (info.st_mode & 0222) != 0;
}

int OpenLockFile(const std::string& lockName)
{
    if (FolderLetsAnyoneWrite(lockName)) {
        const int fd = open(lockName.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0)
            return fd;
    }
    // flock() needs no write access: an existing lock file in a read-only folder still serves.
    return open(lockName.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
}

bool LockWithin(int fd)
{
    const auto deadline = std::chrono::steady_clock::now() + MaxWait;
    while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            return false;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(Poll);
    }
    return true;
}

} // namespace

std::string LockFileName(const std::string& fileName) { return SideFileStem(fileName) + ".lock"; }

FileLock::FileLock(const std::string& fileName)
{
    std::error_code ec;
    std::string lockName = std::filesystem::absolute(LockFileName(fileName), ec).lexically_normal().string();
    if (ec)
        return;
    const std::lock_guard<std::mutex> guard(heldMutex);
    HeldLock& held = HeldLocks()[lockName];
    if (held.count == 0) {
        const int fd = OpenLockFile(lockName);
        if (fd < 0 || !LockWithin(fd)) {
            if (fd >= 0)
                close(fd);
            HeldLocks().erase(lockName);
            return;
        }
        held.fd = fd;
    }
    ++held.count;
    key_ = std::move(lockName);
}

FileLock::~FileLock()
{
    if (key_.empty())
        return;
    const std::lock_guard<std::mutex> guard(heldMutex);
    const auto found = HeldLocks().find(key_);
    if (found == HeldLocks().end() || --found->second.count > 0)
        return;
    close(found->second.fd); // closing the only descriptor releases the lock
    HeldLocks().erase(found);
}

} // namespace brv
