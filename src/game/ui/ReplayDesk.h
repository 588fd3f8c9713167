// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's replays: every game from New to its end is recorded and kept in the replays
// folder (a hi-score entry links its game's file), and File > Watch Replay... or the Watch
// button of the hi-score tables plays one in the window, on rules of its own, so the game in
// play, the settings and the tables stay as they were.
#include "replay/ReplayRecorder.h"
#include "rules/TickOutcome.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <string>

class AddedTexts;
class QAction;
class QKeyEvent;
class TBrevantoForm;
class TGameRules;

struct ReplayTexts {
    QString Menu;         // File > Watch Replay..., "..." appended
    QString Hint;         // "tooltip|status text"
    QString Status;       // the status bar while a replay plays
    QString Keys;         // the hint panel while a replay plays; %1 the speed
    QString Filter;       // the file dialog's "Description|pattern" filter
    QString CannotPlay;   // before the reason a replay cannot be played
    QString OtherCourse;  // %1 the course file
    QString CannotKeep;   // before the reason a game's replay could not be saved
};

class ReplayDesk : public QObject {
public:
    // Keeps replays in the replays folder of the window's data folder (none without one), and
    // adds File > Watch Replay... to the window's File menu.
    explicit ReplayDesk(TBrevantoForm& form);
    ~ReplayDesk() override;

    void ApplyTexts(const AddedTexts& added);

    // Recording, around the window's New and tick.
    void GameStarted();
    void BeforeTick();
    void AfterTick();
    // The game ended in the last tick: its replay is kept. The file's name, empty when none
    // was kept.
    std::string KeepEndedGame(const EndedGame& end);
    const std::string& Folder() const { return folder_; }

    // Watching.
    void WatchReplay1Click();
    // Plays the replay file in the window; refuses (saying why) one that cannot be played.
    bool Watch(const std::string& file);
    bool Watching() const { return watch_ != nullptr; }
    void WatchTick();
    // 1, 2, 4 set the speed, Escape stops; every other key of the game does nothing meanwhile.
    bool WatchKey(const QKeyEvent& key);
    int32_t WatchSpeed() const;
    // Back to the window's own game, as it was (a game in play stays paused).
    void StopWatching();
    // The rules whose field the window shows: those of the replay while one plays.
    const TGameRules& ShownRules() const;
    // The status text while a replay plays, and the hint beside it.
    void ShowWatchStatus();

    QAction* WatchReplay1 = nullptr;
    ReplayTexts Texts;

private:
    struct Watched;
    void ApplySpeed();
    void Refuse(const QString& why);

    TBrevantoForm& form_;
    std::string folder_;
    ReplayRecorder recorder_;
    std::unique_ptr<Watched> watch_;
};
