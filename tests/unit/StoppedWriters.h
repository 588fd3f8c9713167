// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writers stopped where a test chooses, through the file-system seam: every save's calls are
// counted, and at a chosen call the test's action runs (end the process as a kill would, fail,
// or wait for a word from the test). A writer that must die runs in a child process.
#include "platform/FileSystemCalls.h"

#include <functional>
#include <string>

// Counts the calls of every save made while it is installed; `Before` runs before each call
// with its number (from 1) and a name ("open", "write", "sync", "truncate", "rename", "close").
class CountingCalls : public brv::FileSystemCalls {
public:
    std::function<void(int step, const std::string& call, const char* path, int fd)> Before;
    int Steps() const { return steps_; }

    int Open(const char* path, int flags, mode_t mode) override;
    ssize_t WriteAt(int fd, const void* data, size_t size, off_t offset) override;
    int Sync(int fd) override;
    int Truncate(int fd, off_t size) override;
    int Rename(const char* from, const char* to) override;
    int Close(int fd) override;

private:
    void Step(const std::string& call, const char* path, int fd);
    int steps_ = 0;
};

// Runs `work` in a child process with the calls counted, the child ending at once (no clean-up,
// as SIGKILL) just before call `stopAt`. True when the child was stopped there, false when the
// work finished first.
bool RunStoppedAt(int stopAt, const std::function<void(CountingCalls&)>& work);

// Runs `work` in a child process; returns its exit status (the work's return value).
int RunInChild(const std::function<int()>& work);

// Two copies of the game saving at once. `first` runs in a child that is held at its rename
// (having read the file and written its copy); `second` then runs in another child. True when
// `second` got as far as making its own copy while the first was held, that is when the file's
// lock did not keep it waiting (it is given a second to do so). Both then finish.
bool SecondGotInWhileFirstHeld(const std::function<void()>& first, const std::function<void()>& second);
