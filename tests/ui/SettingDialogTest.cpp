// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog and the Setting command: what the dialog proposes, what OK applies and
// Cancel keeps, the language preview, the browse buttons, and the dialog's language operations.
#include "support/RunningGame.h"

#include "config/ui/TfSetting.h"
#include "ui/FieldView.h"
#include "platform/Canvas.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusTipEvent>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>

using namespace testing_ui;

namespace {

// Two languages; the second changes the font and every text the windows show.
const char* const TwoLanguages =
    "[LANGUAGE]\nNumber=2\n1=English\n2=Deutsch\n"
    "[English]\n"
    "Error1=unused\nError2=Course file not found\nError3=The map is broken!\n"
    "Error4=The dots are broken\nError5=A car left the course\n"
    "Status1=Playing\nStatus2=Paused\nStatus3=Demo\n"
    "Menu1=&File\nMenu2=&Option\nMenu3=&Help\nMenu4=&New\nMenu5=&Load Course\nMenu6=&Pause\n"
    "Menu7=E&xit\nMenu8=&Setting\nMenu9=&Control\nMenu10=&About\n"
    "Tab1=Basic\nTab2=Sound\nTab3=Special\nLabel1=Timer Speed\nLabel13=HiScore\n"
    "Label14Hint=Refference\nLang1=English\nLang2=German\n"
    "[Deutsch]\n"
    "FontName=Courier\nFontSize=11\n"
    "Error1=ungenutzt\nError2=Kursdatei fehlt\nError3=Die Karte ist kaputt!\n"
    "Error4=Die Punkte sind kaputt\nError5=Ein Wagen hat den Kurs verlassen\n"
    "Status1=Spielen\nStatus2=Pause\nStatus3=Vorfuehrung\n"
    "Menu1=&Datei\nMenu2=&Optionen\nMenu3=&Hilfe\nMenu4=&Neu\nMenu5=Kurs &laden\n"
    "Menu6=&Pause\nMenu7=&Beenden\nMenu8=&Einstellungen\nMenu9=&Steuerung\nMenu10=&Info\n"
    "Tab1=Allgemein\nTab2=Klang\nTab3=Spezial\nLabel1=Takt\nLabel2=Fensterlage merken\n"
    "Label6=Fahrt\nLabel13=Rekord\nLabel13Hint=Rekord|Setzt den Rekord auf null\n"
    "Label14Hint=Suchen|Eine Wave-Datei waehlen\nLang1=Englisch\nLang2=Deutsch\n";

// The ring course with the hi-score drawn in its closed centre.
std::string RingWithHiScoreInside()
{
    return RingCourse(10, 8, 2) + "[DISPLAY]\nHiPoint=3,4\n";
}

// Shows the Setting command's dialog to `look`, which may read and change it, then closes it
// with `result`.
void OpenSettings(RunningGame& game, int result, const std::function<void(TfSetting&)>& look)
{
    game.Seam.DialogAnswer = [result, look](QDialog& dialog) {
        auto* setting = qobject_cast<TfSetting*>(&dialog);
        if (!setting)
            return int(QDialog::Rejected);
        if (look)
            look(*setting);
        return result;
    };
    game.Form->SettingClick();
}

int TimerShown(RunningGame& game)
{
    int shown = -1;
    OpenSettings(game, QDialog::Rejected, [&](TfSetting& s) { shown = s.udTimer->value(); });
    return shown;
}

QStringList Items(const QComboBox& box)
{
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items << box.itemText(i);
    return items;
}

// A user's pick in the drop-down.
void Choose(QComboBox& box, int position)
{
    box.setCurrentIndex(position);
    emit box.activated(position);
}

// Sheets whose tiles are `tile` pixels: the speed table follows the tile size.
void WriteTileSheet(const GameFiles& files, int tile)
{
    GameFiles::TileSheet()
        .scaled(4 * tile, 4 * tile)
        .save(QString::fromStdString(files.Path("GROUND.BMP")), "BMP");
}

} // namespace

class SettingDialogTest : public QObject {
    Q_OBJECT

private slots:

