// SPDX-License-Identifier: GPL-3.0-or-later
// The editor window driven offscreen: each tool with the mouse and keys, undo, the findings
// panel following edits, opening faulty files, saving over a changed file, and Try.
#include "editor/CourseView.h"
#include "editor/EditorDialogs.h"
#include "editor/EditorWindow.h"
#include "editor/FindingTexts.h"
#include "editor/FindingsPanel.h"
#include "editor/TryRunner.h"
#include "editor/model/CourseEdits.h"
#include "config/model/KeyBindings.h"
#include "platform/Sheets.h"

#include <QAction>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QRegularExpression>
#include <QTranslator>
#include <QWheelEvent>
#include <QComboBox>
#include <QDialog>
#include <QSpinBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

#include <cstdio>
#include <deque>
#include <memory>

namespace {

// Answers every box as the test says and records the errors shown.
class ScriptedDialogs : public EditorDialogs {
public:
    void ShowError(QWidget*, const QString& text) override { errors.push_back(text); }
    Answer Ask(QWidget*, const QString& question, bool) override
    {
        questions.push_back(question);
        if (answers.empty())
            return Answer::Cancel;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    QString OpenFile(QWidget*, const QString&) override { return openPath; }
    QString SaveFile(QWidget*, const QString&) override { return savePath; }
    void ShowText(QWidget*, const QString& title, const QString& html) override
    {
        texts.push_back(title + QLatin1Char('\n') + html);
    }

    QStringList errors;
    QStringList questions;
    QStringList texts;
    std::deque<Answer> answers;
    QString openPath;
    QString savePath;
};

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

} // namespace

class EditorWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void laneDragCarvesAndUndoRestores();
    void wallClickTogglesTheNearestEdgeInBothCells();
    void dotClickDragAndFill();
    void startAddMoveTurnAndRemove();
    void blockRectanglesAndPath();
    void captionsArePlacedAndDragged();
    void findingsFollowEditsAndSelectCells();
    void openingFaultyAndForeignFiles();
    void savingKeepsTheFileAndAsksWhenItChangedOnDisk();
    void namesThatAreNotUtf8OpenAndSaveUnderTheSameName();
    void tryPlaysAndStopReturnsToTheCourse();
    void tryStopsAtACourseFaultAndKeepsTheEdits();
    void propertiesAndStartDialogs();
    void newCourseDialogMakesRoomForTheCaptions();
    void growingTheMapGrowsTheFieldAndFieldSizeNeedsScreenSize();
    void blockToolKeepsPathAndStopsAtNine();
    void laneRingsAndErasing();
    void selectCopyPasteDeleteAndMirror();
    void offCourseStartIsChosenPlacedOrDeletedAndListedOnce();
    void savingAsksForAnExtensionAndBeforeARefusedCourse();
    void helpZoomKeysPanelsAndTooltips();
    void japaneseFindingsAndVerdict();

private:
    // Centre of a cell (1-based) in the view's own coordinates, plus an offset in field pixels.
    QPoint At(TPoint cell, QPoint offset = {}) const
    {
        const int tile = 24;
        return window->View()->WidgetPoint(
            QPoint((cell.X - 1) * tile + tile / 2, (cell.Y - 1) * tile + tile / 2) + offset);
    }
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, QPointF(at), window->View()->mapToGlobal(QPointF(at)),
                          type == QEvent::MouseMove ? Qt::NoButton : button, buttons, modifiers);
        QCoreApplication::sendEvent(window->View(), &event);
    }
    void Click(TPoint cell, QPoint offset = {}, Qt::MouseButton button = Qt::LeftButton)
    {
        Mouse(QEvent::MouseButtonPress, At(cell, offset), button);
        Mouse(QEvent::MouseButtonRelease, At(cell, offset), button);
    }
    void Drag(const std::vector<TPoint>& cells, Qt::MouseButton button = Qt::LeftButton,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        Mouse(QEvent::MouseButtonPress, At(cells.front()), button, modifiers);
        for (const TPoint c : cells)
            Mouse(QEvent::MouseMove, At(c), button, modifiers);
        Mouse(QEvent::MouseButtonRelease, At(cells.back()), button, modifiers);
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(window->View(), static_cast<Qt::Key>(key), modifiers);
    }
    void WaitForFindings() { QTRY_VERIFY_WITH_TIMEOUT(!window->Findings()->Pending(), 20000); }
    QString Assets(const char* name) const { return QStringLiteral(BREVANTO_ASSETS_DIR "/") + QLatin1String(name); }

    brv::LoadedSheets sheets;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<EditorWindow> window;
    std::unique_ptr<QTemporaryDir> dir;
};

void EditorWindowTest::init()
{
    sheets = brv::LoadSheets(BREVANTO_ASSETS_DIR "/GROUND.BMP", BREVANTO_ASSETS_DIR "/MYCAR.BMP", 0, true);
    dialogs = std::make_unique<ScriptedDialogs>();
    window = std::make_unique<EditorWindow>(*dialogs, sheets.Ground, sheets.Car);
    window->Findings()->SetSoakTicks(200);
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    dir = std::make_unique<QTemporaryDir>();
}

