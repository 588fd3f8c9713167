// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ScriptedSeam.h"

#include <QDialog>

namespace testing_ui {

void ScriptedSeam::ShowError(QWidget*, const QString& caption, const QString& text)
{
    Boxes.push_back({QStringLiteral("error"), caption, text});
    if (WhileOpen)
        WhileOpen();
}

void ScriptedSeam::ShowInformation(QWidget*, const QString& caption, const QString& text)
{
    Boxes.push_back({QStringLiteral("information"), caption, text});
    if (WhileOpen)
        WhileOpen();
}

QString ScriptedSeam::OpenFile(QWidget*, const QString& filter, const QString& fileName, bool)
{
    LastFilter = filter;
    LastFileName = fileName;
    if (WhileOpen)
        WhileOpen();
    return FileAnswer ? FileAnswer(filter, fileName) : QString();
}

int ScriptedSeam::ExecDialog(QDialog& dialog)
{
    if (WhileOpen)
        WhileOpen();
    return DialogAnswer ? DialogAnswer(dialog) : int(QDialog::Rejected);
}

int ScriptedSeam::CountOf(const QString& kind) const
{
    int count = 0;
    for (const Box& box : Boxes)
        count += box.Kind == kind ? 1 : 0;
    return count;
}

} // namespace testing_ui
