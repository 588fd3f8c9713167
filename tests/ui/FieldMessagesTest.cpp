// SPDX-License-Identifier: GPL-3.0-or-later
// Messages over the field: shown and hidden by View > Messages on the Field (kept in the
// settings only once changed), drawn on the screen over the field but never into the field
// image that the simulator renders and the pixel checks compare; the stage in the status bar.
#include "support/RunningGame.h"

#include "ui/FieldView.h"

#include "platform/Canvas.h"
#include "platform/IniFile.h"

#include <QAction>
#include <QLabel>
#include <QtTest>

using namespace testing_ui;

namespace {

// The field as the rules draw it now, which is what the simulator renders.
QImage RulesField(const TBrevantoForm& form)
{
    QImage image(form.FieldImage.size(), QImage::Format_RGB32);
    image.fill(brv::ColorFromBgr(form.FieldGround));
    form.Rules.DrawWholeField(image);
    return image;
}

} // namespace

class FieldMessagesTest : public QObject {
    Q_OBJECT

private slots:
    void offWhereTheSettingsLackTheKeyAndStoredOnlyOnceChanged()
    {
        RunningGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        QVERIFY(!form.FieldMessages1->isChecked());
        form.New1Click();
        QVERIFY(form.PaintBox1->Overlay().Empty());
        // The stage shows in the status bar all the same.
        QVERIFY(form.StagePanel->isVisible());
        QCOMPARE(form.StagePanel->text(), QStringLiteral("Stage 1"));
        form.FormDestroy();
        QVERIFY(game.Files.Read("BREVANTO.INI").find("FieldMessages") == std::string::npos);
    }

    void readyStagePausedAndGameOverAreSaidOverTheField()
    {
        RunningGame game;
        game.Files.WriteSettings("MaxCar=1\n");
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        form.FieldMessages1->trigger();
        QVERIFY(form.Options.FieldMessages);
        QVERIFY(form.PaintBox1->Overlay().Empty()); // the demo waits silently
        QVERIFY(!form.StagePanel->isVisible());

        form.New1Click();
        FieldOverlay ready = form.PaintBox1->Overlay();
        QCOMPARE(ready.Heading, QStringLiteral("Stage 1"));
        QCOMPARE(ready.Title, QStringLiteral("Ready"));
        QCOMPARE(ready.Detail, QStringLiteral("3"));
        RunningGame::Settle();

        // On the screen the message covers the middle of the field; the field image and the
        // rules' own drawing know nothing of it.
        const QImage screen = form.PaintBox1->grab().toImage();
        const QPoint middle = form.PaintBox1->OverlayRect().center();
        const QPoint pixel = form.PaintBox1->ImagePoint(middle);
        QVERIFY(screen.pixel(middle) != form.FieldImage.pixel(pixel));
        QCOMPARE(form.FieldImage, RulesField(form));

        form.Pause1->trigger();
        QCOMPARE(form.PaintBox1->Overlay().Title, QStringLiteral("Paused"));
        form.Pause1->trigger();
        QCOMPARE(form.PaintBox1->Overlay().Title, QStringLiteral("Ready"));

        // The wait ends: nothing is said while playing.
        form.Rules.StartWait = 1;
        form.Timer1Timer();
        QVERIFY(form.PaintBox1->Overlay().Empty());

        // The last car lost: the demo takes over at once, under the message.
        form.Rules.MyCar->Score = 70;
        form.Rules.MyCar->Rest = 1;
        form.Rules.Demo = true;
        TickOutcome over;
        over.GameOver = EndedGame{70, 1};
        form.ActOnTick(over);
        QCOMPARE(form.PaintBox1->Overlay().Title, QStringLiteral("Game over"));
        QCOMPARE(form.PaintBox1->Overlay().Detail, QStringLiteral("Score 70"));

        form.FieldMessages1->trigger();
        QVERIFY(form.PaintBox1->Overlay().Empty());
        form.FieldMessages1->trigger();
        form.FormDestroy();
        QVERIFY(game.Files.Read("BREVANTO.INI").find("FieldMessages=1") != std::string::npos);
    }

    void theShippedSettingsTurnThemOn()
    {
        RunningGame game;
        game.Files.Write("BREVANTO.INI",
                         "[SETTING]\nMapName=COURSE.DAT\nFieldMessages=1\n");
        QVERIFY(game.Start());
        QVERIFY(game.Form->FieldMessages1->isChecked());
        const std::string shipped = brv::IniFile(BREVANTO_ASSETS_DIR "/BREVANTO.INI")
                                        .ReadString("SETTING", "FieldMessages", "");
        QCOMPARE(shipped, std::string("1"));
    }
};

QTEST_MAIN(FieldMessagesTest)
#include "FieldMessagesTest.moc"
