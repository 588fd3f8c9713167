// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/FindingsPanel.h"

#include "editor/FindingTexts.h"

#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int CellRole = Qt::UserRole;
constexpr int EntryRole = Qt::UserRole + 1;
} // namespace

FindingsPanel::FindingsPanel(QWidget* parent) : QWidget(parent)
{
    pool_.setMaxThreadCount(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    verdict_ = new QLabel(this);
    verdict_->setWordWrap(true);
    list_ = new QListWidget(this);
    list_->setWordWrap(true);
    layout->addWidget(verdict_);
    layout->addWidget(list_, 1);
    // Chosen by the mouse or the keys alike.
    connect(list_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (!item)
            return;
        const int row = list_->row(item);
        chosenCells_ = row >= 0 && static_cast<size_t>(row) < itemCells_.size()
                           ? itemCells_[static_cast<size_t>(row)]
                           : std::vector<TPoint>{};
        const QPoint cell = item->data(CellRole).toPoint();
        emit FindingChosen({cell.x(), cell.y()}, item->data(EntryRole).toInt());
    });
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const QPoint cell = item->data(CellRole).toPoint();
        emit FindingChosen({cell.x(), cell.y()}, item->data(EntryRole).toInt());
    });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const QPoint cell = item->data(CellRole).toPoint();
        emit FindingActivated({cell.x(), cell.y()}, item->data(EntryRole).toInt());
    });
}

FindingsPanel::~FindingsPanel()
{
    // The worker posts to this panel; it must end first.
    pool_.waitForDone();
}

void FindingsPanel::Refresh(std::string bytes, std::vector<FileProblem> fileProblems)
{
    fileProblems_ = std::move(fileProblems);
    // The course whose findings are shown (a save of what was analysed): only the file's own
    // problems change, and the analysis, soak included, is not run again.
    if (!Pending() && shownBytes_ == bytes) {
        Show(shown_, std::move(bytes));
        return;
    }
    queued_ = std::move(bytes);
    if (!running_)
        StartNext();
}

void FindingsPanel::StartNext()
{
    if (!queued_)
        return;
    running_ = true;
    std::string bytes = std::move(*queued_);
    queued_.reset();
    const int32_t ticks = soakTicks_;
    pool_.start([this, bytes = std::move(bytes), ticks]() mutable {
        CourseAnalysis analysis = AnalyseCourse(bytes, ticks);
        QMetaObject::invokeMethod(
            this,
            [this, analysis = std::move(analysis), bytes = std::move(bytes)]() mutable {
                running_ = false;
                // Only the newest course's findings are worth showing.
                if (!queued_)
                    Show(analysis, std::move(bytes));
                StartNext();
            },
            Qt::QueuedConnection);
    });
}

void FindingsPanel::Show(CourseAnalysis result, std::string bytes)
{
    shown_ = std::move(result);
    shownBytes_ = std::move(bytes);
    const CourseAnalysis& analysis = shown_;
    const QSignalBlocker quiet(list_);
    list_->clear();
    itemCells_.clear();
    chosenCells_.clear();
    const auto add = [this](const QString& text, bool error, TPoint cell, int32_t entry,
                            std::vector<TPoint> cells) {
        auto* item = new QListWidgetItem(text, list_);
        item->setData(CellRole, QPoint(cell.X, cell.Y));
        item->setData(EntryRole, entry);
        item->setIcon(style()->standardIcon(error ? QStyle::SP_MessageBoxCritical
                                                  : QStyle::SP_MessageBoxWarning));
        itemCells_.push_back(std::move(cells));
    };
    // A problem of the file as opened that the course still has is listed once, as it is now.
    for (const FileProblem& p : fileProblems_) {
        const bool stillThere = std::any_of(analysis.Findings.begin(), analysis.Findings.end(),
                                            [&](const EditorFinding& f) { return f.Message == p.Message; });
        if (stillThere)
            continue;
        EditorFinding f;
        f.Code = "loader-" + p.Code;
        f.Cell = p.Cell;
        f.Entry = p.Entry;
        f.Message = p.Message;
        add(tr("In the file as opened: %1").arg(FindingText(f)), true, p.Cell, p.Entry, {});
    }
    for (const EditorFinding& f : analysis.Findings) {
        const QString text = f.Code == "loader" ? RefusalText(analysis.VerdictError, f.Message)
                                                : FindingText(f);
        add(text, f.Error, f.Cell, f.Entry, f.Cells);
    }
    if (!analysis.Verdict.empty())
        verdict_->setText(tr("The game refuses this course: %1")
                              .arg(RefusalText(analysis.VerdictError, analysis.Verdict)));
    else if (list_->count() == 0)
        verdict_->setText(tr("The game loads this course. No findings: nothing to mend."));
    else
        verdict_->setText(tr("The game loads this course. %n finding(s) below.", nullptr, list_->count()));
    emit Updated();
}
