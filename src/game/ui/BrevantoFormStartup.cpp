// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and shut-down of the main window, with its settings and language operations.
#include "ui/DialogSeam.h"
#include "ui/FieldView.h"
#include "ui/Hints.h"
#include "ui/QtTranslations.h"
#include "ui/WindowPlacing.h"
#include "game/ui/HallOfFame.h"
#include "game/ui/ReplayDesk.h"
#include "game/ui/TBrevantoForm.h"
#include "game/ui/ControllerPoll.h"
#include "game/ui/ViewControl.h"

#include "config/model/AddedTexts.h"
#include "config/model/LanguageFile.h"
#include "config/model/LanguageLocale.h"
#include "platform/Blit.h"
#include "platform/Canvas.h"
#include "platform/IniFile.h"
#include "platform/Sheets.h"
#include "platform/Sound.h"
#include "platform/TextCodec.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPalette>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

TBrevantoForm::~TBrevantoForm()
{
    FormDestroy();
    if (AppEventsHooked)
        qApp->removeEventFilter(this);
}

void TBrevantoForm::HookApplicationEvents()
{
    // Deactivation: another application took the activation. Minimise and restore arrive as
    // window state changes (changeEvent), hints as status tips (event), keys through the filter.
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationInactive)
                    AppDeactivate();
            });
    qApp->installEventFilter(this);
    AppEventsHooked = true;
}

bool TBrevantoForm::FormCreate(const std::string& courseFile)
{
    Rules.Demo = true;
    HookApplicationEvents();
    LoadSettings();
    ApplyLanguage();
    if (!LoadBitmaps())
        return false;
    FieldCanvasPtr->SetFillColor(FieldGround);
    PaintBox1->SetBackground(brv::ColorFromBgr(FieldGround));

    Rules.Map = std::make_unique<TMap>(GroundBitmap.get(), CarBitmap.get(), Options.RedrawMap);
    PassErrorTextsToMap();
    if (!LoadStartCourse(courseFile))
        return false;
    Rules.StartPlay();
    Fame->CourseLoaded(Rules.MapName);
    ResizePending = true;
    Started = true;
    RenderField();
    PaintBox1->Invalidate();
    SetRunning(true);
    return true;
}

bool TBrevantoForm::LoadStartCourse(const std::string& courseFile)
{
    // As with Load Course, a course that cannot be loaded is reported and the game goes on with
    // the one it had: here, the course of the settings.
    if (!courseFile.empty()) {
        const std::string settingsCourse = Rules.MapName;
        Rules.MapName = courseFile;
        if (LoadCourseShowingError())
            return true;
        Rules.MapName = settingsCourse;
    }
    return LoadCourseShowingError();
}

bool TBrevantoForm::LoadBitmaps()
{
    const bool useSheetColor = Options.UseSheetColor;
    uint32_t color = Options.GroundColor;
    if (!useSheetColor && color == ColorButtonFace)
        color = brv::BgrFromColor(QApplication::palette().color(QPalette::Button));
    try {
        brv::LoadedSheets sheets =
            brv::LoadSheets(Options.GroundBitmapName, Options.CarBitmapName, color, useSheetColor);
        if (!useSheetColor && Options.GroundColor == ColorButtonFace && color == ColorSilver) {
            // Only a chosen silver keeps the sheets as drawn; a button face that happens to be
            // silver still repaints their background.
            const uint32_t key = brv::PixelBgr(sheets.Ground, 0, 0, 0);
            brv::ReplaceColor(sheets.Ground, key, color);
            brv::ReplaceColor(sheets.Car, key, color);
        }
        FieldGround = sheets.GroundColor;
        GroundBitmap = std::make_unique<QImage>(std::move(sheets.Ground));
        CarBitmap = std::make_unique<QImage>(std::move(sheets.Car));
    } catch (const brv::SheetError& error) {
        Seam.ShowError(this, QString::fromLatin1(ApplicationTitle), brv::DecodeText(error.what()));
        return false;
    }
    return true;
}

void TBrevantoForm::FormDestroy()
{
    if (Destroyed)
        return;
    Destroyed = true;
    Replays->StopWatching();
    Clock.Halt();
    // Settings are only written back by a game that started: a start that failed (no course,
    // no sheets) writes nothing, so it cannot leave a file that fails every later start.
    if (Started)
        SaveSettings();
    Rules.Cars.clear();
    Rules.MyCar.reset();
    Rules.Map.reset();
    CarBitmap.reset();
    GroundBitmap.reset();
    Started = false;
}

