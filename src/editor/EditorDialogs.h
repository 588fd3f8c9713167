// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every box and file dialog of the editor goes through this seam, so tests answer them.
#include <QString>

class QWidget;

class EditorDialogs {
public:
    enum class Answer { Yes, No, Cancel };
    virtual ~EditorDialogs() = default;
    virtual void ShowError(QWidget* parent, const QString& text) = 0;
    virtual Answer Ask(QWidget* parent, const QString& question, bool withCancel) = 0;
    // The chosen path, or empty when the author cancelled.
    virtual QString OpenFile(QWidget* parent, const QString& directory) = 0;
    virtual QString SaveFile(QWidget* parent, const QString& suggestion) = 0;
    // A page of rich text (the help, the about box).
    virtual void ShowText(QWidget* parent, const QString& title, const QString& html) = 0;
};

class QtEditorDialogs final : public EditorDialogs {
public:
    void ShowError(QWidget* parent, const QString& text) override;
    Answer Ask(QWidget* parent, const QString& question, bool withCancel) override;
    QString OpenFile(QWidget* parent, const QString& directory) override;
    QString SaveFile(QWidget* parent, const QString& suggestion) override;
    void ShowText(QWidget* parent, const QString& title, const QString& html) override;
};
