// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/ReplayDesk.h"
#include "ui/ShownText.h"

#include "game/ui/TBrevantoForm.h"
#include "ui/DialogSeam.h"
#include "ui/FieldView.h"
#include "ui/Hints.h"
#include "ui/KeyNames.h"

#include "config/model/AddedTexts.h"
#include "config/model/HiScoreBook.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/TextCodec.h"
#include "replay/ReplayFolder.h"
#include "replay/ReplayPlayer.h"
#include "replay/ReplayVerify.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QTimer>

#include <algorithm>
#include <array>
#include <chrono>

namespace {

// The shortest period the clock runs at, as for the game itself.
constexpr int32_t MinimumWatchPeriod = 10;

struct TextKey {
    QString ReplayTexts::*field;
    const char* key;
    const char* english;
};

const std::array<TextKey, 8> Keys{{
    {&ReplayTexts::Menu, "ReplayMenu", "Watch &Replay"},
    {&ReplayTexts::Hint, "ReplayHint", "Watch a replay|Play a recorded game in the window"},
    {&ReplayTexts::Status, "ReplayStatus", "Replay"},
    {&ReplayTexts::Keys, "ReplayKeys", "x%1  (1, 2, 4: speed; Esc: stop)"},
    {&ReplayTexts::Filter, "ReplayFilter", "Replay File(*.replay)|*.replay"},
    {&ReplayTexts::CannotPlay, "ReplayCannotPlay", "This replay cannot be played."},
    {&ReplayTexts::OtherCourse, "ReplayOtherCourse",
     "The course %1 is not the one this game was played on, so the replay cannot be shown."},
    {&ReplayTexts::CannotKeep, "ReplayCannotKeep", "The replay of this game cannot be saved."},
}};

int64_t SecondsNow()
{
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

} // namespace

struct ReplayDesk::Watched {
    Replay File;
    TGameRules Rules;
    std::unique_ptr<ReplayPlayer> Player; // last: it goes first, giving the clock back
    int32_t Speed = 1;
};

ReplayDesk::ReplayDesk(TBrevantoForm& form)
    : QObject(&form), form_(form), folder_(ReplayFolderOf(form.Places.DataDir))
{
    WatchReplay1 = new QAction(QStringLiteral("Watch &Replay..."), this);
    WatchReplay1->setObjectName(QStringLiteral("WatchReplay1"));
    form_.File1->insertAction(form_.N1, WatchReplay1);
    connect(WatchReplay1, &QAction::triggered, this, &ReplayDesk::WatchReplay1Click);
}

ReplayDesk::~ReplayDesk() = default;

void ReplayDesk::ApplyTexts(const AddedTexts& added)
{
    for (const TextKey& item : Keys)
        Texts.*item.field = ShownText(added, item.key, item.english);
    WatchReplay1->setText(Texts.Menu + QStringLiteral("..."));
    WatchReplay1->setStatusTip(Texts.Hint);
    if (Watching())
        ShowWatchStatus();
}

void ReplayDesk::GameStarted()
{
    if (folder_.empty() || !form_.Rules.Map) {
        recorder_.Abandon();
        return;
    }
    const TGameRules& rules = form_.Rules;
    recorder_.Start(rules, rules.MapName, CourseKeyOf(rules.MapName).ContentHash, SecondsNow());
}

void ReplayDesk::BeforeTick() { recorder_.BeforeTick(form_.Rules); }

void ReplayDesk::AfterTick() { recorder_.AfterTick(form_.Rules); }

std::string ReplayDesk::KeepEndedGame(const EndedGame& end)
{
    const std::optional<Replay> replay = recorder_.Finish(end.Score, end.Stage);
    if (!replay)
        return {};
    std::string kept;
    try {
        kept = KeepReplay(*replay, folder_);
    } catch (const brv::IniWriteError& error) {
        TimerSuspension suspension(form_);
        form_.Seam.ShowError(&form_, QString::fromLatin1(ApplicationTitle),
                             Texts.CannotKeep + QLatin1Char('\n') + brv::DecodeText(error.what()));
        return {};
    }
    // The new file is the newest: only older ones that no entry links to go.
    const HiScoreBook book(form_.Places.DataDir + HiScoreBook::FileName);
    PruneReplays(folder_, book.ReplayFiles(), KeptUnlinkedReplays);
    return kept;
}

void ReplayDesk::WatchReplay1Click()
{
    StopWatching();
    QString chosen;
    {
        TimerSuspension suspension(form_);
        chosen = form_.Seam.OpenFile(&form_, QtFileFilter(brv::EncodeText(Texts.Filter)),
                                     brv::DecodeText(folder_), true);
    }
    if (chosen.isEmpty())
        return;
    const QByteArray encoded = QFile::encodeName(QFileInfo(chosen).absoluteFilePath());
    Watch(std::string(encoded.constData(), static_cast<size_t>(encoded.size())));
}

void ReplayDesk::Refuse(const QString& why)
{
    TimerSuspension suspension(form_);
    form_.Seam.ShowError(&form_, QString::fromLatin1(ApplicationTitle), why);
}

bool ReplayDesk::Watch(const std::string& file)
{
    StopWatching();
    ReplayReading reading = LoadReplay(file);
    if (!reading.Read) {
        Refuse(Texts.CannotPlay + QLatin1Char('\n') + brv::DecodeText(reading.Error));
        return false;
    }
    auto watched = std::make_unique<Watched>();
    watched->File = std::move(*reading.Read);
    const Replay& replay = watched->File;
    const std::string course = ReplayCourseFile(replay, brv::ProgramDir());
    if (!brv::FileExists(course) || CourseKeyOf(course).ContentHash != replay.CourseHash) {
        Refuse(Texts.OtherCourse.arg(brv::DecodeText(course)));
        return false;
    }
    if (!form_.Rules.Map || form_.Rules.Map->TileSize != replay.TileSize) {
        Refuse(Texts.CannotPlay + QLatin1Char('\n') +
               QStringLiteral("It was played with tiles of %1 pixels.").arg(replay.TileSize));
        return false;
    }

    TGameRules& rules = watched->Rules;
    rules.Map = std::make_unique<TMap>(form_.GroundBitmap.get(), form_.CarBitmap.get(), form_.Options.RedrawMap);
    rules.Map->SetErrorTexts(std::vector<std::string>(form_.ErrorText.begin() + 1, form_.ErrorText.end()));
    rules.MapName = course;
    try {
        rules.LoadCourse();
    } catch (const CourseError& error) {
        Refuse(Texts.CannotPlay + QLatin1Char('\n') + brv::DecodeText(error.what()));
        return false;
    }
    // The player's clock from here on: the start reads the recorded seed, not the time.
    watched->Player = std::make_unique<ReplayPlayer>(replay, rules, [this](int32_t) {
        if (Watching())
            ApplySpeed();
    });
    rules.StartPlay();
    rules.Field = form_.FieldCanvas();
    watched->Player->Begin();

    watch_ = std::move(watched);
    ApplySpeed();
    form_.Clock.Start();
    // The field of the rules shown is rendered at once: the next tick draws on it.
    form_.ResizePending = true;
    form_.PaintBox1Paint();
    form_.InvalidateField();
    ShowWatchStatus();
    return true;
}

void ReplayDesk::ApplySpeed()
{
    const int32_t interval = watch_->Rules.TimerInterval > 0 ? watch_->Rules.TimerInterval : 50;
    form_.Clock.SetPeriod(std::max(interval / watch_->Speed, MinimumWatchPeriod));
}

int32_t ReplayDesk::WatchSpeed() const { return watch_ ? watch_->Speed : 0; }

void ReplayDesk::WatchTick()
{
    Watched& watched = *watch_;
    const TickOutcome outcome = watched.Player->Tick();
    for (const FieldRect& rect : outcome.Changed)
        form_.PaintBox1->UpdateImageRect(QRect(rect.X, rect.Y, rect.Width, rect.Height));
    if (outcome.FullRepaint)
        form_.InvalidateField();
    if (outcome.GameOver || outcome.Fault || watched.Player->AllTicksPlayed())
        StopWatching();
}

bool ReplayDesk::WatchKey(const QKeyEvent& key)
{
    const bool keypad = key.modifiers() & Qt::KeypadModifier;
    int32_t speed = 0;
    switch (key.key()) {
    case Qt::Key_1: speed = 1; break;
    case Qt::Key_2: speed = 2; break;
    case Qt::Key_4: speed = 4; break;
    case Qt::Key_Escape:
        StopWatching();
        return true;
    default: break;
    }
    if (speed && !keypad) {
        watch_->Speed = speed;
        ApplySpeed();
        ShowWatchStatus();
        return true;
    }
    // The game's own keys would steer the game put aside: they wait.
    return form_.Options.Keys.ActionFor(brv::ChordOf(key)).has_value();
}

void ReplayDesk::StopWatching()
{
    if (!watch_)
        return;
    watch_.reset();
    form_.SetTimerInterval(form_.Options.Interval);
    // The demo goes on; a game that was in play stays paused until the player resumes it.
    form_.SetRunning(form_.Rules.Demo);
    form_.StatusPanels[1]->clear();
    // The field of the rules shown is rendered at once: the next tick draws on it.
    form_.ResizePending = true;
    form_.PaintBox1Paint();
    form_.InvalidateField();
}

const TGameRules& ReplayDesk::ShownRules() const { return watch_ ? watch_->Rules : form_.Rules; }

void ReplayDesk::ShowWatchStatus()
{
    const bool paused = !form_.TimerRunning();
    form_.StatusPanels[0]->setText(paused ? brv::DecodeText(form_.StatusText[2]) : Texts.Status);
    form_.StatusPanels[1]->setText(Texts.Keys.arg(WatchSpeed()));
}
