// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A hint is "tooltip|status text": the short part before the bar shows as a tooltip, the long
// part after it in the status bar. A hint without a bar is both.
#include <QString>

namespace brv {

inline QString ShortHint(const QString& hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

inline QString LongHint(const QString& hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

} // namespace brv
