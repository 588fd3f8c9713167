#include "editor/FindingsPanel.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

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
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const QPoint cell = item->data(CellRole).toPoint();
        emit FindingChosen({cell.x(), cell.y()}, item->data(EntryRole).toInt());
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
    list_->clear();
    if (analysis.Verdict.empty())
        verdict_->setText(tr("The game loads this course."));
    else
        verdict_->setText(tr("The game refuses this course: %1")
                              .arg(QString::fromStdString(analysis.Verdict)));
    const auto add = [this](const QString& text, bool error, TPoint cell, int32_t entry) {
        auto* item = new QListWidgetItem(text, list_);
        item->setData(CellRole, QPoint(cell.X, cell.Y));
        item->setData(EntryRole, entry);
        item->setIcon(style()->standardIcon(error ? QStyle::SP_MessageBoxCritical
                                                  : QStyle::SP_MessageBoxWarning));
    };
    for (const FileProblem& p : fileProblems_)
        add(tr("In the file as opened: %1").arg(QString::fromStdString(p.Message)), true, p.Cell,
            p.Entry);
    for (const EditorFinding& f : analysis.Findings) {
        QString text = QString::fromStdString(f.Message);
        if (f.Cell.X != 0 || f.Cell.Y != 0)
            text = tr("(%1,%2) %3").arg(f.Cell.X).arg(f.Cell.Y).arg(text);
        add(text, f.Error, f.Cell, f.Entry);
    }
    emit Updated();
}