void EditorWindowTest::cleanup()
{
    window.reset();
    dialogs.reset();
}

void EditorWindowTest::laneDragCarvesAndUndoRestores()
{
    const CourseDocument empty = window->Document();
    window->ToolActions[0]->trigger();
    Drag({{2, 2}, {3, 2}, {5, 2}, {5, 4}}); // a jump from 3 to 5 still carves 4 between
    const CourseDocument& d = window->Document();
    QCOMPARE(d.Mask({2, 2}), WallNorth | WallSouth | WallWest);
    QCOMPARE(d.Mask({4, 2}), WallNorth | WallSouth);
    QCOMPARE(d.Mask({5, 2}), WallNorth | WallEast);
    QCOMPARE(d.Mask({5, 3}) & WallNorth, 0);
    QCOMPARE(d.Mask({5, 4}), WallEast | WallSouth | WallWest);
    QCOMPARE(window->UndoStack()->count(), 1); // the whole drag is one step
    window->UndoAction->trigger();
    QVERIFY(window->Document() == empty);
    window->RedoAction->trigger();
    QCOMPARE(window->Document().Mask({4, 2}), WallNorth | WallSouth);
}

void EditorWindowTest::wallClickTogglesTheNearestEdgeInBothCells()
{
    window->ToolActions[0]->trigger();
    Drag({{2, 2}, {4, 2}});
    QTest::keyClick(window->View(), Qt::Key_W);
    QCOMPARE(window->CurrentTool(), EditorWindow::Tool::Wall);
    // Over a cell, the edge nearest the pointer shows what a click would do to it: red to close
    // an open edge, green to open a closed one.
    const auto shownAt = [this](QPoint fieldPixel) {
        return window->View()->grab().toImage().pixelColor(window->View()->WidgetPoint(fieldPixel));
    };
    const QPoint eastOf22(47, 36), westOf32(48, 36); // field pixels on the two cells' shared edge
    const QColor toClose(255, 80, 40), toOpen(80, 255, 80);
    Mouse(QEvent::MouseMove, At({2, 2}, {10, 0}), Qt::NoButton);
    QCOMPARE(shownAt(eastOf22), toClose);
    Click({2, 2}, {10, 0}); // near the east edge of 2,2
    QCOMPARE(window->Document().Mask({2, 2}) & WallEast, WallEast);
    QCOMPARE(window->Document().Mask({3, 2}) & WallWest, WallWest);
    Mouse(QEvent::MouseMove, At({3, 2}, {-10, 1}), Qt::NoButton);
    QCOMPARE(shownAt(westOf32), toOpen);
    Click({3, 2}, {-10, 1}); // the same edge from the other side opens it again
    QCOMPARE(window->Document().Mask({2, 2}) & WallEast, 0);
    QCOMPARE(window->Document().Mask({3, 2}) & WallWest, 0);
    QCOMPARE(window->UndoStack()->count(), 3);
}

void EditorWindowTest::dotClickDragAndFill()
{
    window->ToolActions[0]->trigger();
    Drag({{1, 1}, {4, 1}, {4, 3}, {1, 3}, {1, 1}});
    QTest::keyClick(window->View(), Qt::Key_O);
    Click({8, 8});
    QVERIFY(window->Document().HasDot({8, 8}));
    Click({8, 8});
    QVERIFY(!window->Document().HasDot({8, 8}));
    Drag({{6, 6}, {9, 6}});
    for (int x = 6; x <= 9; ++x)
        QVERIFY(window->Document().HasDot({x, 6}));

    // The fill needs the player's start first, and says so.
    window->FillDotsAction->trigger();
    QCOMPARE(dialogs->errors.size(), 1);
    window->ToolActions[3]->trigger();
    Click({1, 1});
    window->FillDotsAction->trigger();
    const CourseDocument& d = window->Document();
    QVERIFY(d.HasDot({2, 1}) && d.HasDot({4, 3}) && d.HasDot({1, 2}));
    QVERIFY(!d.HasDot({6, 6}) && !d.HasDot({2, 2}));
}

void EditorWindowTest::startAddMoveTurnAndRemove()
{
    window->ToolActions[3]->trigger();
    Click({2, 2});
    Click({5, 5});
    QCOMPARE(window->Document().Starts.size(), size_t{2});
    QVERIFY(window->PendingBytes().find("StartNumber=2") != std::string::npos);
    Drag({{5, 5}, {6, 5}, {7, 6}});
    QCOMPARE(window->Document().Starts[1].Column, 7);
    QCOMPARE(window->Document().Starts[1].Row, 6);
    QCOMPARE(window->SelectedStart(), 1);
    Key(Qt::Key_R);
    QCOMPARE(window->Document().Starts[1].Direction, 4);
    Key(Qt::Key_R, Qt::ShiftModifier);
    Key(Qt::Key_R, Qt::ShiftModifier);
    QCOMPARE(window->Document().Starts[1].Direction, 0);
    Key(Qt::Key_Left);
    QCOMPARE(window->Document().Starts[1].Direction, 6);
    Key(Qt::Key_Delete);
    QCOMPARE(window->Document().Starts.size(), size_t{1});
    Click({2, 2}, {}, Qt::RightButton);
    QVERIFY(window->Document().Starts.empty());
    QVERIFY(window->PendingBytes().find("StartNumber=0") != std::string::npos);
}

