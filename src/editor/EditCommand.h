// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One undoable step: the whole course before and after it. Courses are small, and a snapshot
// makes every undo restore exactly what was there, whatever the tool did.
#include "editor/model/CourseDocument.h"

#include <QUndoCommand>

#include <functional>

class EditCommand : public QUndoCommand {
public:
    // `apply` puts a course into the editor (and tells whoever shows it).
    EditCommand(const QString& text, CourseDocument before, CourseDocument after,
                std::function<void(const CourseDocument&)> apply)
        : QUndoCommand(text), before_(std::move(before)), after_(std::move(after)),
          apply_(std::move(apply))
    {
    }
    void undo() override { apply_(before_); }
    void redo() override { apply_(after_); }

private:
    CourseDocument before_;
    CourseDocument after_;
    std::function<void(const CourseDocument&)> apply_;
};
