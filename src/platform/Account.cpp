// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Account.h"

#include <cstdlib>
#include <vector>

#include <pwd.h>
#include <unistd.h>

namespace brv {
namespace {

// The account's entry, read with a buffer of its own so no other caller can overwrite it.
template <typename Use>
std::string WithAccountEntry(Use use)
{
    std::vector<char> buffer(16384);
    passwd entry {};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found)
        return {};
    return use(*found);
}

} // namespace

std::string AccountFullName()
{
    return WithAccountEntry([](const passwd& entry) {
        const std::string gecos = entry.pw_gecos ? entry.pw_gecos : "";
        return gecos.substr(0, gecos.find(','));
    });
}

std::string AccountLogin()
{
    std::string login = WithAccountEntry([](const passwd& entry) {
        return std::string(entry.pw_name ? entry.pw_name : "");
    });
    if (login.empty())
        if (const char* user = std::getenv("USER"))
            login = user;
    return login;
}

} // namespace brv