void TBrevantoForm::LoadSettings()
{
    Options = LoadSettingsFile(Places);
    SetTimerInterval(Options.Interval);
    PassSettingsToRules();
    if (!Options.ToolBar)
        Panel1->hide();
    if (!Options.StatusBar)
        StatusBar1->hide();
    ApplyKeys();
    if (Options.Left != 0)
        move(Options.Left, y());
    if (Options.Top != 0)
        move(x(), Options.Top);
    View->ApplySettings();
    FieldMessages1->setChecked(Options.FieldMessages);
}

void TBrevantoForm::PassSettingsToRules()
{
    Rules.MapName = Options.MapName;
    Rules.HiScore = Options.HiScore;
    Rules.MoveSpeed = Options.MoveSpeed;
    Rules.MaxCar = Options.MaxCar;
    Rules.RandomInit = Options.RandomInit;
}

void TBrevantoForm::TakeSettingsFromRules()
{
    Options.MapName = Rules.MapName;
    Options.HiScore = Rules.HiScore;
    Options.MoveSpeed = Rules.MoveSpeed;
    Options.MaxCar = Rules.MaxCar;
    Options.RandomInit = Rules.RandomInit;
}

void TBrevantoForm::SaveSettings()
{
    TakeSettingsFromRules();
    const QPoint place = View->WindowPlace();
    Options.Left = place.x();
    Options.Top = place.y();
    Options.ToolBar = View->ToolBarWanted();
    Options.StatusBar = View->StatusBarWanted();
    try {
        SaveSettingsFile(Options, Places);
    } catch (const brv::IniWriteError& error) {
        Seam.ShowError(this, QString::fromLatin1(ApplicationTitle), brv::DecodeText(error.what()));
    }
}

void TBrevantoForm::ApplyLanguage()
{
    // The language file is read once for the window's first texts and the later ones.
    const AddedTexts added(brv::IniFile(Options.LanguageFileName), Options.Language);
    const MainWindowTexts texts = ReadMainWindowTexts(added.File(), Options.Language);
    if (!QtTexts)
        QtTexts = std::make_unique<QtTranslations>();
    QtTexts->Apply(QString::fromStdString(LanguageLocale(added.File(), Options.Language)));
    bool fontChanged = false;
    const QFont windowFont = brv::LanguageFont(font(), brv::DecodeText(texts.FontName),
                                               texts.FontSize, fontChanged);
    if (fontChanged)
        setFont(windowFont);

    for (size_t k = 1; k <= 5; ++k)
        ErrorText[k] = texts.Error[k];
    for (size_t k = 1; k <= 3; ++k)
        StatusText[k] = texts.Status[k];
    ControlText = texts.Control;

    // A language that lacks its menu captions (a file with absurd numbers, say) still leaves
    // the menus reachable: the English ones stand in.
    const auto text = [&texts](size_t k) { return brv::DecodeText(MenuCaptionOrEnglish(texts, k)); };
    File1->setTitle(text(1));
    Option1->setTitle(text(2));
    Help1->setTitle(text(3));
    struct Item {
        QAction* action;
        QToolButton* button;
    };
    const std::array<Item, 7> items{{{New1, SpeedButton1},
                                     {LoadCourse1, SpeedButton2},
                                     {Pause1, sbPause},
                                     {Exit1, SpeedButton4},
                                     {Setting, SpeedButton5},
                                     {Control1, SpeedButton6},
                                     {About1, SpeedButton7}}};
    for (size_t i = 0; i < items.size(); ++i) {
        const size_t k = i + 4;
        const QString hint = brv::DecodeText(texts.Hint[k]);
        items[i].action->setText(text(k));
        items[i].action->setStatusTip(hint);
        items[i].button->setStatusTip(hint);
        items[i].button->setToolTip(brv::ShortHint(hint));
    }
    ApplyKeysLanguage(added);
    View->ApplyLanguage(added);
    ApplyHiScoreTexts(added);
    ApplyCourseChooserTexts(added);
    ApplyFieldMessageTexts(added);
    Replays->ApplyTexts(added);
}
