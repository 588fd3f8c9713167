// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Wave playback for the eat and crash sounds: asynchronous, each file loaded once and kept for
// the run. A file that is missing or cannot be played, or a machine without audio, plays
// nothing; the game never waits for a sound.
#include <map>
#include <memory>
#include <string>

class QSoundEffect;

namespace brv {

class Sound {
public:
    // `programDir` ends in "/"; relative paths are looked for there after the current directory.
    explicit Sound(std::string programDir);
    ~Sound();
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    void Play(const std::string& path);

    // The file a wave path names: an absolute path as it is, a relative one in the current
    // directory, else in the program's directory. Empty when there is no such file.
    std::string Locate(const std::string& path) const;

    // How many distinct files have been loaded so far.
    size_t LoadedCount() const { return effects_.size(); }

private:
    std::string programDir_;
    std::map<std::string, std::unique_ptr<QSoundEffect>> effects_;
};

} // namespace brv
