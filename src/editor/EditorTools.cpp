// SPDX-License-Identifier: GPL-3.0-or-later
// The tools: what a press, a drag, a release and a key do with each tool, and the marks the
// tools draw over the course.
#include "editor/EditorWindow.h"

#include "editor/CourseView.h"
#include "editor/EditCommand.h"
#include "editor/EditorDialogs.h"
#include "editor/model/CourseEdits.h"
#include "editor/TryRunner.h"
#include "platform/Canvas.h"

#include <QComboBox>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QStatusBar>
#include <QUndoStack>

namespace {
// The texts the field shows at the captions' places, in the course file's key order.
const char* const CaptionTexts[CaptionCount] = {"Brevanto", "SCORE", "0", "HI SCORE", "0", "REST", "3"};

// Pixels of a tile coordinate as read from a file, kept far from overflow; nothing that far
// off is ever on screen.
int Pixels(int64_t tiles, int tileSize)
{
    return static_cast<int>(std::clamp<int64_t>(tiles * tileSize, -1000000, 1000000));
}

} // namespace

bool EditorWindow::Edit(const QString& text, const std::function<bool(CourseDocument&)>& edit)
{
    CourseDocument after = document_;
    if (!edit(after))
        return false;
    undo_->push(new EditCommand(text, document_, after,
                                [this](const CourseDocument& d) { ApplyDocument(d); }));
    return true;
}

QRect EditorWindow::CaptionRect(int caption) const
{
    const TPoint at = document_.Captions[static_cast<size_t>(caption)].value_or(TPoint{0, 0});
    const QFontMetrics metrics(brv::FieldFont());
    return {Pixels(int64_t{at.X} - 1, tileSize_), Pixels(int64_t{at.Y} - 1, tileSize_),
            std::max(metrics.horizontalAdvance(QString::fromLatin1(CaptionTexts[caption])), 4),
            metrics.height()};
}

int EditorWindow::CaptionAt(QPoint pixel) const
{
    for (int k = CaptionCount - 1; k >= 0; --k)
        if (document_.Captions[static_cast<size_t>(k)] && CaptionRect(k).contains(pixel))
            return k;
    return -1;
}

int32_t EditorWindow::WallSideAt(QPoint pixel, TPoint cell) const
{
    // The edge nearest to the point.
    const int dx = pixel.x() - (cell.X - 1) * tileSize_;
    const int dy = pixel.y() - (cell.Y - 1) * tileSize_;
    const std::pair<int, int32_t> edges[4] = {{dy, WallNorth},
                                              {tileSize_ - 1 - dx, WallEast},
                                              {tileSize_ - 1 - dy, WallSouth},
                                              {dx, WallWest}};
    return std::min_element(std::begin(edges), std::end(edges))->second;
}

void EditorWindow::HoverAt(std::optional<QPoint> pixel)
{
    hover_ = pixel;
    if (pixel) {
        const TPoint cell = CellAt(*pixel);
        cellLabel_->setText(document_.OnCourse(cell) ? tr("Cell %1,%2").arg(cell.X).arg(cell.Y)
                                                     : QString());
    }
    view_->update();
}

