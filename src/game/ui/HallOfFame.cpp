// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/HallOfFame.h"

#include "game/ui/TBrevantoForm.h"
#include "game/ui/HiScoreNameDialog.h"
#include "game/ui/HiScoresDialog.h"
#include "ui/DialogSeam.h"

#include "config/model/CourseCatalog.h"
#include "platform/Account.h"
#include "platform/Paths.h"
#include "platform/TextCodec.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>

#include <chrono>
#include <map>
#include <utility>

namespace {

// Tables of other courses offered by the selector, besides the course in play.
constexpr size_t MaxOtherCourses = 100;

QString FileNameOf(const std::string& path)
{
    return QFileInfo(brv::DecodeText(path)).fileName();
}

// A course as the tables name it: by the description its file gives, with the file's name.
QString CourseLabel(const std::string& path)
{
    const QString description = brv::DecodeText(CourseDescriptionOf(path));
    return description.isEmpty() ? FileNameOf(path)
                                 : QStringLiteral("%1 (%2)").arg(description, FileNameOf(path));
}

int64_t SecondsNow()
{
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

std::string OfferedName(const HiScoreBook& book)
{
    for (std::string name : {book.LastName(), brv::AccountFullName(), brv::AccountLogin()})
        if (!name.empty())
            return name;
    return {};
}

} // namespace

HallOfFame::HallOfFame(std::string dataDir, QObject* parent)
    : QObject(parent),
      fileName_(dataDir.empty() ? std::string() : dataDir + HiScoreBook::FileName)
{
}

void HallOfFame::CourseLoaded(const std::string& path)
{
    course_ = CourseKeyOf(path);
    newPlace_.reset();
}

void HallOfFame::GameEnded(int32_t score, int32_t stage)
{
    pending_ = EndedGame{score, stage, {}};
    newPlace_.reset();
}

void HallOfFame::ReplayKept(std::string fileName)
{
    if (pending_)
        pending_->Replay = std::move(fileName);
}

void HallOfFame::AskForName(QWidget& parent, DialogSeam& seam)
{
    const std::optional<EndedGame> game = std::exchange(pending_, std::nullopt);
    if (!game || !KeepsTables())
        return;
    const HiScoreBook before(fileName_);
    const std::optional<size_t> place = before.TableOf(course_).PlaceFor(game->Score);
    if (!place)
        return;

    HiScoreNameDialog dialog(Texts, static_cast<int>(*place) + 1, game->Score,
                              CourseLabel(course_.Path), brv::DecodeText(OfferedName(before)),
                              &parent);
    if (seam.ExecDialog(dialog) != QDialog::Accepted)
        return;
    const std::string name = brv::EncodeText(dialog.eName->text());

    // Into the file as it is then: another game may have stored an entry meanwhile.
    HiScoreBook book(fileName_);
    std::optional<size_t> taken;
    try {
        taken = book.Add(course_, {name, game->Score, game->Stage, SecondsNow(), game->Replay});
        book.StoreLastName(name);
    } catch (const brv::IniWriteError& error) {
        ShowStoreError(parent, seam, error.what());
        return;
    }
    newPlace_ = taken;
}

std::string HallOfFame::ShowTables(QWidget& parent, DialogSeam& seam, bool afterGame,
                                   const std::string& replayFolder)
{
    const HiScoreBook book = KeepsTables() ? HiScoreBook(fileName_) : HiScoreBook::FromBytes({}, {});
    const QString pathTip = brv::DecodeText(course_.Path);
    std::vector<HiScoresDialog::Course> courses;
    std::vector<CourseKey> keys;
    courses.push_back({CourseLabel(course_.Path), pathTip, book.TableOf(course_)});
    keys.push_back(course_);

    // A table whose course file now holds something else belongs to an earlier version of it.
    std::map<std::string, uint64_t> hashNow{{course_.Path, course_.ContentHash}};
    for (CourseTable& other : book.Tables(MaxOtherCourses + 1)) {
        if (other.Key == course_ || courses.size() > MaxOtherCourses)
            continue;
        auto known = hashNow.find(other.Key.Path);
        if (known == hashNow.end())
            known = hashNow.emplace(other.Key.Path, CourseKeyOf(other.Key.Path).ContentHash).first;
        QString label = CourseLabel(other.Key.Path);
        if (known->second != other.Key.ContentHash)
            label += QStringLiteral(" (%1)").arg(Texts.EarlierVersion);
        courses.push_back({label, brv::DecodeText(other.Key.Path), std::move(other.Table)});
        keys.push_back(other.Key);
    }

    HiScoresDialog dialog(Texts, &parent);
    if (KeepsTables()) {
        dialog.ClearTable = [&](int index) {
            try {
                HiScoreBook(fileName_).Store(keys[static_cast<size_t>(index)], HiScoreTable());
            } catch (const brv::IniWriteError& error) {
                ShowStoreError(dialog, seam, error.what());
                return false;
            }
            if (index == 0)
                newPlace_.reset();
            return true;
        };
    }
    dialog.Confirm = [&](const QString& question) {
        QMessageBox box(QMessageBox::Question, QString::fromLatin1(ApplicationTitle), question,
                        QMessageBox::Yes | QMessageBox::No, &dialog);
        box.setDefaultButton(QMessageBox::No);
        return seam.ExecDialog(box) == QMessageBox::Yes;
    };
    std::string watch;
    if (!replayFolder.empty()) {
        dialog.CanWatch = [&replayFolder](const HiScoreEntry& entry) {
            return brv::FileExists(replayFolder + entry.Replay);
        };
        dialog.Watch = [&](const HiScoreEntry& entry) { watch = replayFolder + entry.Replay; };
    }
    std::optional<HiScoresDialog::Highlight> highlight;
    if (afterGame && newPlace_)
        highlight = HiScoresDialog::Highlight{0, *newPlace_};
    dialog.SetCourses(std::move(courses), 0, highlight);
    seam.ExecDialog(dialog);
    return watch;
}

void HallOfFame::ShowStoreError(QWidget& parent, DialogSeam& seam, const char* reason) const
{
    seam.ShowError(&parent, QString::fromLatin1(ApplicationTitle),
                   Texts.SaveError + QLatin1Char('\n') + brv::DecodeText(reason));
}
