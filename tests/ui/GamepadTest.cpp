// SPDX-License-Identifier: GPL-3.0-or-later
// Game controllers, driven through SDL's virtual joystick and the game's own input path (SDL's
// events, the Gamepad, the window): buttons and D-pad act where the keys do, Start starts a game
// from the demo and pauses one in play, the stick counts past its dead zone once per push, and
// controllers come and go while the game runs.
#include "support/RunningGame.h"
#include "game/ui/ControllerPoll.h"

#include "platform/Gamepad.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <SDL.h>

#include <cstdio>
#include <vector>

using namespace testing_ui;
using brv::PadButton;

namespace {

// A virtual pad laid out as a game controller: SDL maps its buttons and axes one to one.
class VirtualPad {
public:
    VirtualPad()
    {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "Test pad";
        index_ = SDL_JoystickAttachVirtualEx(&desc);
        if (index_ >= 0)
            joystick_ = SDL_JoystickOpen(index_);
    }
    ~VirtualPad() { Unplug(); }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    bool Valid() const { return joystick_ != nullptr; }
    void Press(SDL_GameControllerButton button)
    {
        SDL_JoystickSetVirtualButton(joystick_, button, SDL_PRESSED);
    }
    void Release(SDL_GameControllerButton button)
    {
        SDL_JoystickSetVirtualButton(joystick_, button, SDL_RELEASED);
    }
    void Stick(int x, int y)
    {
        SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTX, static_cast<Sint16>(x));
        SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTY, static_cast<Sint16>(y));
    }
    void Unplug()
    {
        if (!joystick_)
            return;
        const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
        SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
        for (int i = 0; i < SDL_NumJoysticks(); ++i)
            if (SDL_JoystickGetDeviceInstanceID(i) == id)
                SDL_JoystickDetachVirtual(i);
    }

private:
    int index_ = -1;
    SDL_Joystick* joystick_ = nullptr;
};

// The presses of one poll.
std::vector<PadButton> Presses(brv::Gamepad& pad)
{
    std::vector<PadButton> presses;
    pad.Poll(presses);
    return presses;
}

QTimer* PollTimer(TBrevantoForm& form) { return form.findChild<QTimer*>(QStringLiteral("GamepadTimer")); }

// Taps a button (down and up between two polls) and lets the window poll.
void Tap(VirtualPad& pad, TBrevantoForm& form, SDL_GameControllerButton button)
{
    pad.Press(button);
    form.Controller->Poll();
    pad.Release(button);
    form.Controller->Poll();
}

using Presses_t = std::vector<PadButton>;

} // namespace

class GamepadTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Only the test's virtual pads: no scan of the machine's own devices.
        qputenv("SDL_JOYSTICK_DISABLE_UDEV", "1");
        SDL_SetHint(SDL_HINT_JOYSTICK_HIDAPI, "0");
    }

    void stickCountsPastTheDeadZoneOncePerPush()
    {
        const std::unique_ptr<brv::Gamepad> gamepad = brv::Gamepad::Open();
        QVERIFY(gamepad);
        VirtualPad pad;
        QVERIFY(pad.Valid());
        QCOMPARE(Presses(*gamepad), Presses_t{});
        QCOMPARE(gamepad->Attached(), 1);

        pad.Stick(brv::Gamepad::StickPress - 1, 0);
        QCOMPARE(Presses(*gamepad), Presses_t{});
        pad.Stick(brv::Gamepad::StickPress, 0);
        QCOMPARE(Presses(*gamepad), Presses_t{PadButton::Right});
        // Held, pushed further, or eased back but not let go: no repeat.
        pad.Stick(32767, 100);
        QCOMPARE(Presses(*gamepad), Presses_t{});
        pad.Stick(brv::Gamepad::StickRelease, 0);
        QCOMPARE(Presses(*gamepad), Presses_t{});
        pad.Stick(32767, 0);
        QCOMPARE(Presses(*gamepad), Presses_t{});
        // Let go and pushed again: a new push.
        pad.Stick(brv::Gamepad::StickRelease - 1, 0);
        QCOMPARE(Presses(*gamepad), Presses_t{});
        pad.Stick(-32768, 0);
        QCOMPARE(Presses(*gamepad), Presses_t{PadButton::Left});
        // Swung round to the other axis while held: that direction, once.
        pad.Stick(-20000, -21000);
        QCOMPARE(Presses(*gamepad), Presses_t{});
        pad.Stick(-8000, -32768);
        QCOMPARE(Presses(*gamepad), Presses_t{PadButton::Up});
        pad.Stick(0, 32767);
        QCOMPARE(Presses(*gamepad), Presses_t{PadButton::Down});

        // Buttons the game has no use for say nothing; the D-pad does not repeat while held.
        pad.Stick(0, 0);
        pad.Press(SDL_CONTROLLER_BUTTON_Y);
        pad.Press(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
        QCOMPARE(Presses(*gamepad), Presses_t{PadButton::Left});
        QCOMPARE(Presses(*gamepad), Presses_t{});
    }

    // SDL's cost per mapping grows with the mappings it holds: a database far longer than the
    // community's would hold up the first window for minutes. Only the first mappings for this
    // system are taken, other systems' lines cost nothing, and the ones taken work.
    void aLongMappingFileIsReadOnlyAsFarAsTheLimit()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("gamecontrollerdb.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const auto line = [](int n, const char* platform) {
            char text[128];
            std::snprintf(text, sizeof text, "0300000000f00000%08x00000000,Pad %d,a:b0,b:b1,platform:%s,\n",
                          static_cast<unsigned>(n), n, platform);
            return QByteArray(text);
        };
        for (int n = 0; n < 5000; ++n)
            file.write(line(n, "Windows"));
        for (int n = 0; n < 10000; ++n)
            file.write(line(n, SDL_GetPlatform()));
        file.close();
        const std::unique_ptr<brv::Gamepad> plain = brv::Gamepad::Open();
        QVERIFY(plain);
        const int builtIn = SDL_GameControllerNumMappings();
        const std::unique_ptr<brv::Gamepad> gamepad = brv::Gamepad::Open(QFile::encodeName(path).toStdString());
        QVERIFY(gamepad);
        gamepad->WaitForMappings();
        QCOMPARE(SDL_GameControllerNumMappings() - builtIn, 2000);
        QByteArray all;
        for (int i = 0; i < SDL_GameControllerNumMappings(); ++i) {
            char* mapping = SDL_GameControllerMappingForIndex(i);
            all += QByteArray(mapping ? mapping : "") + '\n';
            SDL_free(mapping);
        }
        QVERIFY(all.contains(",Pad 0,"));
        QVERIFY(all.contains(",Pad 1999,"));
        QVERIFY(!all.contains(",Pad 2000,"));

        // A file past the size limit still gives the mappings before the limit.
        const QString largePath = dir.filePath(QStringLiteral("large.txt"));
        QFile large(largePath);
        QVERIFY(large.open(QIODevice::WriteOnly));
        large.write(line(0, SDL_GetPlatform()).replace("f000", "f100").replace(",Pad ", ",Large pad "));
        const QByteArray comment = "# " + QByteArray(1021, '-') + '\n';
        while (large.size() <= (qint64{4} << 20))
            large.write(comment);
        large.close();
        const std::unique_ptr<brv::Gamepad> fromLarge = brv::Gamepad::Open(QFile::encodeName(largePath).toStdString());
        QVERIFY(fromLarge);
        fromLarge->WaitForMappings();
        bool found = false;
        for (int i = 0; i < SDL_GameControllerNumMappings(); ++i) {
            char* mapping = SDL_GameControllerMappingForIndex(i);
            found = found || QByteArray(mapping ? mapping : "").contains(",Large pad 0,");
            SDL_free(mapping);
        }
        QVERIFY(found);
    }

    void controllersComeAndGoWhileTheGameRuns()
    {
        const std::unique_ptr<brv::Gamepad> gamepad = brv::Gamepad::Open();
        QVERIFY(gamepad);
        std::vector<PadButton> none;
        gamepad->Poll(none);
        QCOMPARE(gamepad->Attached(), 0);
        {
            VirtualPad first;
            VirtualPad second;
            QVERIFY(first.Valid() && second.Valid());
            QVERIFY(!gamepad->Connected());
            QCOMPARE(Presses(*gamepad), Presses_t{});
            QCOMPARE(gamepad->Attached(), 2);
            QVERIFY(gamepad->Connected());
            first.Press(SDL_CONTROLLER_BUTTON_A);
            second.Press(SDL_CONTROLLER_BUTTON_B);
            QCOMPARE(Presses(*gamepad).size(), size_t{2});
            first.Unplug();
            second.Press(SDL_CONTROLLER_BUTTON_START);
            QCOMPARE(Presses(*gamepad), Presses_t{PadButton::Start});
            QCOMPARE(gamepad->Attached(), 1);
        }
        QCOMPARE(Presses(*gamepad), Presses_t{});
        QCOMPARE(gamepad->Attached(), 0);
        QVERIFY(!gamepad->Connected());

        VirtualPad again;
        QVERIFY(again.Valid());
        QCOMPARE(Presses(*gamepad), Presses_t{});
        again.Press(SDL_CONTROLLER_BUTTON_DPAD_UP);
        QCOMPARE(Presses(*gamepad), Presses_t{PadButton::Up});
    }

    void buttonsActWhereTheKeysDo()
    {
        RunningGame game;
        QVERIFY(game.Start());
        TBrevantoForm& form = *game.Form;
        std::unique_ptr<brv::Gamepad> gamepad = brv::Gamepad::Open();
        QVERIFY(gamepad);
        form.AttachGamepad(std::move(gamepad));
        // With no controller the window polls four times a second, with one sixty times.
        QTimer* timer = PollTimer(form);
        QVERIFY(timer && timer->isActive());
        form.Controller->Poll();
        QCOMPARE(timer->interval(), 250);
        VirtualPad pad;
        QVERIFY(pad.Valid());
        form.Controller->Poll();
        QCOMPARE(timer->interval(), 16);

        // In the demo the directions and A and B do nothing; Start begins a game.
        TMyCar& car = *form.Rules.MyCar;
        car.WantDirection = -1;
        Tap(pad, form, SDL_CONTROLLER_BUTTON_DPAD_UP);
        Tap(pad, form, SDL_CONTROLLER_BUTTON_A);
        QCOMPARE(car.WantDirection, -1);
        QCOMPARE(car.SpeedMode, 0);
        QVERIFY(form.Rules.Demo);
        Tap(pad, form, SDL_CONTROLLER_BUTTON_START);
        QVERIFY(!form.Rules.Demo);
        QVERIFY(form.TimerRunning());

        // In play Start pauses and resumes; the pad steers also while paused.
        Tap(pad, form, SDL_CONTROLLER_BUTTON_START);
        QVERIFY(!form.TimerRunning());
        QVERIFY(form.Pause1->isChecked());
        const std::pair<SDL_GameControllerButton, int> dpad[] = {
            {SDL_CONTROLLER_BUTTON_DPAD_UP, 0}, {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 2},
            {SDL_CONTROLLER_BUTTON_DPAD_DOWN, 4}, {SDL_CONTROLLER_BUTTON_DPAD_LEFT, 6}};
        for (const auto& [button, direction] : dpad) {
            Tap(pad, form, button);
            QCOMPARE(form.Rules.MyCar->WantDirection, direction);
        }
        pad.Stick(0, -32768);
        form.Controller->Poll();
        QCOMPARE(form.Rules.MyCar->WantDirection, 0);
        pad.Stick(0, 0);
        Tap(pad, form, SDL_CONTROLLER_BUTTON_A);
        QCOMPARE(form.Rules.MyCar->SpeedMode, 1);
        Tap(pad, form, SDL_CONTROLLER_BUTTON_B);
        QCOMPARE(form.Rules.MyCar->SpeedMode, 2);
        Tap(pad, form, SDL_CONTROLLER_BUTTON_B);
        QCOMPARE(form.Rules.MyCar->SpeedMode, 0);
        Tap(pad, form, SDL_CONTROLLER_BUTTON_START);
        QVERIFY(form.TimerRunning());

        // Like the keys, the buttons belong to the active window only.
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        Tap(pad, form, SDL_CONTROLLER_BUTTON_START);
        QVERIFY(form.TimerRunning());
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        other.hide();

        // Unplugged mid-game: the game goes on with the keyboard.
        pad.Unplug();
        form.Controller->Poll();
        QCOMPARE(timer->interval(), 250);
        QTest::keyClick(&form, Qt::Key_Down);
        QCOMPARE(form.Rules.MyCar->WantDirection, 4);
    }
};

QTEST_MAIN(GamepadTest)
#include "GamepadTest.moc"