void EditorWindowTest::blockRectanglesAndPath()
{
    QTest::keyClick(window->View(), Qt::Key_B);
    Drag({{1, 1}, {3, 2}, {4, 4}});
    Drag({{6, 1}, {8, 3}});
    QCOMPARE(window->Document().Blocks.size(), size_t{2});
    QVERIFY(window->Document().Blocks[0] == (TRect{1, 1, 4, 4}));
    Click({7, 2});
    Click({2, 2});
    Click({7, 3});
    QCOMPARE(window->Document().Path, std::string("212"));
    Click({2, 2}, {}, Qt::RightButton);
    QCOMPARE(window->Document().Blocks.size(), size_t{1});
    window->ClearPathAction->trigger();
    QVERIFY(window->Document().Path.empty());
}

void EditorWindowTest::captionsArePlacedAndDragged()
{
    QTest::keyClick(window->View(), Qt::Key_C);
    Click({3, 3}); // the course has no captions: the title goes here
    QVERIFY(window->Document().Captions[0].has_value());
    QCOMPARE(window->Document().Captions[0]->X, 3);
    const QRect title = window->CaptionRect(0);
    const QPoint grab = window->View()->WidgetPoint(title.topLeft() + QPoint(2, 2));
    Mouse(QEvent::MouseButtonPress, grab);
    Mouse(QEvent::MouseMove, grab + window->View()->WidgetPoint({48, 24}));
    Mouse(QEvent::MouseButtonRelease, grab + window->View()->WidgetPoint({48, 24}));
    QCOMPARE(window->Document().Captions[0]->X, 5);
    QCOMPARE(window->Document().Captions[0]->Y, 4);
    QVERIFY(!window->Document().Captions[1].has_value());
}

void EditorWindowTest::findingsFollowEditsAndSelectCells()
{
    QVERIFY(window->OpenPath(Assets("COURSE1.DAT")));
    WaitForFindings();
    QVERIFY(window->Findings()->Shown().Verdict.empty());
    const int before = window->Findings()->List()->count();

    // A dot in the closed centre: the checker finds it unreachable.
    window->ToolActions[2]->trigger();
    Click({10, 8});
    WaitForFindings();
    QListWidget* list = window->Findings()->List();
    QCOMPARE(list->count(), before + 1);
    QListWidgetItem* dot = nullptr;
    for (int k = 0; k < list->count(); ++k)
        if (list->item(k)->text().contains(QLatin1String("(10,8)")))
            dot = list->item(k);
    QVERIFY(dot);
    list->scrollToItem(dot);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(dot).center());
    QVERIFY(window->SelectedCell().has_value());
    QVERIFY(*window->SelectedCell() == (TPoint{10, 8}));
    // Its region is marked on the map until the findings change.
    QVERIFY(window->MarkedCells() == (std::vector<TPoint>{{10, 8}}));

    window->UndoAction->trigger();
    WaitForFindings();
    QCOMPARE(list->count(), before);
    QVERIFY(window->MarkedCells().empty());
}

void EditorWindowTest::openingFaultyAndForeignFiles()
{
    const QString faulty = dir->filePath(QStringLiteral("FAULTY.DAT"));
    WriteAll(faulty, "[DEFINE]\nMapSize=3,3\nStartNumber=1\n[MAP]\n1=953\n2=AF\n3=C56\n"
                     "[MAPDOT]\n1=OOO\n2=O.O\n3=OOO\n[START]\nPos0=1,1,5,1,L,P\n");
    QVERIFY(window->OpenPath(faulty));
    WaitForFindings();
    QVERIFY(!window->Findings()->Shown().Verdict.empty());
    QCOMPARE(window->OpenProblems().size(), size_t{2});
    QVERIFY(window->Findings()->List()->count() >= 2);

    // Mending the start and saving gives a course the game loads.
    window->ToolActions[3]->trigger();
    Click({1, 1});
    Key(Qt::Key_Right);
    QVERIFY(window->Save());
    WaitForFindings();
    QVERIFY(window->Findings()->Shown().Verdict.empty());
    QVERIFY(ReadAll(faulty).contains("2=AFF\n"));

    // Something that is no course: an error, and the window keeps its course.
    const CourseDocument kept = window->Document();
    QVERIFY(!window->OpenPath(Assets("GROUND.BMP")));
    QVERIFY(!window->OpenPath(dir->filePath(QStringLiteral("MISSING.DAT"))));
    QCOMPARE(dialogs->errors.size(), 2);
    QVERIFY(window->Document() == kept);
    QCOMPARE(window->FileName(), QFileInfo(faulty).absoluteFilePath());
}

