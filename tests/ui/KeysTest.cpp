// SPDX-License-Identifier: GPL-3.0-or-later
// Keys of the player's choice: bindings from the settings file steer and the replaced keys no
// longer do, the Keys dialog sets, moves (after asking), clears and resets them, the pause
// shortcut and the Control text follow, and shut-down stores what changed.
#include "support/RunningGame.h"

#include "config/ui/KeysDialog.h"
#include "game/ui/ViewControl.h"

#include <QAction>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <functional>

using namespace testing_ui;

namespace {

const KeySlot Up1{KeyAction::Up, 0};
const KeySlot DoubleSpeed2{KeyAction::DoubleSpeed, 1};
const KeySlot Stop1{KeyAction::Stop, 0};
const KeySlot Pause2{KeyAction::Pause, 1};

// Runs Option > Keys..., lets `use` work the dialog, and closes it with `result`. Conflict
// questions are answered with `moveAnswer` and collected.
void UseKeysDialog(RunningGame& game, int result, const std::function<void(KeysDialog&)>& use,
                   int moveAnswer = QMessageBox::No, QStringList* questions = nullptr)
{
    game.Seam.DialogAnswer = [&](QDialog& dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
            if (questions)
                *questions << box->text();
            return moveAnswer;
        }
        auto* keys = qobject_cast<KeysDialog*>(&dialog);
        if (!keys)
            return int(QDialog::Rejected);
        use(*keys);
        return result;
    };
    game.Form->Keys1->trigger();
    game.Seam.DialogAnswer = nullptr;
}

// Clicks a binding and presses a key, as the player does.
void Bind(KeysDialog& dialog, KeySlot slot, Qt::Key key, Qt::KeyboardModifiers mods = {})
{
    QPushButton* button = dialog.BindingButton(slot);
    button->click();
    QTest::keyClick(button, key, mods);
}

QString Shown(KeysDialog& dialog, KeySlot slot) { return dialog.BindingButton(slot)->text(); }

} // namespace

class KeysTest : public QObject {
    Q_OBJECT

private slots:

    void keysFromTheSettingsFileSteerAndTheOldOnesDoNot()
    {
        RunningGame game;
        game.Files.WriteSettings("[KEYS]\nUp1=W\nLeft2=\nDoubleSpeed1=Space\nPause1=F5\n");
        QVERIFY(game.StartPausedGame());
        TBrevantoForm& form = *game.Form;
        TMyCar& car = *form.Rules.MyCar;

        car.WantDirection = -1;
        QTest::keyClick(&form, Qt::Key_Up);
        QCOMPARE(car.WantDirection, -1);
        QTest::keyClick(&form, Qt::Key_W);
        QCOMPARE(car.WantDirection, 0);
        QTest::keyClick(&form, Qt::Key_4, Qt::KeypadModifier);
        QCOMPARE(car.WantDirection, 0);
        QTest::keyClick(&form, Qt::Key_Left);
        QCOMPARE(car.WantDirection, 6);
        QTest::keyClick(&form, Qt::Key_8, Qt::KeypadModifier);
        QCOMPARE(car.WantDirection, 0);

        QTest::keyClick(&form, Qt::Key_Z);
        QCOMPARE(car.SpeedMode, 0);
        QTest::keyClick(&form, Qt::Key_Space);
        QCOMPARE(car.SpeedMode, 1);

        // The pause key moved too: Ctrl+P does nothing, F5 resumes.
        QTest::keyClick(&form, Qt::Key_P, Qt::ControlModifier);
        QVERIFY(!form.TimerRunning());
        QTest::keyClick(&form, Qt::Key_F5);
        QVERIFY(form.TimerRunning());
    }

