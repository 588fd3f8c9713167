// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ui/KeysDialog.h"

#include "config/model/AddedTexts.h"
#include "ui/ShownText.h"
#include "ui/DialogSeam.h"
#include "ui/KeyNames.h"
#include "ui/QtOwned.h"
#include "platform/TextCodec.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

size_t ButtonIndex(KeySlot slot)
{
    return static_cast<size_t>(slot.Action) * BindingsPerAction + slot.Index;
}

// The built-in English of each action's name, and its language key.
struct ActionNaming {
    const char* key;
    const char* english;
};
constexpr std::array<ActionNaming, KeyActionCount> ActionNamings{{
    {"KeysUp", "Up"},
    {"KeysRight", "Right"},
    {"KeysDown", "Down"},
    {"KeysLeft", "Left"},
    {"KeysDoubleSpeed", "Double speed"},
    {"KeysStop", "Stop and go"},
    {"KeysPause", "Pause"},
}};

} // namespace

QString KeyActionText(const AddedTexts& texts, KeyAction action)
{
    const ActionNaming& naming = ActionNamings[static_cast<size_t>(action)];
    return ShownText(texts, naming.key, naming.english);
}

KeysDialog::KeysDialog(DialogSeam& seam, QWidget* parent) : QDialog(parent), seam_(seam)
{
    setObjectName(QStringLiteral("KeysDialog"));
    setWindowTitle(QStringLiteral("Keys"));
    auto* column = brv::MakeChild<QVBoxLayout>(this);
    auto* grid = brv::MakeChild<QGridLayout>();
    column->addLayout(grid);

    firstHeader_ = brv::MakeChild<QLabel>(this);
    secondHeader_ = brv::MakeChild<QLabel>(this);
    grid->addWidget(firstHeader_, 0, 1);
    grid->addWidget(secondHeader_, 0, 2);
    for (size_t a = 0; a < KeyActionCount; ++a) {
        const int row = static_cast<int>(a) + 1;
        actionLabels_[a] = brv::MakeChild<QLabel>(this);
        grid->addWidget(actionLabels_[a], row, 0);
        for (size_t i = 0; i < BindingsPerAction; ++i) {
            const KeySlot slot{AllKeyActions[a], i};
            auto* button = brv::MakeChild<QPushButton>(this);
            button->setObjectName(QString::fromStdString(KeySlotName(slot)));
            button->setAutoDefault(false);
            button->setMinimumWidth(110);
            button->installEventFilter(this);
            connect(button, &QPushButton::clicked, this, [this, slot] { StartCapture(slot); });
            grid->addWidget(button, row, static_cast<int>(i) + 1);
            buttons_[ButtonIndex(slot)] = button;
        }
    }

    // Clear and Reset work on the list, at its left; OK and Cancel close, at the right.
    auto* row = brv::MakeChild<QHBoxLayout>();
    ClearButton = brv::MakeChild<QPushButton>(QStringLiteral("C&lear"), this);
    ResetButton = brv::MakeChild<QPushButton>(QStringLiteral("&Reset"), this);
    row->addWidget(ClearButton);
    row->addWidget(ResetButton);
    row->addStretch(1);
    auto* buttons = brv::MakeChild<QDialogButtonBox>(this);
    OkButton = buttons->addButton(QDialogButtonBox::Ok);
    CancelButton = buttons->addButton(QDialogButtonBox::Cancel);
    for (QPushButton* button : {ClearButton, ResetButton, OkButton, CancelButton})
        button->setAutoDefault(false);
    OkButton->setDefault(true);
    connect(ClearButton, &QPushButton::clicked, this, &KeysDialog::ClearClick);
    connect(ResetButton, &QPushButton::clicked, this, &KeysDialog::ResetClick);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    row->addWidget(buttons);
    column->addLayout(row);
    // Whatever the dialog was doing when it closed, it opens again with no binding waiting.
    connect(this, &QDialog::finished, this, [this] { StopCapture(); });

    for (size_t a = 0; a < KeyActionCount; ++a)
        actionTexts_[a] = QString::fromLatin1(ActionNamings[a].english);
    conflictText_ = QStringLiteral("%1 is the key for %2. Use it for %3 instead?");
    lastKeyText_ = QStringLiteral("%1 is the only key for %2, which would be left without a key. "
                                       "Use it for %3 anyway?");
    clearLastText_ = QStringLiteral("%1 would be left without a key. Clear it anyway?");
    reservedText_ = QStringLiteral("%1 is the key of %2. Choose another key.");
    ShowBindings();
}