// A name as the system gives it, not UTF-8 (as the command line passes it): the course opens,
// and saving writes that very file, not one whose name Qt made up.
void EditorWindowTest::namesThatAreNotUtf8OpenAndSaveUnderTheSameName()
{
    const std::string name = QFile::encodeName(dir->path()).toStdString() + "/\xff\xfe latin \xe9.DAT";
    const QByteArray original = ReadAll(Assets("COURSE1.DAT"));
    {
        std::FILE* file = std::fopen(name.c_str(), "wb");
        QVERIFY(file);
        std::fwrite(original.constData(), 1, static_cast<size_t>(original.size()), file);
        std::fclose(file);
    }
    QVERIFY(window->OpenLocalPath(name));
    QVERIFY(dialogs->errors.empty());
    window->ToolActions[2]->trigger();
    Click({10, 8});
    const CourseDocument edited = window->Document();
    QVERIFY(window->Save());
    // Qt lists no name it cannot show: a file listed here would be one saved under a made-up name.
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 0);
    std::FILE* file = std::fopen(name.c_str(), "rb");
    QVERIFY(file);
    QByteArray saved(original.size() * 2, '\0');
    saved.resize(static_cast<qsizetype>(std::fread(saved.data(), 1, static_cast<size_t>(saved.size()), file)));
    std::fclose(file);
    QVERIFY(saved != original);
    QVERIFY(window->OpenLocalPath(name));
    QVERIFY(window->Document() == edited);
}

void EditorWindowTest::savingKeepsTheFileAndAsksWhenItChangedOnDisk()
{
    const QString path = dir->filePath(QStringLiteral("C1.DAT"));
    const QByteArray original = ReadAll(Assets("COURSE1.DAT"));
    WriteAll(path, original);
    QVERIFY(window->OpenPath(path));
    QVERIFY(window->Save());
    QCOMPARE(ReadAll(path), original);

    window->ToolActions[2]->trigger();
    Click({10, 8});
    // Someone else changes the file: the editor asks, and No keeps their version.
    WriteAll(path, original + "; theirs\r\n");
    dialogs->answers = {EditorDialogs::Answer::No};
    QVERIFY(!window->Save());
    QCOMPARE(dialogs->questions.size(), 1);
    QCOMPARE(ReadAll(path), original + "; theirs\r\n");
    dialogs->answers = {EditorDialogs::Answer::Yes};
    QVERIFY(window->Save());
    QVERIFY(ReadAll(path).contains("8=OOOO.....O.....OOOO"));
    QVERIFY(window->UndoStack()->isClean());

    // A save that cannot be written says so and keeps the course unsaved.
    window->ToolActions[2]->trigger();
    Click({10, 9});
    dialogs->savePath = dir->filePath(QStringLiteral("missing/C1.DAT"));
    QVERIFY(!window->SaveAs());
    QVERIFY(dialogs->errors.last().contains(QLatin1String("not saved")));
    QVERIFY(!window->UndoStack()->isClean());
    QCOMPARE(window->FileName(), QFileInfo(path).absoluteFilePath());

    // Save As writes a new file with the same comments.
    dialogs->savePath = dir->filePath(QStringLiteral("COPY.DAT"));
    QVERIFY(window->SaveAs());
    QVERIFY(ReadAll(dialogs->savePath).startsWith("; Brevanto course 1"));
    QCOMPARE(window->FileName(), QFileInfo(dialogs->savePath).absoluteFilePath());
}

void EditorWindowTest::tryPlaysAndStopReturnsToTheCourse()
{
    // An empty course cannot be tried; the author is told why.
    window->PlayAction->trigger();
    QVERIFY(!window->Try()->Running());
    QCOMPARE(dialogs->errors.size(), 1);

    QVERIFY(window->OpenPath(Assets("COURSE1.DAT")));
    const CourseDocument before = window->Document();
    const QImage course = window->View()->Image();
    window->DriveAction->trigger();
    QVERIFY(window->Try()->Running());
    QVERIFY(!window->Try()->Rules()->Demo);
    QVERIFY(!window->ToolActions[0]->isEnabled());
    // The author drives: the game's keys reach the player's car.
    Key(Qt::Key_Up);
    QCOMPARE(window->Try()->Rules()->MyCar->WantDirection, 0);
    Key(Qt::Key_6); // the main keyboard's digits do not steer, the number pad's do
    QCOMPARE(window->Try()->Rules()->MyCar->WantDirection, 0);
    Key(Qt::Key_6, Qt::KeypadModifier);
    QCOMPARE(window->Try()->Rules()->MyCar->WantDirection, 2);
    Key(Qt::Key_Z);
    QCOMPARE(window->Try()->Rules()->MyCar->SpeedMode, 1);
    for (int k = 0; k < 300; ++k)
        window->Try()->Tick();
    QVERIFY(window->View()->Image() != course);
    window->StopAction->trigger();
    QVERIFY(!window->Try()->Running());
    QVERIFY(window->Document() == before);
    QCOMPARE(window->View()->Image(), course);
    QVERIFY(window->UndoStack()->isClean());

    window->PlayAction->trigger();
    QVERIFY(window->Try()->Running());
    QVERIFY(window->Try()->Rules()->Demo);
    window->StopAction->trigger();
}