    void theDialogSetsMovesAfterAskingAndClears()
    {
        RunningGame game;
        QVERIFY(game.StartPausedGame());
        TBrevantoForm& form = *game.Form;
        QStringList questions;
        UseKeysDialog(game, QDialog::Accepted, [&](KeysDialog& dialog) {
            QCOMPARE(Shown(dialog, Up1), QStringLiteral("Up"));
            Bind(dialog, Up1, Qt::Key_W);
            QCOMPARE(Shown(dialog, Up1), QStringLiteral("W"));
            // Return and Tab are keys like any other while a binding waits.
            Bind(dialog, Pause2, Qt::Key_Return);
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QCOMPARE(Shown(dialog, Pause2), QStringLiteral("Return"));
            // Escape gives up and keeps the key.
            Bind(dialog, Stop1, Qt::Key_Escape);
            QCOMPARE(Shown(dialog, Stop1), QStringLiteral("X"));
            // X belongs to Stop: asked, and answered Yes, it moves.
            Bind(dialog, DoubleSpeed2, Qt::Key_X);
            QCOMPARE(Shown(dialog, DoubleSpeed2), QStringLiteral("X"));
            QCOMPARE(Shown(dialog, Stop1), QStringLiteral("-"));
            dialog.BindingButton(Stop1)->click();
            QVERIFY(dialog.ClearButton->isEnabled());
            dialog.ClearButton->click();
            dialog.BindingButton({KeyAction::Left, 1})->click();
            dialog.ClearButton->click();
            QCOMPARE(Shown(dialog, {KeyAction::Left, 1}), QStringLiteral("-"));
        }, QMessageBox::Yes, &questions);
        QCOMPARE(questions, QStringList{
            QStringLiteral("X is the only key for Stop and go, which would be left without a key. Use it for Double speed anyway?")});

        TMyCar& car = *form.Rules.MyCar;
        car.WantDirection = -1;
        QTest::keyClick(&form, Qt::Key_Up);
        QTest::keyClick(&form, Qt::Key_4, Qt::KeypadModifier);
        QCOMPARE(car.WantDirection, -1);
        QTest::keyClick(&form, Qt::Key_W);
        QCOMPARE(car.WantDirection, 0);
        QTest::keyClick(&form, Qt::Key_X);
        QCOMPARE(car.SpeedMode, 1);
        QTest::keyClick(&form, Qt::Key_Return);
        QVERIFY(form.TimerRunning());

        // The Control box now lists the keys in force after the language's text.
        form.Control1Click();
        const QString help = game.Seam.Boxes.back().Text;
        QVERIFY2(help.startsWith(QString::fromLatin1(ControlHelp) + QStringLiteral("\n\n")),
                 qPrintable(help));
        QVERIFY2(help.contains(QStringLiteral("\nUp: W, Num+8\n")), qPrintable(help));
        QVERIFY2(help.contains(QStringLiteral("\nDouble speed: Z, X\n")), qPrintable(help));
        QVERIFY2(help.contains(QStringLiteral("\nStop and go: -\n")), qPrintable(help));

        form.close();
        const std::string file = game.Files.Read("BREVANTO.INI");
        for (const char* line : {"[KEYS]\n", "Up1=W\n", "DoubleSpeed2=X\n", "Stop1=\n",
                                 "Left2=\n", "Pause2=Return\n"})
            QVERIFY2(file.find(line) != std::string::npos, line);
        QVERIFY(file.find("Right1") == std::string::npos);
    }

    void enterTakesOkWhicheverButtonHasTheFocus()
    {
        RunningGame game;
        QVERIFY(game.StartPausedGame());
        UseKeysDialog(game, QDialog::Accepted, [&](KeysDialog& dialog) {
            dialog.show();
            Bind(dialog, Up1, Qt::Key_W);
            // Not Reset, which would throw the new key away.
            dialog.ResetButton->setFocus();
            QTest::keyClick(dialog.ResetButton, Qt::Key_Return);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(Shown(dialog, Up1), QStringLiteral("W"));
        });
        QVERIFY(game.Form->Options.Keys.Get(Up1) == brv::ParseKeyText("W"));
    }

