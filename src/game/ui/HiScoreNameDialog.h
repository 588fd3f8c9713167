// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Asks the player's name for a game that earned a place in a hi-score table. Enter keeps the
// offered name, Escape gives up the place.
#include <QDialog>

struct HiScoreTexts;
class QLabel;
class QLineEdit;
class QPushButton;

class HiScoreNameDialog : public QDialog {
    Q_OBJECT
public:
    // The longest name the field takes, in characters.
    static constexpr int MaxNameLength = 32;

    // `place` counts from 1; `course` is the course's file name.
    HiScoreNameDialog(const HiScoreTexts& texts, int place, int score, const QString& course,
                       const QString& offeredName, QWidget* parent = nullptr);

    QLabel* lPrompt = nullptr;
    QLineEdit* eName = nullptr;
    QPushButton* bOK = nullptr;
    QPushButton* bCancel = nullptr;
};
