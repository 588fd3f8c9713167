// SPDX-License-Identifier: GPL-3.0-or-later
// The editor window: construction, file commands, recent files and the rendering of the view.
#include "editor/EditorWindow.h"

#include "editor/CourseView.h"
#include "editor/EditCommand.h"
#include "editor/EditorDialogs.h"
#include "editor/FindingTexts.h"
#include "editor/FindingsPanel.h"
#include "editor/TryRunner.h"
#include "editor/model/CourseEdits.h"
#include "editor/model/CourseWriter.h"
#include "cars/TCar.h"
#include "platform/Canvas.h"
#include "platform/IniFile.h"
#include "platform/WholeFileRead.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QScrollArea>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QUndoStack>

#include <filesystem>

namespace {

constexpr int MaxRecentFiles = 8;
constexpr int NewCourseWidth = 12;
constexpr int NewCourseHeight = 10;

// The whole content of a file, or nothing when it cannot be read (or is far too large).
std::optional<std::string> ReadFileBytes(const std::string& path)
{
    brv::WholeFile file = brv::ReadWholeFile(path, size_t{16} << 20);
    if (!file.Ok())
        return std::nullopt;
    return std::move(file.Bytes);
}

// A name as the system takes it. A name that is not UTF-8 reaches the editor only as bytes (the
// command line): Qt cannot turn it into text and back unchanged, so the bytes are what is kept.
std::string LocalPath(const QString& path)
{
    const QByteArray bytes = QFile::encodeName(path);
    return {bytes.constData(), static_cast<size_t>(bytes.size())};
}

std::string AbsolutePath(const std::string& path)
{
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.lexically_normal().string();
}

QSettings EditorSettings() { return QSettings(QStringLiteral("brevanto"), QStringLiteral("brevanto-edit")); }

} // namespace

EditorWindow::EditorWindow(EditorDialogs& dialogs, const QImage& groundSheet,
                           const QImage& carSheet, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), groundSheet_(groundSheet), carSheet_(carSheet),
      tileSize_(groundSheet.height() / 4)
{
    undo_ = new QUndoStack(this);
    undo_->setUndoLimit(500);
    connect(undo_, &QUndoStack::cleanChanged, this, [this] { UpdateTitle(); });

    view_ = new CourseView(this);
    view_->SetTileSize(tileSize_);
    view_->SetOverlay([this](QPainter& painter) { DrawOverlay(painter); });
    view_->SetMarksShown([this] { return !try_ || !try_->Running(); });
    view_->installEventFilter(this);
    scroll_ = new QScrollArea(this);
    scroll_->setWidget(view_);
    scroll_->setAlignment(Qt::AlignCenter);
    setCentralWidget(scroll_);

    findings_ = new FindingsPanel(this);
    findingsDock_ = new QDockWidget(tr("Findings"), this);
    findingsDock_->setObjectName(QStringLiteral("findings"));
    findingsDock_->setWidget(findings_);
    addDockWidget(Qt::RightDockWidgetArea, findingsDock_);
    connect(findings_, &FindingsPanel::FindingChosen, this, [this](TPoint cell, int32_t entry) {
        // The finding's own cell first; else the cell of the start entry it concerns. A start
        // entry off the course is selected all the same, to be given a cell or deleted.
        markedCells_ = findings_->ChosenCells();
        if (entry >= 0 && static_cast<size_t>(entry) < document_.Starts.size()) {
            selectedStart_ = entry;
            const StartPlace& s = document_.Starts[static_cast<size_t>(entry)];
            if (!document_.OnCourse(cell))
                cell = {s.Column, s.Row};
            if (!document_.OnCourse(cell))
                statusBar()->showMessage(
                    tr("Start entry Pos%1 is selected: click a cell with the Start tool to put it "
                       "there, double-click this line for its dialog, or press Delete.")
                        .arg(entry));
        }
        if (document_.OnCourse(cell))
            SelectCell(cell);
        view_->update();
    });
    // New findings: the marks of the one chosen before are gone with it.
    connect(findings_, &FindingsPanel::Updated, this, [this] {
        markedCells_ = findings_->ChosenCells();
        view_->update();
    });
    connect(findings_, &FindingsPanel::FindingActivated, this, [this](TPoint, int32_t entry) {
        if (entry >= 0 && static_cast<size_t>(entry) < document_.Starts.size())
            EditStartEntry(entry);
    });

    try_ = new TryRunner(groundSheet_, carSheet_, this);
    connect(try_, &TryRunner::FieldChanged, this, [this] { view_->SetImage(try_->Field()); });
    connect(try_, &TryRunner::StatusChanged, this,
            [this](const QString& text) { statusBar()->showMessage(text); });
    connect(try_, &TryRunner::Ended, this, [this](const QString& error) {
        dialogs_.ShowError(this, error);
        StopTry();
    });

    cellLabel_ = new QLabel(this);
    statusBar()->addPermanentWidget(cellLabel_);

    BuildActions();
    BuildMenus();
    BuildToolBar();
    ConnectView();
    resize(960, 640);
    RestoreLayout();
    NewCourse(NewCourseWidth, NewCourseHeight);
}

