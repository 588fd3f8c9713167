// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditorDialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {
QString Title() { return QCoreApplication::translate("EditorWindow", "Brevanto Course Editor"); }
QString Filter() { return QCoreApplication::translate("EditorWindow", "Course files (*.DAT *.dat);;All files (*)"); }
} // namespace

void QtEditorDialogs::ShowError(QWidget* parent, const QString& text)
{
    QMessageBox::critical(parent, Title(), text);
}

EditorDialogs::Answer QtEditorDialogs::Ask(QWidget* parent, const QString& question,
                                           bool withCancel)
{
    auto buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel)
        buttons |= QMessageBox::Cancel;
    switch (QMessageBox::question(parent, Title(), question, buttons)) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

QString QtEditorDialogs::OpenFile(QWidget* parent, const QString& directory)
{
    return QFileDialog::getOpenFileName(parent, Title(), directory, Filter());
}

QString QtEditorDialogs::SaveFile(QWidget* parent, const QString& suggestion)
{
    return QFileDialog::getSaveFileName(parent, Title(), suggestion, Filter());
}

void QtEditorDialogs::ShowText(QWidget* parent, const QString& title, const QString& html)
{
    QMessageBox box(QMessageBox::NoIcon, title, html, QMessageBox::Close, parent);
    box.setTextFormat(Qt::RichText);
    box.exec();
}
