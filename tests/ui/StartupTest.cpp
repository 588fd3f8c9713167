// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the main window: the state it leaves, the fit of the client area, the ground
// colour, and the ways start-up ends the program early.
#include "support/RunningGame.h"

#include "ui/FieldView.h"
#include "platform/Canvas.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace testing_ui;

namespace {

// A pixel inside the closed centre of the test ring, where no car and no dot ever is.
constexpr QPoint CentrePixel(4 * TestTileSize + 8, 3 * TestTileSize + 8);

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:

    void startsARunningDemoThatMovesAtTheFirstTick()
    {
        RunningGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        QVERIFY(form.Rules.Demo);
        QVERIFY(form.TimerRunning());
        QVERIFY(!form.Pause1->isChecked());
        QVERIFY(!form.sbPause->isChecked());
        QCOMPARE(form.StatusPanels[0]->text(), QString::fromLatin1(StatusDemo));
        QCOMPARE(form.Rules.StartWait, 0);
        QCOMPARE(form.Rules.Cars.size(), size_t{2});

        form.SetRunning(false);
        const TPoint cell = form.Rules.MyCar->Position;
        const int32_t progress = form.Rules.MyCar->Progress;
        form.Timer1Timer();
        QVERIFY(form.Rules.MyCar->Position != cell || form.Rules.MyCar->Progress != progress);
        QVERIFY(game.Seam.Boxes.empty());
    }

    void keepsTheIntervalAsSetButNeverRunsFasterThanTenMilliseconds_data()
    {
        QTest::addColumn<int>("setting");
        QTest::addColumn<int>("period");
        QTest::newRow("default") << 50 << 50;
        QTest::newRow("ten") << 10 << 10;
        QTest::newRow("five") << 5 << 10;
        QTest::newRow("zero") << 0 << 10;
    }
    void keepsTheIntervalAsSetButNeverRunsFasterThanTenMilliseconds()
    {
        QFETCH(int, setting);
        QFETCH(int, period);
        RunningGame game;
        game.Files.WriteSettings("Interval=" + std::to_string(setting) + "\n");
        QVERIFY(game.Start(false));
        QCOMPARE(game.Form->TimerInterval(), setting);
        QCOMPARE(game.Form->Timer1->interval(), period);
        QCOMPARE(game.Form->Timer1->timerType(), Qt::PreciseTimer);
    }

    void takesMenuCaptionsHintsAndTextsFromTheLanguage()
    {
        RunningGame game;
        QVERIFY(game.Start(false));
        TBrevantoForm& form = *game.Form;
        QCOMPARE(form.File1->title(), QStringLiteral("&File"));
        QCOMPARE(form.LoadCourse1->text(), QStringLiteral("&Load Course..."));
        QCOMPARE(form.About1->text(), QStringLiteral("&About..."));
        QCOMPARE(form.SpeedButton1->toolTip(), QStringLiteral("New"));
        QCOMPARE(form.SpeedButton4->toolTip(), QStringLiteral("Exit"));
        QCOMPARE(form.ControlText, std::string(ControlHelp));
        QCOMPARE(form.Rules.Map->ErrorTexts[1], std::string(ErrorMissingCourse));
    }

    void theToolkitsOwnTextsFollowTheChosenLanguage()
    {
        const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
        RunningGame game;
        game.Files.Write("LANGUAGE.INI", "[LANGUAGE]\nNumber=3\n1=English\n2=Japanese\n3=Unknown\n"
                                         "[English]\nLocale=en\n[Japanese]\nLocale=ja\n"
                                         "[Unknown]\nLocale=xx\n");
        game.Files.WriteSettings("Language=2\n");
        QVERIFY(game.Start(false));
        // Qt's own Japanese, as Debian's qt6-translations-l10n installs it.
        QCOMPARE(cancel(), QString::fromUtf8("\u30ad\u30e3\u30f3\u30bb\u30eb"));
        // A language whose translation Qt does not have, or English, gives them back in English.
        for (const int32_t language : {3, 1, 2}) {
            game.Form->Options.Language = language;
            game.Form->ApplyLanguage();
            QCOMPARE(cancel() == QStringLiteral("Cancel"), language != 2);
        }
    }