    void designTextsAndRanges()
    {
        ScriptedSeam seam;
        TfSetting dialog(seam);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("fSetting"));
        QCOMPARE(dialog.font().family(), QStringLiteral("Arial"));
        QCOMPARE(dialog.font().pointSize(), 9);
        // The design size, or larger where the machine's fonts need more room.
        QVERIFY(dialog.width() >= 232 && dialog.height() >= 203);
        QVERIFY(dialog.width() < 400 && dialog.height() < 350);
        QCOMPARE(dialog.PageControl1->count(), 3);
        QCOMPARE(dialog.PageControl1->tabText(0), QStringLiteral("Basic"));
        QCOMPARE(dialog.PageControl1->tabText(1), QStringLiteral("Sound"));
        QCOMPARE(dialog.PageControl1->tabText(2), QStringLiteral("Special"));
        QCOMPARE(dialog.chkbScreen->text(), QStringLiteral("Memorize Window Position"));
        QCOMPARE(dialog.Label4->text(), QStringLiteral("Crash"));
        QCOMPARE(dialog.Label7->text(), QStringLiteral("Language"));
        QCOMPARE(dialog.BitBtn1->toolTip(), QStringLiteral("Reset HiScore"));
        for (QToolButton* browse : {dialog.SpeedButton1, dialog.SpeedButton2, dialog.SpeedButton3})
            QCOMPARE(browse->toolTip(), QStringLiteral("Refference"));
        QVERIFY(!dialog.cbLanguage->isEditable());
        QVERIFY(!dialog.LanguageListLoaded);
        QVERIFY(!dialog.ResetHiScore);

        // The timer spinner stops at its ends and shows plain digits.
        QSpinBox& timer = *dialog.udTimer;
        QCOMPARE(timer.minimum(), 50);
        QCOMPARE(timer.maximum(), 1000);
        QVERIFY(!timer.wrapping());
        timer.setValue(1000);
        timer.stepUp();
        QCOMPARE(timer.value(), 1000);
        QCOMPARE(timer.text(), QStringLiteral("1000"));
        QCOMPARE(dialog.udMoveSpeed->minimum(), 0);
        QCOMPARE(dialog.udMoveSpeed->maximum(), 6);
        QCOMPARE(dialog.udMaxCar->minimum(), 1);
        QCOMPARE(dialog.udMaxCar->maximum(), 100);

