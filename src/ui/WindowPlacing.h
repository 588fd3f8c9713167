// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small helpers that more than one window uses to place and dress its dialogs.
class QFont;
class QString;
class QWidget;

namespace brv {

// Moves `dialog` so that its frame is centred over the frame of `window`; the halves are
// truncated toward zero.
void CentreOver(QWidget& dialog, const QWidget& window);

// Language files give a font of at most this many points: larger sizes would only make the
// windows unusable, and huge ones exhaust memory.
inline constexpr int MaxFontPoints = 72;

// `font` with the language file's family (when not empty) and point size (when 1 to
// MaxFontPoints); `changed` tells whether either differs from what the font had.
QFont LanguageFont(QFont font, const QString& family, int pointSize, bool& changed);

} // namespace brv
