// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings dialog: timer speed, window options, sounds, move speed, cars per game, random
// start, language and the hi-score reset. It only holds what the user picks; the main window's
// SettingClick fills it before showing it and applies what was confirmed with OK.
#include <QDialog>

#include <cstdint>
#include <string>

class DialogSeam;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QToolButton;
class QWidget;

// A path as the user typed or pasted it into an edit, ready for use: line breaks dropped and the
// blanks around it trimmed, so that it can always be stored in the settings file.
QString TypedPath(const QString& text);

class TfSetting : public QDialog {
    Q_OBJECT
public:
    // `seam` answers the file-open dialog of the browse buttons.
    explicit TfSetting(DialogSeam& seam, QWidget* parent = nullptr);

    // Fills the drop-down with the section names of the languages listed in `fileName`, keeps
    // the name for ApplyLanguage and selects the first item.
    void LoadLanguageList(const std::string& fileName);
    // Shows the dialog in language `index` (1-based): font, captions, hints, and the names of
    // all languages as that language writes them; selects item index - 1.
    void ApplyLanguage(int32_t index);
    // Takes the font family unless empty, and the size in points unless 0 (or absurdly large);
    // repaints at once when either changed.
    void ChangeFont(const QString& family, int pointSize);

    // Handlers.
    void BitBtn1Click();
    void SpeedButton1Click(QObject* sender);
    void cbLanguageChange();

    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QLabel* Label1 = nullptr;
    QSpinBox* udTimer = nullptr;
    QCheckBox* chkbScreen = nullptr;
    QCheckBox* chkbToolBar = nullptr;
    QCheckBox* chkbStatusBar = nullptr;
    QWidget* TabSheet2 = nullptr;
    QCheckBox* chkbSound = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* eRunWave = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* eEatWave = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* eCrashWave = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QWidget* TabSheet3 = nullptr;
    QLabel* Label5 = nullptr;
    QSpinBox* udMoveSpeed = nullptr;
    QLabel* Label6 = nullptr;
    QSpinBox* udMaxCar = nullptr;
    QCheckBox* chkbRandom = nullptr;
    QLabel* Label7 = nullptr;
    QComboBox* cbLanguage = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QWidget* Panel2 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;

    std::string LanguageFileName;
    bool LanguageListLoaded = false;
    bool ResetHiScore = false;

protected:
    bool event(QEvent* event) override;

private:
    void BuildBasicPage();
    void BuildSoundPage();
    void BuildSpecialPage();
    void BuildButtonPanel();
    // The edit a browse button fills.
    QLineEdit* EditOf(QObject* button) const;

    DialogSeam& Seam;
};
