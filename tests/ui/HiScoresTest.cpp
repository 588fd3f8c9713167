// SPDX-License-Identifier: GPL-3.0-or-later
// The hi-score tables in the window: the name asked after a game that earns a place (and only
// then), the File menu command with its tool button, the table dialog and its Clear button.
#include "support/RunningGame.h"

#include "config/model/HiScoreBook.h"
#include "game/ui/HallOfFame.h"
#include "game/ui/HiScoreNameDialog.h"
#include "game/ui/HiScoresDialog.h"

#include "platform/Account.h"
#include "platform/IniFile.h"
#include "platform/TextCodec.h"

#include <QDateTime>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

using namespace testing_ui;

namespace {

// One row: the player's car drives east from column 1, a computer car west from column 4, one
// cell per tick, so the second tick crashes them in column 3 after the player ate one dot (the
// other dot keeps the stage going).
const char* const CrashCourse =
    "[DEFINE]\nMapSize=6,1\nStartNumber=2\n"
    "[MAP]\n1=D55557\n"
    "[MAPDOT]\n1=.O..O.\n"
    "[START]\nPos0=1,1,2,1,L,P\nPos1=4,1,6,1,L,P\n";

struct FameGame : RunningGame {
    FameGame()
    {
        Files.Write("COURSE.DAT", CrashCourse);
        // One car per game; the last speed of the table moves a car one cell a tick.
        Files.WriteSettings("MaxCar=1\nMoveFast=3\n");
        DataDir = Files.Path("data") + "/";
    }
    std::string ScoresFile() const { return DataDir + HiScoreBook::FileName; }
    HiScoreTable Table() const { return HiScoreBook(ScoresFile()).TableOf(Form->Fame->Course()); }

    // Starts a game with this score and plays it to its end.
    void PlayGameEndingWith(int32_t scoreBefore)
    {
        TBrevantoForm& form = *Form;
        form.New1Click();
        form.Rules.MyCar->Score = scoreBefore;
        form.Rules.StartWait = 0;
        for (int tick = 0; tick < 10 && !form.Rules.Demo; ++tick)
            form.Timer1Timer();
        QVERIFY(form.Rules.Demo);
    }
};

QString CellText(const HiScoresDialog& dialog, int row, int column)
{
    const QTableWidgetItem* item = dialog.Scores->item(row, column);
    return item ? item->text() : QString();
}

} // namespace

class HiScoresTest : public QObject {
    Q_OBJECT

private slots:

    void placeEarningGameAsksTheNameWithTheClockStoppedAndStoresIt()
    {
        FameGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        int asked = 0;
        bool clockRanWhileAsking = true;
        QString offered, prompt;
        const QString typed = QStringLiteral(" Ann = [x]; 山田\t");
        game.Seam.DialogAnswer = [&](QDialog& dialog) {
            auto* nameDialog = qobject_cast<HiScoreNameDialog*>(&dialog);
            if (!nameDialog)
                return int(QDialog::Rejected);
            ++asked;
            clockRanWhileAsking = form.TimerRunning();
            offered = nameDialog->eName->text();
            prompt = nameDialog->lPrompt->text();
            nameDialog->eName->setText(typed);
            return int(QDialog::Accepted);
        };
        game.PlayGameEndingWith(1230);
        QCOMPARE(asked, 1);
        QVERIFY(!clockRanWhileAsking);
        QVERIFY(form.TimerRunning());
        // With no name entered before, the account's full name, else its login.
        const std::string account =
            brv::AccountFullName().empty() ? brv::AccountLogin() : brv::AccountFullName();
        QCOMPARE(offered, brv::DecodeText(account).left(HiScoreNameDialog::MaxNameLength));
        QCOMPARE(prompt, QStringLiteral("Place 1 with 1240 points on COURSE.DAT! Enter your name:"));

        const HiScoreTable table = game.Table();
        QCOMPARE(table.Entries().size(), size_t{1});
        QCOMPARE(brv::DecodeText(table.Entries()[0].Name), typed);
        QCOMPARE(table.Entries()[0].Score, 1240);
        QCOMPARE(table.Entries()[0].Stage, 1);
        QVERIFY(table.Entries()[0].When.has_value());
        QVERIFY(form.Fame->NewEntryPlace() == std::optional<size_t>(0));
        // The one hi-score goes on as before.
        QCOMPARE(form.Rules.HiScore, 1240);

        // The next game offers the name entered last; Enter keeps it.
        game.Seam.DialogAnswer = [&](QDialog& dialog) {
            auto* nameDialog = qobject_cast<HiScoreNameDialog*>(&dialog);
            if (!nameDialog)
                return int(QDialog::Rejected);
            offered = nameDialog->eName->text();
            prompt = nameDialog->lPrompt->text();
            nameDialog->show();
            QTest::keyClick(nameDialog->eName, Qt::Key_Return);
            return nameDialog->result();
        };
        game.PlayGameEndingWith(500);
        QCOMPARE(offered, typed);
        QVERIFY2(prompt.startsWith(QStringLiteral("Place 2 with 510 ")), qPrintable(prompt));
        const HiScoreTable second = game.Table();
        QCOMPARE(second.Entries().size(), size_t{2});
        QCOMPARE(second.Entries()[1].Score, 510);
        QCOMPARE(brv::DecodeText(second.Entries()[1].Name), typed);
        QVERIFY(form.Fame->NewEntryPlace() == std::optional<size_t>(1));
    }

