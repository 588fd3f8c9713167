// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Option > Keys...: each action of the game with its two keys. Clicking a key waits for the
// next key pressed (Escape gives up); a key that another action holds moves only once the
// player agrees; Clear leaves the waiting binding without a key; Reset brings back the game's
// own keys. The dialog only edits a copy: the caller takes Bindings() after OK.
#include "config/model/KeyBindings.h"

#include <QDialog>
#include <QString>

#include <array>
#include <optional>

class AddedTexts;
class DialogSeam;
class QLabel;
class QPushButton;

// An action's name in the language ("Double speed").
QString KeyActionText(const AddedTexts& texts, KeyAction action);

class KeysDialog : public QDialog {
    Q_OBJECT
public:
    // `seam` asks the player before a key moves from another action.
    explicit KeysDialog(DialogSeam& seam, QWidget* parent = nullptr);

    void ApplyTexts(const AddedTexts& texts);
    void SetBindings(const KeyBindings& bindings);
    const KeyBindings& Bindings() const { return bindings_; }

    // What clicking a binding does: the binding waits for a key.
    void StartCapture(KeySlot slot);
    std::optional<KeySlot> Capturing() const { return capturing_; }
    // What a key pressed while a binding waits does. False when the key was not taken (a bare
    // modifier, or the player kept it where it was).
    bool TakeKey(brv::KeyChord chord);
    void ClearClick();
    void ResetClick();

    QPushButton* BindingButton(KeySlot slot) const;
    QPushButton* ClearButton = nullptr;
    QPushButton* ResetButton = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowBindings();
    void StopCapture();
    QString ActionText(KeyAction action) const;

    DialogSeam& seam_;
    KeyBindings bindings_ = KeyBindings::Defaults();
    std::optional<KeySlot> capturing_;
    std::array<QLabel*, KeyActionCount> actionLabels_{};
    std::array<QPushButton*, KeyActionCount * BindingsPerAction> buttons_{};
    QLabel* firstHeader_ = nullptr;
    QLabel* secondHeader_ = nullptr;
    std::array<QString, KeyActionCount> actionTexts_;
    QString noKeyText_;
    QString pressText_;
    QString conflictText_;
};