    void aRefusedMoveOrCancelChangesNothing()
    {
        RunningGame game;
        QVERIFY(game.StartPausedGame());
        TBrevantoForm& form = *game.Form;
        QStringList questions;
        UseKeysDialog(game, QDialog::Accepted, [&](KeysDialog& dialog) {
            Bind(dialog, Up1, Qt::Key_P, Qt::ControlModifier);
            QCOMPARE(Shown(dialog, Up1), QStringLiteral("Up"));
            QCOMPARE(Shown(dialog, {KeyAction::Pause, 0}), QStringLiteral("Ctrl+P"));
            // Within one action a key changes places without a question.
            Bind(dialog, {KeyAction::Up, 1}, Qt::Key_Up);
            QCOMPARE(Shown(dialog, {KeyAction::Up, 1}), QStringLiteral("Up"));
            QCOMPARE(Shown(dialog, Up1), QStringLiteral("-"));
        }, QMessageBox::No, &questions);
        QCOMPARE(questions.size(), 1);
        QVERIFY(form.Options.Keys.Get({KeyAction::Up, 1}) == brv::ParseKeyText("Up"));

        UseKeysDialog(game, QDialog::Rejected,
                      [&](KeysDialog& dialog) { Bind(dialog, Up1, Qt::Key_W); });
        QVERIFY(form.Options.Keys.Get(Up1).Empty());
        form.Rules.MyCar->WantDirection = -1;
        QTest::keyClick(&form, Qt::Key_W);
        QCOMPARE(form.Rules.MyCar->WantDirection, -1);
    }

    void resetBringsBackTheGamesKeysAndTheirText()
    {
        RunningGame game;
        game.Files.WriteSettings("[KEYS]\nUp1=W\nPause1=F5\n");
        QVERIFY(game.StartPausedGame());
        TBrevantoForm& form = *game.Form;
        UseKeysDialog(game, QDialog::Accepted, [&](KeysDialog& dialog) {
            QCOMPARE(Shown(dialog, Up1), QStringLiteral("W"));
            dialog.ResetButton->click();
            QCOMPARE(Shown(dialog, Up1), QStringLiteral("Up"));
            QCOMPARE(Shown(dialog, {KeyAction::Pause, 0}), QStringLiteral("Ctrl+P"));
        });
        QVERIFY(form.Options.Keys == KeyBindings::Defaults());
        form.Rules.MyCar->WantDirection = -1;
        QTest::keyClick(&form, Qt::Key_Up);
        QCOMPARE(form.Rules.MyCar->WantDirection, 0);
        QTest::keyClick(&form, Qt::Key_P, Qt::ControlModifier);
        QVERIFY(form.TimerRunning());
        // With the game's own keys the Control box says what the language says, nothing more.
        form.Control1Click();
        QCOMPARE(game.Seam.Boxes.back().Text, QString::fromLatin1(ControlHelp));

        form.close();
        const std::string file = game.Files.Read("BREVANTO.INI");
        QVERIFY(file.find("Up1=Up\n") != std::string::npos);
        QVERIFY(file.find("Pause1=Ctrl+P\n") != std::string::npos);
    }
    void theMenusKeysAreRefusedWithTheCommandThatHoldsThem()
    {
        RunningGame game;
        QVERIFY(game.StartPausedGame());
        TBrevantoForm& form = *game.Form;
        // The keys come from the window's own commands, whatever they are now.
        form.View->FullScreen1->setShortcut(QKeySequence(Qt::Key_F9));
        QStringList told;
        QStringList shown;
        bool stillWaiting = false;
        game.Seam.DialogAnswer = [&](QDialog& dialog) -> int {
            if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
                told << box->objectName() + QLatin1Char(':') + box->text();
                return int(QMessageBox::Ok);
            }
            auto& keys = *qobject_cast<KeysDialog*>(&dialog);
            Bind(keys, DoubleSpeed2, Qt::Key_F9);
            // Refused, and the binding still waits for a key.
            stillWaiting = keys.Capturing() == std::optional<KeySlot>(DoubleSpeed2);
            QTest::keyClick(keys.BindingButton(DoubleSpeed2), Qt::Key_0, Qt::ControlModifier);
            QTest::keyClick(keys.BindingButton(DoubleSpeed2), Qt::Key_Plus,
                            Qt::ControlModifier | Qt::ShiftModifier);
            QTest::keyClick(keys.BindingButton(DoubleSpeed2), Qt::Key_F4, Qt::AltModifier);
            QTest::keyClick(keys.BindingButton(DoubleSpeed2), Qt::Key_V, Qt::AltModifier);
            // Pause's own key is the player's to move: asked about, not refused.
            QTest::keyClick(keys.BindingButton(DoubleSpeed2), Qt::Key_F11);
            shown << Shown(keys, DoubleSpeed2);
            return int(QDialog::Accepted);
        };
        form.Keys1->trigger();
        game.Seam.DialogAnswer = nullptr;
        QVERIFY(stillWaiting);
        QCOMPARE(shown, QStringList{QStringLiteral("F11")});
        QCOMPARE(told.size(), 5);
        QCOMPARE(told[0], QStringLiteral("KeysReservedBox:F9 is the key of View > Full Screen. "
                                         "Choose another key."));
        QVERIFY2(told[1].contains(QStringLiteral("View > Actual Size")), qPrintable(told[1]));
        QVERIFY2(told[2].contains(QStringLiteral("View > Zoom In")), qPrintable(told[2]));
        QVERIFY2(told[3].contains(QStringLiteral("Exit")), qPrintable(told[3]));
        QVERIFY2(told[4].contains(QStringLiteral("of View.")), qPrintable(told[4]));
        QCOMPARE(form.Options.Keys.Get(DoubleSpeed2), brv::KeyChord{Qt::Key_F11});

