// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowPlacing.h"

#include <QFont>
#include <QRect>
#include <QWidget>

namespace brv {

void CentreOver(QWidget& dialog, const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect box = dialog.frameGeometry();
    dialog.move(frame.left() + (frame.width() - box.width()) / 2,
                frame.top() + (frame.height() - box.height()) / 2);
}

QFont LanguageFont(QFont font, const QString& family, int pointSize, bool& changed)
{
    changed = false;
    if (!family.isEmpty() && family != font.family()) {
        font.setFamily(family);
        changed = true;
    }
    if (pointSize > 0 && pointSize <= MaxFontPoints && pointSize != font.pointSize()) {
        font.setPointSize(pointSize);
        changed = true;
    }
    return font;
}

} // namespace brv
