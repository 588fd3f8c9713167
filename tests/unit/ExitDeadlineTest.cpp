// SPDX-License-Identifier: GPL-3.0-or-later
// The game ends once its work is saved even when releasing sound or controllers blocks: a
// process stuck in its clean-up still ends, with the status it was ending with; one that ends
// by itself first keeps its own.
#include "platform/ExitDeadline.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

// The child's wait status, or -1 when it has not ended after a generous while (then killed).
int EndOfChild(pid_t child)
{
    for (int waited = 0; waited < 2000; ++waited) {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child)
            return status;
        std::this_thread::sleep_for(10ms);
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    return -1;
}

} // namespace

TEST(ExitDeadline, AProcessStuckInItsCleanUpStillEndsWithItsStatus)
{
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        brv::EndWithin(20ms, 7);
        for (;;)
            pause(); // a clean-up that never returns
    }
    const int status = EndOfChild(child);
    ASSERT_NE(status, -1) << "the process did not end";
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 7);
}

TEST(ExitDeadline, AnEndBeforeTheDeadlineKeepsItsOwnStatus)
{
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        brv::EndWithin(60s, 7);
        std::_Exit(3);
    }
    const int status = EndOfChild(child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 3);
}
