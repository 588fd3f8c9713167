// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoppedWriters.h"

#include <utility>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

void CountingCalls::Step(const std::string& call, const char* path, int fd)
{
    ++steps_;
    if (Before)
        Before(steps_, call, path, fd);
}

int CountingCalls::Open(const char* path, int flags, mode_t mode)
{
    Step("open", path, -1);
    return FileSystemCalls::Open(path, flags, mode);
}

ssize_t CountingCalls::WriteAt(int fd, const void* data, size_t size, off_t offset)
{
    Step("write", nullptr, fd);
    return FileSystemCalls::WriteAt(fd, data, size, offset);
}

int CountingCalls::Sync(int fd)
{
    Step("sync", nullptr, fd);
    return FileSystemCalls::Sync(fd);
}

int CountingCalls::Truncate(int fd, off_t size)
{
    Step("truncate", nullptr, fd);
    return FileSystemCalls::Truncate(fd, size);
}

int CountingCalls::Rename(const char* from, const char* to)
{
    Step("rename", from, -1);
    return FileSystemCalls::Rename(from, to);
}

int CountingCalls::Close(int fd)
{
    Step("close", nullptr, fd);
    return FileSystemCalls::Close(fd);
}

int RunInChild(const std::function<int()>& work)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(work());
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

bool RunStoppedAt(int stopAt, const std::function<void(CountingCalls&)>& work)
{
    constexpr int Stopped = 42;
    return RunInChild([&] {
               CountingCalls calls;
               calls.Before = [stopAt](int step, const std::string&, const char*, int) {
                   if (step == stopAt)
                       _exit(Stopped);
               };
               const brv::FileSystemCallsOverride seam(calls);
               try {
                   work(calls);
               } catch (...) {
                   return 1;
               }
               return 0;
           })
           == Stopped;
}

namespace {

struct Pipe {
    int Read = -1;
    int Write = -1;
    Pipe()
    {
        int fds[2];
        if (pipe(fds) == 0) {
            Read = fds[0];
            Write = fds[1];
        }
    }
    ~Pipe()
    {
        close(Read);
        close(Write);
    }
};

// A child running `work` with `at` called before each of its file-system calls.
pid_t StartChild(const std::function<void()>& work,
                 std::function<void(int, const std::string&, const char*, int)> at)
{
    const pid_t child = fork();
    if (child != 0)
        return child;
    CountingCalls calls;
    calls.Before = std::move(at);
    const brv::FileSystemCallsOverride seam(calls);
    try {
        work();
    } catch (...) {
        _exit(1);
    }
    _exit(0);
}

bool WaitForByte(int fd, int milliseconds)
{
    pollfd ready{fd, POLLIN, 0};
    char byte = 0;
    return poll(&ready, 1, milliseconds) == 1 && read(fd, &byte, 1) == 1;
}

} // namespace

bool SecondGotInWhileFirstHeld(const std::function<void()>& first, const std::function<void()>& second)
{
    Pipe held, release, entered;
    const pid_t a = StartChild(first, [&](int, const std::string& call, const char*, int) {
        if (call != "rename")
            return;
        char byte = 'a';
        (void)!write(held.Write, &byte, 1);
        (void)!read(release.Read, &byte, 1);
    });
    WaitForByte(held.Read, -1);
    bool firstOpen = true;
    const pid_t b = StartChild(second, [&](int, const std::string& call, const char*, int) {
        if (call == "open" && std::exchange(firstOpen, false)) {
            char byte = 'b';
            (void)!write(entered.Write, &byte, 1);
        }
    });
    const bool gotIn = WaitForByte(entered.Read, 1000);
    char byte = 'r';
    (void)!write(release.Write, &byte, 1);
    int status = 0;
    waitpid(a, &status, 0);
    waitpid(b, &status, 0);
    return gotIn;
}