void KeysDialog::ApplyTexts(const AddedTexts& texts)
{
    setWindowTitle(ShownText(texts, "KeysTitle", "Keys"));
    firstHeader_->setText(ShownText(texts, "KeysFirst", "Key 1"));
    secondHeader_->setText(ShownText(texts, "KeysSecond", "Key 2"));
    for (size_t a = 0; a < KeyActionCount; ++a) {
        actionTexts_[a] = KeyActionText(texts, AllKeyActions[a]);
        actionLabels_[a]->setText(actionTexts_[a]);
    }
    ClearButton->setText(ShownText(texts, "KeysClear", "C&lear"));
    ResetButton->setText(ShownText(texts, "KeysReset", "&Reset"));
    noKeyText_ = ShownText(texts, "KeysNone", "-");
    pressText_ = ShownText(texts, "KeysPress", "Press a key...");
    conflictText_ = ShownText(texts, "KeysConflict", "%1 is the key for %2. Use it for %3 instead?");
    lastKeyText_ = ShownText(texts, "KeysLastKey",
                             "%1 is the only key for %2, which would be left without a key. "
                             "Use it for %3 anyway?");
    clearLastText_ = ShownText(texts, "KeysClearLast", "%1 would be left without a key. Clear it anyway?");
    reservedText_ = ShownText(texts, "KeysReserved", "%1 is the key of %2. Choose another key.");
    ShowBindings();
}

void KeysDialog::SetBindings(const KeyBindings& bindings)
{
    StopCapture();
    bindings_ = bindings;
    ShowBindings();
}

QPushButton* KeysDialog::BindingButton(KeySlot slot) const { return buttons_[ButtonIndex(slot)]; }

QString KeysDialog::ActionText(KeyAction action) const
{
    return actionTexts_[static_cast<size_t>(action)];
}

void KeysDialog::ShowBindings()
{
    for (size_t a = 0; a < KeyActionCount; ++a) {
        actionLabels_[a]->setText(actionTexts_[a]);
        for (size_t i = 0; i < BindingsPerAction; ++i) {
            const KeySlot slot{AllKeyActions[a], i};
            const brv::KeyChord chord = bindings_.Get(slot);
            QString text =
                chord.Empty() ? (noKeyText_.isEmpty() ? QStringLiteral("-") : noKeyText_)
                              : brv::KeyDisplayName(chord);
            if (capturing_ == slot)
                text = pressText_.isEmpty() ? QStringLiteral("...") : pressText_;
            BindingButton(slot)->setText(text);
        }
    }
    ClearButton->setEnabled(capturing_.has_value());
}

void KeysDialog::StartCapture(KeySlot slot)
{
    capturing_ = slot;
    BindingButton(slot)->setFocus();
    ShowBindings();
}

void KeysDialog::StopCapture()
{
    capturing_.reset();
    ShowBindings();
}

bool KeysDialog::TakeKey(brv::KeyChord chord)
{
    if (!capturing_ || chord.Empty() || !brv::Bindable(chord.Key()))
        return false;
    const KeySlot slot = *capturing_;
    const QString keyName = brv::KeyDisplayName(chord);
    if (const std::optional<ReservedKey> reserved = ReservedKeyFor(reserved_, chord)) {
        // The binding goes on waiting for a key the game may have.
        Tell(QStringLiteral("KeysReservedBox"),
             reservedText_.arg(keyName, brv::DecodeText(reserved->Command)));
        return false;
    }
    if (const std::optional<KeySlot> holder = bindings_.HolderOf(chord, slot);
        holder && holder->Action != slot.Action) {
        const bool last = ActionLeftWithoutKey(bindings_, slot, chord) == holder->Action;
        const QString& question = last ? lastKeyText_ : conflictText_;
        if (!Ask(QStringLiteral("KeysConflictBox"),
                 question.arg(keyName, ActionText(holder->Action), ActionText(slot.Action)))) {
            StopCapture();
            return false;
        }
    }
    bindings_.Move(slot, chord);
    StopCapture();
    return true;
}

void KeysDialog::ClearClick()
{
    if (!capturing_)
        return;
    const KeySlot slot = *capturing_;
    if (ActionLeftWithoutKey(bindings_, slot, brv::KeyChord{}) &&
        !Ask(QStringLiteral("KeysClearLastBox"), clearLastText_.arg(ActionText(slot.Action)))) {
        StopCapture();
        return;
    }
    bindings_.Move(slot, brv::KeyChord{});
    StopCapture();
}

bool KeysDialog::Ask(const QString& name, const QString& text)
{
    QMessageBox ask(QMessageBox::Question, windowTitle(), text, QMessageBox::Yes | QMessageBox::No,
                    this);
    ask.setObjectName(name);
    ask.setDefaultButton(QMessageBox::No);
    return seam_.ExecDialog(ask) == QMessageBox::Yes;
}

void KeysDialog::Tell(const QString& name, const QString& text)
{
    QMessageBox box(QMessageBox::Information, windowTitle(), text, QMessageBox::Ok, this);
    box.setObjectName(name);
    seam_.ExecDialog(box);
}

void KeysDialog::ResetClick()
{
    bindings_.Reset();
    StopCapture();
}

bool KeysDialog::eventFilter(QObject* watched, QEvent* event)
{
    // While a binding waits, every key is a candidate, Tab and Return included: none of them
    // moves the focus, presses a button or triggers a shortcut.
    if (capturing_ && (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        // A modifier alone is taken by nobody: the binding waits for the key it goes with.
        if (key.key() == Qt::Key_Escape)
            StopCapture();
        else
            TakeKey(brv::ChordOf(key));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