void EditorWindowTest::tryStopsAtACourseFaultAndKeepsTheEdits()
{
    QVERIFY(window->OpenPath(Assets("COURSE1.DAT")));
    window->ToolActions[1]->trigger(); // Wall
    QCOMPARE(window->CurrentTool(), EditorWindow::Tool::Wall);
    // The player starts at 6,15 driving right along the bottom lane: with the east edge of
    // 7,15 closed, its first arrival meets a dead end there. With the bottom edge open as
    // well, it turns down there instead and drives off the course.
    struct Case {
        QPoint edge;
        QString fault;
    };
    const Case cases[] = {{{10, 0}, QStringLiteral("The player's car met a dead end at cell 7,15.")},
                          {{0, 10}, QStringLiteral("The player's car left the course at cell 7,15.")}};
    int edits = 0;
    for (const Case& c : cases) {
        Click({7, 15}, c.edge);
        QCOMPARE(window->UndoStack()->count(), ++edits);
        const CourseDocument edited = window->Document();
        const QImage course = window->View()->Image();
        for (QAction* start : {window->PlayAction, window->DriveAction}) {
            const qsizetype shown = dialogs->errors.size();
            start->trigger();
            QVERIFY(window->Try()->Running());
            for (int tick = 0; tick < 200 && window->Try()->Running(); ++tick)
                window->Try()->Tick();
            QVERIFY2(!window->Try()->Running(), "the fault stopped play");
            QCOMPARE(dialogs->errors.size(), shown + 1);
            QCOMPARE(dialogs->errors.last(), c.fault);
            QVERIFY(window->Document() == edited);
            QCOMPARE(window->UndoStack()->count(), edits);
            QVERIFY(!window->UndoStack()->isClean());
            QCOMPARE(window->View()->Image(), course);
            QVERIFY(window->ToolActions[0]->isEnabled());
        }
    }

    // A receiver that starts play again in answer to the fault, before the tick that found it
    // has unwound: the new play runs on.
    int restarts = 0;
    connect(window->Try(), &TryRunner::Ended, window.get(), [&] {
        if (restarts++ == 0)
            window->DriveAction->trigger();
    });
    window->PlayAction->trigger();
    for (int tick = 0; tick < 200 && restarts == 0; ++tick)
        window->Try()->Tick();
    QCOMPARE(restarts, 1);
    QVERIFY(window->Try()->Running());
    QVERIFY(!window->Try()->Rules()->Demo);
    window->Try()->Tick();
    window->StopAction->trigger();
    window->UndoAction->trigger();
    window->UndoAction->trigger();
    QVERIFY(window->UndoStack()->isClean());

    // The author drives with the keys chosen for the game: Right moved from the arrow to O,
    // which the car takes while driving, not the Dot tool.
    KeyBindings keys = KeyBindings::Defaults();
    keys.Move({KeyAction::Right, 0}, *brv::ParseKeyText("O"));
    window->Try()->SetKeys(keys);
    window->DriveAction->trigger();
    Key(Qt::Key_Right);
    QCOMPARE(window->Try()->Rules()->MyCar->WantDirection, 0);
    Key(Qt::Key_O);
    QCOMPARE(window->Try()->Rules()->MyCar->WantDirection, 2);
    QCOMPARE(window->CurrentTool(), EditorWindow::Tool::Wall);
    window->StopAction->trigger();
}

namespace {
// Fills the next modal dialog as `fill` says and accepts it.
void AnswerNextDialog(std::function<void(QDialog&)> fill)
{
    QTimer::singleShot(0, [fill] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        fill(*dialog);
        dialog->accept();
    });
}
} // namespace

