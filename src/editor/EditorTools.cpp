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

// Adds OK and Cancel below a form and shows the dialog; true when the author chose OK.
bool RunFormDialog(QDialog& dialog, QFormLayout& form)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form.addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return dialog.exec() == QDialog::Accepted;
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

void EditorWindow::ToolPressed(QPoint pixel, Qt::MouseButton button, Qt::KeyboardModifiers)
{
    if (try_->Running())
        return;
    const TPoint cell = CellAt(pixel);
    dragStart_ = dragCell_ = cell;
    const bool right = button == Qt::RightButton;
    switch (tool_) {
    case Tool::Lane:
        BeginEdit(tr("Carve lane"));
        break;
    case Tool::Wall: {
        if (!document_.OnCourse(cell))
            return;
        // The edge nearest to the click.
        const int dx = pixel.x() - (cell.X - 1) * tileSize_;
        const int dy = pixel.y() - (cell.Y - 1) * tileSize_;
        const std::pair<int, int32_t> edges[4] = {{dy, WallNorth},
                                                  {tileSize_ - 1 - dx, WallEast},
                                                  {tileSize_ - 1 - dy, WallSouth},
                                                  {dx, WallWest}};
        const auto nearest = *std::min_element(std::begin(edges), std::end(edges));
        const bool closed = (document_.Mask(cell) & nearest.second) != 0;
        Edit(closed ? tr("Open wall") : tr("Close wall"), [&](CourseDocument& d) {
            return SetWall(d, cell, nearest.second, !closed);
        });
        break;
    }
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
        if (entry >= 0) {
            selectedStart_ = entry;
            startDrag_ = true;
            BeginEdit(tr("Move start"));
        } else if (Edit(tr("Add start"), [&](CourseDocument& d) { return AddStart(d, cell); })) {
            selectedStart_ = static_cast<int32_t>(document_.Starts.size()) - 1;
        }
        view_->update();
        break;
    }
    case Tool::Block: {
        const int32_t block = document_.BlockAt(cell);
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
    cellLabel_->setText(tr("Cell %1,%2").arg(cell.X).arg(cell.Y));
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
        if (editing_ && CarveLane(document_, DragCells(previous, cell)))
            RenderField();
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
    if (tool_ == Tool::Block && blockDrag_) {
        blockDrag_ = false;
        const int32_t block = document_.BlockAt(dragStart_);
        if (cell == dragStart_ && block > 0)
            Edit(tr("Extend path"), [&](CourseDocument& d) { return AppendToPath(d, block); });
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

void EditorWindow::EditStartEntry(int32_t entry)
{
    const StartPlace place = document_.Starts[static_cast<size_t>(entry)];
    QDialog dialog(this);
    dialog.setWindowTitle(entry == 0 ? tr("Player's start") : tr("Computer car %1").arg(entry));
    auto* form = new QFormLayout(&dialog);
    auto* direction = new QComboBox(&dialog);
    direction->addItem(tr("Up"), 0);
    direction->addItem(tr("Right"), 2);
    direction->addItem(tr("Down"), 4);
    direction->addItem(tr("Left"), 6);
    direction->setCurrentIndex(std::max(0, direction->findData(place.Direction)));
    auto* lane = new QSpinBox(&dialog);
    lane->setRange(-999, 999);
    lane->setValue(place.Lane);
    auto* side = new QComboBox(&dialog);
    side->addItem(tr("Left"), QStringLiteral("L"));
    side->addItem(tr("Right"), QStringLiteral("R"));
    side->setCurrentIndex(place.Side == 'R' ? 1 : 0);
    auto* kind = new QComboBox(&dialog);
    kind->addItem(tr("Pursues the player"), QStringLiteral("P"));
    kind->addItem(tr("Drives at random"), QStringLiteral("R"));
    kind->setCurrentIndex(place.Kind == 'R' ? 1 : 0);
    form->addRow(tr("Direction"), direction);
    form->addRow(tr("Lane"), lane);
    form->addRow(tr("Side"), side);
    form->addRow(tr("Kind"), kind);
    if (!RunFormDialog(dialog, *form))
        return;
    StartPlace next = place;
    next.Direction = direction->currentData().toInt();
    next.Lane = lane->value();
    next.Side = side->currentData().toString() == QLatin1String("R") ? 'R' : 'L';
    next.Kind = kind->currentData().toString() == QLatin1String("R") ? 'R' : 'P';
    Edit(tr("Change start"), [&](CourseDocument& d) { return SetStart(d, entry, next); });
}

void EditorWindow::ShowProperties()
{
    QDialog dialog(this);
    dialog.setWindowTitle(tr("Course Properties"));
    auto* form = new QFormLayout(&dialog);
    auto* width = new QSpinBox(&dialog);
    width->setRange(1, MaxCourseSide);
    width->setValue(document_.Width);
    auto* height = new QSpinBox(&dialog);
    height->setRange(1, MaxCourseSide);
    height->setValue(document_.Height);
    auto* horizontal = new QComboBox(&dialog);
    horizontal->addItem(tr("at the right edge"));
    horizontal->addItem(tr("at the left edge"));
    auto* vertical = new QComboBox(&dialog);
    vertical->addItem(tr("at the bottom edge"));
    vertical->addItem(tr("at the top edge"));
    auto* ownScreen = new QCheckBox(tr("Field size of its own (ScreenSize)"), &dialog);
    ownScreen->setChecked(document_.ScreenSize.has_value());
    auto* screenWidth = new QSpinBox(&dialog);
    auto* screenHeight = new QSpinBox(&dialog);
    for (QSpinBox* box : {screenWidth, screenHeight})
        box->setRange(0, MaxCourseSide * 2);
    const TPoint screen = document_.ScreenSize.value_or(TPoint{0, 0});
    screenWidth->setValue(screen.X);
    screenHeight->setValue(screen.Y);
    form->addRow(tr("Width (cells)"), width);
    form->addRow(tr("Grow or shrink"), horizontal);
    form->addRow(tr("Height (cells)"), height);
    form->addRow(tr("Grow or shrink"), vertical);
    form->addRow(ownScreen);
    form->addRow(tr("Field width (0: the course's)"), screenWidth);
    form->addRow(tr("Field height (0: the course's)"), screenHeight);
    if (!RunFormDialog(dialog, *form))
        return;
    const auto size = ownScreen->isChecked()
                          ? std::optional<TPoint>(TPoint{screenWidth->value(), screenHeight->value()})
                          : std::nullopt;
    Edit(tr("Course properties"), [&](CourseDocument& d) {
        const bool resized = ResizeCourse(d, width->value(), height->value(),
                                          horizontal->currentIndex() == 1 ? GrowEdge::Start : GrowEdge::End,
                                          vertical->currentIndex() == 1 ? GrowEdge::Start : GrowEdge::End);
        return SetScreenSize(d, size) || resized;
    });
}

void EditorWindow::DrawOverlay(QPainter& painter) const
{
    if (try_->Running())
        return;
    const int t = tileSize_;
    const auto cellRect = [t](TPoint c) { return QRect((c.X - 1) * t, (c.Y - 1) * t, t, t); };
    painter.setRenderHint(QPainter::Antialiasing, false);
    // The field's own edge, when it is set apart from the course's.
    if (document_.ScreenSize) {
        const int w = Pixels(document_.ScreenSize->X > 0 ? document_.ScreenSize->X : document_.Width, t);
        const int h = Pixels(document_.ScreenSize->Y > 0 ? document_.ScreenSize->Y : document_.Height, t);
        painter.setPen(QPen(QColor(255, 200, 0), 0, Qt::DashLine));
        painter.drawRect(0, 0, w - 1, h - 1);
    }
    QFont font = painter.font();
    font.setPixelSize(std::max(8, t / 2));
    painter.setFont(font);
    if (tool_ == Tool::Block) {
        for (size_t k = 0; k < document_.Blocks.size(); ++k) {
            const TRect& b = document_.Blocks[k];
            const QRect r(QPoint(Pixels(int64_t{b.Left} - 1, t), Pixels(int64_t{b.Top} - 1, t)),
                          QPoint(Pixels(b.Right, t) - 1, Pixels(b.Bottom, t) - 1));
            painter.setPen(QPen(QColor(0, 160, 255), 0, Qt::DashLine));
            painter.drawRect(r.adjusted(1, 1, -2, -2));
            painter.setPen(QColor(0, 200, 255));
            painter.drawText(r.adjusted(3, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, QString::number(k + 1));
        }
        if (blockDrag_) {
            const QRect r = cellRect(dragStart_).united(cellRect(dragCell_));
            painter.fillRect(r, QColor(0, 160, 255, 60));
        }
        painter.setPen(QColor(255, 255, 255));
        painter.drawText(QPoint(4, document_.Height * t - 4), tr("Path: %1").arg(QString::fromStdString(document_.Path)));
    }
    if (tool_ == Tool::Start || tool_ == Tool::Lane || tool_ == Tool::Dot) {
        for (size_t k = 0; k < document_.Starts.size(); ++k) {
            const StartPlace& s = document_.Starts[k];
            if (!document_.OnCourse({s.Column, s.Row}))
                continue;
            painter.setPen(QPen(static_cast<int32_t>(k) == selectedStart_ ? QColor(255, 255, 0) : QColor(255, 255, 255, 160), 0));
            painter.drawRect(cellRect({s.Column, s.Row}).adjusted(0, 0, -1, -1));
            painter.drawText(cellRect({s.Column, s.Row}).adjusted(2, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, QString::number(k));
        }
    }
    if (tool_ == Tool::Caption) {
        painter.setPen(QPen(QColor(255, 120, 255), 0, Qt::DashLine));
        for (int k = 0; k < CaptionCount; ++k)
            if (document_.Captions[static_cast<size_t>(k)])
                painter.drawRect(CaptionRect(k));
    }
    if (selectedCell_) {
        painter.setPen(QPen(QColor(255, 60, 60), 2));
        painter.drawRect(cellRect(*selectedCell_).adjusted(1, 1, -1, -1));
    }
}
