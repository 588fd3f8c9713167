// SPDX-License-Identifier: GPL-3.0-or-later
// The menu and tool-bar commands of the main window.
#include "ui/DialogSeam.h"
#include "ui/WindowPlacing.h"
#include "game/ui/HallOfFame.h"
#include "game/ui/ReplayDesk.h"
#include "game/ui/TAboutBox.h"
#include "game/ui/TBrevantoForm.h"

#include "platform/Paths.h"
#include "platform/TextCodec.h"

#include <QFile>
#include <QFileInfo>

#include <string_view>

namespace {

// A course error ends in a full stop unless it already ends in punctuation that sorts at or
// before it ("." "!" ")"); any letter, digit or multi-byte character gets one.
std::string WithFullStop(std::string text)
{
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.'))
        text += '.';
    return text;
}

} // namespace

void TBrevantoForm::ShowCourseError(const std::string& text)
{
    Seam.ShowError(this, QString::fromLatin1(ApplicationTitle),
                   brv::DecodeText(WithFullStop(text)));
}

bool TBrevantoForm::LoadCourseShowingError()
{
    try {
        return Rules.LoadCourse() == CourseLoad::Loaded;
    } catch (const CourseError& error) {
        ShowCourseError(error.what());
        return false;
    }
}

void TBrevantoForm::New1Click()
{
    Replays->StopWatching();
    TimerSuspension suspension(*this);
    Messages.NewGame();
    Rules.NewGame();
    SetStatusText(StatusText[1]);
    InvalidateField();
    RefreshFieldMessage();
    Replays->GameStarted();
}

void TBrevantoForm::LoadCourse1Click()
{
    Replays->StopWatching();
    TimerSuspension suspension(*this);
    const QString chosen = Seam.OpenFile(this, QtFileFilter("Course File(*.DAT)|*.dat"),
                                         brv::DecodeText(Rules.MapName), true);
    if (chosen.isEmpty())
        return;
    const QByteArray encoded = QFile::encodeName(QFileInfo(chosen).absoluteFilePath());
    PlayCourseFile(std::string(encoded.constData(), static_cast<size_t>(encoded.size())));
}

bool TBrevantoForm::PlayCourseFile(const std::string& path)
{
    if (brv::SamePath(path, Rules.MapName))
        return true;

    // A course that cannot be loaded leaves the model as it was: play goes on with it.
    const std::string previous = Rules.MapName;
    Rules.MapName = path;
    if (!LoadCourseShowingError()) {
        Rules.MapName = previous;
        return false;
    }
    ResizePending = true;
    Rules.ResizeCars();
    Fame->CourseLoaded(Rules.MapName);
    Rules.Demo = true;
    SetStatusText(StatusText[3]);
    Rules.Restart(RestartMode::NewGame);
    InvalidateField();
    RefreshFieldMessage();
    return true;
}

void TBrevantoForm::PassErrorTextsToMap()
{
    Rules.Map->SetErrorTexts(std::vector<std::string>(ErrorText.begin() + 1, ErrorText.end()));
}

void TBrevantoForm::Pause1Click()
{
    SetRunning(!TimerRunning());
}

void TBrevantoForm::Exit1Click()
{
    close();
}

void TBrevantoForm::Control1Click()
{
    TimerSuspension suspension(*this);
    Seam.ShowInformation(this, QString::fromLatin1(ApplicationTitle), ControlTextWithKeys());
}

void TBrevantoForm::About1Click()
{
    TimerSuspension suspension(*this);
    brv::CentreOver(*AboutBox, *this);
    Seam.ExecDialog(*AboutBox);
}