void EditorWindowTest::propertiesAndStartDialogs()
{
    window->ToolActions[3]->trigger();
    Click({3, 3});
    // Twelve by ten grows to fourteen by eleven at the left and top edges.
    AnswerNextDialog([](QDialog& dialog) {
        const auto spins = dialog.findChildren<QSpinBox*>();
        const auto combos = dialog.findChildren<QComboBox*>();
        QCOMPARE(spins.size(), 4);
        spins[0]->setValue(14);
        spins[1]->setValue(11);
        combos[0]->setCurrentIndex(1);
        combos[1]->setCurrentIndex(1);
        dialog.findChild<QCheckBox*>()->setChecked(true);
        spins[2]->setValue(20);
    });
    window->PropertiesAction->trigger();
    const CourseDocument& d = window->Document();
    QCOMPARE(d.Width, 14);
    QCOMPARE(d.Height, 11);
    QCOMPARE(d.Starts[0].Column, 5);
    QCOMPARE(d.Starts[0].Row, 4);
    QVERIFY(d.ScreenSize.has_value());
    QCOMPARE(d.ScreenSize->X, 20);
    QVERIFY(window->PendingBytes().find("ScreenSize=20,0") != std::string::npos);

    // Double-clicking the player's start edits its cell, lane and side; the player's car has
    // no way of driving to choose.
    AnswerNextDialog([](QDialog& dialog) {
        const auto combos = dialog.findChildren<QComboBox*>();
        QCOMPARE(combos.size(), 2);
        combos[0]->setCurrentIndex(3); // left
        combos[1]->setCurrentIndex(1); // right side
        const auto spins = dialog.findChildren<QSpinBox*>();
        QCOMPARE(spins.size(), 3);
        QCOMPARE(spins[0]->value(), 5);
        spins[1]->setValue(5); // row
        spins[2]->setValue(3); // lane
        // The whole title shows.
        QVERIFY(dialog.width() > QFontMetrics(dialog.font()).horizontalAdvance(dialog.windowTitle()));
    });
    QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(At({5, 4})), window->View()->mapToGlobal(QPointF(At({5, 4}))),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window->View(), &twice);
    Mouse(QEvent::MouseButtonRelease, At({5, 4}));
    QVERIFY(window->Document().Starts[0] == (StartPlace{5, 5, 6, 3, 'R', 'P'}));
    QVERIFY(window->PendingBytes().find("Pos0=5,5,6,3,R,P") != std::string::npos);
    window->UndoAction->trigger();
    window->UndoAction->trigger();
    QCOMPARE(window->Document().Width, 12);
    QCOMPARE(window->Document().Starts[0].Column, 3);
}

void EditorWindowTest::newCourseDialogMakesRoomForTheCaptions()
{
    window->ToolActions[3]->trigger();
    AnswerNextDialog([](QDialog& dialog) {
        const auto spins = dialog.findChildren<QSpinBox*>();
        QCOMPARE(spins.size(), 2);
        spins[0]->setValue(14);
        spins[1]->setValue(9);
        QVERIFY(dialog.findChild<QCheckBox*>()->isChecked());
    });
    window->NewAction->trigger();
    const CourseDocument& d = window->Document();
    QCOMPARE(d.Width, 14);
    QCOMPARE(d.Height, 9);
    QVERIFY(d.ScreenSize.has_value());
    QVERIFY(*d.ScreenSize == (TPoint{20, 12}));
    for (const auto& caption : d.Captions)
        QVERIFY(caption.has_value() && caption->X == 16);
    QCOMPARE(window->CurrentTool(), EditorWindow::Tool::Lane);
    QVERIFY(window->View()->Zoom() >= 1);

    // Without the room, a bare course of closed cells.
    AnswerNextDialog([](QDialog& dialog) { dialog.findChild<QCheckBox*>()->setChecked(false); });
    window->NewAction->trigger();
    QVERIFY(!window->Document().ScreenSize.has_value());
    QVERIFY(!window->Document().Captions[0].has_value());
}

void EditorWindowTest::growingTheMapGrowsTheFieldAndFieldSizeNeedsScreenSize()
{
    QVERIFY(window->OpenPath(Assets("COURSE1.DAT")));
    AnswerNextDialog([](QDialog& dialog) {
        const auto spins = dialog.findChildren<QSpinBox*>();
        spins[1]->setValue(16);
        dialog.findChildren<QComboBox*>()[1]->setCurrentIndex(1); // at the top edge
        const auto boxes = dialog.findChildren<QCheckBox*>();
        QCOMPARE(boxes.size(), 2);
        QVERIFY(boxes[1]->isChecked()); // the field grows with the map unless unticked
        // Tab goes down the form as it is laid out.
        QWidget* next = spins[0]->nextInFocusChain();
        while (next && spins[0]->isAncestorOf(next))
            next = next->nextInFocusChain();
        QCOMPARE(next, static_cast<QWidget*>(dialog.findChildren<QComboBox*>()[0]));
    });
    window->PropertiesAction->trigger();
    QCOMPARE(window->Document().Height, 16);
    QVERIFY(*window->Document().ScreenSize == (TPoint{25, 16}));
    WaitForFindings();
    for (const EditorFinding& f : window->Findings()->Shown().Findings)
        QVERIFY2(f.Code != check_codes::LaneOutsideField && f.Code != check_codes::StartOutsideField,
                 f.Message.c_str());

    // Field width and height are for a course with a field of its own only.
    AnswerNextDialog([](QDialog& dialog) {
        auto* own = dialog.findChildren<QCheckBox*>()[0];
        const auto spins = dialog.findChildren<QSpinBox*>();
        QVERIFY(spins[2]->isEnabled());
        own->setChecked(false);
        QVERIFY(!spins[2]->isEnabled() && !spins[3]->isEnabled());
    });
    window->PropertiesAction->trigger();
    QVERIFY(!window->Document().ScreenSize.has_value());
}

