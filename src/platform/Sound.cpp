// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Sound.h"

#include "platform/Paths.h"

#include <QSoundEffect>
#include <QUrl>

#include <filesystem>

namespace brv {

Sound::Sound(std::string programDir) : programDir_(std::move(programDir)) {}

Sound::~Sound() = default;

std::string Sound::Locate(const std::string& path) const
{
    if (path.empty())
        return {};
    if (path.front() == '/')
        return FileExists(path) ? path : std::string();
    std::error_code ec;
    const std::filesystem::path here = std::filesystem::current_path(ec);
    if (!ec) {
        const std::string inCurrent = (here / path).string();
        if (FileExists(inCurrent))
            return inCurrent;
    }
    const std::string inProgram = programDir_ + path;
    return FileExists(inProgram) ? inProgram : std::string();
}

void Sound::Play(const std::string& path)
{
    const std::string file = Locate(path);
    if (file.empty())
        return;
    auto found = effects_.find(file);
    if (found == effects_.end()) {
        auto effect = std::make_unique<QSoundEffect>();
        // Loads in the background; a play request made meanwhile starts once it is loaded.
        effect->setSource(QUrl::fromLocalFile(QString::fromStdString(file)));
        found = effects_.emplace(file, std::move(effect)).first;
    }
    if (found->second->status() != QSoundEffect::Error)
        found->second->play();
}

} // namespace brv
