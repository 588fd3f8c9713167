// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keys between the toolkit's events and the game's key bindings.
#include "platform/KeyText.h"

#include <QKeySequence>
#include <QString>

class QKeyEvent;

namespace brv {

// The key of a key event with its modifiers; the layout-group flag does not count.
KeyChord ChordOf(const QKeyEvent& event);
QKeySequence SequenceOf(KeyChord chord);
// The key as the platform writes it in menus ("Ctrl+P"); empty for no key.
QString KeyDisplayName(KeyChord chord);

} // namespace brv
