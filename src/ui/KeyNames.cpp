// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/KeyNames.h"

#include <QKeyEvent>

namespace brv {

KeyChord ChordOf(const QKeyEvent& event)
{
    const auto combined = static_cast<uint32_t>(event.keyCombination().toCombined());
    return KeyChord{combined & ~static_cast<uint32_t>(Qt::GroupSwitchModifier)};
}

QKeySequence SequenceOf(KeyChord chord)
{
    if (chord.Empty())
        return {};
    return QKeySequence(QKeyCombination::fromCombined(static_cast<int>(chord.Combined)));
}

QString KeyDisplayName(KeyChord chord)
{
    return SequenceOf(chord).toString(QKeySequence::NativeText);
}

} // namespace brv
