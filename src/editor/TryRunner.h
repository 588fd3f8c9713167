// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Try: the course played inside the editor by the shared rules of play, drawn by the shared
// field drawing, in demo or with the author driving with the keys the player chose for the
// game. It works on its own copy of the course, so stopping leaves the edited course exactly
// as it was. It acts on what each tick reports once the tick has returned, so whoever answers
// its signals may stop it.
#include "config/model/KeyBindings.h"
#include "editor/model/CourseDocument.h"
#include "rules/GameRules.h"

#include <QImage>
#include <QObject>

#include <memory>

class QKeyEvent;
class QTimer;
namespace brv { class Canvas; }

class TryRunner : public QObject {
    Q_OBJECT
public:
    TryRunner(const QImage& groundSheet, const QImage& carSheet, QObject* parent);
    ~TryRunner() override;

    // Starts play of `document` (which the game must accept); false when it cannot be played.
    bool Start(const CourseDocument& document, bool demo);
    void Stop();
    bool Running() const { return rules_ != nullptr; }
    // The game's keys while driving, as the player bound them (Option > Keys... of the game);
    // the pause key has no part in Try. True when used.
    bool Key(const QKeyEvent& key);
    void SetKeys(const KeyBindings& keys) { keys_ = keys; }
    const QImage& Field() const { return field_; }
    TGameRules* Rules() const { return rules_.get(); }
    // One tick, as the clock gives them (for tests).
    void Tick();
    // What a course fault means, in words: which car, what it met, at which cell.
    static QString FaultMessage(const CourseFault& fault);

signals:
    void FieldChanged();
    void StatusChanged(const QString& text);
    // Play met a fault of the course and stands still where it happened; the window says why
    // and returns to editing (Stop).
    void Ended(const QString& error);

private:
    void DrawWholeField();

    const QImage& groundSheet_;
    const QImage& carSheet_;
    QTimer* timer_ = nullptr;
    QImage field_;
    std::unique_ptr<brv::Canvas> canvas_;
    std::unique_ptr<TGameRules> rules_;
    KeyBindings keys_ = KeyBindings::Defaults();
};