void EditorWindowTest::blockToolKeepsPathAndStopsAtNine()
{
    QTest::keyClick(window->View(), Qt::Key_B);
    for (int k = 0; k < 4; ++k)
        Drag({{1 + 3 * k, 1}, {2 + 3 * k, 2}});
    for (int k = 0; k < 4; ++k)
        Click({1 + 3 * k, 1});
    QCOMPARE(window->Document().Path, std::string("1234"));
    const TRect third = window->Document().Blocks[2];
    Click({4, 1}, {}, Qt::RightButton);
    QCOMPARE(window->Document().Path, std::string("123"));
    QVERIFY(window->Document().Blocks[1] == third);
    // A click where there is no block makes none.
    Click({5, 6});
    QCOMPARE(window->Document().Blocks.size(), size_t{3});
    for (int k = 0; k < 6; ++k)
        Drag({{1 + 2 * k, 4}, {2 + 2 * k, 5}});
    QCOMPARE(window->Document().Blocks.size(), size_t{9});
    QVERIFY(dialogs->errors.isEmpty());
    Drag({{1, 8}, {3, 9}});
    QCOMPARE(window->Document().Blocks.size(), size_t{9});
    QCOMPARE(dialogs->errors.size(), 1);
    QVERIFY(dialogs->errors[0].contains(QLatin1String("Path")));
}

void EditorWindowTest::laneRingsAndErasing()
{
    window->ToolActions[0]->trigger();
    Drag({{2, 2}, {6, 4}, {11, 9}}, Qt::LeftButton, Qt::ShiftModifier);
    const CourseDocument& d = window->Document();
    QCOMPARE(d.Mask({2, 2}), WallNorth | WallWest);
    QCOMPARE(d.Mask({11, 9}), WallSouth | WallEast);
    QCOMPARE(d.Mask({6, 5}), ClosedCell); // inside the ring
    QCOMPARE(window->UndoStack()->count(), 1);
    // A right-drag walls the lane off again.
    Drag({{2, 2}, {5, 2}}, Qt::RightButton);
    QCOMPARE(window->Document().Mask({3, 2}), ClosedCell);
    QCOMPARE(window->Document().Mask({2, 2}), WallNorth | WallWest | WallEast);
}

void EditorWindowTest::selectCopyPasteDeleteAndMirror()
{
    window->ToolActions[0]->trigger();
    Drag({{1, 1}, {3, 1}, {3, 3}});
    window->ToolActions[3]->trigger();
    Click({1, 1});
    QTest::keyClick(window->View(), Qt::Key_E);
    QCOMPARE(window->CurrentTool(), EditorWindow::Tool::Select);
    Drag({{1, 1}, {3, 3}});
    QVERIFY(window->Selection() && *window->Selection() == (TRect{1, 1, 3, 3}));
    window->CopyAction->trigger();
    // Pasted where the pointer is.
    Mouse(QEvent::MouseMove, At({7, 5}), Qt::NoButton);
    window->PasteAction->trigger();
    const CourseDocument& d = window->Document();
    QCOMPARE(d.Mask({7, 5}), d.Mask({1, 1}));
    QCOMPARE(d.Mask({9, 7}), d.Mask({3, 3}));
    QCOMPARE(d.Starts.size(), size_t{2});
    QVERIFY(window->Selection() && *window->Selection() == (TRect{7, 5, 9, 7}));
    window->MirrorLeftRightAction->trigger();
    QCOMPARE(window->Document().Mask({9, 5}), WallNorth | WallSouth | WallEast);
    QCOMPARE(window->Document().Starts[1].Column, 9);
    window->DeleteAction->trigger();
    QCOMPARE(window->Document().Mask({9, 5}), ClosedCell);
    QCOMPARE(window->Document().Starts.size(), size_t{1});
    // Nothing selected: the whole course is mirrored.
    Click({12, 10});
    Mouse(QEvent::MouseButtonPress, At({0, 0}));
    Mouse(QEvent::MouseButtonRelease, At({0, 0}));
    QVERIFY(!window->Selection());
    window->MirrorLeftRightAction->trigger();
    QCOMPARE(window->Document().Starts[0].Column, 12);
}

void EditorWindowTest::offCourseStartIsChosenPlacedOrDeletedAndListedOnce()
{
    const QString path = dir->filePath(QStringLiteral("STRAY.DAT"));
    WriteAll(path, "[DEFINE]\nMapSize=3,3\nStartNumber=2\n[MAP]\n1=953\n2=AFA\n3=C56\n"
                   "[MAPDOT]\n1=OOO\n2=O.O\n3=OOO\n[START]\nPos0=1,1,2,1,L,P\nPos1=9,1,2,1,L,R\n");
    QVERIFY(window->OpenPath(path));
    WaitForFindings();
    QListWidget* list = window->Findings()->List();
    int lines = 0;
    QListWidgetItem* stray = nullptr;
    for (int k = 0; k < list->count(); ++k)
        if (list->item(k)->text().contains(QLatin1String("Pos1"))) {
            ++lines;
            stray = list->item(k);
        }
    QCOMPARE(lines, 1);
    list->setCurrentItem(stray);
    QCOMPARE(window->SelectedStart(), 1);
    // The Start tool puts the chosen entry on the cell clicked.
    window->ToolActions[3]->trigger();
    Click({3, 3});
    QCOMPARE(window->Document().Starts.size(), size_t{2});
    QCOMPARE(window->Document().Starts[1].Column, 3);
    window->UndoAction->trigger();
    WaitForFindings();
    // Or Delete removes it, wherever the keyboard focus is.
    for (int k = 0; k < list->count(); ++k)
        if (list->item(k)->text().contains(QLatin1String("Pos1")))
            list->setCurrentItem(list->item(k));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(window->Document().Starts.size(), size_t{1});
}

