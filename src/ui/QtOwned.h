// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Widgets, actions and timers belong to their Qt parent, which deletes them with itself; this is
// the one place where the windows create such parent-owned objects.
#include <utility>

namespace brv {

template <class T, class... Args>
T* MakeChild(Args&&... args)
{
    return new T(std::forward<Args>(args)...);
}

} // namespace brv