void EditorWindow::ToolPressed(QPoint pixel, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    if (try_->Running())
        return;
    const TPoint cell = CellAt(pixel);
    dragStart_ = dragCell_ = cell;
    const bool right = button == Qt::RightButton;
    switch (tool_) {
    case Tool::Lane:
        // Shift draws a ring round the rectangle dragged; the right button walls lanes off.
        laneRing_ = (modifiers & Qt::ShiftModifier) != 0;
        laneErase_ = right;
        BeginEdit(laneErase_ ? tr("Erase lane") : laneRing_ ? tr("Carve ring") : tr("Carve lane"));
        view_->update();
        break;
    case Tool::Wall: {
        if (!document_.OnCourse(cell))
            return;
        const int32_t side = WallSideAt(pixel, cell);
        const bool closed = (document_.Mask(cell) & side) != 0;
        Edit(closed ? tr("Open wall") : tr("Close wall"), [&](CourseDocument& d) {
            return SetWall(d, cell, side, !closed);
        });
        break;
    }
    case Tool::Select:
        selectDrag_ = true;
        SetSelection(document_.OnCourse(cell) ? std::optional<TRect>(CellArea(document_, cell, cell))
                                              : std::nullopt);
        break;
    case Tool::Dot:
        if (!document_.OnCourse(cell))
            return;
        dotValue_ = !document_.HasDot(cell);
        BeginEdit(dotValue_ ? tr("Put dots") : tr("Take dots"));
        SetDot(document_, cell, dotValue_);
        RenderField();
        break;
    case Tool::Start: {
        const int32_t entry = document_.StartAt(cell);
        if (right) {
            if (entry >= 0)
                Edit(tr("Remove start"), [&](CourseDocument& d) { return RemoveStart(d, entry); });
            selectedStart_ = -1;
            return;
        }
        const bool offCourse = selectedStart_ >= 0 &&
                               static_cast<size_t>(selectedStart_) < document_.Starts.size() &&
                               !document_.OnCourse({document_.Starts[static_cast<size_t>(selectedStart_)].Column,
                                                    document_.Starts[static_cast<size_t>(selectedStart_)].Row});
        if (entry >= 0) {
            selectedStart_ = entry;
            startDrag_ = true;
            BeginEdit(tr("Move start"));
        } else if (offCourse) {
            // The selected entry lies off the course (chosen from the findings): it goes here.
            const int32_t moved = selectedStart_;
            Edit(tr("Move start"), [&](CourseDocument& d) { return MoveStart(d, moved, cell); });
        } else if (Edit(tr("Add start"), [&](CourseDocument& d) { return AddStart(d, cell); })) {
            selectedStart_ = static_cast<int32_t>(document_.Starts.size()) - 1;
        }
        view_->update();
        break;
    }
    case Tool::Block: {
        const int32_t block = BlockAt(document_.Blocks, cell);
        if (right) {
            if (block > 0)
                Edit(tr("Remove block"), [&](CourseDocument& d) { return RemoveBlock(d, block); });
            return;
        }
        blockDrag_ = document_.OnCourse(cell);
        view_->update();
        break;
    }
    case Tool::Caption: {
        const int caption = CaptionAt(pixel);
        if (caption >= 0) {
            dragCaption_ = caption;
            captionGrab_ = pixel - CaptionRect(caption).topLeft();
            BeginEdit(tr("Move caption"));
            return;
        }
        // A click elsewhere places the first caption the course lacks.
        for (int k = 0; k < CaptionCount; ++k) {
            if (!document_.Captions[static_cast<size_t>(k)]) {
                Edit(tr("Place caption"), [&](CourseDocument& d) {
                    return MoveCaption(d, k, {cell.X - 1, cell.Y - 1});
                });
                break;
            }
        }
        break;
    }
    }
}

void EditorWindow::ToolDragged(QPoint pixel)
{
    const TPoint cell = CellAt(pixel);
    hover_ = pixel;
    cellLabel_->setText(document_.OnCourse(cell) ? tr("Cell %1,%2").arg(cell.X).arg(cell.Y) : QString());
    if (try_->Running())
        return;
    if (tool_ == Tool::Caption && dragCaption_ >= 0) {
        const QPoint corner = pixel - captionGrab_ + QPoint(tileSize_ / 2, tileSize_ / 2);
        const TPoint tile{static_cast<int32_t>(std::floor(double(corner.x()) / tileSize_)),
                          static_cast<int32_t>(std::floor(double(corner.y()) / tileSize_))};
        if (MoveCaption(document_, dragCaption_, tile))
            RenderField();
        return;
    }
    if (cell == dragCell_)
        return;
    const TPoint previous = dragCell_;
    dragCell_ = cell;
    switch (tool_) {
    case Tool::Lane:
        if (laneRing_)
            view_->update(); // the ring is carved on release; its outline follows the pointer
        else if (editing_ && (laneErase_ ? EraseLane(document_, DragCells(previous, cell))
                                         : CarveLane(document_, DragCells(previous, cell))))
            RenderField();
        break;
    case Tool::Select:
        if (selectDrag_)
            SetSelection(CellArea(document_, dragStart_, cell));
        break;
    case Tool::Dot:
        if (editing_) {
            bool changed = false;
            for (const TPoint c : DragCells(previous, cell))
                changed |= SetDot(document_, c, dotValue_);
            if (changed)
                RenderField();
        }
        break;
    case Tool::Start:
        if (startDrag_ && MoveStart(document_, selectedStart_, cell))
            RenderField();
        break;
    case Tool::Block:
        view_->update();
        break;
    default:
        break;
    }
}

