#pragma once
// The subcommands of brevanto-sim. Each takes the arguments after its name and returns the
// process exit status (0 fine, 2 rejected course or unreadable sheet, 3 fatal course error
// during a run, 64 usage error).
#include <string>
#include <vector>

inline constexpr int ExitUsage = 64;

int RunInfoCommand(const std::vector<std::string>& args);
int RunRunCommand(const std::vector<std::string>& args);
int RunRenderCommand(const std::vector<std::string>& args);
