// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every modal box and file dialog of the windows goes through this seam, so that tests can answer
// them and no box ever waits for a person there.
#include <QString>

#include <string_view>

class QDialog;
class QWidget;

class DialogSeam {
public:
    virtual ~DialogSeam() = default;
    virtual void ShowError(QWidget* parent, const QString& caption, const QString& text) = 0;
    virtual void ShowInformation(QWidget* parent, const QString& caption, const QString& text) = 0;
    // The chosen file's full path, or an empty text when the user cancelled. `fileName` is what
    // the dialog starts with; `mustExist` refuses names of files that do not exist.
    virtual QString OpenFile(QWidget* parent, const QString& filter, const QString& fileName,
                             bool mustExist) = 0;
    // Shows a dialog modally and returns its result (QDialog::Accepted or Rejected).
    virtual int ExecDialog(QDialog& dialog) = 0;
};

// The real message boxes and file dialogs.
class QtDialogSeam final : public DialogSeam {
public:
    void ShowError(QWidget* parent, const QString& caption, const QString& text) override;
    void ShowInformation(QWidget* parent, const QString& caption, const QString& text) override;
    QString OpenFile(QWidget* parent, const QString& filter, const QString& fileName,
                     bool mustExist) override;
    int ExecDialog(QDialog& dialog) override;
};

// A filter in the game's "Description|pattern;pattern|..." form as Qt writes it, the patterns of
// the description's own parentheses included: "Course File(*.DAT)|*.dat" gives
// "Course File (*.DAT *.dat)". Qt matches patterns with letter case on this platform, hence both.
QString QtFileFilter(std::string_view filter);