void EditorWindow::RestoreLayout()
{
    // The size and the panels as the author left them.
    const QSettings settings = EditorSettings();
    restoreGeometry(settings.value(QStringLiteral("Geometry")).toByteArray());
    restoreState(settings.value(QStringLiteral("Layout")).toByteArray());
}

EditorWindow::~EditorWindow()
{
    // The undo stack is a child that QWidget deletes after this class is gone; its last signals
    // must not reach a window that is half destroyed.
    disconnect(undo_, nullptr, this, nullptr);
}

bool EditorWindow::NewCourse(int width, int height, bool captions)
{
    if (!MayDiscard())
        return false;
    StopTry();
    fileName_.clear();
    localPath_.clear();
    fileBytes_.clear();
    openProblems_.clear();
    loaded_ = CourseDocument{};
    undo_->clear();
    selectedStart_ = -1;
    selectedCell_.reset();
    selection_.reset();
    markedCells_.clear();
    CourseDocument course = CourseDocument::Empty(width, height);
    if (captions)
        PlaceCaptionsBeside(course);
    ApplyDocument(course);
    SelectTool(Tool::Lane);
    FitToWindow();
    return true;
}

void EditorWindow::FitToWindow()
{
    const QSize room = scroll_->maximumViewportSize();
    const QSize image = view_->Image().size();
    int zoom = 1;
    while (zoom < CourseView::MaxEditorZoom && image.width() * (zoom + 1) <= room.width() &&
           image.height() * (zoom + 1) <= room.height())
        ++zoom;
    view_->SetZoom(zoom);
}

bool EditorWindow::OpenPath(const QString& path) { return OpenLocalPath(LocalPath(path)); }

bool EditorWindow::OpenLocalPath(const std::string& localPath)
{
    const QString path = QFile::decodeName(QByteArray::fromStdString(localPath));
    const std::optional<std::string> bytes = ReadFileBytes(localPath);
    if (!bytes) {
        dialogs_.ShowError(this, tr("Cannot read %1.").arg(path));
        return false;
    }
    OpenedCourse opened;
    try {
        opened = ReadCourse(*bytes);
    } catch (const NotACourse& error) {
        dialogs_.ShowError(this, tr("%1 is not a course file: %2")
                                     .arg(path, QString::fromStdString(error.what())));
        return false;
    }
    if (!MayDiscard())
        return false;
    TakeOpenedCourse(std::move(opened), localPath, *bytes);
    return true;
}

void EditorWindow::TakeOpenedCourse(OpenedCourse opened, const std::string& localPath, std::string bytes)
{
    StopTry();
    localPath_ = AbsolutePath(localPath);
    fileName_ = QFile::decodeName(QByteArray::fromStdString(localPath_));
    fileBytes_ = std::move(bytes);
    loaded_ = opened.Document;
    openProblems_ = std::move(opened.Problems);
    undo_->clear();
    selectedStart_ = -1;
    selectedCell_.reset();
    selection_.reset();
    markedCells_.clear();
    UpdateRecent(fileName_);
    ApplyDocument(opened.Document);
}

