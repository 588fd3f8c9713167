// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hi-score tables: a course selector, the chosen course's ten places (rank, name, score,
// stage reached, date and time), and a Clear button. It shows what it is given; the window's
// hall of fame fills it and does the clearing.
#include "config/model/HiScoreTable.h"
#include "game/ui/HiScoreTexts.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

class HiScoresDialog : public QDialog {
    Q_OBJECT
public:
    struct Course {
        QString Label;
        QString ToolTip;
        HiScoreTable Table;
    };
    struct Highlight {
        int Course;   // index in the selector
        size_t Place; // 0-based
    };

    explicit HiScoresDialog(const HiScoreTexts& texts, QWidget* parent = nullptr);

    // Fills the selector and shows course `shown`, marking one entry if asked.
    void SetCourses(std::vector<Course> courses, int shown, std::optional<Highlight> highlight);
    // Shows the table of the course at `index` in the selector.
    void ShowCourse(int index);
    // The row of the marked entry in the table shown, or -1.
    int HighlightedRow() const;

    // Handlers.
    void bClearClick();

    // Asked by Clear with the course's index (after the user agreed): clears its table for good
    // and answers whether that worked.
    std::function<bool(int)> ClearTable;
    // Asks the user before clearing; the window routes it through its dialog seam.
    std::function<bool(const QString& question)> Confirm;
    // Rows whose entry CanWatch get a Watch button; it closes the dialog and hands the entry to
    // Watch. Set both before SetCourses.
    std::function<bool(const HiScoreEntry&)> CanWatch;
    std::function<void(const HiScoreEntry&)> Watch;

    QLabel* lCourse = nullptr;
    QComboBox* cbCourse = nullptr;
    QTableWidget* Scores = nullptr;
    QPushButton* bClear = nullptr;
    QPushButton* bClose = nullptr;
    // The Watch button of each row shown, or null.
    QPushButton* WatchButton(int row) const;

private:
    HiScoreTexts texts_;
    std::vector<Course> courses_;
    std::optional<Highlight> highlight_;
};