void EditorWindowTest::savingAsksForAnExtensionAndBeforeARefusedCourse()
{
    window->ToolActions[0]->trigger();
    Drag({{2, 2}, {3, 2}});
    // The new course has no start: the game would refuse it, and the editor asks first.
    dialogs->savePath = dir->filePath(QStringLiteral("NOEXT"));
    dialogs->answers = {EditorDialogs::Answer::No};
    QVERIFY(!window->SaveAs());
    QCOMPARE(dialogs->questions.size(), 1);
    QVERIFY(!QFile::exists(dialogs->savePath + QStringLiteral(".DAT")));
    dialogs->answers = {EditorDialogs::Answer::Yes};
    QVERIFY(window->SaveAs());
    QVERIFY(QFile::exists(dir->filePath(QStringLiteral("NOEXT.DAT"))));
    QCOMPARE(window->FileName(), QFileInfo(dir->filePath(QStringLiteral("NOEXT.DAT"))).absoluteFilePath());
}

void EditorWindowTest::helpZoomKeysPanelsAndTooltips()
{
    window->HelpAction->trigger();
    QCOMPARE(dialogs->texts.size(), 1);
    QVERIFY(dialogs->texts[0].contains(QLatin1String("Lane")));
    window->AboutAction->trigger();
    QCOMPARE(dialogs->texts.size(), 2);
    QVERIFY(window->HelpAction->shortcuts().contains(QKeySequence(Qt::Key_F1)));

    window->View()->SetZoom(1);
    QTest::keyClick(window->View(), Qt::Key_Equal, Qt::ControlModifier);
    QCOMPARE(window->View()->Zoom(), 2);
    QWheelEvent wheel(QPointF(5, 5), window->View()->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(window->View(), &wheel);
    QCOMPARE(window->View()->Zoom(), 3);

    // A closed findings panel comes back from the View menu.
    window->FindingsViewAction->trigger();
    QVERIFY(!window->Findings()->isVisible());
    window->FindingsViewAction->trigger();
    QVERIFY(window->Findings()->isVisible());

    for (QAction* action : window->findChildren<QAction*>())
        QVERIFY2(!action->toolTip().contains(QLatin1Char('&')), qPrintable(action->toolTip()));
}

void EditorWindowTest::japaneseFindingsAndVerdict()
{
    QTranslator japanese;
    QVERIFY(japanese.load(QStringLiteral(BREVANTO_EDIT_QM_DIR "/brevanto-edit_ja.qm")));
    QCoreApplication::installTranslator(&japanese);
    // Every code the checker and the reader give has its own text, with the cell filled in.
    for (const char* code :
         {"car-leaves-course", "dead-end", "dot-unreachable", "path-unknown-block", "demo-fatal",
          "wall-mismatch", "tile-character", "blocks-overlap", "lane-outside-blocks",
          "caption-outside-field", "caption-over-map", "captions-overlap", "start-number-mismatch",
          "lane-outside-field", "start-outside-field", "starts-share-cell", "starts-collide",
          "loader-map-row", "loader-dot-row", "loader-map-size", "loader-no-start",
          "loader-start-number", "loader-start-missing", "loader-start-off-course",
          "loader-start-direction", "loader-not-a-course"}) {
        EditorFinding f;
        f.Code = code;
        f.Cell = {7, 3};
        f.Entry = 1;
        f.Message = "English";
        const QString text = FindingText(f);
        QVERIFY2(text != QLatin1String("English") && !text.contains(QLatin1String("%")), code);
    }
    // A new course: the verdict and its one finding, with no English words.
    window->NewCourse(6, 5);
    WaitForFindings();
    QStringList shown{window->Findings()->Verdict()->text()};
    for (int k = 0; k < window->Findings()->List()->count(); ++k)
        shown << window->Findings()->List()->item(k)->text();
    // Key names (START, Pos) are the file's own and stay.
    static const QRegularExpression english(QStringLiteral("\\b(the|is|of|and|a|course|start|[Tt]he)\\b"));
    for (const QString& text : shown)
        QVERIFY2(!english.match(text).hasMatch(), qPrintable(text));
    QCoreApplication::removeTranslator(&japanese);
}

QTEST_MAIN(EditorWindowTest)
#include "EditorWindowTest.moc"
