// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's commands: actions with their keys and status tips, the menus and the tool bar.
#include "editor/EditorWindow.h"

#include "editor/CourseView.h"
#include "editor/EditorDialogs.h"
#include "editor/EditorIcons.h"
#include "editor/TryRunner.h"
#include "editor/model/CourseEdits.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDockWidget>
#include <QFileInfo>
#include <QMenuBar>
#include <QToolBar>
#include <QUndoStack>

namespace {
QAction* MakeAction(QObject* parent, const QString& text, const QKeySequence& key,
                    const QString& tip)
{
    auto* action = new QAction(text, parent);
    if (!key.isEmpty())
        action->setShortcut(key);
    action->setStatusTip(tip);
    // The menu's "&" marks a mnemonic; a tooltip shows the plain name ("&&" is one "&").
    QString name = text;
    name.replace(QLatin1String("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
    name.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    if (name.endsWith(QLatin1String("...")))
        name.chop(3);
    action->setToolTip(key.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, key.toString(QKeySequence::NativeText)));
    return action;
}
} // namespace

void EditorWindow::BuildActions()
{
    NewAction = MakeAction(this, tr("&New..."), QKeySequence::New, tr("Start a new course of closed cells, of a size you choose, with room for the captions"));
    OpenAction = MakeAction(this, tr("&Open..."), QKeySequence::Open, tr("Open a course file"));
    SaveAction = MakeAction(this, tr("&Save"), QKeySequence::Save, tr("Save the course, changing only the lines that changed"));
    SaveAsAction = MakeAction(this, tr("Save &As..."), QKeySequence::SaveAs, tr("Save the course under another name"));
    QuitAction = MakeAction(this, tr("&Quit"), QKeySequence::Quit, tr("Close the editor"));
    UndoAction = undo_->createUndoAction(this, tr("&Undo"));
    UndoAction->setShortcut(QKeySequence::Undo);
    RedoAction = undo_->createRedoAction(this, tr("&Redo"));
    RedoAction->setShortcut(QKeySequence::Redo);
    FillDotsAction = MakeAction(this, tr("&Fill Reachable Dots"), QKeySequence(tr("Ctrl+D")),
                                tr("Put a dot on every cell the player's car can reach and remove the others"));
    ClearPathAction = MakeAction(this, tr("&Clear Path"), QKeySequence(),
                                 tr("Empty the block path, to click the blocks again in order"));
    PropertiesAction = MakeAction(this, tr("Course &Properties..."), QKeySequence(tr("Ctrl+P")),
                                  tr("Map size (growing or shrinking at a chosen edge) and field size"));
    GridAction = MakeAction(this, tr("&Grid"), QKeySequence(tr("Ctrl+G")), tr("Show or hide the grid"));
    GridAction->setCheckable(true);
    GridAction->setChecked(true);
    ZoomInAction = MakeAction(this, tr("Zoom &In"), QKeySequence::ZoomIn, tr("Show the course larger (also Ctrl+= and Ctrl+wheel)"));
    // Ctrl+= is Ctrl++ without Shift on most keyboards.
    ZoomInAction->setShortcuts({QKeySequence(QKeySequence::ZoomIn), QKeySequence(tr("Ctrl+="))});
    ZoomOutAction = MakeAction(this, tr("Zoom &Out"), QKeySequence::ZoomOut, tr("Show the course smaller"));
    FitAction = MakeAction(this, tr("&Fit to Window"), QKeySequence(tr("Ctrl+0")), tr("The largest zoom at which the whole course fits the window"));
    FindingsViewAction = findingsDock_->toggleViewAction();
    FindingsViewAction->setText(tr("&Findings Panel"));
    FindingsViewAction->setStatusTip(tr("Show or hide the findings panel"));
    CopyAction = MakeAction(this, tr("&Copy"), QKeySequence::Copy, tr("Copy the selected cells with their walls, dots, starts and blocks"));
    CutAction = MakeAction(this, tr("Cu&t"), QKeySequence::Cut, tr("Copy the selected cells and close them"));
    PasteAction = MakeAction(this, tr("&Paste"), QKeySequence::Paste, tr("Put the copied cells at the cell under the pointer (or at the selection)"));
    DeleteAction = MakeAction(this, tr("&Delete"), QKeySequence(QKeySequence::Delete), tr("Close the selected cells, or remove the selected start entry"));
    MirrorLeftRightAction = MakeAction(this, tr("&Mirror Left to Right"), QKeySequence(), tr("Mirror the selected cells, or the whole course when none are selected"));
    MirrorTopBottomAction = MakeAction(this, tr("Mirror &Top to Bottom"), QKeySequence(), tr("Mirror the selected cells, or the whole course when none are selected"));
    RotateAction = MakeAction(this, tr("&Rotate Course"), QKeySequence(), tr("Turn the whole course a quarter turn clockwise"));
    QuarterBlocksAction = MakeAction(this, tr("&Quarter Blocks"), QKeySequence(), tr("Replace the blocks by four, one per quarter of the course, with the path 1234 round them"));
    HelpAction = MakeAction(this, tr("&Keys and Tools"), QKeySequence(QKeySequence::HelpContents), tr("What every tool and key does"));
    AboutAction = MakeAction(this, tr("&About"), QKeySequence(), tr("About the course editor"));
    for (QAction* action : {CopyAction, CutAction, PasteAction})
        action->setEnabled(false);
    PlayAction = MakeAction(this, tr("&Play Demo"), QKeySequence(tr("F5")), tr("Try the course: the cars drive by themselves"));
    DriveAction = MakeAction(this, tr("&Drive"), QKeySequence(tr("F6")), tr("Try the course driving the player's car with the game's keys"));
    StopAction = MakeAction(this, tr("S&top"), QKeySequence(tr("Esc")), tr("End the try and return to the course as it was"));

    const QImage& g = groundSheet_;
    const QImage& c = carSheet_;
    PropertiesAction->setIcon(MakeEditorIcon(EditorIcon::Properties, g, c));
    FillDotsAction->setIcon(MakeEditorIcon(EditorIcon::FillDots, g, c));
    PlayAction->setIcon(MakeEditorIcon(EditorIcon::Play, g, c));
    DriveAction->setIcon(MakeEditorIcon(EditorIcon::Drive, g, c));
    StopAction->setIcon(MakeEditorIcon(EditorIcon::Stop, g, c));

    struct ToolInfo {
        QString text;
        const char* key;
        QString tip;
        EditorIcon icon;
    };
    const ToolInfo tools[ToolCount] = {
        {tr("&Lane"), "L", tr("Lane: drag through cells to carve a lane"), EditorIcon::Lane},
        {tr("&Wall"), "W", tr("Wall: click near a cell edge to close or open it"), EditorIcon::Wall},
        {tr("D&ot"), "O", tr("Dot: click or drag to put or take dots"), EditorIcon::Dot},
        {tr("&Start"), "S", tr("Start: click to add a car, drag to move, R/Shift+R to turn, Delete to remove, double-click for lane, side and kind"), EditorIcon::Start},
        {tr("&Block"), "B", tr("Block: drag a rectangle; click blocks in order to extend the path; right-click removes"), EditorIcon::Block},
        {tr("&Captions"), "C", tr("Captions: drag a caption; a click places the next caption the course lacks"), EditorIcon::Caption},
        {tr("S&elect"), "E", tr("Select: drag a rectangle of cells to copy, cut, delete or mirror"), EditorIcon::Select},
    };
    toolGroup_ = new QActionGroup(this);
    for (int k = 0; k < ToolCount; ++k) {
        QAction* action = MakeAction(this, tools[k].text, QKeySequence(QString::fromLatin1(tools[k].key)), tools[k].tip);
        action->setIcon(MakeEditorIcon(tools[k].icon, g, c));
        action->setCheckable(true);
        action->setActionGroup(toolGroup_);
        ToolActions[k] = action;
        connect(action, &QAction::triggered, this, [this, k] { SelectTool(static_cast<Tool>(k)); });
    }
    ToolActions[0]->setChecked(true);

    connect(NewAction, &QAction::triggered, this, [this] { AskNewCourse(); });
    connect(FitAction, &QAction::triggered, this, [this] { FitToWindow(); });
    connect(CopyAction, &QAction::triggered, this, [this] { CopySelection(false); });
    connect(CutAction, &QAction::triggered, this, [this] { CopySelection(true); });
    connect(PasteAction, &QAction::triggered, this, [this] { PasteClip(); });
    connect(DeleteAction, &QAction::triggered, this, [this] { DeleteSelected(); });
    connect(MirrorLeftRightAction, &QAction::triggered, this, [this] { Mirror(true); });
    connect(MirrorTopBottomAction, &QAction::triggered, this, [this] { Mirror(false); });
    connect(RotateAction, &QAction::triggered, this, [this] {
        SetSelection(std::nullopt);
        Edit(tr("Rotate course"), [](CourseDocument& d) { return RotateCourse(d); });
    });
    connect(QuarterBlocksAction, &QAction::triggered, this, [this] {
        Edit(tr("Quarter blocks"), [](CourseDocument& d) { return MakeQuarterBlocks(d); });
    });
    connect(HelpAction, &QAction::triggered, this, [this] { ShowHelp(); });
    connect(AboutAction, &QAction::triggered, this, [this] { ShowAbout(); });
    connect(OpenAction, &QAction::triggered, this, [this] {
        const QString path = dialogs_.OpenFile(this, fileName_.isEmpty() ? QString() : QFileInfo(fileName_).path());
        if (!path.isEmpty())
            OpenPath(path);
    });
    connect(SaveAction, &QAction::triggered, this, [this] { Save(); });
    connect(SaveAsAction, &QAction::triggered, this, [this] { SaveAs(); });
    connect(QuitAction, &QAction::triggered, this, &QWidget::close);
    connect(FillDotsAction, &QAction::triggered, this, [this] { FillDots(); });
    connect(ClearPathAction, &QAction::triggered, this,
            [this] { Edit(tr("Clear path"), [](CourseDocument& d) { return SetPath(d, ""); }); });
    connect(PropertiesAction, &QAction::triggered, this, [this] { ShowProperties(); });
    connect(GridAction, &QAction::toggled, view_, &CourseView::SetGrid);
    connect(ZoomInAction, &QAction::triggered, this, [this] { view_->SetZoom(view_->Zoom() + 1); });
    connect(ZoomOutAction, &QAction::triggered, this, [this] { view_->SetZoom(view_->Zoom() - 1); });
    connect(PlayAction, &QAction::triggered, this, [this] { StartTry(true); });
    connect(DriveAction, &QAction::triggered, this, [this] { StartTry(false); });
    connect(StopAction, &QAction::triggered, this, [this] { StopTry(); });
    UpdateTryActions();
}

void EditorWindow::BuildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(NewAction);
    file->addAction(OpenAction);
    RecentMenu = file->addMenu(tr("Open &Recent"));
    file->addAction(SaveAction);
    file->addAction(SaveAsAction);
    file->addSeparator();
    file->addAction(QuitAction);
    RebuildRecentMenu();

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->addAction(UndoAction);
    edit->addAction(RedoAction);
    edit->addSeparator();
    edit->addAction(CutAction);
    edit->addAction(CopyAction);
    edit->addAction(PasteAction);
    edit->addAction(DeleteAction);
    edit->addSeparator();
    edit->addAction(MirrorLeftRightAction);
    edit->addAction(MirrorTopBottomAction);
    edit->addAction(RotateAction);
    edit->addSeparator();
    edit->addAction(FillDotsAction);
    edit->addAction(QuarterBlocksAction);
    edit->addAction(ClearPathAction);
    edit->addAction(PropertiesAction);

    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    for (QAction* action : ToolActions)
        tools->addAction(action);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->addAction(GridAction);
    view->addAction(ZoomInAction);
    view->addAction(ZoomOutAction);
    view->addAction(FitAction);
    view->addSeparator();
    view->addAction(FindingsViewAction);

