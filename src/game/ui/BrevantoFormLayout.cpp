// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls: menu, tool bar panel, paint box and status bar.
#include "ui/FieldView.h"
#include "ui/Glyphs.h"
#include "ui/QtOwned.h"
#include "ui/QtTranslations.h"
#include "game/ui/ControllerPoll.h"
#include "game/ui/HallOfFame.h"
#include "game/ui/ReplayDesk.h"
#include "game/ui/TAboutBox.h"
#include "game/ui/TBrevantoForm.h"
#include "game/ui/ViewControl.h"

#include "platform/Canvas.h"
#include "platform/Sound.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int ToolBarHeight = 30;

struct ToolButtonPlace {
    int left;
    brv::ToolGlyph glyph;
};

} // namespace

TBrevantoForm::TBrevantoForm(SettingsPlaces places, DialogSeam& seam, QWidget* parent)
    : QMainWindow(parent), Places(std::move(places)), Seam(seam),
      Clock(*this, [this] { Timer1Timer(); }),
      Sounds(std::make_unique<brv::Sound>(Places.ProgramDir))
{
    setObjectName(QStringLiteral("BrevantoForm"));
    setWindowTitle(QString::fromLatin1(ApplicationTitle));
    setWindowIcon(brv::ProgramIcon());
    QFont windowFont(QStringLiteral("Arial"));
    windowFont.setPointSize(9);
    setFont(windowFont);

    // The client area between menu bar and status bar: the tool bar panel on top, the paint
    // box filling the rest.
    auto* client = brv::MakeChild<QWidget>(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    auto* column = brv::MakeChild<QVBoxLayout>(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    setCentralWidget(client);

    BuildMenus();
    View = std::make_unique<ViewControl>(*this);
    BuildToolBar();
    BuildCourseChooser();
    column->addWidget(Panel1);

    PaintBox1 = brv::MakeChild<FieldView>(FieldImage, [this] { PaintBox1Paint(); }, client);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    PaintBox1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    column->addWidget(PaintBox1, 1);

    BuildStatusBar();
    BuildFieldMessages();

    Timer1 = Clock.Timer();
    SetTimerInterval(Options.Interval);
    Controller = std::make_unique<ControllerPoll>(*this, [this](brv::PadButton button) { GamepadPress(button); });

    FieldCanvasPtr = std::make_unique<brv::Canvas>(FieldImage);
    FieldCanvasPtr->SetChangeListener([this](const QRect& rect) { PaintBox1->UpdateImageRect(rect); });
    Rules.Field = FieldCanvasPtr.get();

    AboutBox = brv::MakeChild<TAboutBox>(this);
    Fame = brv::MakeChild<HallOfFame>(Places.DataDir, this);
    Replays = brv::MakeChild<ReplayDesk>(*this);

    // Design size and place; the first paint fits the client area to the course.
    resize(427, 254);
    move(200, 110);
}

void TBrevantoForm::BuildMenus()
{
    QMenuBar* bar = menuBar();
    const auto newMenu = [bar](const char* name, const char* caption) {
        QMenu* menu = bar->addMenu(QString::fromLatin1(caption));
        menu->setObjectName(QString::fromLatin1(name));
        // The menus follow the window's font, which the language may change.
        menu->setAttribute(Qt::WA_WindowPropagation);
        return menu;
    };
    const auto newItem = [this](QMenu* menu, const char* name, const char* caption,
                                void (TBrevantoForm::*handler)()) {
        QAction* action = menu->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };

    File1 = newMenu("File1", "&File");
    New1 = newItem(File1, "New1", "&New", &TBrevantoForm::New1Click);
    LoadCourse1 = newItem(File1, "LoadCourse1", "&Load Course...", &TBrevantoForm::LoadCourse1Click);
    Pause1 = newItem(File1, "Pause1", "&Pause", &TBrevantoForm::Pause1Click);
    Pause1->setCheckable(true);
    Pause1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    HiScores1 = newItem(File1, "HiScores1", "&Hi-Scores...", &TBrevantoForm::HiScores1Click);
    N1 = File1->addSeparator();
    N1->setObjectName(QStringLiteral("N1"));
    Exit1 = newItem(File1, "Exit1", "E&xit", &TBrevantoForm::Exit1Click);
    Exit1->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));

    Option1 = newMenu("Option1", "&Option");
    Setting = newItem(Option1, "Setting", "&Setting...", &TBrevantoForm::SettingClick);
    Keys1 = newItem(Option1, "Keys1", "&Keys...", &TBrevantoForm::KeysClick);

    Help1 = newMenu("Help1", "&Help");
    Control1 = newItem(Help1, "Control1", "&Control", &TBrevantoForm::Control1Click);
    N3 = Help1->addSeparator();
    N3->setObjectName(QStringLiteral("N3"));
    About1 = newItem(Help1, "About1", "&About...", &TBrevantoForm::About1Click);

    // The shortcuts act wherever the focus is in this window, also with the menu bar hidden.
    for (QAction* action : {Pause1, Exit1}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
}

void TBrevantoForm::BuildToolBar()
{
    Panel1 = brv::MakeChild<QWidget>(centralWidget());
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(ToolBarHeight);
    Panel1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);

    const auto newButton = [this](const char* name, int left, brv::ToolGlyph glyph,
                                  void (TBrevantoForm::*handler)()) {
        auto* button = brv::MakeChild<QToolButton>(Panel1);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(left, 4, 23, 22);
        button->setAutoRaise(true);
        button->setIcon(QIcon(brv::ToolGlyphPixmap(glyph)));
        button->setIconSize(QSize(16, 16));
        // The arrow keys belong to the game, never to a button.
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, handler);
        return button;
    };
    SpeedButton1 = newButton("SpeedButton1", 8, brv::ToolGlyph::New, &TBrevantoForm::New1Click);
    SpeedButton2 = newButton("SpeedButton2", 31, brv::ToolGlyph::LoadCourse,
                             &TBrevantoForm::LoadCourse1Click);
    sbPause = newButton("sbPause", 54, brv::ToolGlyph::Pause, &TBrevantoForm::Pause1Click);
    sbPause->setCheckable(true);
    SpeedButton4 = newButton("SpeedButton4", 77, brv::ToolGlyph::Exit, &TBrevantoForm::Exit1Click);
    SpeedButton5 = newButton("SpeedButton5", 108, brv::ToolGlyph::Setting,
                             &TBrevantoForm::SettingClick);
    SpeedButton6 = newButton("SpeedButton6", 140, brv::ToolGlyph::Control,
                             &TBrevantoForm::Control1Click);
    SpeedButton7 = newButton("SpeedButton7", 163, brv::ToolGlyph::About,
                             &TBrevantoForm::About1Click);
    sbHiScores = newButton("sbHiScores", 194, brv::ToolGlyph::HiScores,
                           &TBrevantoForm::HiScores1Click);
}

void TBrevantoForm::BuildStatusBar()
{
    StatusBar1 = statusBar();
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    // The window is fitted to the course; a size grip would only take room from the panels.
    StatusBar1->setSizeGripEnabled(false);
    for (size_t i = 0; i < StatusPanels.size(); ++i) {
        QLabel* panel = brv::MakeChild<QLabel>(StatusBar1);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setMinimumWidth(i == 0 ? 60 : 50);
        panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        StatusPanels[i] = panel;
    }
    // Panel 0 keeps its width, clipping a longer status text; panel 1, the hint, takes the
    // rest of the bar.
    StatusPanels[0]->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    StatusPanels[0]->setFixedWidth(60);
    StatusBar1->addPermanentWidget(StatusPanels[0], 0);
    StatusBar1->addPermanentWidget(StatusPanels[1], 1);
}

// The window class is declared in TBrevantoForm.h, whose meta-object code is built here.
#include "moc_TBrevantoForm.cpp"
