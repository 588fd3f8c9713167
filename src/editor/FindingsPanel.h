// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The findings panel: the loader's verdict and every finding for the course as it would be
// saved now. The analysis runs on a worker thread over a copy, so the view never waits; a
// result that an edit has overtaken is dropped, and the newest course is analysed next.
#include "editor/model/CourseFindings.h"
#include "editor/model/CourseReader.h"

#include <QThreadPool>
#include <QWidget>

#include <optional>

class QLabel;
class QListWidget;

class FindingsPanel : public QWidget {
    Q_OBJECT
public:
    explicit FindingsPanel(QWidget* parent);
    ~FindingsPanel() override;

    // Analyses `bytes` (the course as a save would write it); `fileProblems` are those of the
    // file as opened, listed until it is saved.
    void Refresh(std::string bytes, std::vector<FileProblem> fileProblems);
    // True until the newest course's findings are shown.
    bool Pending() const { return running_ || queued_.has_value(); }
    QListWidget* List() const { return list_; }
    QLabel* Verdict() const { return verdict_; }
    const CourseAnalysis& Shown() const { return shown_; }
    void SetSoakTicks(int32_t ticks) { soakTicks_ = ticks; }
    // The cells of the finding chosen last (its route or region), empty when none.
    const std::vector<TPoint>& ChosenCells() const { return chosenCells_; }

signals:
    // A finding was chosen: its cell (or {0,0}) and start entry (or -1).
    void FindingChosen(TPoint cell, int32_t entry);
    // Double-clicked.
    void FindingActivated(TPoint cell, int32_t entry);
    void Updated();

private:
    void StartNext();
    void Show(CourseAnalysis analysis, std::string bytes);

    QLabel* verdict_ = nullptr;
    QListWidget* list_ = nullptr;
    QThreadPool pool_;
    bool running_ = false;
    std::optional<std::string> queued_;
    std::vector<FileProblem> fileProblems_;
    CourseAnalysis shown_;
    std::optional<std::string> shownBytes_; // the course `shown_` is the analysis of
    std::vector<std::vector<TPoint>> itemCells_; // per list row
    std::vector<TPoint> chosenCells_;
    int32_t soakTicks_ = 20000; // as brevanto-sim check: a fraction of a second per course
};