    void withoutALanguageFileTheTextsAreEmptyButTheMenusKeepEnglishCaptions()
    {
        RunningGame game;
        QVERIFY(QFile::remove(QString::fromStdString(game.Files.Path("LANGUAGE.INI"))));
        QVERIFY(game.Start(false));
        QCOMPARE(game.Form->File1->title(), QStringLiteral("&File"));
        QCOMPARE(game.Form->LoadCourse1->text(), QStringLiteral("&Load Course..."));
        QCOMPARE(game.Form->StatusPanels[0]->text(), QString());
    }

    void absurdLanguageNumbersLeaveTheMenusReachable_data()
    {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QByteArray>("settings");
        const QByteArray english = "[LANGUAGE]\nNumber=1\n1=ENGLISH\n[ENGLISH]\nMenu1=&Game\n";
        QTest::newRow("Number 2^31-1") << QByteArray("[LANGUAGE]\nNumber=2147483647\n1=ENGLISH\n[ENGLISH]\n")
                                       << QByteArray("Language=1\n");
        QTest::newRow("Language 2^31-1") << english << QByteArray("Language=2147483647\n");
        QTest::newRow("Language -7") << english << QByteArray("Language=-7\n");
        QTest::newRow("garbage") << QByteArray(100000, '\x9c') << QByteArray("Language=1\n");
    }

    void absurdLanguageNumbersLeaveTheMenusReachable()
    {
        QFETCH(QByteArray, language);
        QFETCH(QByteArray, settings);
        RunningGame game;
        game.Files.Write("LANGUAGE.INI", language.toStdString());
        game.Files.WriteSettings(settings.toStdString());
        QVERIFY(game.Start(false));
        TBrevantoForm& form = *game.Form;
        QCOMPARE(form.File1->title(), QStringLiteral("&File"));
        QCOMPARE(form.Option1->title(), QStringLiteral("&Option"));
        QCOMPARE(form.Help1->title(), QStringLiteral("&Help"));
        QCOMPARE(form.Setting->text(), QStringLiteral("&Setting..."));
        QCOMPARE(form.Exit1->text(), QStringLiteral("E&xit"));
    }

    void placesTheWindowAsTheSettingsSay_data()
    {
        QTest::addColumn<QString>("position");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("absent") << QString() << QPoint(200, 110);
        QTest::newRow("zero keeps both") << "0,0" << QPoint(200, 110);
        QTest::newRow("left only") << "321,0" << QPoint(321, 110);
        QTest::newRow("negative") << "-40,77" << QPoint(-40, 77);
    }
    void placesTheWindowAsTheSettingsSay()
    {
        QFETCH(QString, position);
        QFETCH(QPoint, expected);
        RunningGame game;
        game.Files.WriteSettings(position.isNull() ? std::string()
                                                   : "Position=" + position.toStdString() + "\n");
        QVERIFY(game.Start(false));
        QCOMPARE(game.Form->pos(), expected);
    }

    void fitsTheClientAreaToTheFieldAtTheFirstPaint()
    {
        RunningGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        QCOMPARE(form.PaintBox1->size(), QSize(160, 128));
        QVERIFY(!form.ResizePending);
        QCOMPARE(form.Panel1->height(), 30);
        QCOMPARE(form.height(), form.menuBar()->height() + 30 + form.StatusBar1->height() + 128);
    }

