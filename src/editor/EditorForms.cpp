// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's own dialogs: a start entry, the course's properties, a new course, and the help.
#include "editor/EditorWindow.h"

#include "editor/CourseView.h"
#include "editor/EditorDialogs.h"
#include "editor/model/CourseEdits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QKeySequence>
#include <QSpinBox>

#include <algorithm>

namespace {
// Adds OK and Cancel below a form and shows the dialog; true when the author chose OK. The
// dialog is wide enough for its whole title.
bool RunFormDialog(QDialog& dialog, QFormLayout& form)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form.addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    const QFontMetrics title(dialog.font());
    // Room beside the title for the window's own buttons.
    dialog.setMinimumWidth(title.horizontalAdvance(dialog.windowTitle()) + 160);
    return dialog.exec() == QDialog::Accepted;
}

QSpinBox* Spin(QDialog& dialog, int low, int high, int value)
{
    auto* box = new QSpinBox(&dialog);
    box->setRange(low, high);
    box->setValue(value);
    return box;
}
} // namespace

void EditorWindow::EditStartEntry(int32_t entry)
{
    const StartPlace place = document_.Starts[static_cast<size_t>(entry)];
    QDialog dialog(this);
    dialog.setWindowTitle(entry == 0 ? tr("Player's start") : tr("Computer car %1").arg(entry));
    auto* form = new QFormLayout(&dialog);
    // A cell for an entry off the course starts at the nearest one on it.
    auto* column = Spin(dialog, 1, document_.Width, std::clamp(place.Column, 1, document_.Width));
    auto* row = Spin(dialog, 1, document_.Height, std::clamp(place.Row, 1, document_.Height));
    auto* direction = new QComboBox(&dialog);
    direction->addItem(tr("Up"), 0);
    direction->addItem(tr("Right"), 2);
    direction->addItem(tr("Down"), 4);
    direction->addItem(tr("Left"), 6);
    direction->setCurrentIndex(std::max(0, direction->findData(place.Direction)));
    auto* lane = Spin(dialog, -999, 999, place.Lane);
    auto* side = new QComboBox(&dialog);
    side->addItem(tr("Left"), QStringLiteral("L"));
    side->addItem(tr("Right"), QStringLiteral("R"));
    side->setCurrentIndex(place.Side == 'R' ? 1 : 0);
    form->addRow(tr("Column"), column);
    form->addRow(tr("Row"), row);
    form->addRow(tr("Direction"), direction);
    form->addRow(tr("Lane"), lane);
    form->addRow(tr("Side"), side);
    // Only a computer car has a way of driving; the player drives the player's car.
    QComboBox* kind = nullptr;
    if (entry > 0) {
        kind = new QComboBox(&dialog);
        kind->addItem(tr("Pursues the player"), QStringLiteral("P"));
        kind->addItem(tr("Drives at random"), QStringLiteral("R"));
        kind->setCurrentIndex(place.Kind == 'R' ? 1 : 0);
        form->addRow(tr("Kind"), kind);
    }
    if (!RunFormDialog(dialog, *form))
        return;
    StartPlace next = place;
    next.Column = column->value();
    next.Row = row->value();
    next.Direction = direction->currentData().toInt();
    next.Lane = lane->value();
    next.Side = side->currentData().toString() == QLatin1String("R") ? 'R' : 'L';
    if (kind)
        next.Kind = kind->currentData().toString() == QLatin1String("R") ? 'R' : 'P';
    Edit(tr("Change start"), [&](CourseDocument& d) { return SetStart(d, entry, next); });
}