std::string EditorWindow::PendingBytes() const
{
    return SavedBytes(fileBytes_, loaded_, document_, openProblems_);
}

bool EditorWindow::SavePath(const QString& path)
{
    // The open file's own name is kept as the bytes it was opened by.
    const bool sameFile = !fileName_.isEmpty() && path == fileName_;
    const std::string localTarget = sameFile ? localPath_ : AbsolutePath(LocalPath(path));
    const QString target = QFile::decodeName(QByteArray::fromStdString(localTarget));
    // Someone else's change to the file since it was read is not overwritten unasked.
    if (sameFile) {
        const std::optional<std::string> now = ReadFileBytes(localTarget);
        if (now && *now != fileBytes_ &&
            dialogs_.Ask(this, tr("%1 has changed on disk since it was opened. Overwrite it?")
                                   .arg(target), false) != EditorDialogs::Answer::Yes)
            return false;
    }
    // A new name starts from the file as read, so its comments and unknown keys go along.
    const std::string bytes = PendingBytes();
    // A course the game would refuse is saved only when the author says so.
    int32_t refusal = 0;
    const std::string verdict = LoaderVerdict(bytes, {}, &refusal);
    if (!verdict.empty() &&
        dialogs_.Ask(this, tr("The game cannot load the course as it stands: %1\n\nSave it anyway?")
                               .arg(RefusalText(refusal, verdict)), false) != EditorDialogs::Answer::Yes)
        return false;
    try {
        WriteCourseFile(localTarget, bytes);
    } catch (const brv::IniWriteError& error) {
        dialogs_.ShowError(this, tr("The course was not saved. %1").arg(QString::fromStdString(error.what())));
        return false;
    }
    localPath_ = localTarget;
    fileName_ = target;
    fileBytes_ = bytes;
    loaded_ = document_;
    openProblems_.clear();
    undo_->setClean();
    UpdateRecent(fileName_);
    UpdateTitle();
    findings_->Refresh(PendingBytes(), openProblems_);
    statusBar()->showMessage(tr("Saved %1").arg(fileName_), 4000);
    return true;
}

bool EditorWindow::Save()
{
    return fileName_.isEmpty() ? SaveAs() : SavePath(fileName_);
}

bool EditorWindow::SaveAs()
{
    QString path = dialogs_.SaveFile(this, fileName_.isEmpty() ? QStringLiteral("COURSE.DAT") : fileName_);
    // A name without an extension gets the one course files have.
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".DAT");
    return !path.isEmpty() && SavePath(path);
}

bool EditorWindow::MayDiscard()
{
    if (undo_->isClean())
        return true;
    switch (dialogs_.Ask(this, tr("The course has unsaved changes. Save them?"), true)) {
    case EditorDialogs::Answer::Yes: return Save();
    case EditorDialogs::Answer::No: return true;
    default: return false;
    }
}

void EditorWindow::closeEvent(QCloseEvent* event)
{
    if (MayDiscard()) {
        StopTry();
        QSettings settings = EditorSettings();
        settings.setValue(QStringLiteral("Geometry"), saveGeometry());
        settings.setValue(QStringLiteral("Layout"), saveState());
        event->accept();
    } else {
        event->ignore();
    }
}

void EditorWindow::UpdateTitle()
{
    const QString name = fileName_.isEmpty() ? tr("Untitled") : QFileInfo(fileName_).fileName();
    setWindowTitle(tr("%1%2 - Brevanto Course Editor").arg(name, undo_->isClean() ? QString() : QStringLiteral("*")));
}

