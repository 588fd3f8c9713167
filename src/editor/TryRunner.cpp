// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/TryRunner.h"

#include "platform/Blit.h"
#include "platform/Canvas.h"
#include "ui/KeyNames.h"

#include <QKeyEvent>
#include <QTimer>

namespace {
// The game's clock at its usual pace.
constexpr int32_t TryInterval = 50;
} // namespace

TryRunner::TryRunner(const QImage& groundSheet, const QImage& carSheet, QObject* parent)
    : QObject(parent), groundSheet_(groundSheet), carSheet_(carSheet)
{
    timer_ = new QTimer(this);
    timer_->setInterval(TryInterval);
    connect(timer_, &QTimer::timeout, this, &TryRunner::Tick);
}

TryRunner::~TryRunner() { timer_->stop(); }

bool TryRunner::Start(const CourseDocument& document, bool demo)
{
    Stop();
    auto rules = std::make_unique<TGameRules>();
    rules->Map = std::make_unique<TMap>(&groundSheet_, &carSheet_, false);
    FillMap(document, *rules->Map);
    rules->SpeedTable = SpeedTableFor(rules->Map->TileSize);
    if (rules->SpeedTable.empty() || rules->Map->StartNumber < 1)
        return false;
    rules->TimerInterval = TryInterval;
    field_ = QImage(rules->Map->ScreenWidth, rules->Map->ScreenHeight, QImage::Format_RGB32);
    canvas_ = std::make_unique<brv::Canvas>(field_);
    canvas_->SetFillColor(brv::PixelBgr(groundSheet_, 0, 0, 0));
    rules->Field = canvas_.get();
    rules_ = std::move(rules);
    rules_->Demo = true;
    rules_->StartPlay();
    if (demo) {
        emit StatusChanged(tr("Demo"));
    } else {
        rules_->NewGame();
        emit StatusChanged(tr("Playing"));
    }
    DrawWholeField();
    timer_->start();
    return true;
}

void TryRunner::Stop()
{
    timer_->stop();
    rules_.reset();
    canvas_.reset();
    field_ = QImage();
}

void TryRunner::Tick()
{
    if (!rules_)
        return;
    const TickOutcome outcome = rules_->Timer1Timer();
    // From here on only the outcome is read: a receiver of the signals below may stop play.
    if (outcome.Fault) {
        timer_->stop();
        emit FieldChanged();
        emit Ended(FaultMessage(*outcome.Fault));
        return;
    }
    if (outcome.FellBackToDemo)
        emit StatusChanged(tr("Demo"));
    if (outcome.FullRepaint)
        DrawWholeField();
    else if (!outcome.Changed.empty())
        emit FieldChanged();
}

QString TryRunner::FaultMessage(const CourseFault& fault)
{
    const QString x = QString::number(fault.Cell.X);
    const QString y = QString::number(fault.Cell.Y);
    const bool deadEnd = fault.Kind == CourseFaultKind::DeadEnd;
    if (fault.Car == 0)
        return deadEnd ? tr("The player's car met a dead end at cell %1,%2.").arg(x, y)
                       : tr("The player's car left the course at cell %1,%2.").arg(x, y);
    const QString car = QString::number(fault.Car);
    return deadEnd ? tr("Computer car %1 met a dead end at cell %2,%3.").arg(car, x, y)
                   : tr("Computer car %1 left the course at cell %2,%3.").arg(car, x, y);
}

bool TryRunner::Key(const QKeyEvent& key)
{
    if (!rules_ || rules_->Demo)
        return false;
    const std::optional<KeyAction> action = keys_.ActionFor(brv::ChordOf(key));
    if (!action)
        return false;
    switch (*action) {
    case KeyAction::Up: return rules_->KeyDirection(0);
    case KeyAction::Right: return rules_->KeyDirection(2);
    case KeyAction::Down: return rules_->KeyDirection(4);
    case KeyAction::Left: return rules_->KeyDirection(6);
    case KeyAction::DoubleSpeed: return rules_->KeyToggleDoubleSpeed();
    case KeyAction::Stop: return rules_->KeyToggleStop();
    case KeyAction::Pause: return false;
    }
    return false;
}

void TryRunner::DrawWholeField()
{
    if (!rules_ || field_.isNull())
        return;
    rules_->DrawWholeField(field_);
    emit FieldChanged();
}
