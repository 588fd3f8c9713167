#include "editor/TryRunner.h"

#include "platform/Blit.h"
#include "platform/Canvas.h"

#include <QKeyEvent>
#include <QTimer>

TryRunner::TryRunner(const QImage& groundSheet, const QImage& carSheet, QObject* parent)
    : QObject(parent), groundSheet_(groundSheet), carSheet_(carSheet)
{
    timer_ = new QTimer(this);
    timer_->setInterval(TimerInterval());
    connect(timer_, &QTimer::timeout, this, &TryRunner::Tick);
}

TryRunner::~TryRunner() { timer_->stop(); }

bool TryRunner::Start(const CourseDocument& document, bool demo)
{
    Stop();
    auto rules = std::make_unique<TGameRules>(*this);
    rules->Map = std::make_unique<TMap>(&groundSheet_, &carSheet_, false);
    FillMap(document, *rules->Map);
    rules->SpeedTable = SpeedTableFor(rules->Map->TileSize);
    if (rules->SpeedTable.empty() || rules->Map->StartNumber < 1)
        return false;
    rules->StatusText = {"", tr("Playing").toStdString(), tr("Paused").toStdString(),
                         tr("Demo").toStdString()};
    rules->ErrorText[5] = tr("A car has left the course.").toStdString();
    field_ = QImage(rules->Map->ScreenWidth, rules->Map->ScreenHeight, QImage::Format_RGB32);
    canvas_ = std::make_unique<brv::Canvas>(field_);
    canvas_->SetFillColor(brv::PixelBgr(groundSheet_, 0, 0, 0));
    canvas_->SetChangeListener([this](const QRect&) { emit FieldChanged(); });
    rules_ = std::move(rules);
    rules_->Demo = true;
    rules_->StartPlay();
    if (demo)
        SetStatusText(rules_->StatusText[3]);
    else
        rules_->NewGame();
    InvalidateField();
    SetRunning(true);
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
    rules_->Timer1Timer();
    if (ending_) {
        ending_ = false;
        Stop();
    }
}

bool TryRunner::Key(const QKeyEvent& key)
{
    if (!rules_ || rules_->Demo)
        return false;
    // As in the game: the arrows, the number pad's 8 6 2 4, and Z and X typed without Ctrl or Alt.
    const bool keypad = key.modifiers() & Qt::KeypadModifier;
    switch (key.key()) {
    case Qt::Key_Up: return rules_->KeyDirection(0);
    case Qt::Key_Right: return rules_->KeyDirection(2);
    case Qt::Key_Down: return rules_->KeyDirection(4);
    case Qt::Key_Left: return rules_->KeyDirection(6);
    case Qt::Key_8: return keypad && rules_->KeyDirection(0);
    case Qt::Key_6: return keypad && rules_->KeyDirection(2);
    case Qt::Key_2: return keypad && rules_->KeyDirection(4);
    case Qt::Key_4: return keypad && rules_->KeyDirection(6);
    default: break;
    }
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    if (key.key() == Qt::Key_Z)
        return rules_->KeyToggleDoubleSpeed();
    if (key.key() == Qt::Key_X)
        return rules_->KeyToggleStop();
    return false;
}

void TryRunner::SetRunning(bool run)
{
    if (run && rules_)
        timer_->start();
    else
        timer_->stop();
}

void TryRunner::SetStatusText(const std::string& text)
{
    emit StatusChanged(QString::fromStdString(text));
}

void TryRunner::InvalidateField()
{
    if (!rules_ || field_.isNull())
        return;
    rules_->DrawWholeField(field_);
    emit FieldChanged();
}

void TryRunner::CloseWindow() { ending_ = true; }

void TryRunner::ShowErrorBox(const std::string& text)
{
    ending_ = true;
    emit Ended(QString::fromStdString(text));
}
