// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The course editor's main window: the course view in a scroll area, a tool bar with one button
// per tool, the findings panel, the file commands with a recent-files list, undo and redo, and
// Try, which plays the course in place until Stop.
#include "editor/model/CourseDocument.h"
#include "editor/model/CourseReader.h"
#include "editor/model/CourseTransforms.h"

#include <QImage>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

class CourseView;
class EditorDialogs;
class FindingsPanel;
class TryRunner;
class QAction;
class QActionGroup;
class QDockWidget;
class QLabel;
class QMenu;
class QScrollArea;
class QUndoStack;

class EditorWindow : public QMainWindow {
    Q_OBJECT
public:
    enum class Tool { Lane, Wall, Dot, Start, Block, Caption, Select };
    static constexpr int ToolCount = 7;

    // The two sheets the field is drawn with; the window keeps its own copies.
    EditorWindow(EditorDialogs& dialogs, const QImage& groundSheet, const QImage& carSheet,
                 QWidget* parent = nullptr);
    ~EditorWindow() override;

    // File commands. Each false when nothing changed (cancelled, or the error was shown).
    // A course of closed cells; with `captions`, the field has room for the captions and they
    // are placed. It opens with the Lane tool at a zoom that fits the window.
    bool NewCourse(int width, int height, bool captions = false);
    // The New Course dialog, then NewCourse.
    bool AskNewCourse();
    bool OpenPath(const QString& path);
    // The same for a name as the system's bytes (from the command line), which need not be UTF-8.
    bool OpenLocalPath(const std::string& localPath);
    bool SavePath(const QString& path);
    bool Save();
    bool SaveAs();
    // Asks to save unsaved changes; false when the author cancelled.
    bool MayDiscard();

    const CourseDocument& Document() const { return document_; }
    const QString& FileName() const { return fileName_; }
    QUndoStack* UndoStack() const { return undo_; }
    CourseView* View() const { return view_; }
    FindingsPanel* Findings() const { return findings_; }
    TryRunner* Try() const { return try_; }
    Tool CurrentTool() const { return tool_; }
    void SelectTool(Tool tool);
    int32_t SelectedStart() const { return selectedStart_; }
    std::optional<TPoint> SelectedCell() const { return selectedCell_; }
    void SelectCell(TPoint cell);
    // The rectangle of cells the Select tool marked, if any.
    std::optional<TRect> Selection() const { return selection_; }
    void SetSelection(std::optional<TRect> area);
    // The cells of the chosen finding (its route or region), drawn on the map.
    const std::vector<TPoint>& MarkedCells() const { return markedCells_; }
    // The largest zoom at which the whole course fits the window.
    void FitToWindow();
    // Cell under a field pixel (may lie off the course).
    TPoint CellAt(QPoint fieldPixel) const;
    // Field pixel rectangle of a caption's drawn text.
    QRect CaptionRect(int caption) const;
    // The problems of the file as opened (until the next save).
    const std::vector<FileProblem>& OpenProblems() const { return openProblems_; }
    // The bytes a save would write now.
    std::string PendingBytes() const;