    void anEntryStoredByAnotherGameWhileAskingSurvives()
    {
        FameGame game;
        QVERIFY(game.Start());
        const CourseKey course = game.Form->Fame->Course();
        game.Seam.DialogAnswer = [&](QDialog& dialog) {
            auto* nameDialog = qobject_cast<HiScoreNameDialog*>(&dialog);
            if (!nameDialog)
                return int(QDialog::Rejected);
            // Another copy of the game stores its entry while this one asks.
            HiScoreBook other(game.ScoresFile());
            HiScoreTable table = other.TableOf(course);
            table.Insert({"Other", 900, 2, std::nullopt, {}});
            other.Store(course, table);
            nameDialog->eName->setText(QStringLiteral("Ann"));
            return int(QDialog::Accepted);
        };
        game.PlayGameEndingWith(500);
        const HiScoreTable table = game.Table();
        QCOMPARE(table.Entries().size(), size_t{2});
        QCOMPARE(table.Entries()[0].Name, std::string("Other"));
        QCOMPARE(table.Entries()[1].Name, std::string("Ann"));
        QVERIFY(game.Form->Fame->NewEntryPlace() == std::optional<size_t>(1));
    }

    void escapeLeavesTheTableAsItWas()
    {
        FameGame game;
        QVERIFY(game.Start());
        int asked = 0;
        game.Seam.DialogAnswer = [&](QDialog& dialog) {
            auto* nameDialog = qobject_cast<HiScoreNameDialog*>(&dialog);
            if (!nameDialog)
                return int(QDialog::Rejected);
            ++asked;
            nameDialog->eName->setText(QStringLiteral("Nobody"));
            nameDialog->show();
            QTest::keyClick(nameDialog->eName, Qt::Key_Escape);
            return nameDialog->result();
        };
        game.PlayGameEndingWith(700);
        QCOMPARE(asked, 1);
        QVERIFY(game.Table().Empty());
        QVERIFY(HiScoreBook(game.ScoresFile()).LastName().empty());
        QVERIFY(!game.Form->Fame->NewEntryPlace());
    }

    void noPlaceAndTheDemoAskNothing()
    {
        FameGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        int opened = 0;
        game.Seam.WhileOpen = [&] { ++opened; };

        // The demo loses its one car at once, again and again.
        for (int tick = 0; tick < 20; ++tick) {
            form.Rules.StartWait = 0;
            form.Timer1Timer();
        }
        QCOMPARE(opened, 0);
        QVERIFY(!QFile::exists(QString::fromStdString(game.ScoresFile())));

        HiScoreTable full;
        for (int32_t i = 0; i < 10; ++i)
            full.Insert({"best", 5000 - i, 2, std::nullopt, {}});
        HiScoreBook(game.ScoresFile()).Store(form.Fame->Course(), full);
        game.PlayGameEndingWith(4981); // ends with 4991, equal to the last place: not enough
        QCOMPARE(opened, 0);
        QVERIFY(game.Table().Entries() == full.Entries());

        // A game that scored nothing earns no place in an empty table either.
        HiScoreBook(game.ScoresFile()).Store(form.Fame->Course(), HiScoreTable());
        game.PlayGameEndingWith(-10); // the dot brings it to 0
        QCOMPARE(opened, 0);
        QVERIFY(game.Table().Empty());
    }