    void refitsWhenABarIsHidden()
    {
        RunningGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        const int fullHeight = form.height();
        const int statusHeight = form.StatusBar1->height();

        form.Panel1->hide();
        form.ResizePending = true;
        RunningGame::Settle();
        QCOMPARE(form.PaintBox1->size(), QSize(160, 128));
        QCOMPARE(form.height(), fullHeight - 30);

        form.StatusBar1->hide();
        form.ResizePending = true;
        RunningGame::Settle();
        QCOMPARE(form.PaintBox1->size(), QSize(160, 128));
        QCOMPARE(form.height(), fullHeight - 30 - statusHeight);
    }

    void hiddenBarsFromTheSettingsStayHidden()
    {
        RunningGame game;
        game.Files.WriteSettings("ToolBar=0\nStatusBar=0\n");
        QVERIFY(game.Start());
        QVERIFY(game.Form->Panel1->isHidden());
        QVERIFY(game.Form->StatusBar1->isHidden());
        QCOMPARE(game.Form->PaintBox1->size(), QSize(160, 128));
        QCOMPARE(game.Form->height(), game.Form->menuBar()->height() + 128);
    }

    void groundColourRecoloursTheSheetsAsTheSettingSays_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QColor>("ground");
        QTest::addColumn<QColor>("field");
        const QColor silver(192, 192, 192);
        const QColor green(0, 128, 0);
        QTest::newRow("sheet's own colour") << "ORIGINAL" << SheetBackground << SheetBackground;
        QTest::newRow("silver keeps the sheets") << "192,192,192" << silver << SheetBackground;
        QTest::newRow("another colour repaints") << "0,128,0" << green << green;
    }
    void groundColourRecoloursTheSheetsAsTheSettingSays()
    {
        QFETCH(QString, setting);
        QFETCH(QColor, ground);
        QFETCH(QColor, field);
        RunningGame game;
        game.Files.WriteSettings("GroundColor=" + setting.toStdString() + "\n");
        QVERIFY(game.Start(false));
        TBrevantoForm& form = *game.Form;
        QCOMPARE(brv::ColorFromBgr(form.FieldGround), ground);
        QCOMPARE(form.FieldCanvas()->FillColor(), form.FieldGround);
        QCOMPARE(form.FieldImage.pixelColor(CentrePixel), field);
        // The sprite sheet's background follows the tile sheet's corner colour.
        QCOMPARE(form.CarBitmap->pixelColor(0, 0), field);
        QCOMPARE(form.GroundBitmap->pixelColor(0, 0), field);
    }

    void buttonFaceGroundIsThePalettesButtonColour()
    {
        RunningGame game;
        QVERIFY(game.Start(false));
        const QColor face = QApplication::palette().color(QPalette::Button);
        QCOMPARE(game.Form->FieldImage.pixelColor(CentrePixel), face);
    }

    void anUnusableSheetEndsStartUpNamingTheFile_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<bool>("tooSmall");
        QTest::newRow("tile sheet not a picture") << "GROUND.BMP" << false;
        QTest::newRow("sprite sheet missing") << "MYCAR.BMP" << false;
        QTest::newRow("tile sheet too low for a tile") << "GROUND.BMP" << true;
    }
    void anUnusableSheetEndsStartUpNamingTheFile()
    {
        QFETCH(QString, sheet);
        QFETCH(bool, tooSmall);
        RunningGame game;
        const std::string path = game.Files.Path(sheet.toStdString());
        if (tooSmall) {
            QImage low(64, 3, QImage::Format_RGB32);
            low.fill(Qt::white);
            QVERIFY(low.save(QString::fromStdString(path), "BMP"));
        } else if (sheet == QLatin1String("MYCAR.BMP")) {
            QVERIFY(QFile::remove(QString::fromStdString(path)));
        } else {
            game.Files.Write(sheet.toStdString(), "this is not a picture");
        }
        QVERIFY(!game.Start());
        QCOMPARE(game.Seam.Boxes.size(), size_t{1});
        QCOMPARE(game.Seam.Boxes[0].Kind, QStringLiteral("error"));
        QCOMPARE(game.Seam.Boxes[0].Caption, QStringLiteral("Brevanto"));
        QVERIFY2(game.Seam.Boxes[0].Text.contains(QString::fromStdString(path)),
                 qPrintable(game.Seam.Boxes[0].Text));
        QVERIFY(!game.Form->Rules.Map);
        QVERIFY(!game.Form->TimerRunning());
    }

    void aCourseThatFailsEndsStartUpWithItsErrorAndAFullStop()
    {
        RunningGame game;
        game.Files.Write("BREVANTO.INI", "[SETTING]\nMapName=NOSUCH.DAT\n");
        QVERIFY(!game.Start());
        QCOMPARE(game.Seam.Boxes.size(), size_t{1});
        QCOMPARE(game.Seam.Boxes[0].Caption, QStringLiteral("Brevanto"));
        QCOMPARE(game.Seam.Boxes[0].Text, QString::fromLatin1(ErrorMissingCourse) + ".");
        QVERIFY(!game.Form->Rules.MyCar);
        QVERIFY(game.Form->Rules.Cars.empty());
        QVERIFY(!game.Form->TimerRunning());
        // A start that failed writes no settings: nothing that could fail the next start.
        game.Form->FormDestroy();
        QCOMPARE(game.Files.Read("BREVANTO.INI"), std::string("[SETTING]\nMapName=NOSUCH.DAT\n"));
    }

    void aFailedStartWritesNoSettingsFileAnywhere()
    {
        // A folder where the settings file should be: nothing is read, the course is missing,
        // and no per-user file holding only a position may appear to fail every later start.
        RunningGame game;
        const QString settingsPath = QString::fromStdString(game.Files.Path("BREVANTO.INI"));
        QVERIFY(QFile::remove(settingsPath));
        QVERIFY(QDir().mkdir(settingsPath));
        QVERIFY(!game.Start());
        game.Form->close();
        game.Form.reset();
        QVERIFY(!QFileInfo::exists(QString::fromStdString(game.Files.Path("config/BREVANTO.INI"))));
        QVERIFY(QFileInfo(settingsPath).isDir());
    }

    void aCourseErrorEndingInPunctuationGetsNoFullStop()
    {
        RunningGame game;
        game.Files.Write("COURSE.DAT", "[DEFINE]\nMapSize=0,0\n");
        QVERIFY(!game.Start());
        QCOMPARE(game.Seam.Boxes.size(), size_t{1});
        QCOMPARE(game.Seam.Boxes[0].Text, QString::fromLatin1(ErrorBadMap));
    }
    void aCourseFromTheCommandLineIsPlayedAndRemembered()
    {
        RunningGame game;
        game.Files.Write("LONE.DAT", RingCourse(10, 8, 1));
        QVERIFY(game.Start(false, game.Files.Path("LONE.DAT")));
        QVERIFY(game.Seam.Boxes.empty());
        QCOMPARE(game.Form->Rules.Cars.size(), size_t{1});
        game.Form->FormDestroy();
        QVERIFY2(game.Files.Read("BREVANTO.INI").find("MapName=LONE.DAT") != std::string::npos,
                 game.Files.Read("BREVANTO.INI").c_str());
    }

    void aCommandLineCourseThatFailsIsReportedAndTheSettingsCourseIsPlayed()
    {
        RunningGame game;
        QVERIFY(game.Start(false, game.Files.Path("NOSUCH.DAT")));
        QCOMPARE(game.Seam.Boxes.size(), size_t{1});
        QCOMPARE(game.Seam.Boxes[0].Text, QString::fromLatin1(ErrorMissingCourse) + ".");
        QCOMPARE(game.Form->Rules.MapName, game.Files.Path("COURSE.DAT"));
        QCOMPARE(game.Form->Rules.Cars.size(), size_t{2});
        QVERIFY(game.Form->TimerRunning());
    }

};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
