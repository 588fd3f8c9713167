// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: tool bar, playing field, two-panel status bar and menu. It owns the rules of
// play (and through them the course model and the cars), the two sheets, the settings and the
// language texts, and does what only a window does with what each tick of the rules reports.
// Its parts of their own: the game clock, the View menu (zoom and full screen), the controller
// poll, the hi-score tables and the replays.
#include "config/model/ReservedKeys.h"
#include "config/model/Settings.h"
#include "game/ui/GameClock.h"
#include "platform/PadInput.h"
#include "rules/GameRules.h"
#include "rules/PlayMessages.h"

#include <QElapsedTimer>
#include <QImage>
#include <QMainWindow>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class AddedTexts;
class ControllerPoll;
class DialogSeam;
class FieldView;
class HallOfFame;
class QtTranslations;
class ReplayDesk;
class TAboutBox;
class ViewControl;
class QAction;
class QKeyEvent;
class QLabel;
class QMenu;
class QStatusBar;
class QTimer;
class QToolButton;
namespace brv {
class Canvas;
class Sound;
} // namespace brv

// The application's title: the caption of the main window and of its message boxes.
inline constexpr char ApplicationTitle[] = "Brevanto";

class TBrevantoForm : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window's controls; the game itself starts with FormCreate. `places` says where
    // the settings file is looked for, `seam` answers every box and file dialog.
    TBrevantoForm(SettingsPlaces places, DialogSeam& seam, QWidget* parent = nullptr);
    ~TBrevantoForm() override;

    // Start-up. False when it failed (the error has been shown): the program must then end
    // without running the message loop. `courseFile` (absolute), when not empty, is opened
    // instead of the settings' course, as Load Course would open it.
    bool FormCreate(const std::string& courseFile = {});
    // Shut-down: stops the clock, stores the settings and frees the game. Runs once, when the
    // window closes (or is destroyed without closing).
    void FormDestroy();

    // The game clock on or off, with the pause indicators and the status text.
    void SetRunning(bool run);
    int32_t TimerInterval() const { return Options.Interval; }
    void SetStatusText(const std::string& text);
    // A full repaint of the field follows.
    void InvalidateField();
    brv::Canvas* FieldCanvas() { return FieldCanvasPtr.get(); }
    // What the window does once a tick has returned (BrevantoFormTick.cpp).
    void ActOnTick(const TickOutcome& outcome);

    // The game clock. An interval below 10 ms runs at 10 ms but is kept, and reported, as set.
    void SetTimerInterval(int32_t interval);
    bool TimerRunning() const { return Clock.Running(); }

    // Settings and language.
    void LoadSettings();
    void SaveSettings();
    void ApplyLanguage();

    // A full repaint of the field: fit the client area if asked, render afresh, keep the result.
    void PaintBox1Paint();

    // Handlers.
    void Timer1Timer();
    void New1Click();
    void LoadCourse1Click();
    void Pause1Click();
    void Exit1Click();
    void SettingClick();
    void Control1Click();
    void About1Click();
    void HiScores1Click();
    void AppDeactivate();
    void AppMinimize();
    void AppRestore();
    void AppHint(const QString& hint);
    // Keyboard: the game's keys as bound in Keys; true when it consumed the key.
    bool FormKeyDown(const QKeyEvent& key);
    // What a game key or a controller button does in play; Pause acts through its menu item,
    // so it does nothing here. True when the game took it.
    bool DoKeyAction(KeyAction action);

    // Option > Keys... and what the keys in force change: the pause shortcuts, the help text.
    void KeysClick();
    // The keys the window's commands use (menu items, the menu bar's Alt+letter, Escape), which
    // no game action may take; Pause's own keys excepted.
    std::vector<ReservedKey> MenuKeys() const;
    void ApplyKeys();
    void ApplyKeysLanguage(const AddedTexts& texts);
    // The Control box's text: the language's, followed by the keys in force once they differ
    // from the game's own.
    QString ControlTextWithKeys() const;

    // A game controller, polled while the window lives; its buttons act where the keys do.
    void AttachGamepad(std::unique_ptr<brv::PadInput> pad);
    void GamepadPress(brv::PadButton button);

    // The menu bar is in keyboard navigation, or a menu is open: keys are the menu's.
    bool MenuNavigating() const;

    // Controls.
    QMenu* File1 = nullptr;
    QMenu* Option1 = nullptr;
    QMenu* Help1 = nullptr;
    QAction* New1 = nullptr;
    QAction* LoadCourse1 = nullptr;
    QAction* Pause1 = nullptr;
    QAction* N1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* Setting = nullptr;
    QAction* Keys1 = nullptr;
    QAction* Control1 = nullptr;
    QAction* N3 = nullptr;
    QAction* About1 = nullptr;
    QTimer* Timer1 = nullptr;
    FieldView* PaintBox1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    std::array<QLabel*, 2> StatusPanels{};
    QWidget* Panel1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* sbPause = nullptr;
    QToolButton* SpeedButton4 = nullptr;
    QToolButton* SpeedButton5 = nullptr;
    QToolButton* SpeedButton6 = nullptr;
    QToolButton* SpeedButton7 = nullptr;
    TAboutBox* AboutBox = nullptr;
    // The hi-score tables of each course: File > Hi-Scores... and its tool button.
    QAction* HiScores1 = nullptr;
    QToolButton* sbHiScores = nullptr;
    HallOfFame* Fame = nullptr;
    // File > Choose Course... and its tool button: every course with its picture.
    void ChooseCourse1Click();
    QAction* ChooseCourse1 = nullptr;
    QToolButton* sbChooseCourse = nullptr;
    // What Load Course does with the file chosen (an absolute path): the same file again changes
    // nothing; another one is loaded and the demo starts on it. False when it could not be
    // loaded (the error has been shown and play goes on with the course it had).
    bool PlayCourseFile(const std::string& path);

    // Messages over the field and the stage in the status bar (FieldMessagesCommand.cpp).
    void SetMessagesOnField(bool on);
    // What the field says now; after every tick and every command that changes play.
    void RefreshFieldMessage();
    QAction* FieldMessages1 = nullptr;
    QLabel* StagePanel = nullptr;
    // Every game's replay, and File > Watch Replay... (ReplayDesk.h).
    ReplayDesk* Replays = nullptr;

    // The rules of play with their fields (Demo, HiScore, MapName, Map, MyCar, Cars ...).
    TGameRules Rules;

    // Every option of the settings file, as this run has it: read at start-up, changed by the
    // commands, written back at shut-down. What the rules play with (course, hi-score, speed,
    // cars) is theirs while the game runs, and what the window shows (bars, position) is the
    // window's.
    Settings Options;
    // The language texts of the window.
    std::array<std::string, 6> ErrorText;  // 1..5; 5 is shown for a fault of the course in play
    std::array<std::string, 4> StatusText; // 1 playing, 2 paused, 3 demo
    std::string ControlText;
    // The colour the field is filled with: the settings' ground colour as resolved when the
    // sheets were loaded.
    uint32_t FieldGround = ColorButtonFace;
    bool ResizePending = false;
    std::unique_ptr<QImage> GroundBitmap;
    std::unique_ptr<QImage> CarBitmap;

    // The field as the window shows it: full repaints replace it, the tick draws on it, and the
    // paint box shows what changed.
    QImage FieldImage;
    std::unique_ptr<brv::Canvas> FieldCanvasPtr;
    // Full renders of the field so far.
    int FullRenders = 0;

    SettingsPlaces Places;
    DialogSeam& Seam;

    GameClock Clock;
    std::unique_ptr<ViewControl> View;
    std::unique_ptr<ControllerPoll> Controller;

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    void HookApplicationEvents();
    bool LoadBitmaps();
    // LoadCourse with its error shown; false when the course could not be loaded.
    bool LoadCourseShowingError();
    // The first course: the one named on the command line, else (or when that one fails) the
    // settings' course.
    bool LoadStartCourse(const std::string& courseFile);
    void ShowCourseError(const std::string& text);
    // Hands the course error texts to the course model, which reports a refused course by them.
    void PassErrorTextsToMap();
    void RenderField();
    void RefreshRunningIndicators();
    // The rules play with the settings' course, hi-score, speed and cars; at shut-down the
    // settings take them back as the game left them.
    void PassSettingsToRules();
    void TakeSettingsFromRules();
    void ApplyHiScoreTexts(const AddedTexts& texts);
    void BuildCourseChooser();
    void BuildFieldMessages();
    void ApplyFieldMessageTexts(const AddedTexts& texts);
    void ApplyCourseChooserTexts(const AddedTexts& texts);
    // After a tick that ended a game: the name for a hi-score table, if the game earned a place.
    void AskForHiScoreName();

    bool AppEventsHooked = false;
    bool Started = false;
    bool Destroyed = false;
    std::unique_ptr<brv::Sound> Sounds;
    // Qt's own texts (Cancel, Yes, No, the file dialog) in the chosen language.
    std::unique_ptr<QtTranslations> QtTexts;
    PlayMessages Messages;
    QElapsedTimer MessageClock;
    QTimer* MessageTimer = nullptr;
    struct {
        QString Ready, Stage, Paused, GameOver, Score, StagePanel;
    } MessageTexts;
};

// Keeps the game clock stopped for the life of a command (see SuspendTimer).
class TimerSuspension {
public:
    explicit TimerSuspension(TBrevantoForm& form) : clock_(form.Clock), wasRunning_(clock_.Suspend()) {}
    ~TimerSuspension() { clock_.Resume(wasRunning_); }
    TimerSuspension(const TimerSuspension&) = delete;
    TimerSuspension& operator=(const TimerSuspension&) = delete;
    bool WasRunning() const { return wasRunning_; }

private:
    GameClock& clock_;
    bool wasRunning_;
};
