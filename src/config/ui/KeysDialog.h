// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Option > Keys...: each action of the game with its two keys. Clicking a key waits for the
// next key pressed (Escape gives up); a key that another action holds moves only once the
// player agrees; Clear leaves the waiting binding without a key; Reset brings back the game's
// own keys. The keys of the menu commands are refused with the command's name, and the player is
// asked before an action is left without any key. The dialog only edits a copy: the caller takes
// Bindings() after OK.
#include "config/model/KeyBindings.h"
#include "config/model/ReservedKeys.h"

#include <QDialog>
#include <QString>

#include <array>
#include <optional>
#include <vector>

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
    // The keys no action may take, with the commands that hold them.
    void SetReservedKeys(std::vector<ReservedKey> keys) { reserved_ = std::move(keys); }
    const KeyBindings& Bindings() const { return bindings_; }

    // What clicking a binding does: the binding waits for a key.
    void StartCapture(KeySlot slot);
    std::optional<KeySlot> Capturing() const { return capturing_; }
    // What a key pressed while a binding waits does. False when the key was not taken (a bare
    // modifier, a menu command's key, which keeps the binding waiting, or the player kept it
    // where it was).
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
    // A yes-or-no question or a notice through the seam; true for Yes.
    bool Ask(const QString& name, const QString& text);
    void Tell(const QString& name, const QString& text);

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
    QString lastKeyText_;
    QString clearLastText_;
    QString reservedText_;
    std::vector<ReservedKey> reserved_;
};
