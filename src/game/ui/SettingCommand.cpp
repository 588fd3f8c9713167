// SPDX-License-Identifier: GPL-3.0-or-later
// The Setting command: fills the settings dialog from the window, shows it, and applies what the
// user confirmed with OK.
#include "config/ui/TfSetting.h"
#include "ui/DialogSeam.h"
#include "ui/QtOwned.h"
#include "ui/WindowPlacing.h"
#include "game/ui/ReplayDesk.h"
#include "game/ui/TBrevantoForm.h"
#include "game/ui/ViewControl.h"

#include "course/TMap.h"
#include "platform/TextCodec.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QStatusBar>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

// The spinners hold signed 16-bit values; wider numbers keep their low 16 bits.
int16_t Low16(int64_t value)
{
    return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint64_t>(value) & 0xFFFFu));
}

// The dialog is made once and kept with the window, which frees it.
TfSetting& SettingDialog(TBrevantoForm& form, DialogSeam& seam)
{
    if (auto* dialog = form.findChild<TfSetting*>(QString(), Qt::FindDirectChildrenOnly))
        return *dialog;
    return *brv::MakeChild<TfSetting>(seam, &form);
}

// A path the user left alone keeps its bytes, whatever code page they are in; anything typed or
// browsed is taken as written, less line breaks and surrounding blanks.
std::string EditedText(const QLineEdit& edit, const std::string& before)
{
    const QString path = TypedPath(edit.text());
    return path == brv::DecodeText(before) ? before : brv::EncodeText(path);
}

} // namespace

void TBrevantoForm::SettingClick()
{
    Replays->StopWatching();
    TimerSuspension suspension(*this);
    TfSetting& fSetting = SettingDialog(*this, Seam);

    brv::CentreOver(fSetting, *this);

    fSetting.ChangeFont(font().family(), font().pointSize());

    // An empty table (an odd tile size) has no index at all: the spinner then offers 0 alone,
    // and MoveSpeed never becomes negative below.
    const int64_t highest = static_cast<int64_t>(Rules.SpeedTable.size()) - 1;
    const int maximum =
        static_cast<int>(std::clamp<int64_t>(highest, 0, std::numeric_limits<int16_t>::max()));
    if (fSetting.udMoveSpeed->maximum() != maximum)
        fSetting.udMoveSpeed->setMaximum(maximum);

    if (!fSetting.LanguageListLoaded)
        fSetting.LoadLanguageList(Options.LanguageFileName);
    fSetting.ResetHiScore = false;

    // Ticks nested this deep suggest the clock runs too fast for the machine: propose a longer
    // period. The spinners keep a value within their ranges.
    const int64_t proposal =
        Rules.MaxOverlap <= 1
            ? int64_t{Options.Interval}
            : int64_t{static_cast<uint32_t>(Options.Interval) * Rules.MaxOverlap};
    fSetting.udTimer->setValue(Low16(proposal));
    fSetting.chkbScreen->setChecked(Options.SaveScreen);
    fSetting.chkbToolBar->setChecked(View->ToolBarWanted());
    fSetting.chkbStatusBar->setChecked(View->StatusBarWanted());
    fSetting.chkbSound->setChecked(Options.SoundOn);
    fSetting.eRunWave->setText(brv::DecodeText(Options.RunWave));
    fSetting.eEatWave->setText(brv::DecodeText(Options.EatWave));
    fSetting.eCrashWave->setText(brv::DecodeText(Options.CrashWave));
    fSetting.udMoveSpeed->setValue(Low16(Rules.MoveSpeed));
    fSetting.udMaxCar->setValue(Low16(Rules.MaxCar));
    fSetting.chkbRandom->setChecked(Rules.RandomInit);

    // The dialog may still show a language previewed at an earlier opening.
    if (int64_t{fSetting.cbLanguage->currentIndex()} + 1 != Options.Language)
        fSetting.ApplyLanguage(Options.Language);

    if (Seam.ExecDialog(fSetting) != QDialog::Accepted)
        return;

    if (fSetting.ResetHiScore) {
        Rules.HiScore = 0;
        Options.HiScoreReset = true;
        if (Rules.Map && FieldCanvas())
            Rules.Map->DrawScore(*FieldCanvas(), 0, true);
    }

    const int16_t t = Low16(fSetting.udTimer->value());
    if (t != 0 && t != Options.Interval)
        SetTimerInterval(t);

    Options.SaveScreen = fSetting.chkbScreen->isChecked();

    View->ShowBars(fSetting.chkbToolBar->isChecked(), fSetting.chkbStatusBar->isChecked());

    Options.SoundOn = fSetting.chkbSound->isChecked();
    Options.RunWave = EditedText(*fSetting.eRunWave, Options.RunWave);
    Options.EatWave = EditedText(*fSetting.eEatWave, Options.EatWave);
    Options.CrashWave = EditedText(*fSetting.eCrashWave, Options.CrashWave);

    // MoveSpeed indexes the speed table: never negative.
    Rules.MoveSpeed = std::max<int32_t>(0, Low16(fSetting.udMoveSpeed->value()));
    Rules.MaxCar = Low16(fSetting.udMaxCar->value());
    Rules.RandomInit = fSetting.chkbRandom->isChecked();

    const int32_t chosen = fSetting.cbLanguage->currentIndex() + 1;
    if (chosen != Options.Language) {
        Options.Language = chosen;
        ApplyLanguage();
        if (!suspension.WasRunning())
            SetStatusText(StatusText[2]);
        else if (Rules.Demo)
            SetStatusText(StatusText[3]);
        else
            SetStatusText(StatusText[1]);
        if (Rules.Map)
            PassErrorTextsToMap();
    }
}
