// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of the hi-score command and its dialogs, from the language file; a file without
// them gives the English built into the program.
#include <QString>

#include <cstdint>
#include <string>

struct HiScoreTexts {
    QString Menu;         // the File menu item, "..." appended
    QString Hint;         // "tooltip|status text"
    QString Title;        // the table dialog's caption
    QString Course;       // the course selector's label
    QString Rank, Name, Score, Stage, Date; // column heads
    QString Clear;        // the Clear button
    QString ClearAsk;     // the question before clearing; %1 is the course
    QString Close;
    QString Watch;        // the button of a row whose game has a replay
    QString EarlierVersion; // marks a table of a course file that has changed since
    QString NameTitle;    // the name dialog's caption
    QString NamePrompt;   // %1 place, %2 score, %3 course
    QString SaveError;    // before the reason a store failed
};

class AddedTexts;

HiScoreTexts ReadHiScoreTexts(const AddedTexts& added);
HiScoreTexts ReadHiScoreTexts(const std::string& languageFileName, int32_t language);