void EditorWindow::UpdateRecent(const QString& path)
{
    QSettings settings = EditorSettings();
    QStringList files = settings.value(QStringLiteral("RecentFiles")).toStringList();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > MaxRecentFiles)
        files.removeLast();
    settings.setValue(QStringLiteral("RecentFiles"), files);
    RebuildRecentMenu();
}

void EditorWindow::RebuildRecentMenu()
{
    RecentMenu->clear();
    const QStringList files = EditorSettings().value(QStringLiteral("RecentFiles")).toStringList();
    for (const QString& file : files) {
        QAction* action = RecentMenu->addAction(file);
        connect(action, &QAction::triggered, this, [this, file] { OpenPath(file); });
    }
    RecentMenu->setEnabled(!files.isEmpty());
}

void EditorWindow::ApplyDocument(const CourseDocument& document)
{
    document_ = document;
    if (selectedStart_ >= static_cast<int32_t>(document_.Starts.size()))
        selectedStart_ = -1;
    if (selection_ && !document_.OnCourse({selection_->Right, selection_->Bottom}))
        selection_.reset();
    RenderField();
    UpdateTitle();
    findings_->Refresh(PendingBytes(), openProblems_);
}

void EditorWindow::BeginEdit(const QString& text)
{
    editing_ = true;
    editText_ = text;
    editBefore_ = document_;
}

void EditorWindow::EndEdit()
{
    if (!editing_)
        return;
    editing_ = false;
    if (document_ == editBefore_)
        return;
    undo_->push(new EditCommand(editText_, editBefore_, document_,
                                [this](const CourseDocument& d) { ApplyDocument(d); }));
}

void EditorWindow::RenderField()
{
    if (try_->Running())
        return;
    TMap map(&groundSheet_, &carSheet_, false);
    FillMap(document_, map);
    // The editor shows the whole course even where the field is set smaller.
    map.ScreenWidth = std::max<int32_t>(map.ScreenWidth, document_.Width * tileSize_);
    map.ScreenHeight = std::max<int32_t>(map.ScreenHeight, document_.Height * tileSize_);
    field_ = QImage(std::max(map.ScreenWidth, 1), std::max(map.ScreenHeight, 1), QImage::Format_RGB32);
    map.DrawField(field_, 0, 0, 3);
    // The cars on their start entries, as play begins; entries the game would refuse are left
    // out here and listed in the findings.
    brv::Canvas canvas(field_);
    for (size_t k = 0; k < document_.Starts.size(); ++k) {
        const StartPlace& s = document_.Starts[k];
        if (!document_.StartFits(s))
            continue;
        std::unique_ptr<TCar> car = k == 0 ? std::make_unique<TMyCar>(&map, 0)
                                           : std::make_unique<TCar>(&map, 1);
        car->Place(s.Course().Record(), s.Kind, s.Side, tileSize_);
        car->Draw(canvas, false);
    }
    view_->SetImage(field_);
}

void EditorWindow::SelectCell(TPoint cell)
{
    selectedCell_ = cell;
    const QPoint centre = view_->WidgetPoint(
        {(cell.X - 1) * tileSize_ + tileSize_ / 2, (cell.Y - 1) * tileSize_ + tileSize_ / 2});
    scroll_->ensureVisible(centre.x(), centre.y());
    cellLabel_->setText(tr("Cell %1,%2").arg(cell.X).arg(cell.Y));
    view_->update();
}

TPoint EditorWindow::CellAt(QPoint pixel) const
{
    const auto cell = [this](int p) {
        return static_cast<int32_t>(std::floor(static_cast<double>(p) / tileSize_)) + 1;
    };
    return {cell(pixel.x()), cell(pixel.y())};
}

void EditorWindow::SetSelection(std::optional<TRect> area)
{
    selection_ = area;
    for (QAction* action : {CopyAction, CutAction})
        action->setEnabled(selection_.has_value());
    view_->update();
}

void EditorWindow::SelectTool(Tool tool)
{
    tool_ = tool;
    ToolActions[static_cast<int>(tool)]->setChecked(true);
    view_->update();
}
