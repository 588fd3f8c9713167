// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DialogSeam.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStringList>

void QtDialogSeam::ShowError(QWidget* parent, const QString& caption, const QString& text)
{
    QMessageBox::critical(parent, caption, text, QMessageBox::Ok);
}

void QtDialogSeam::ShowInformation(QWidget* parent, const QString& caption, const QString& text)
{
    QMessageBox::information(parent, caption, text, QMessageBox::Ok);
}

QString QtDialogSeam::OpenFile(QWidget* parent, const QString& filter, const QString& fileName,
                               bool mustExist)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    if (!fileName.isEmpty()) {
        const QFileInfo start(fileName);
        dialog.setDirectory(start.absolutePath());
        dialog.selectFile(start.fileName());
    }
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : QFileInfo(chosen.front()).absoluteFilePath();
}

int QtDialogSeam::ExecDialog(QDialog& dialog)
{
    return dialog.exec();
}

QString QtFileFilter(std::string_view filter)
{
    const QStringList parts = QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size()))
                                  .split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QString name = parts[i];
        QStringList patterns;
        const auto addPatterns = [&patterns](const QString& text) {
            for (const QString& pattern : text.split(QRegularExpression(QStringLiteral("[; ]")),
                                              Qt::SkipEmptyParts))
                if (!patterns.contains(pattern))
                    patterns << pattern;
        };
        const qsizetype open = name.indexOf(QLatin1Char('('));
        const qsizetype close = name.lastIndexOf(QLatin1Char(')'));
        if (open >= 0 && close > open) {
            addPatterns(name.mid(open + 1, close - open - 1));
            name = name.left(open);
        }
        if (i + 1 < parts.size())
            addPatterns(parts[i + 1]);
        name = name.trimmed();
        if (patterns.isEmpty())
            result << name;
        else
            result << QStringLiteral("%1 (%2)").arg(name, patterns.join(QLatin1Char(' ')));
    }
    return result.join(QStringLiteral(";;"));
}
