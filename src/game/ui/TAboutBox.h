// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The about box: the program's picture, name and version, and an OK button. It has no behaviour
// of its own and keeps its texts whatever the language.
#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QFrame* Panel1;
    QLabel* ProgramIcon;
    QLabel* ProductName;
    QLabel* Version;
    QPushButton* OKButton;
};