        // Help > Control lists only what the game takes.
        form.Control1Click();
        const QString help = game.Seam.Boxes.back().Text;
        QVERIFY2(help.contains(QStringLiteral("Double speed: Z, F11")), qPrintable(help));
        QVERIFY2(!help.contains(QStringLiteral("F9")), qPrintable(help));
    }

    void leavingAnActionWithoutAnyKeyIsAskedFirst()
    {
        RunningGame game;
        QVERIFY(game.StartPausedGame());
        QStringList asked;
        QStringList stop;
        int answer = QMessageBox::No;
        game.Seam.DialogAnswer = [&](QDialog& dialog) -> int {
            if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
                asked << box->text();
                return answer;
            }
            auto& keys = *qobject_cast<KeysDialog*>(&dialog);
            // X is Stop's only key.
            Bind(keys, {KeyAction::Right, 0}, Qt::Key_X);
            stop << Shown(keys, Stop1);
            keys.BindingButton(Stop1)->click();
            keys.ClearButton->click();
            stop << Shown(keys, Stop1);
            // Right keeps its keypad key: clearing its first asks nothing.
            keys.BindingButton({KeyAction::Right, 0})->click();
            keys.ClearButton->click();
            answer = QMessageBox::Yes;
            Bind(keys, {KeyAction::Right, 0}, Qt::Key_X);
            stop << Shown(keys, Stop1);
            return int(QDialog::Accepted);
        };
        game.Form->Keys1->trigger();
        game.Seam.DialogAnswer = nullptr;
        QCOMPARE(stop, (QStringList{QStringLiteral("X"), QStringLiteral("X"), QStringLiteral("-")}));
        QCOMPARE(asked.size(), 3);
        QCOMPARE(asked[0], QStringLiteral("X is the only key for Stop and go, which would be left "
                                          "without a key. Use it for Right anyway?"));
        QCOMPARE(asked[1], QStringLiteral("Stop and go would be left without a key. Clear it anyway?"));
        QVERIFY(HasNoKey(game.Form->Options.Keys, KeyAction::Stop));
    }
};

QTEST_MAIN(KeysTest)
#include "KeysTest.moc"
