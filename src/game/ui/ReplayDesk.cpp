#include "game/ui/ReplayDesk.h"

#include "game/ui/TBrevantoForm.h"
#include "ui/DialogSeam.h"
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

// What the replay's rules need of a window: the field to draw on, and nothing else. A game
// that ends or a course fault ends the showing.
class WatchHost : public GameHost {
public:
    explicit WatchHost(TBrevantoForm& form) : form_(form) {}
    void SetRunning(bool) override {}
    int32_t TimerInterval() const override { return Interval; }
    void SetStatusText(const std::string&) override {}
    void InvalidateField() override { form_.InvalidateField(); }
    void CloseWindow() override { Fault = true; }
    void ShowErrorBox(const std::string&) override { Fault = true; }
    void PlaySound(const std::string&) override {}
    brv::Canvas* FieldCanvas() override { return form_.FieldCanvas(); }
    void GameOver(int32_t, int32_t) override { Ended = true; }

    int32_t Interval = 50;
    bool Ended = false;
    bool Fault = false;

private:
    TBrevantoForm& form_;
};

} // namespace

struct ReplayDesk::Watched {
    explicit Watched(TBrevantoForm& form) : Host(form) {}
    Replay File;
    WatchHost Host;
    TGameRules Rules{Host};
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
        Texts.*item.field = brv::DecodeText(added.Text(item.key, item.english));
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
    recorder_.Start(rules, rules.MapName, CourseKeyOf(rules.MapName).ContentHash, form_.Options.Interval,
                    SecondsNow());
    ended_ = false;
}

void ReplayDesk::BeforeTick() { recorder_.BeforeTick(form_.Rules, form_.Options.Interval); }

void ReplayDesk::GameEnded(int32_t score, int32_t stage)
{
    if (!recorder_.Recording())
        return;
    ended_ = true;
    endScore_ = score;
    endStage_ = stage;
}

std::string ReplayDesk::AfterTick()
{
    recorder_.AfterTick(form_.Rules);
    if (!ended_)
        return {};
    ended_ = false;
    const std::optional<Replay> replay = recorder_.Finish(endScore_, endStage_);
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
    auto watched = std::make_unique<Watched>(form_);
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
    rules.ErrorText = form_.Rules.ErrorText;
    rules.PassErrorTextsToMap();
    rules.MapName = course;
    try {
        rules.LoadCourse();
    } catch (const CourseError& error) {
        Refuse(Texts.CannotPlay + QLatin1Char('\n') + brv::DecodeText(error.what()));
        return false;
    }
    // The player's clock from here on: the start reads the recorded seed, not the time.
    WatchHost& host = watched->Host;
    watched->Player = std::make_unique<ReplayPlayer>(replay, rules, [this, &host](int32_t interval) {
        host.Interval = interval;
        if (Watching())
            ApplySpeed();
    });
    rules.StartPlay();
    watched->Player->Begin();

    watch_ = std::move(watched);
    ApplySpeed();
    form_.Clock.Start();
    form_.ResizePending = true;
    form_.InvalidateField();
    ShowWatchStatus();
    return true;
}

void ReplayDesk::ApplySpeed()
{
    const int32_t interval = watch_->Host.Interval > 0 ? watch_->Host.Interval : 50;
    form_.Clock.SetPeriod(std::max(interval / watch_->Speed, MinimumWatchPeriod));
}

int32_t ReplayDesk::WatchSpeed() const { return watch_ ? watch_->Speed : 0; }

void ReplayDesk::WatchTick()
{
    Watched& watched = *watch_;
    watched.Player->BeforeTick();
    watched.Rules.Timer1Timer();
    watched.Player->AfterTick();
    if (watched.Host.Fault)
        TickDepth = 0; // a course fault leaves its tick unfinished
    if (watched.Host.Ended || watched.Host.Fault || watched.Player->AllTicksPlayed())
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
    form_.ResizePending = true;
    form_.InvalidateField();
}

const TGameRules& ReplayDesk::ShownRules() const { return watch_ ? watch_->Rules : form_.Rules; }

void ReplayDesk::ShowWatchStatus()
{
    const bool paused = !form_.TimerRunning();
    form_.StatusPanels[0]->setText(paused ? brv::DecodeText(form_.Rules.StatusText[2]) : Texts.Status);
    form_.StatusPanels[1]->setText(Texts.Keys.arg(WatchSpeed()));
}
