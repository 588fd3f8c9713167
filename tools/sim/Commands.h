// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The subcommands of brevanto-sim. Each takes the arguments after its name and returns the
// process exit status (0 fine, 2 rejected course or unreadable sheet, 3 fatal course error
// during a run, 5 errors found by check, 64 usage error, 74 standard output not written).
#include <string>
#include <vector>

inline constexpr int ExitUsage = 64;
inline constexpr int ExitCourseErrors = 5;

int RunInfoCommand(const std::vector<std::string>& args);
int RunRunCommand(const std::vector<std::string>& args);
int RunRenderCommand(const std::vector<std::string>& args);
int RunCheckCommand(const std::vector<std::string>& args);
// Exit 0 when every replay ends as it claims, 3 when one does not, 2 for one that cannot be read.
int RunVerifyCommand(const std::vector<std::string>& args);