    // Every command, for the menus, the tool bar and the tests.
    QAction* NewAction = nullptr;
    QAction* OpenAction = nullptr;
    QAction* SaveAction = nullptr;
    QAction* SaveAsAction = nullptr;
    QAction* QuitAction = nullptr;
    QAction* UndoAction = nullptr;
    QAction* RedoAction = nullptr;
    QAction* FillDotsAction = nullptr;
    QAction* ClearPathAction = nullptr;
    QAction* PropertiesAction = nullptr;
    QAction* GridAction = nullptr;
    QAction* ZoomInAction = nullptr;
    QAction* ZoomOutAction = nullptr;
    QAction* FitAction = nullptr;
    QAction* FindingsViewAction = nullptr;
    QAction* CopyAction = nullptr;
    QAction* CutAction = nullptr;
    QAction* PasteAction = nullptr;
    QAction* DeleteAction = nullptr;
    QAction* MirrorLeftRightAction = nullptr;
    QAction* MirrorTopBottomAction = nullptr;
    QAction* RotateAction = nullptr;
    QAction* QuarterBlocksAction = nullptr;
    QAction* HelpAction = nullptr;
    QAction* AboutAction = nullptr;
    QAction* PlayAction = nullptr;
    QAction* DriveAction = nullptr;
    QAction* StopAction = nullptr;
    QAction* ToolActions[ToolCount] = {};
    QMenu* RecentMenu = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildActions();
    void BuildMenus();
    void BuildToolBar();
    void RestoreLayout();
    void HoverAt(std::optional<QPoint> pixel);
    // The side of `cell` that a Wall click at `pixel` changes.
    int32_t WallSideAt(QPoint pixel, TPoint cell) const;
    void ConnectView();

    // Puts a course into the window (from an undo step, a load or an edit) and shows it.
    void ApplyDocument(const CourseDocument& document);
    void RenderField();
    void DrawOverlay(QPainter& painter) const;
    void UpdateTitle();
    void UpdateRecent(const QString& path);
    void RebuildRecentMenu();
    void TakeOpenedCourse(OpenedCourse opened, const std::string& localPath, std::string bytes);

    // Edits: a whole drag is one undo step, a click another.
    void BeginEdit(const QString& text);
    void EndEdit();
    bool Edit(const QString& text, const std::function<bool(CourseDocument&)>& edit);

    // Tools (EditorTools.cpp).
    void ToolPressed(QPoint pixel, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void ToolDragged(QPoint pixel);
    void ToolReleased(QPoint pixel);
    void ToolDoubleClicked(QPoint pixel);
    bool ToolKey(int key, Qt::KeyboardModifiers modifiers);
    void EditStartEntry(int32_t entry);
    void DeleteSelected();
    void CopySelection(bool cut);
    void PasteClip();
    void Mirror(bool horizontal);
    void ShowHelp();
    void ShowAbout();
    void FillDots();
    void ShowProperties();
    int CaptionAt(QPoint pixel) const;

    // Try (EditorTry.cpp).
    void StartTry(bool demo);
    void StopTry();
    void UpdateTryActions();

    EditorDialogs& dialogs_;
    QImage groundSheet_;
    QImage carSheet_;
    int tileSize_ = 0;
    CourseDocument document_;
    CourseDocument loaded_;   // as read from the file (or empty for a new course)
    std::string fileBytes_;   // the file as read or last saved; empty for a new course
    std::vector<FileProblem> openProblems_;
    QString fileName_;      // shown, and offered by the file dialogs
    std::string localPath_; // the same name as the system's bytes, which reads and writes use
    QImage field_;

    CourseView* view_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    FindingsPanel* findings_ = nullptr;
    TryRunner* try_ = nullptr;
    QUndoStack* undo_ = nullptr;
    QActionGroup* toolGroup_ = nullptr;
    QLabel* cellLabel_ = nullptr;
    QDockWidget* findingsDock_ = nullptr;
    Tool tool_ = Tool::Lane;

    // The drag in progress.
    bool editing_ = false;
    QString editText_;
    CourseDocument editBefore_;
    TPoint dragCell_{};
    TPoint dragStart_{};
    bool dotValue_ = false;
    int dragCaption_ = -1;
    QPoint captionGrab_{};
    bool blockDrag_ = false;
    bool startDrag_ = false;
    bool laneRing_ = false;  // Shift held at the press: the drag carves a ring
    bool laneErase_ = false; // the right button: the drag walls the lane off
    bool selectDrag_ = false;
    std::optional<QPoint> hover_; // the pointer over the course, in field pixels
    std::optional<TRect> selection_;
    CellClip clip_;
    std::vector<TPoint> markedCells_;

    int32_t selectedStart_ = -1;
    std::optional<TPoint> selectedCell_;
};