        // HiScore marks the reset and leaves the dialog open; Return is OK, Escape Cancel.
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.PageControl1->setCurrentWidget(dialog.TabSheet3);
        dialog.BitBtn1->click();
        QVERIFY(dialog.ResetHiScore);
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.BitBtn2->isDefault());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClick(dialog.udTimer, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void theDialogIsMadeOnceAndCentredOverTheWindow()
    {
        RunningGame game;
        // A low course, so that the window may become smaller than the dialog: no window is
        // made smaller than its field.
        game.Files.Write("COURSE.DAT", RingCourse(10, 5, 2));
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        TfSetting* first = nullptr;
        QSize box;
        OpenSettings(game, QDialog::Rejected, [&](TfSetting& s) {
            first = &s;
            box = s.frameGeometry().size();
        });
        QVERIFY(first);
        QCOMPARE(first->parent(), &form);

        // A window 61 pixels narrower and 41 lower than the dialog: truncation toward zero
        // moves it 30 and 20 pixels left and up (flooring would give 31 and 21).
        form.move(300, 200);
        const QSize frame = form.frameGeometry().size() - form.size();
        form.resize(box - QSize(61, 41) - frame);
        RunningGame::Settle();
        const QRect window = form.frameGeometry();
        QCOMPARE(window.size(), box - QSize(61, 41));
        TfSetting* second = nullptr;
        QPoint placed;
        OpenSettings(game, QDialog::Rejected, [&](TfSetting& s) {
            second = &s;
            placed = s.frameGeometry().topLeft();
        });
        QCOMPARE(second, first);
        QCOMPARE(placed, window.topLeft() - QPoint(30, 20));
    }

    void theDialogTakesTheWindowsFont()
    {
        RunningGame game;
        QVERIFY(game.Start());
        QFont font(QStringLiteral("Courier"));
        font.setPointSize(12);
        game.Form->setFont(font);
        QFont shown;
        OpenSettings(game, QDialog::Rejected, [&](TfSetting& s) { shown = s.font(); });
        QCOMPARE(shown.family(), QStringLiteral("Courier"));
        QCOMPARE(shown.pointSize(), 12);
    }

    void theTimerProposalFollowsTheDeepestNesting_data()
    {
        QTest::addColumn<int>("interval");
        QTest::addColumn<uint>("overlap");
        QTest::addColumn<int>("shown");
        QTest::newRow("no nesting seen") << 70 << 0u << 70;
        QTest::newRow("a single tick") << 70 << 1u << 70;
        QTest::newRow("three deep") << 50 << 3u << 150;
        // Beyond its maximum the spinner stops at 1000, and OK takes what it shows.
        QTest::newRow("above the range") << 400 << 3u << 1000;
        // The product keeps 16 bits: 66000 becomes 464, not the maximum.
        QTest::newRow("16-bit product") << 1000 << 66u << 464;
        QTest::newRow("below the range") << 20 << 1u << 50;
    }
    void theTimerProposalFollowsTheDeepestNesting()
    {
        QFETCH(int, interval);
        QFETCH(uint, overlap);
        QFETCH(int, shown);
        RunningGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        form.SetTimerInterval(interval);
        form.Rules.MaxOverlap = overlap;

        QCOMPARE(TimerShown(game), shown);
        QCOMPARE(form.Options.Interval, interval);
        OpenSettings(game, QDialog::Accepted, nullptr);
        QCOMPARE(form.Options.Interval, shown);
        QCOMPARE(form.Timer1->interval(), shown);
    }

    void okWithTheProposalRaisesItAgainAtTheNextOpening()
    {
        RunningGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        form.Rules.MaxOverlap = 3;
        OpenSettings(game, QDialog::Accepted, nullptr);
        QCOMPARE(form.Options.Interval, 150);
        QCOMPARE(TimerShown(game), 450);
        QCOMPARE(form.Options.Interval, 150);
    }

    void aZeroTimerValueLeavesTheInterval()
    {
        RunningGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        form.SetTimerInterval(80);
        // Our spinner never reports 0; one whose range allowed it must not stop the game.
        OpenSettings(game, QDialog::Accepted, [](TfSetting& s) {
            s.udTimer->setMinimum(0);
            s.udTimer->setValue(0);
        });
        QCOMPARE(form.Options.Interval, 80);
        QCOMPARE(form.Timer1->interval(), 80);
        QVERIFY(form.TimerRunning());
    }

    void theBarsChangeOnlyWhenABoxDiffers_data()
    {
        QTest::addColumn<bool>("toolBar");
        QTest::addColumn<bool>("statusBar");
        QTest::addColumn<bool>("refit");
        QTest::newRow("status bar off") << true << false << true;
        QTest::newRow("tool bar off") << false << true << true;
        QTest::newRow("both off") << false << false << true;
        QTest::newRow("as they were") << true << true << false;
    }
    void theBarsChangeOnlyWhenABoxDiffers()
    {
        QFETCH(bool, toolBar);
        QFETCH(bool, statusBar);
        QFETCH(bool, refit);
        RunningGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        form.SetRunning(false);
        QVERIFY(!form.ResizePending);
        const QSize field = form.PaintBox1->size();
        const QSize window = form.size();

        bool shownToolBar = false;
        bool shownStatusBar = false;
        OpenSettings(game, QDialog::Accepted, [&](TfSetting& s) {
            shownToolBar = s.chkbToolBar->isChecked();
            shownStatusBar = s.chkbStatusBar->isChecked();
            s.chkbToolBar->setChecked(toolBar);
            s.chkbStatusBar->setChecked(statusBar);
        });
        QVERIFY(shownToolBar && shownStatusBar);
        QCOMPARE(form.Panel1->isHidden(), !toolBar);
        QCOMPARE(form.StatusBar1->isHidden(), !statusBar);
        QCOMPARE(form.ResizePending, refit);

        // The next paint fits the window round the field again.
        QTRY_VERIFY(!form.ResizePending);
        RunningGame::Settle();
        QCOMPARE(form.PaintBox1->size(), field);
        QCOMPARE(form.size().height() < window.height(), refit);
    }

    void theHiScoreIsResetOnlyByOk()
    {
        RunningGame game;
        game.Files.Write("COURSE.DAT", RingWithHiScoreInside());
        game.Files.WriteSettings("HiScore=12345\n");
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        form.SetRunning(false);
        RunningGame::Settle();
        const QImage before = form.FieldImage.copy();
        const int renders = form.FullRenders;

        OpenSettings(game, QDialog::Rejected, [](TfSetting& s) { s.BitBtn1->click(); });
        QCOMPARE(form.Rules.HiScore, 12345);
        QCOMPARE(form.FieldImage, before);

        // The flag lives for one opening only.
        bool pressedBefore = true;
        OpenSettings(game, QDialog::Accepted, [&](TfSetting& s) { pressedBefore = s.ResetHiScore; });
        QVERIFY(!pressedBefore);
        QCOMPARE(form.Rules.HiScore, 12345);

        OpenSettings(game, QDialog::Accepted, [](TfSetting& s) { s.BitBtn1->click(); });
        QCOMPARE(form.Rules.HiScore, 0);
        // Written at once onto the kept field, without rendering it afresh...
        QCOMPARE(form.FullRenders, renders);
        const QFontMetrics metrics(brv::FieldFont());
        const QRect zero(2 * TestTileSize, 3 * TestTileSize,
                         metrics.horizontalAdvance(QStringLiteral("0")), metrics.height());
        QVERIFY(form.FieldImage.copy(zero) != before.copy(zero));
        const QImage written = form.FieldImage.copy(zero);
        // ...looking as a whole field drawn with a hi-score of 0 does there.
        form.PaintBox1->Invalidate();
        QTRY_VERIFY(form.FullRenders > renders);
        QCOMPARE(form.FieldImage.copy(zero), written);

        form.close();
        QVERIFY(game.Files.Read("BREVANTO.INI").find("HiScore=0\n") != std::string::npos);
    }

    void theOtherValuesTravelBothWays()
    {
        RunningGame game;
        game.Files.WriteSettings("MaxCar=500\nSaveScreen=0\nSound=1\nRandamInit=1\n"
                                 "Wave1=run.wav\nWave2=eat.wav\nWave3=crash.wav\n");
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        QCOMPARE(form.Rules.MaxCar, 500);

        struct Shown {
            bool screen, sound, random;
            QString run, eat, crash;
            int moveSpeed, maxCar;
        } shown{};
        const auto change = [&](TfSetting& s) {
            shown = {s.chkbScreen->isChecked(), s.chkbSound->isChecked(),
                     s.chkbRandom->isChecked(), s.eRunWave->text(), s.eEatWave->text(),
                     s.eCrashWave->text(), s.udMoveSpeed->value(), s.udMaxCar->value()};
            s.chkbScreen->setChecked(true);
            s.chkbSound->setChecked(false);
            s.chkbRandom->setChecked(false);
            s.eRunWave->setText(QStringLiteral("no such file.wav"));
            s.eCrashWave->clear();
            s.udMoveSpeed->setValue(2);
            s.udMaxCar->setValue(7);
        };
        OpenSettings(game, QDialog::Rejected, change);
        QVERIFY(!shown.screen);
        QVERIFY(shown.sound);
        QVERIFY(shown.random);
        QCOMPARE(shown.run, QStringLiteral("run.wav"));
        QCOMPARE(shown.eat, QStringLiteral("eat.wav"));
        QCOMPARE(shown.crash, QStringLiteral("crash.wav"));
        QCOMPARE(shown.moveSpeed, 1);
        // The settings file allows more cars than the dialog offers.
        QCOMPARE(shown.maxCar, 100);
        // Cancel keeps everything.
        QCOMPARE(form.Rules.MaxCar, 500);
        QVERIFY(!form.Options.SaveScreen);
        QVERIFY(form.Options.SoundOn);
        QCOMPARE(form.Options.RunWave, std::string("run.wav"));

        OpenSettings(game, QDialog::Accepted, change);
        QVERIFY(form.Options.SaveScreen);
        QVERIFY(!form.Options.SoundOn);
        QVERIFY(!form.Rules.RandomInit);
        // Paths are taken as typed, without looking for the file.
        QCOMPARE(form.Options.RunWave, std::string("no such file.wav"));
        QCOMPARE(form.Options.EatWave, std::string("eat.wav"));
        QCOMPARE(form.Options.CrashWave, std::string());
        QCOMPARE(form.Rules.MoveSpeed, 2);
        QCOMPARE(form.Rules.MaxCar, 7);
        // The game in progress goes on as it was.
        QVERIFY(form.Rules.Demo);
        QVERIFY(form.TimerRunning());
    }

    void anUntouchedPathKeepsItsBytes()
    {
        RunningGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        // Shift_JIS bytes: they decode for the edit but would not survive a round trip.
        const std::string shiftJis = "\x83\x65\x83\x58\x83\x67.wav";
        form.Options.RunWave = shiftJis;
        QString shown;
        OpenSettings(game, QDialog::Accepted, [&](TfSetting& s) { shown = s.eRunWave->text(); });
        QCOMPARE(shown, QString::fromUtf8("\xe3\x83\x86\xe3\x82\xb9\xe3\x83\x88.wav"));
        QCOMPARE(form.Options.RunWave, shiftJis);
    }

    void browsingSetsTheEditBesideTheButton_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("preset");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("result");
        const QString other = QStringLiteral("/sounds/Other.wav");
        for (int button = 1; button <= 3; ++button) {
            const auto row = [button](const char* name) -> QTestData& {
                return QTest::newRow(qPrintable(QStringLiteral("button %1, %2").arg(button).arg(
                    QString::fromLatin1(name))));
            };
            const QString run = QStringLiteral("/sounds/run.wav");
            row("another file") << button << run << other << other;
            // Names that differ in letter case are two files.
            row("other file, other case") << button << QStringLiteral("/Sounds/run.WAV")
                                          << QStringLiteral("/sounds/RUN.wav")
                                          << QStringLiteral("/sounds/RUN.wav");
            // The same file, written relative to the current folder, stays as written.
            row("same file") << button << QStringLiteral("run.wav")
                             << QDir::current().absoluteFilePath(QStringLiteral("run.wav"))
                             << QStringLiteral("run.wav");
            row("cancelled") << button << run << QString() << run;
            row("from an empty edit") << button << QString() << other << other;
        }
        QTest::newRow("non-ASCII case") << 1 << QString::fromUtf8("/s/\xc3\xa9.wav")
                                        << QString::fromUtf8("/S/\xc3\x89.WAV")
                                        << QString::fromUtf8("/S/\xc3\x89.WAV");
    }
    void browsingSetsTheEditBesideTheButton()
    {
        QFETCH(int, button);
        QFETCH(QString, preset);
        QFETCH(QString, answer);
        QFETCH(QString, result);
        RunningGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        std::string* const fields[] = {&form.Options.RunWave, &form.Options.EatWave, &form.Options.CrashWave};
        for (std::string* field : fields)
            *field = "keep.wav";
        *fields[button - 1] = preset.toStdString();

        int asked = 0;
        game.Seam.FileAnswer = [&](const QString&, const QString&) {
            ++asked;
            return answer;
        };
        OpenSettings(game, QDialog::Accepted, [&](TfSetting& s) {
            QToolButton* buttons[] = {s.SpeedButton1, s.SpeedButton2, s.SpeedButton3};
            buttons[button - 1]->click();
        });
        QCOMPARE(asked, 1);
        QCOMPARE(game.Seam.LastFilter, QStringLiteral("Wave File (*.WAV *.wav)"));
        QCOMPARE(game.Seam.LastFileName, preset);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(QString::fromStdString(*fields[i]),
                     i == button - 1 ? result : QStringLiteral("keep.wav"));
    }

    void pastedPathsLoseLineBreaksAndSurroundingBlanks()
    {
        RunningGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        QString preset;
        game.Seam.FileAnswer = [&](const QString&, const QString& fileName) {
            preset = fileName;
            return QString();
        };
        OpenSettings(game, QDialog::Accepted, [](TfSetting& s) {
            s.eRunWave->setText(QStringLiteral(" /sounds/run.wav\n"));
            s.eEatWave->setText(QStringLiteral("\t/sounds/eat\r\n.wav \r\n"));
            s.SpeedButton2->click();
            s.eCrashWave->setText(QStringLiteral("\n"));
        });
        QCOMPARE(preset, QStringLiteral("/sounds/eat.wav"));
        QCOMPARE(form.Options.RunWave, std::string("/sounds/run.wav"));
        QCOMPARE(form.Options.EatWave, std::string("/sounds/eat.wav"));
        QCOMPARE(form.Options.CrashWave, std::string());

        // Every key is saved, those after the wave files included.
        form.Rules.HiScore = 4321;
        form.SaveSettings();
        QVERIFY(game.Seam.Boxes.empty());
        const std::string saved = game.Files.Read("BREVANTO.INI");
        QVERIFY(saved.find("Wave1=/sounds/run.wav\n") != std::string::npos);
        QVERIFY(saved.find("HiScore=4321\n") != std::string::npos);
        QVERIFY(saved.find("Position=") != std::string::npos);
    }

    void theDialogsHintsReachStatusPanelOne()
    {
        RunningGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        const QString status = form.StatusPanels[0]->text();
        QString shown;
        OpenSettings(game, QDialog::Rejected, [&](TfSetting& s) {
            s.BitBtn1->setStatusTip(QStringLiteral("Reset|Reset the hi-score to 0"));
            QStatusTipEvent tip(s.BitBtn1->statusTip());
            QApplication::sendEvent(s.BitBtn1, &tip);
            shown = form.StatusPanels[1]->text();
        });
        QCOMPARE(shown, QStringLiteral("Reset the hi-score to 0"));
        QCOMPARE(form.StatusPanels[0]->text(), status);
    }

    void theClockStopsWhileOpenAndRunsAgainOnlyIfItRan_data()
    {
        QTest::addColumn<bool>("paused");
        QTest::addColumn<int>("result");
        QTest::newRow("running, OK") << false << int(QDialog::Accepted);
        QTest::newRow("running, Cancel") << false << int(QDialog::Rejected);
        QTest::newRow("paused, OK") << true << int(QDialog::Accepted);
        QTest::newRow("paused, Cancel") << true << int(QDialog::Rejected);
    }
    void theClockStopsWhileOpenAndRunsAgainOnlyIfItRan()
    {
        QFETCH(bool, paused);
        QFETCH(int, result);
        RunningGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        if (paused)
            form.SetRunning(false);
        bool ranWhileOpen = true;
        OpenSettings(game, result, [&](TfSetting&) { ranWhileOpen = form.TimerRunning(); });
        QVERIFY(!ranWhileOpen);
        QCOMPARE(form.TimerRunning(), !paused);
        QCOMPARE(form.Pause1->isChecked(), paused);
        QCOMPARE(form.StatusPanels[0]->text(),
                 QString::fromLatin1(paused ? StatusPaused : StatusDemo));
    }

    void theMoveSpeedRangeFollowsTheSpeedTable_data()
    {
        QTest::addColumn<int>("tile");
        QTest::addColumn<int>("maximum");
        QTest::newRow("tile 16: 2 4 8 16") << 16 << 3;
        QTest::newRow("tile 24: 2 4 6 8 12 24") << 24 << 5;
        QTest::newRow("odd tile: no table") << 15 << 0;
    }
    void theMoveSpeedRangeFollowsTheSpeedTable()
    {
        QFETCH(int, tile);
        QFETCH(int, maximum);
        RunningGame game;
        WriteTileSheet(game.Files, tile);
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        QCOMPARE(form.Rules.Map->TileSize, tile);

        int shownMaximum = -1;
        OpenSettings(game, QDialog::Accepted, [&](TfSetting& s) {
            shownMaximum = s.udMoveSpeed->maximum();
            s.udMoveSpeed->setValue(maximum + 1);
        });
        QCOMPARE(shownMaximum, maximum);
        QCOMPARE(form.Rules.MoveSpeed, maximum);

        // Even a spinner that offered a negative speed never hands it to the rules.
        OpenSettings(game, QDialog::Accepted, [](TfSetting& s) {
            s.udMoveSpeed->setMinimum(-1);
            s.udMoveSpeed->setValue(-1);
        });
        QCOMPARE(form.Rules.MoveSpeed, 0);
    }

    void aPreviewedLanguageStaysInTheDialogOnly()
    {
        RunningGame game;
        game.Files.Write("LANGUAGE.INI", TwoLanguages);
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        const QString status = form.StatusPanels[0]->text();

        QStringList listed;
        QString tab;
        QString hint;
        QFont previewFont;
        OpenSettings(game, QDialog::Rejected, [&](TfSetting& s) {
            // At the first opening the list holds the languages' section names.
            listed = Items(*s.cbLanguage);
            Choose(*s.cbLanguage, 1);
            tab = s.PageControl1->tabText(0);
            hint = s.SpeedButton3->toolTip();
            previewFont = s.font();
        });
        QCOMPARE(listed, QStringList({QStringLiteral("English"), QStringLiteral("Deutsch")}));
        QCOMPARE(tab, QStringLiteral("Allgemein"));
        QCOMPARE(hint, QStringLiteral("Suchen"));
        QCOMPARE(previewFont.family(), QStringLiteral("Courier"));
        QCOMPARE(previewFont.pointSize(), 11);

        QCOMPARE(form.Options.Language, 1);
        QCOMPARE(form.File1->title(), QStringLiteral("&File"));
        QCOMPARE(form.StatusPanels[0]->text(), status);
        QCOMPARE(form.Rules.Map->ErrorTexts[2], std::string(ErrorBadMap));
        // Closed, the dialog keeps the preview...
        auto* dialog = form.findChild<TfSetting*>();
        QVERIFY(dialog);
        QCOMPARE(dialog->PageControl1->tabText(0), QStringLiteral("Allgemein"));
        QCOMPARE(dialog->cbLanguage->currentText(), QStringLiteral("Deutsch"));

        // ...until the next opening brings back the window's language and font.
        QStringList relisted;
        int selected = -1;
        QFont font;
        OpenSettings(game, QDialog::Rejected, [&](TfSetting& s) {
            tab = s.PageControl1->tabText(0);
            relisted = Items(*s.cbLanguage);
            selected = s.cbLanguage->currentIndex();
            font = s.font();
        });
        QCOMPARE(tab, QStringLiteral("Basic"));
        QCOMPARE(relisted, QStringList({QStringLiteral("English"), QStringLiteral("German")}));
        QCOMPARE(selected, 0);
        QCOMPARE(font.family(), form.font().family());
        QCOMPARE(font.pointSize(), 9);
    }

    void okWithAnotherLanguageRelabelsTheWindow_data()
    {
        QTest::addColumn<bool>("paused");
        QTest::addColumn<bool>("demo");
        QTest::addColumn<QString>("status");
        QTest::newRow("paused") << true << false << "Pause";
        QTest::newRow("demo") << false << true << "Vorfuehrung";
        QTest::newRow("playing") << false << false << "Spielen";
    }
    void okWithAnotherLanguageRelabelsTheWindow()
    {
        QFETCH(bool, paused);
        QFETCH(bool, demo);
        QFETCH(QString, status);
        RunningGame game;
        game.Files.Write("LANGUAGE.INI", TwoLanguages);
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        if (!demo)
            form.New1Click();
        if (paused)
            form.SetRunning(false);

        OpenSettings(game, QDialog::Accepted, [](TfSetting& s) { Choose(*s.cbLanguage, 1); });
        QCOMPARE(form.Options.Language, 2);
        QCOMPARE(form.File1->title(), QStringLiteral("&Datei"));
        QCOMPARE(form.Setting->text(), QStringLiteral("&Einstellungen..."));
        QCOMPARE(form.StatusPanels[0]->text(), status);
        QCOMPARE(form.TimerRunning(), !paused);
        QCOMPARE(form.Pause1->isChecked(), paused);
        // The course model reports its errors in the new language.
        QCOMPARE(form.Rules.Map->ErrorTexts[2], std::string("Die Karte ist kaputt!"));
        // And it is written back at shut-down.
        form.close();
        QVERIFY(game.Files.Read("BREVANTO.INI").find("Language=2\n") != std::string::npos);
    }

    void theSecondLanguageAtStartUpTranslatesTheDialogAtOnce()
    {
        RunningGame game;
        game.Files.Write("LANGUAGE.INI", TwoLanguages);
        game.Files.WriteSettings("Language=2\n");
        QVERIFY(game.Start());
        QString label;
        QStringList listed;
        int selected = -1;
        OpenSettings(game, QDialog::Accepted, [&](TfSetting& s) {
            label = s.Label2->text();
            listed = Items(*s.cbLanguage);
            selected = s.cbLanguage->currentIndex();
        });
        QCOMPARE(label, QStringLiteral("Fahrt"));
        QCOMPARE(listed, QStringList({QStringLiteral("Englisch"), QStringLiteral("Deutsch")}));
        QCOMPARE(selected, 1);
        QCOMPARE(game.Form->Options.Language, 2);
    }

    void aLanguageFileWithoutLanguagesEmptiesEveryTextOnOk()
    {
        RunningGame game;
        game.Files.Write("LANGUAGE.INI", "[LANGUAGE]\nNumber=0\n");
        game.Files.WriteSettings("Language=1\n");
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        // With no languages listed, language 1 names no section: the texts are empty already,
        // but for the menu captions, which fall back to English.
        QCOMPARE(form.File1->title(), QStringLiteral("&File"));

        int items = -1;
        int selected = 0;
        QString tab = QStringLiteral("unset");
        OpenSettings(game, QDialog::Accepted, [&](TfSetting& s) {
            items = s.cbLanguage->count();
            selected = s.cbLanguage->currentIndex();
            tab = s.PageControl1->tabText(0);
        });
        QCOMPARE(items, 0);
        QCOMPARE(selected, -1);
        QCOMPARE(tab, QString());
        QCOMPARE(form.Options.Language, 0);
        QCOMPARE(form.LoadCourse1->text(), QStringLiteral("&Load Course..."));
        QCOMPARE(form.StatusPanels[0]->text(), QString());
        QCOMPARE(form.Rules.Map->ErrorTexts[2], std::string());
    }

    // The dialog's own language operations, on a file of three languages.
    void theLanguageListShowsTheIndexUntilALanguageIsApplied()
    {
        GameFiles files;
        files.Write("LANG.INI", "[LANGUAGE]\nNumber=3\n1=One\n3=Three\n[One]\nLang1=Eins\n");
        ScriptedSeam seam;
        TfSetting dialog(seam);
        dialog.LoadLanguageList(files.Path("LANG.INI"));
        QVERIFY(dialog.LanguageListLoaded);
        QCOMPARE(dialog.LanguageFileName, files.Path("LANG.INI"));
        QCOMPARE(Items(*dialog.cbLanguage),
                 QStringList({QStringLiteral("One"), QString(), QStringLiteral("Three")}));
        QCOMPARE(dialog.cbLanguage->currentIndex(), 0);
    }

    void applyingALanguageListsItsNamesOfTheLanguages_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<int>("selected");
        QTest::newRow("every name") << "Lang1=Uno\nLang2=Due\nLang3=Tre\n" << 2
                                    << QStringList{"Uno", "Due", "Tre"} << 1;
        // A missing name closes the gap: position 1 now holds language 3.
        QTest::newRow("no Lang2") << "Lang1=Uno\nLang3=Tre\n" << 2 << QStringList{"Uno", "Tre"}
                                  << 1;
        QTest::newRow("empty Lang2") << "Lang1=Uno\nLang2=\nLang3=Tre\n" << 2
                                     << QStringList{"Uno", "Tre"} << 1;
        QTest::newRow("fewer names than the index") << "Lang1=Uno\n" << 2 << QStringList{"Uno"}
                                                    << -1;
        // Names beyond Number are not languages.
        QTest::newRow("beyond Number") << "Lang1=Uno\nLang4=Quattro\n" << 2 << QStringList{"Uno"}
                                       << -1;
        QTest::newRow("language not listed") << "Lang1=Uno\n" << 4 << QStringList() << -1;
        QTest::newRow("language 0") << "Lang1=Uno\n" << 0 << QStringList() << -1;
    }
    void applyingALanguageListsItsNamesOfTheLanguages()
    {
        QFETCH(QString, section);
        QFETCH(int, index);
        QFETCH(QStringList, items);
        QFETCH(int, selected);
        GameFiles files;
        files.Write("LANG.INI", "[LANGUAGE]\nNumber=3\n1=One\n2=Two\n3=Three\n[Two]\n" +
                                    section.toStdString());
        ScriptedSeam seam;
        TfSetting dialog(seam);
        dialog.LoadLanguageList(files.Path("LANG.INI"));
        dialog.ApplyLanguage(index);
        QCOMPARE(Items(*dialog.cbLanguage), items);
        QCOMPARE(dialog.cbLanguage->currentIndex(), selected);
    }

    void applyingALanguageSetsFontCaptionsAndHints_data()
    {
        QTest::addColumn<QString>("fontKeys");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("size");
        QTest::newRow("none") << "" << "Arial" << 9;
        QTest::newRow("other letter case") << "FontName=ARIAL\n" << "ARIAL" << 9;
        QTest::newRow("size 0") << "FontName=Courier\nFontSize=0\n" << "Courier" << 9;
        QTest::newRow("size 14") << "FontSize=14\n" << "Arial" << 14;
        QTest::newRow("absurd size") << "FontSize=100000\n" << "Arial" << 9;
    }
    void applyingALanguageSetsFontCaptionsAndHints()
    {
        QFETCH(QString, fontKeys);
        QFETCH(QString, family);
        QFETCH(int, size);
        GameFiles files;
        files.Write("LANG.INI", "[LANGUAGE]\nNumber=1\n1=Only\n[Only]\n" + fontKeys.toStdString() +
                                    "Tab2=Klang\nLabel2=Lage\nLabel6=Fahrt\nLabel11=Zufall\n"
                                    "Label13=Rekord\nLabel14Hint=Suchen|Datei waehlen\n");
        ScriptedSeam seam;
        TfSetting dialog(seam);
        dialog.LoadLanguageList(files.Path("LANG.INI"));
        dialog.ApplyLanguage(1);
        QCOMPARE(dialog.font().family(), family);
        QCOMPARE(dialog.font().pointSize(), size);
        QCOMPARE(dialog.PageControl1->tabText(1), QStringLiteral("Klang"));
        QCOMPARE(dialog.chkbScreen->text(), QStringLiteral("Lage"));
        QCOMPARE(dialog.Label2->text(), QStringLiteral("Fahrt"));
        QCOMPARE(dialog.chkbRandom->text(), QStringLiteral("Zufall"));
        QCOMPARE(dialog.BitBtn1->text(), QStringLiteral("Rekord"));
        // Missing keys empty their texts.
        QCOMPARE(dialog.PageControl1->tabText(0), QString());
        QCOMPARE(dialog.Label1->text(), QString());
        QCOMPARE(dialog.BitBtn1->toolTip(), QString());
        for (QToolButton* browse : {dialog.SpeedButton1, dialog.SpeedButton2, dialog.SpeedButton3})
            QCOMPARE(browse->toolTip(), QStringLiteral("Suchen"));
        // The title and the two closing buttons are not translated.
        QCOMPARE(dialog.windowTitle(), QStringLiteral("fSetting"));
        QCOMPARE(dialog.BitBtn2->text(), QStringLiteral("OK"));
        QCOMPARE(dialog.BitBtn3->text(), QStringLiteral("Cancel"));
    }

    void onlyTheUsersPickPreviewsALanguage()
    {
        GameFiles files;
        files.Write("LANG.INI", TwoLanguages);
        ScriptedSeam seam;
        TfSetting dialog(seam);
        dialog.LoadLanguageList(files.Path("LANG.INI"));
        dialog.cbLanguage->setCurrentIndex(1);
        QCOMPARE(dialog.PageControl1->tabText(0), QStringLiteral("Basic"));
        emit dialog.cbLanguage->activated(1);
        QCOMPARE(dialog.PageControl1->tabText(0), QStringLiteral("Allgemein"));
        QCOMPARE(Items(*dialog.cbLanguage),
                 QStringList({QStringLiteral("Englisch"), QStringLiteral("Deutsch")}));
        QCOMPARE(dialog.cbLanguage->currentIndex(), 1);
    }
};

QTEST_MAIN(SettingDialogTest)
#include "SettingDialogTest.moc"
