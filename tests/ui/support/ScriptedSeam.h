// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A dialog seam that answers every box and dialog from the test script and records what was
// asked, so no test ever waits for a person.
#include "ui/DialogSeam.h"

#include <QString>

#include <functional>
#include <vector>

namespace testing_ui {

class ScriptedSeam final : public DialogSeam {
public:
    struct Box {
        QString Kind; // "error" or "information"
        QString Caption;
        QString Text;
    };
    std::vector<Box> Boxes;

    // Answers the file-open dialog; cancels when unset. Gets the filter and the start name.
    std::function<QString(const QString& filter, const QString& fileName)> FileAnswer;
    // Answers a modal dialog; rejects when unset.
    std::function<int(QDialog& dialog)> DialogAnswer;
    // Runs while any box or dialog is open, to look at the window meanwhile.
    std::function<void()> WhileOpen;

    QString LastFilter;
    QString LastFileName;

    void ShowError(QWidget* parent, const QString& caption, const QString& text) override;
    void ShowInformation(QWidget* parent, const QString& caption, const QString& text) override;
    QString OpenFile(QWidget* parent, const QString& filter, const QString& fileName,
                     bool mustExist) override;
    int ExecDialog(QDialog& dialog) override;

    int CountOf(const QString& kind) const;
};

} // namespace testing_ui
