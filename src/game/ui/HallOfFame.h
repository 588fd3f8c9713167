// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's side of the hi-score tables: it knows the course in play, asks the player's
// name when a game earns a place, and shows the tables. The tables live in the hi-score file
// of the per-user data folder; every use reads it afresh, so two running games keep each
// other's entries.
#include "config/model/HiScoreBook.h"
#include "game/ui/HiScoreTexts.h"

#include <QObject>

#include <cstdint>
#include <optional>
#include <string>

class DialogSeam;
class QWidget;

class HallOfFame : public QObject {
public:
    // The tables are kept in `dataDir` (ending in "/"); with an empty one nothing is kept.
    HallOfFame(std::string dataDir, QObject* parent);

    bool KeepsTables() const { return !fileName_.empty(); }
    // The hi-score file; empty when nothing is kept.
    const std::string& FileName() const { return fileName_; }

    // A course was loaded from `path`: its tables are those of the file's present content.
    void CourseLoaded(const std::string& path);
    const CourseKey& Course() const { return course_; }

    // A game ended: remembered for AskForName, and the entry of an earlier game is no longer new.
    void GameEnded(int32_t score, int32_t stage);
    bool NamePending() const { return pending_.has_value(); }
    // When the game that just ended earns a place, asks the player's name (offering the last one
    // entered, else the account's full name, else its login) and stores the entry.
    void AskForName(QWidget& parent, DialogSeam& seam);

    // The game that just ended left its replay in this file of the replays folder: an entry it
    // earns links to it.
    void ReplayKept(std::string fileName);

    // The tables, the course in play first; with `afterGame`, the entry the last game earned
    // is marked. Rows whose replay is in `replayFolder` offer Watch: the replay file chosen so,
    // or an empty text.
    std::string ShowTables(QWidget& parent, DialogSeam& seam, bool afterGame,
                           const std::string& replayFolder);
    // The place the last game's entry took in the course's table, if it took one.
    std::optional<size_t> NewEntryPlace() const { return newPlace_; }

    HiScoreTexts Texts;

private:
    struct EndedGame {
        int32_t Score;
        int32_t Stage;
        std::string Replay;
    };
    void ShowStoreError(QWidget& parent, DialogSeam& seam, const char* reason) const;

    std::string fileName_;
    CourseKey course_;
    std::optional<EndedGame> pending_;
    std::optional<size_t> newPlace_;
};
