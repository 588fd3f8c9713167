// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/HiScoresDialog.h"

#include "platform/TextCodec.h"
#include "ui/QtOwned.h"

#include <QComboBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { RankColumn, NameColumn, ScoreColumn, StageColumn, DateColumn, WatchColumn, ColumnCount };

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment)
{
    auto* item = brv::MakeChild<QTableWidgetItem>(text); // the table takes it over
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

QString LocalTime(const std::optional<int64_t>& when)
{
    if (!when)
        return {};
    return QDateTime::fromSecsSinceEpoch(*when, Qt::UTC)
        .toLocalTime()
        .toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

} // namespace

HiScoresDialog::HiScoresDialog(const HiScoreTexts& texts, QWidget* parent)
    : QDialog(parent), texts_(texts)
{
    setObjectName(QStringLiteral("HiScoresDialog"));
    setWindowTitle(texts.Title);

    auto* column = brv::MakeChild<QVBoxLayout>(this);
    auto* selectorRow = brv::MakeChild<QHBoxLayout>();
    lCourse = brv::MakeChild<QLabel>(texts.Course, this);
    cbCourse = brv::MakeChild<QComboBox>(this);
    cbCourse->setObjectName(QStringLiteral("cbCourse"));
    cbCourse->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cbCourse->setMinimumContentsLength(32);
    lCourse->setBuddy(cbCourse);
    selectorRow->addWidget(lCourse);
    selectorRow->addWidget(cbCourse, 1);
    column->addLayout(selectorRow);
    connect(cbCourse, &QComboBox::currentIndexChanged, this, &HiScoresDialog::ShowCourse);

    Scores = brv::MakeChild<QTableWidget>(static_cast<int>(HiScoreTable::Places), ColumnCount, this);
    Scores->setObjectName(QStringLiteral("Scores"));
    Scores->setHorizontalHeaderLabels({texts.Rank, texts.Name, texts.Score, texts.Stage, texts.Date, QString()});
    Scores->verticalHeader()->hide();
    Scores->setSelectionMode(QAbstractItemView::NoSelection);
    Scores->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Scores->setFocusPolicy(Qt::NoFocus);
    Scores->setWordWrap(false);
    Scores->horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    Scores->setMinimumWidth(Scores->fontMetrics().averageCharWidth() * 64);
    Scores->setMinimumHeight(Scores->horizontalHeader()->sizeHint().height()
                             + Scores->verticalHeader()->defaultSectionSize()
                                   * static_cast<int>(HiScoreTable::Places) + 4);
    column->addWidget(Scores, 1);

    auto* buttonRow = brv::MakeChild<QHBoxLayout>();
    bClear = brv::MakeChild<QPushButton>(texts.Clear, this);
    bClear->setObjectName(QStringLiteral("bClear"));
    bClear->setAutoDefault(false);
    bClose = brv::MakeChild<QPushButton>(texts.Close, this);
    bClose->setObjectName(QStringLiteral("bClose"));
    bClose->setDefault(true);
    buttonRow->addWidget(bClear);
    buttonRow->addStretch(1);
    buttonRow->addWidget(bClose);
    column->addLayout(buttonRow);
    connect(bClear, &QPushButton::clicked, this, &HiScoresDialog::bClearClick);
    connect(bClose, &QPushButton::clicked, this, &QDialog::accept);
}

void HiScoresDialog::SetCourses(std::vector<Course> courses, int shown,
                                 std::optional<Highlight> highlight)
{
    courses_ = std::move(courses);
    highlight_ = highlight;
    const QSignalBlocker quiet(cbCourse);
    cbCourse->clear();
    for (size_t i = 0; i < courses_.size(); ++i) {
        cbCourse->addItem(courses_[i].Label);
        cbCourse->setItemData(static_cast<int>(i), courses_[i].ToolTip, Qt::ToolTipRole);
    }
    cbCourse->setCurrentIndex(shown);
    ShowCourse(shown);
}

void HiScoresDialog::ShowCourse(int index)
{
    const bool valid = index >= 0 && static_cast<size_t>(index) < courses_.size();
    const std::vector<HiScoreEntry> none;
    const std::vector<HiScoreEntry>& entries =
        valid ? courses_[static_cast<size_t>(index)].Table.Entries() : none;
    const int marked = HighlightedRow();
    for (int row = 0; row < static_cast<int>(HiScoreTable::Places); ++row) {
        const bool filled = static_cast<size_t>(row) < entries.size();
        const HiScoreEntry* entry = filled ? &entries[static_cast<size_t>(row)] : nullptr;
        Scores->setItem(row, RankColumn, Cell(QString::number(row + 1), Qt::AlignRight));
        const QString name = entry ? brv::DecodeText(entry->Name) : QString();
        Scores->setItem(row, NameColumn, Cell(name, Qt::AlignLeft));
        // A name too long for its column ends in "..."; the whole of it shows on hovering.
        Scores->item(row, NameColumn)->setToolTip(name);
        Scores->setItem(row, ScoreColumn,
                        Cell(entry ? QString::number(entry->Score) : QString(), Qt::AlignRight));
        Scores->setItem(row, StageColumn,
                        Cell(entry && entry->Stage > 0 ? QString::number(entry->Stage) : QString(),
                             Qt::AlignRight));
        Scores->setItem(row, DateColumn, Cell(entry ? LocalTime(entry->When) : QString(), Qt::AlignLeft));
        Scores->removeCellWidget(row, WatchColumn);
        Scores->setItem(row, WatchColumn, Cell(QString(), Qt::AlignLeft));
        if (entry && !entry->Replay.empty() && CanWatch && Watch && CanWatch(*entry)) {
            auto* button = brv::MakeChild<QPushButton>(texts_.Watch); // the table takes it over
            button->setObjectName(QStringLiteral("bWatch%1").arg(row + 1));
            button->setAutoDefault(false);
            connect(button, &QPushButton::clicked, this, [this, chosen = *entry] {
                Watch(chosen);
                accept();
            });
            Scores->setCellWidget(row, WatchColumn, button);
        }
        if (row == marked) {
            for (int c = 0; c < ColumnCount; ++c) {
                QTableWidgetItem* item = Scores->item(row, c);
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
                item->setBackground(palette().brush(QPalette::Highlight));
                item->setForeground(palette().brush(QPalette::HighlightedText));
            }
        }
    }
    Scores->resizeColumnToContents(RankColumn);
    Scores->resizeColumnToContents(ScoreColumn);
    Scores->resizeColumnToContents(StageColumn);
    Scores->resizeColumnToContents(DateColumn);
    Scores->resizeColumnToContents(WatchColumn);
    bClear->setEnabled(!entries.empty() && ClearTable != nullptr);
}

QPushButton* HiScoresDialog::WatchButton(int row) const
{
    return qobject_cast<QPushButton*>(Scores->cellWidget(row, WatchColumn));
}

int HiScoresDialog::HighlightedRow() const
{
    if (!highlight_ || highlight_->Course != cbCourse->currentIndex())
        return -1;
    return static_cast<int>(highlight_->Place);
}

void HiScoresDialog::bClearClick()
{
    const int index = cbCourse->currentIndex();
    if (index < 0 || static_cast<size_t>(index) >= courses_.size() || !ClearTable)
        return;
    if (Confirm && !Confirm(texts_.ClearAsk.arg(courses_[static_cast<size_t>(index)].Label)))
        return;
    if (!ClearTable(index))
        return;
    courses_[static_cast<size_t>(index)].Table.Clear();
    if (highlight_ && highlight_->Course == index)
        highlight_.reset();
    ShowCourse(index);
}
