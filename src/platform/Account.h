// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user account the game runs under, for offering a player's name.
#include <string>

namespace brv {

// The account's full name (the first comma field of its GECOS entry); empty when not set.
std::string AccountFullName();
// The account's login name: from the password database, else $USER; empty when unknown.
std::string AccountLogin();

} // namespace brv