    QMenu* tryMenu = menuBar()->addMenu(tr("T&ry"));
    tryMenu->addAction(PlayAction);
    tryMenu->addAction(DriveAction);
    tryMenu->addAction(StopAction);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(HelpAction);
    help->addAction(AboutAction);
}

void EditorWindow::BuildToolBar()
{
    QToolBar* bar = addToolBar(tr("Tools"));
    bar->setObjectName(QStringLiteral("tools"));
    for (QAction* action : ToolActions)
        bar->addAction(action);
    bar->addSeparator();
    bar->addAction(FillDotsAction);
    bar->addAction(PropertiesAction);
    bar->addSeparator();
    bar->addAction(PlayAction);
    bar->addAction(DriveAction);
    bar->addAction(StopAction);
}

void EditorWindow::ConnectView()
{
    connect(view_, &CourseView::Pressed, this, &EditorWindow::ToolPressed);
    connect(view_, &CourseView::Dragged, this, &EditorWindow::ToolDragged);
    connect(view_, &CourseView::Released, this, &EditorWindow::ToolReleased);
    connect(view_, &CourseView::DoubleClicked, this, &EditorWindow::ToolDoubleClicked);
    connect(view_, &CourseView::Hovered, this, [this](QPoint pixel) { HoverAt(pixel); });
    connect(view_, &CourseView::Left, this, [this] { HoverAt(std::nullopt); });
    connect(view_, &CourseView::ZoomStep, this, [this](int step) { view_->SetZoom(view_->Zoom() + step); });
}

void EditorWindow::UpdateTryActions()
{
    const bool trying = try_->Running();
    PlayAction->setEnabled(!trying);
    DriveAction->setEnabled(!trying);
    StopAction->setEnabled(trying);
    for (QAction* action : {NewAction, OpenAction, FillDotsAction, ClearPathAction, PropertiesAction,
                            DeleteAction, MirrorLeftRightAction, MirrorTopBottomAction,
                            RotateAction, QuarterBlocksAction})
        action->setEnabled(!trying);
    toolGroup_->setEnabled(!trying);
    UndoAction->setVisible(true);
    if (trying) {
        UndoAction->setEnabled(false);
        RedoAction->setEnabled(false);
    } else {
        UndoAction->setEnabled(undo_->canUndo());
        RedoAction->setEnabled(undo_->canRedo());
    }
}