    void hiScoresCommandShowsTheTablesAndClearsAfterAsking()
    {
        FameGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;

        // The command sits in the File menu before Watch Replay and the separator, with a tool
        // button; the test language lacks the texts, so they come in English.
        const QList<QAction*> items = form.File1->actions();
        QCOMPARE(items.indexOf(form.HiScores1) + 2, items.indexOf(form.N1));
        QCOMPARE(form.HiScores1->text(), QStringLiteral("&Hi-Scores..."));
        QCOMPARE(form.sbHiScores->toolTip(), QStringLiteral("Hi-scores"));
        QVERIFY(!form.sbHiScores->icon().isNull());

        game.Seam.DialogAnswer = [](QDialog& dialog) {
            auto* nameDialog = qobject_cast<HiScoreNameDialog*>(&dialog);
            if (nameDialog)
                nameDialog->eName->setText(QStringLiteral("Ann"));
            return int(nameDialog ? QDialog::Accepted : QDialog::Rejected);
        };
        HiScoreTable earlier;
        earlier.Insert({"Bob", 2000, 3, 1'796'712'536, {}});
        earlier.Insert({"Cy", 100, 1, std::nullopt, {}});
        HiScoreBook(game.ScoresFile()).Store(form.Fame->Course(), earlier);
        HiScoreTable elsewhere;
        elsewhere.Insert({"Dee", 42, 1, std::nullopt, {}});
        const CourseKey other{game.Files.Path("GONE.DAT"), 12345};
        HiScoreBook(game.ScoresFile()).Store(other, elsewhere);
        game.PlayGameEndingWith(490);

        int shown = 0;
        bool clockRan = true;
        QStringList questions;
        int answer = QMessageBox::No;
        const auto checkTables = [&](HiScoresDialog* tables) {
            QVERIFY(tables);
            ++shown;
            clockRan = form.TimerRunning();
            QCOMPARE(tables->cbCourse->count(), 2);
            QCOMPARE(tables->cbCourse->currentText(), QStringLiteral("COURSE.DAT"));
            QCOMPARE(tables->cbCourse->itemText(1), QStringLiteral("GONE.DAT (earlier version)"));
            QCOMPARE(CellText(*tables, 0, 1), QStringLiteral("Bob"));
            QCOMPARE(CellText(*tables, 1, 1), QStringLiteral("Ann"));
            QCOMPARE(CellText(*tables, 1, 2), QStringLiteral("500"));
            QCOMPARE(CellText(*tables, 2, 1), QStringLiteral("Cy"));
            // The date in local time; an entry stored without one shows none.
            QCOMPARE(CellText(*tables, 0, 4), QDateTime::fromSecsSinceEpoch(1'796'712'536, Qt::UTC)
                                                  .toLocalTime()
                                                  .toString(QStringLiteral("yyyy-MM-dd HH:mm")));
            QCOMPARE(CellText(*tables, 2, 4), QString());
            QCOMPARE(CellText(*tables, 3, 0), QStringLiteral("4"));
            QCOMPARE(CellText(*tables, 3, 1), QString());
            QCOMPARE(tables->HighlightedRow(), 1);

            tables->cbCourse->setCurrentIndex(1);
            QCOMPARE(CellText(*tables, 0, 1), QStringLiteral("Dee"));
            QCOMPARE(tables->HighlightedRow(), -1);
            tables->cbCourse->setCurrentIndex(0);

            tables->bClear->click(); // answered No
            QCOMPARE(CellText(*tables, 0, 1), QStringLiteral("Bob"));
            answer = QMessageBox::Yes;
            tables->bClear->click();
            QCOMPARE(CellText(*tables, 0, 1), QString());
            QVERIFY(!tables->bClear->isEnabled());
        };
        game.Seam.DialogAnswer = [&](QDialog& dialog) {
            if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
                questions << box->text();
                return answer;
            }
            checkTables(qobject_cast<HiScoresDialog*>(&dialog));
            return int(QDialog::Accepted);
        };
        form.sbHiScores->click();
        QCOMPARE(shown, 1);
        QVERIFY(!clockRan);
        QVERIFY(form.TimerRunning());
        QCOMPARE(questions.size(), 2);
        QVERIFY(questions[0].contains(QStringLiteral("COURSE.DAT")));
        QVERIFY(game.Table().Empty());
        // The other course keeps its table.
        QVERIFY(HiScoreBook(game.ScoresFile()).TableOf(other).Entries() == elsewhere.Entries());

        // During a game nothing is marked as new; the menu item opens the same dialog.
        int marked = -2;
        game.Seam.DialogAnswer = [&](QDialog& dialog) {
            if (auto* tables = qobject_cast<HiScoresDialog*>(&dialog))
                marked = tables->HighlightedRow();
            return int(QDialog::Rejected);
        };
        form.New1Click();
        form.HiScores1->trigger();
        QCOMPARE(marked, -1);
    }

    void shippedLanguagesCarryEveryText()
    {
        const std::string file = std::string(BREVANTO_ASSETS_DIR) + "/LANGUAGE.INI";
        const brv::IniFile ini(file);
        const auto hiScoreKeys = [&ini](const char* section) {
            QStringList keys;
            for (const std::string& key : ini.ReadSection(section))
                if (key.rfind("HiScores", 0) == 0)
                    keys << QString::fromStdString(key);
            return keys;
        };
        const QStringList english = hiScoreKeys("ENGLISH");
        QCOMPARE(english.size(), 17);
        QCOMPARE(hiScoreKeys("JAPANESE"), english);
        QCOMPARE(ReadHiScoreTexts(file, 1).Menu, QStringLiteral("&Hi-Scores..."));
        QCOMPARE(ReadHiScoreTexts(file, 2).Menu, QStringLiteral("ハイスコア(&H)..."));
    }
};

QTEST_MAIN(HiScoresTest)
#include "HiScoresTest.moc"
