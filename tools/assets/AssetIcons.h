// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's icons for the desktop's hicolor theme, rendered from the program picture the
// windows show.
#include <QDir>

namespace assets {

// Writes hicolor/<N>x<N>/apps/brevanto.png for every installed size under `dir`; false (and a
// message) when a file cannot be written.
bool writeProgramIcons(const QDir &dir);

} // namespace assets
