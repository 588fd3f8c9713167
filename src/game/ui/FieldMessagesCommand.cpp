// SPDX-License-Identifier: GPL-3.0-or-later
// Messages over the field (View > Messages on the Field) and the stage panel of the status bar:
// the window looks at the rules after every tick and command and says what the player cannot
// see otherwise. They are drawn over the field, never into the field image.
#include "game/ui/TBrevantoForm.h"
#include "ui/ShownText.h"
#include "game/ui/ViewControl.h"
#include "ui/FieldView.h"
#include "ui/QtOwned.h"

#include "config/model/AddedTexts.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>

void TBrevantoForm::BuildFieldMessages()
{
    // Below full screen in the View menu.
    FieldMessages1 = View->View1->addAction(QStringLiteral("&Messages on the Field"));
    FieldMessages1->setObjectName(QStringLiteral("FieldMessages1"));
    FieldMessages1->setCheckable(true);
    connect(FieldMessages1, &QAction::toggled, this, [this](bool on) {
        Options.FieldMessages = on;
        RefreshFieldMessage();
    });

    // At the right end of the status bar, while a game is played.
    StagePanel = brv::MakeChild<QLabel>(StatusBar1);
    StagePanel->setObjectName(QStringLiteral("StagePanel"));
    StagePanel->hide();
    StatusBar1->addPermanentWidget(StagePanel, 0);

    // The game-over message ends on time even while no tick runs.
    MessageTimer = brv::MakeChild<QTimer>(this);
    MessageTimer->setSingleShot(true);
    connect(MessageTimer, &QTimer::timeout, this, &TBrevantoForm::RefreshFieldMessage);
    MessageClock.start();
}

void TBrevantoForm::ApplyFieldMessageTexts(const AddedTexts& texts)
{
    const auto text = [&texts](const char* key, const char* english) {
        return ShownText(texts, key, english);
    };
    FieldMessages1->setText(text("ViewMessages", "&Messages on the Field"));
    FieldMessages1->setStatusTip(
        text("ViewMessagesHint",
             "Messages on the field|Show Ready, the stage, Paused and Game over over the field"));
    MessageTexts = {text("MessageReady", "Ready"),        text("MessageStage", "Stage %1"),
                    text("MessagePaused", "Paused"),      text("MessageGameOver", "Game over"),
                    text("MessageScore", "Score %1"),     text("StagePanel", "Stage %1")};
    RefreshFieldMessage();
}

void TBrevantoForm::SetMessagesOnField(bool on)
{
    Options.FieldMessages = on;
    FieldMessages1->setChecked(on);
    RefreshFieldMessage();
}

void TBrevantoForm::RefreshFieldMessage()
{
    if (!FieldMessages1)
        return;
    if (!Started || Destroyed || !Rules.MyCar) {
        PaintBox1->SetOverlay({});
        StagePanel->hide();
        return;
    }
    const int64_t now = MessageClock.elapsed();
    const bool paused = Pause1->isChecked();
    const PlayMessage message = Messages.Update(Rules, paused, Timer1->interval(), now);

    const bool playing = !Rules.Demo;
    if (playing) {
        const QString stage = MessageTexts.StagePanel.arg(Rules.MyCar->Stage);
        if (StagePanel->text() != stage)
            StagePanel->setText(stage);
    }
    StagePanel->setVisible(playing);

    // In full screen the status bar is hidden: a pause is shown there whatever the setting.
    const bool shown =
        Options.FieldMessages || (Options.FullScreen && message.Shown == PlayMessage::Kind::Paused);
    FieldOverlay overlay;
    if (shown) {
        switch (message.Shown) {
        case PlayMessage::Kind::None: break;
        case PlayMessage::Kind::Ready:
            if (message.Stage > 0)
                overlay.Heading = MessageTexts.Stage.arg(message.Stage);
            overlay.Title = MessageTexts.Ready;
            overlay.Detail = QString::number(message.Countdown);
            break;
        case PlayMessage::Kind::Paused: overlay.Title = MessageTexts.Paused; break;
        case PlayMessage::Kind::GameOver:
            overlay.Title = MessageTexts.GameOver;
            overlay.Detail = MessageTexts.Score.arg(message.Score);
            break;
        }
    }
    PaintBox1->SetOverlay(overlay);
    if (Messages.GameOverShowing(now) && !MessageTimer->isActive())
        MessageTimer->start(static_cast<int>(PlayMessages::GameOverMs));
}