void EditorWindow::ToolReleased(QPoint pixel)
{
    if (try_->Running())
        return;
    const TPoint cell = CellAt(pixel);
    if (tool_ == Tool::Lane && laneRing_ && editing_) {
        const std::vector<TPoint> ring = RingCells(dragStart_, cell);
        if (laneErase_ ? EraseLane(document_, ring) : CarveLane(document_, ring))
            RenderField();
    }
    laneRing_ = laneErase_ = false;
    selectDrag_ = false;
    if (tool_ == Tool::Block && blockDrag_) {
        blockDrag_ = false;
        const int32_t block = BlockAt(document_.Blocks, dragStart_);
        if (cell == dragStart_ && block > MaxPathBlocks)
            dialogs_.ShowError(this, tr("Path names blocks by one digit each, so block %1 cannot be "
                                        "put into it: only blocks 1 to %2 can.").arg(block).arg(MaxPathBlocks));
        else if (cell == dragStart_ && block > 0)
            Edit(tr("Extend path"), [&](CourseDocument& d) { return AppendToPath(d, block); });
        else if (cell == dragStart_)
            statusBar()->showMessage(tr("Drag from one corner to the other to draw a block."), 4000);
        else if (document_.Blocks.size() >= static_cast<size_t>(MaxPathBlocks))
            dialogs_.ShowError(this, tr("The course has %1 blocks, as many as Path can name (one digit "
                                        "each): remove one (right-click) before drawing another.")
                                         .arg(MaxPathBlocks));
        else if (document_.OnCourse(cell))
            Edit(tr("Add block"), [&](CourseDocument& d) { return AddBlock(d, dragStart_, cell); });
        view_->update();
    }
    startDrag_ = false;
    dragCaption_ = -1;
    EndEdit();
}

void EditorWindow::ToolDoubleClicked(QPoint pixel)
{
    if (tool_ == Tool::Start && !try_->Running()) {
        const int32_t entry = document_.StartAt(CellAt(pixel));
        if (entry >= 0)
            EditStartEntry(entry);
    }
}

bool EditorWindow::ToolKey(int key, Qt::KeyboardModifiers modifiers)
{
    if (tool_ != Tool::Start || selectedStart_ < 0)
        return false;
    const int32_t entry = selectedStart_;
    if (key == Qt::Key_R)
        return Edit(tr("Turn start"), [&](CourseDocument& d) {
            return TurnStart(d, entry, !(modifiers & Qt::ShiftModifier));
        }) || true;
    if (key == Qt::Key_Delete || key == Qt::Key_Backspace) {
        Edit(tr("Remove start"), [&](CourseDocument& d) { return RemoveStart(d, entry); });
        selectedStart_ = -1;
        view_->update();
        return true;
    }
    // The arrows face the car that way.
    int32_t direction = -1;
    switch (key) {
    case Qt::Key_Up: direction = 0; break;
    case Qt::Key_Right: direction = 2; break;
    case Qt::Key_Down: direction = 4; break;
    case Qt::Key_Left: direction = 6; break;
    default: return false;
    }
    Edit(tr("Turn start"), [&](CourseDocument& d) {
        StartPlace place = d.Starts[static_cast<size_t>(entry)];
        place.Direction = direction;
        return SetStart(d, entry, place);
    });
    return true;
}

void EditorWindow::FillDots()
{
    if (document_.Starts.empty() || !document_.OnCourse({document_.Starts[0].Column, document_.Starts[0].Row})) {
        dialogs_.ShowError(this, tr("Place the player's start first: the dots follow the cells its car can reach."));
        return;
    }
    Edit(tr("Fill reachable dots"),
         [](CourseDocument& d) { return FillReachableDots(d, ReachableCells(d)); });
}

