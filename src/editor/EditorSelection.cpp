// SPDX-License-Identifier: GPL-3.0-or-later
// The Select tool's rectangle: copy, cut, paste, delete and mirror, and the whole course
// mirrored or turned.
#include "editor/EditorWindow.h"

#include "editor/CourseView.h"
#include "editor/model/CourseEdits.h"

#include <QStatusBar>

void EditorWindow::DeleteSelected()
{
    if (selection_) {
        const TRect area = *selection_;
        Edit(tr("Delete cells"), [&](CourseDocument& d) { return ClearCells(d, area); });
        return;
    }
    // A start entry chosen on the map or from the findings (also one off the course).
    if (selectedStart_ >= 0) {
        const int32_t entry = selectedStart_;
        Edit(tr("Remove start"), [&](CourseDocument& d) { return RemoveStart(d, entry); });
        selectedStart_ = -1;
        view_->update();
        return;
    }
    statusBar()->showMessage(tr("Nothing to delete: select cells with the Select tool (E) or a start entry."), 4000);
}

void EditorWindow::CopySelection(bool cut)
{
    if (!selection_)
        return;
    clip_ = CopyCells(document_, *selection_);
    PasteAction->setEnabled(!clip_.Empty());
    if (cut) {
        const TRect area = *selection_;
        Edit(tr("Cut cells"), [&](CourseDocument& d) { return ClearCells(d, area); });
    }
}

void EditorWindow::PasteClip()
{
    if (clip_.Empty())
        return;
    // At the cell under the pointer, else at the selection, else in the top-left corner.
    TPoint at{1, 1};
    if (hover_ && document_.OnCourse(CellAt(*hover_)))
        at = CellAt(*hover_);
    else if (selection_)
        at = {selection_->Left, selection_->Top};
    const CellClip clip = clip_;
    if (Edit(tr("Paste cells"), [&](CourseDocument& d) { return PasteCells(d, clip, at); }))
        SetSelection(CellArea(document_, at, {at.X + clip.Width - 1, at.Y + clip.Height - 1}));
}

void EditorWindow::Mirror(bool horizontal)
{
    const QString text = horizontal ? tr("Mirror left to right") : tr("Mirror top to bottom");
    if (selection_) {
        const TRect area = *selection_;
        Edit(text, [&](CourseDocument& d) { return MirrorCells(d, area, horizontal); });
    } else {
        Edit(text, [&](CourseDocument& d) { return MirrorCourse(d, horizontal); });
    }
}