void EditorWindow::ShowProperties()
{
    QDialog dialog(this);
    dialog.setWindowTitle(tr("Course Properties"));
    auto* form = new QFormLayout(&dialog);
    // Made in the order they are shown, which is the order Tab goes through them.
    auto* width = Spin(dialog, 1, MaxCourseSide, document_.Width);
    auto* horizontal = new QComboBox(&dialog);
    horizontal->addItem(tr("at the right edge"));
    horizontal->addItem(tr("at the left edge"));
    auto* height = Spin(dialog, 1, MaxCourseSide, document_.Height);
    auto* vertical = new QComboBox(&dialog);
    vertical->addItem(tr("at the bottom edge"));
    vertical->addItem(tr("at the top edge"));
    auto* ownScreen = new QCheckBox(tr("Field size of its own (ScreenSize)"), &dialog);
    ownScreen->setChecked(document_.ScreenSize.has_value());
    const TPoint screen = document_.ScreenSize.value_or(TPoint{0, 0});
    auto* screenWidth = Spin(dialog, 0, MaxCourseSide * 2, screen.X);
    auto* screenHeight = Spin(dialog, 0, MaxCourseSide * 2, screen.Y);
    auto* growField = new QCheckBox(tr("Grow the field with the map"), &dialog);
    growField->setChecked(true);
    growField->setToolTip(tr("When the map grows, the field grows by as many cells, so no lane "
                             "ends up outside it"));
    form->addRow(tr("Width (cells)"), width);
    form->addRow(tr("Grow or shrink"), horizontal);
    form->addRow(tr("Height (cells)"), height);
    form->addRow(tr("Grow or shrink"), vertical);
    form->addRow(ownScreen);
    form->addRow(tr("Field width (0: the course's)"), screenWidth);
    form->addRow(tr("Field height (0: the course's)"), screenHeight);
    form->addRow(growField);
    // The field's size means something only when the course sets one.
    const auto enable = [=] {
        screenWidth->setEnabled(ownScreen->isChecked());
        screenHeight->setEnabled(ownScreen->isChecked());
        growField->setEnabled(ownScreen->isChecked());
    };
    connect(ownScreen, &QCheckBox::toggled, &dialog, enable);
    enable();
    if (!RunFormDialog(dialog, *form))
        return;
    std::optional<TPoint> size;
    if (ownScreen->isChecked()) {
        TPoint field{screenWidth->value(), screenHeight->value()};
        // A side the author left as it was grows with the map (a side of 0 is the course's
        // own and grows by itself); a side the author typed stays as typed.
        if (growField->isChecked()) {
            if (field.X > 0 && field.X == screen.X && width->value() > document_.Width)
                field.X += width->value() - document_.Width;
            if (field.Y > 0 && field.Y == screen.Y && height->value() > document_.Height)
                field.Y += height->value() - document_.Height;
        }
        size = field;
    }
    Edit(tr("Course properties"), [&](CourseDocument& d) {
        const bool resized = ResizeCourse(d, width->value(), height->value(),
                                          horizontal->currentIndex() == 1 ? GrowEdge::Start : GrowEdge::End,
                                          vertical->currentIndex() == 1 ? GrowEdge::Start : GrowEdge::End);
        return SetScreenSize(d, size) || resized;
    });
}

bool EditorWindow::AskNewCourse()
{
    QDialog dialog(this);
    dialog.setWindowTitle(tr("New Course"));
    auto* form = new QFormLayout(&dialog);
    auto* width = Spin(dialog, 2, MaxCourseSide, 12);
    auto* height = Spin(dialog, 2, MaxCourseSide, 10);
    auto* captions = new QCheckBox(tr("Room for the captions"), &dialog);
    captions->setChecked(true);
    captions->setToolTip(tr("The field gets a strip beside the map, and the title, the captions "
                            "and the numbers are placed in it"));
    form->addRow(tr("Width (cells)"), width);
    form->addRow(tr("Height (cells)"), height);
    form->addRow(captions);
    if (!RunFormDialog(dialog, *form))
        return false;
    return NewCourse(width->value(), height->value(), captions->isChecked());
}

void EditorWindow::ShowHelp()
{
    const auto key = [](QAction* action) {
        return action->shortcut().toString(QKeySequence::NativeText).toHtmlEscaped();
    };
    QString rows;
    for (QAction* action : ToolActions)
        rows += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                    .arg(key(action), action->statusTip().toHtmlEscaped());
    QString keys;
    for (QAction* action : {NewAction, OpenAction, SaveAction, UndoAction, RedoAction, CopyAction,
                            CutAction, PasteAction, DeleteAction, FillDotsAction, PropertiesAction,
                            ZoomInAction, ZoomOutAction, FitAction, PlayAction, DriveAction, StopAction})
        keys += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                    .arg(key(action), QString(action->text()).remove(QLatin1Char('&')).toHtmlEscaped());
    dialogs_.ShowText(this, tr("Keys and Tools"),
                      QStringLiteral("<h3>%1</h3><table cellspacing=4>%2</table><h3>%3</h3>"
                                     "<table cellspacing=4>%4</table><p>%5</p>")
                          .arg(tr("Tools"), rows, tr("Keys"), keys,
                               tr("Shift-drag with the Lane tool carves a ring; a right-drag "
                                  "erases. Ctrl+wheel zooms. Click a finding to see its cells on "
                                  "the map.")));
}

void EditorWindow::ShowAbout()
{
    dialogs_.ShowText(this, tr("About the Brevanto Course Editor"),
                      tr("<h3>Brevanto Course Editor</h3><p>Draws the courses of Brevanto: lanes, "
                         "walls, dots, starts, blocks and captions, with every finding of the "
                         "course checker as you edit.</p>"));
}
