// SPDX-License-Identifier: GPL-3.0-or-later
// The portable key text is the toolkit's own: parsing and formatting go through QKeySequence,
// which needs no display for this form.
#include "platform/KeyText.h"

#include <QKeySequence>

namespace brv {

static_assert(KeyShift == Qt::ShiftModifier && KeyCtrl == Qt::ControlModifier &&
              KeyAlt == Qt::AltModifier && KeyMeta == Qt::MetaModifier &&
              KeyKeypad == Qt::KeypadModifier && KeyModifierMask == Qt::KeyboardModifierMask);
static_assert(FirstNamedKey == Qt::Key_Escape);

bool Bindable(uint32_t key)
{
    switch (key) {
    case 0:
    case Qt::Key_unknown:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
        return false;
    default:
        return true;
    }
}

std::string KeyText(KeyChord chord)
{
    if (chord.Empty())
        return {};
    const QKeySequence sequence(QKeyCombination::fromCombined(static_cast<int>(chord.Combined)));
    return sequence.toString(QKeySequence::PortableText).toStdString();
}

std::optional<KeyChord> ParseKeyText(std::string_view text)
{
    if (text.empty())
        return KeyChord{};
    // Unknown names read as the toolkit's unknown key; "Ctrl+X, Ctrl+C" as two keys.
    const QKeySequence sequence = QKeySequence::fromString(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
        QKeySequence::PortableText);
    if (sequence.count() != 1)
        return std::nullopt;
    const KeyChord chord{static_cast<uint32_t>(sequence[0].toCombined())};
    if (!Bindable(chord.Key()))
        return std::nullopt;
    // What is stored must read back as the same key; a code the toolkit writes in some other
    // way (or not at all) is no key for the settings file.
    const QKeySequence back = QKeySequence::fromString(
        QString::fromStdString(KeyText(chord)), QKeySequence::PortableText);
    if (back.count() != 1 || static_cast<uint32_t>(back[0].toCombined()) != chord.Combined)
        return std::nullopt;
    return chord;
}

} // namespace brv
