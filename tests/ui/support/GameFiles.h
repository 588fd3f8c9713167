// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A game's files in a temporary directory, for the window tests: tile and sprite sheets drawn
// in code, courses written as text, a language file and a settings file.
#include "config/model/Settings.h"

#include <QColor>
#include <QString>
#include <QTemporaryDir>

#include <string>

namespace testing_ui {

// The background of both test sheets: the key colour that recolouring replaces.
inline const QColor SheetBackground(255, 0, 255);
inline constexpr int TestTileSize = 16;

// Texts of the test language (language 1 of LANGUAGE.INI).
inline const char* const StatusPlaying = "Playing";
inline const char* const StatusPaused = "Paused";
inline const char* const StatusDemo = "Demo";
inline const char* const ErrorMissingCourse = "Course file not found";
inline const char* const ErrorBadMap = "The map is broken!";
inline const char* const ErrorOffCourse = "A car left the course";
inline const char* const ControlHelp = "Steer with the arrow keys";

// A course of one lane running round a closed centre: `width` x `height` tiles, the player's
// car at the bottom left heading right, `computerCars` computer cars spread over the top row.
// With `dots` false the course has no dot at all (no stage is ever cleared).
std::string RingCourse(int width, int height, int computerCars, bool dots = true);
// A one-row corridor open at its east end: whatever drives east leaves the course.
std::string OpenEndedCourse();

class GameFiles {
public:
    // Sheets, the language file, COURSE.DAT (a 10 x 8 ring with two computer cars) and a
    // settings file naming it.
    GameFiles();

    bool IsValid() const { return dir_.isValid(); }
    QString Dir() const { return dir_.path(); }
    std::string Path(const std::string& name) const;
    SettingsPlaces Places() const;

    void Write(const std::string& name, const std::string& text) const;
    // The settings file: MapName=COURSE.DAT followed by `extraLines` (each ending in "\n").
    void WriteSettings(const std::string& extraLines = {}) const;
    std::string Read(const std::string& name) const;

    // The sheets: a 4 x 4 grid of tiles whose closed sides are dark lines on the background,
    // and the sprite sheet with the player's car, the computer car and the dot.
    static QImage TileSheet();
    static QImage SpriteSheet();

private:
    QTemporaryDir dir_;
};

} // namespace testing_ui
