// SPDX-License-Identifier: GPL-3.0-or-later
// Option > Keys...: the key bindings dialog, the keys in force (pause shortcuts, the Control
// text) and the game controller, whose buttons act where the keys do.
#include "config/model/AddedTexts.h"
#include "ui/ShownText.h"
#include "config/ui/KeysDialog.h"
#include "ui/DialogSeam.h"
#include "ui/KeyNames.h"
#include "ui/QtOwned.h"
#include "game/ui/TBrevantoForm.h"
#include "game/ui/ControllerPoll.h"
#include "game/ui/ViewControl.h"

#include "platform/TextCodec.h"

#include <QAction>
#include <QList>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>

#include <algorithm>

namespace {

// A command's name as a sentence names it: no access-key marks, no trailing dots.
QString CommandName(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    if (text.endsWith(QStringLiteral("...")))
        text.chop(3);
    return text.trimmed();
}

brv::KeyChord ChordOfKey(const QKeySequence& key)
{
    return key.count() == 1 ? brv::KeyChord{static_cast<uint32_t>(key[0].toCombined())}
                            : brv::KeyChord{};
}

} // namespace

void TBrevantoForm::ApplyKeys()
{
    QList<QKeySequence> pause;
    for (size_t i = 0; i < BindingsPerAction; ++i)
        if (const brv::KeyChord chord = Options.Keys.Get({KeyAction::Pause, i}); !chord.Empty())
            pause << brv::SequenceOf(chord);
    Pause1->setShortcuts(pause);
}

void TBrevantoForm::ApplyKeysLanguage(const AddedTexts& texts)
{
    Keys1->setText(ShownText(texts, "KeysMenu", "&Keys..."));
    Keys1->setStatusTip(
        ShownText(texts, "KeysHint", "Keys|Choose the keys that steer your car"));
}

QString TBrevantoForm::ControlTextWithKeys() const
{
    QString text = brv::DecodeText(ControlText);
    if (Options.Keys == KeyBindings::Defaults())
        return text;
    const AddedTexts texts(Options.LanguageFileName, Options.Language);
    if (!text.isEmpty())
        text += QStringLiteral("\n\n");
    text += ShownText(texts, "KeysInForce", "Your keys (Option > Keys...):");
    for (const KeyAction action : AllKeyActions) {
        QStringList keys;
        for (size_t i = 0; i < BindingsPerAction; ++i)
            if (const brv::KeyChord chord = Options.Keys.Get({action, i}); !chord.Empty())
                keys << brv::KeyDisplayName(chord);
        text += QStringLiteral("\n%1: %2").arg(
            KeyActionText(texts, action),
            keys.isEmpty() ? QStringLiteral("-") : keys.join(QStringLiteral(", ")));
    }
    return text;
}

std::vector<ReservedKey> TBrevantoForm::MenuKeys() const
{
    std::vector<ReservedKey> keys;
    const auto add = [&keys](const QKeySequence& key, const QString& command) {
        if (const brv::KeyChord chord = ChordOfKey(key); !chord.Empty())
            keys.push_back({chord, brv::EncodeText(command)});
    };
    // Pause's keys are the game's own pause keys, chosen in the dialog itself.
    std::vector<const QAction*> listed{Pause1};
    for (QAction* top : menuBar()->actions()) {
        const QMenu* menu = top->menu();
        if (!menu)
            continue;
        const QString title = CommandName(menu->title());
        // Alt and the menu's letter open it from the menu bar.
        add(QKeySequence::mnemonic(menu->title()), title);
        for (QAction* item : menu->actions()) {
            if (std::find(listed.begin(), listed.end(), item) != listed.end())
                continue;
            listed.push_back(item);
            for (const QKeySequence& key : item->shortcuts())
                add(key, title + QStringLiteral(" > ") + CommandName(item->text()));
        }
    }
    // Keys of the window that no menu item shows, such as Escape leaving full screen.
    for (QAction* action : actions()) {
        if (std::find(listed.begin(), listed.end(), action) != listed.end())
            continue;
        const QString name = action == View->LeaveFullScreen1
                                 ? CommandName(View->FullScreen1->text())
                                 : CommandName(action->text());
        for (const QKeySequence& key : action->shortcuts())
            add(key, name);
    }
    return keys;
}

void TBrevantoForm::KeysClick()
{
    TimerSuspension suspension(*this);
    KeysDialog dialog(Seam, this);
    dialog.setFont(font());
    dialog.ApplyTexts(AddedTexts(Options.LanguageFileName, Options.Language));
    dialog.SetReservedKeys(MenuKeys());
    dialog.SetBindings(Options.Keys);
    if (Seam.ExecDialog(dialog) != QDialog::Accepted)
        return;
    Options.Keys = dialog.Bindings();
    ApplyKeys();
}

void TBrevantoForm::AttachGamepad(std::unique_ptr<brv::PadInput> pad)
{
    Controller->Attach(std::move(pad));
}

void TBrevantoForm::GamepadPress(brv::PadButton button)
{
    if (!Started || Destroyed)
        return;
    switch (button) {
    case brv::PadButton::Up: DoKeyAction(KeyAction::Up); break;
    case brv::PadButton::Right: DoKeyAction(KeyAction::Right); break;
    case brv::PadButton::Down: DoKeyAction(KeyAction::Down); break;
    case brv::PadButton::Left: DoKeyAction(KeyAction::Left); break;
    case brv::PadButton::A: DoKeyAction(KeyAction::DoubleSpeed); break;
    case brv::PadButton::B: DoKeyAction(KeyAction::Stop); break;
    case brv::PadButton::Start:
        if (Rules.Demo)
            New1Click();
        else
            Pause1Click();
        break;
    }
}
