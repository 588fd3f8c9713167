// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ui/TfSetting.h"

#include "config/model/LanguageFile.h"
#include "ui/DialogSeam.h"
#include "ui/Glyphs.h"
#include "ui/Hints.h"
#include "ui/QtOwned.h"
#include "ui/WindowPlacing.h"
#include "platform/TextCodec.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <cstdint>

namespace {

const char* const WaveFilter = "Wave File(*.WAV)|*.wav";

// A hint's short part is the tooltip; the whole hint stays the status tip.
void SetHint(QWidget* widget, const QString& hint)
{
    widget->setToolTip(brv::ShortHint(hint));
    widget->setStatusTip(hint);
}

// Whether two names are the same file: exact after both are made absolute, letter case included.
bool SameFile(const QString& a, const QString& b)
{
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

template <class T>
T* Named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// The spinners: plain digits, no wrap-around, keyboard steps of one.
QSpinBox* NewSpinner(QWidget* parent, const char* name, int minimum, int maximum, int value)
{
    auto* spinner = Named(brv::MakeChild<QSpinBox>(parent), name);
    spinner->setRange(minimum, maximum);
    spinner->setSingleStep(1);
    spinner->setWrapping(false);
    spinner->setGroupSeparatorShown(false);
    spinner->setValue(value);
    return spinner;
}

// The pages are small: tighter margins than the style's keep every control in the design size.
QGridLayout* NewPageGrid(QWidget* page)
{
    auto* grid = brv::MakeChild<QGridLayout>(page);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setSpacing(4);
    return grid;
}

} // namespace

TfSetting::TfSetting(DialogSeam& seam, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), Seam(seam)
{
    setObjectName(QStringLiteral("fSetting"));
    setWindowTitle(QStringLiteral("fSetting"));
    QFont dialogFont(QStringLiteral("Arial"));
    dialogFont.setPointSize(9);
    setFont(dialogFont);

    auto* column = brv::MakeChild<QVBoxLayout>(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    PageControl1 = Named(brv::MakeChild<QTabWidget>(this), "PageControl1");
    column->addWidget(PageControl1, 1);
    BuildBasicPage();
    BuildSoundPage();
    BuildSpecialPage();
    BuildButtonPanel();
    column->addWidget(Panel2);

    // Design size; a font whose texts need more room makes the layout's minimum win.
    resize(232, 203);
    column->activate();
}

bool TfSetting::event(QEvent* event)
{
    // A status tip stops at its own window; the dialog's hints belong in the status bar of the
    // window that owns it, as that window's own do.
    if (event->type() == QEvent::StatusTip && parentWidget()) {
        QCoreApplication::sendEvent(parentWidget(), event);
        return true;
    }
    return QDialog::event(event);
}

void TfSetting::BuildBasicPage()
{
    TabSheet1 = Named(brv::MakeChild<QWidget>(), "TabSheet1");
    PageControl1->addTab(TabSheet1, QStringLiteral("Basic"));
    auto* grid = NewPageGrid(TabSheet1);

    Label1 = Named(brv::MakeChild<QLabel>(QStringLiteral("Timer Speed"), TabSheet1), "Label1");
    udTimer = NewSpinner(TabSheet1, "udTimer", 50, 1000, 50);
    Label1->setBuddy(udTimer);
    chkbScreen = Named(
        brv::MakeChild<QCheckBox>(QStringLiteral("Memorize Window Position"), TabSheet1),
        "chkbScreen");
    chkbToolBar =
        Named(brv::MakeChild<QCheckBox>(QStringLiteral("ToolBar"), TabSheet1), "chkbToolBar");
    chkbStatusBar =
        Named(brv::MakeChild<QCheckBox>(QStringLiteral("StatusBar"), TabSheet1), "chkbStatusBar");

    grid->addWidget(Label1, 0, 0);
    grid->addWidget(udTimer, 0, 1);
    grid->addWidget(chkbScreen, 1, 0, 1, 2);
    grid->addWidget(chkbToolBar, 2, 0, 1, 2);
    grid->addWidget(chkbStatusBar, 3, 0, 1, 2);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(1, 1);
}

void TfSetting::BuildSoundPage()
{
    TabSheet2 = Named(brv::MakeChild<QWidget>(), "TabSheet2");
    PageControl1->addTab(TabSheet2, QStringLiteral("Sound"));
    auto* grid = NewPageGrid(TabSheet2);

    chkbSound = Named(brv::MakeChild<QCheckBox>(QStringLiteral("Sound Available"), TabSheet2),
                      "chkbSound");
    grid->addWidget(chkbSound, 0, 0, 1, 3);

    const QIcon browseIcon(brv::ToolGlyphPixmap(brv::ToolGlyph::LoadCourse));
    const auto newRow = [&](int row, const char* labelName, const char* caption,
                            const char* editName, const char* buttonName, QLabel*& label,
                            QLineEdit*& edit, QToolButton*& button) {
        label = Named(brv::MakeChild<QLabel>(QString::fromLatin1(caption), TabSheet2), labelName);
        edit = Named(brv::MakeChild<QLineEdit>(TabSheet2), editName);
        label->setBuddy(edit);
        button = Named(brv::MakeChild<QToolButton>(TabSheet2), buttonName);
        button->setIcon(browseIcon);
        button->setIconSize(QSize(16, 16));
        SetHint(button, QStringLiteral("Refference"));
        QToolButton* pressed = button;
        connect(button, &QToolButton::clicked, this, [this, pressed] { SpeedButton1Click(pressed); });
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(button, row, 2);
    };
    newRow(1, "Label2", "Run", "eRunWave", "SpeedButton1", Label2, eRunWave, SpeedButton1);
    newRow(2, "Label3", "Eat", "eEatWave", "SpeedButton2", Label3, eEatWave, SpeedButton2);
    newRow(3, "Label4", "Crash", "eCrashWave", "SpeedButton3", Label4, eCrashWave, SpeedButton3);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(1, 1);
}

void TfSetting::BuildSpecialPage()
{
    TabSheet3 = Named(brv::MakeChild<QWidget>(), "TabSheet3");
    PageControl1->addTab(TabSheet3, QStringLiteral("Special"));
    auto* grid = NewPageGrid(TabSheet3);

    Label5 = Named(brv::MakeChild<QLabel>(QStringLiteral("Move Speed"), TabSheet3), "Label5");
    udMoveSpeed = NewSpinner(TabSheet3, "udMoveSpeed", 0, 6, 1);
    Label5->setBuddy(udMoveSpeed);
    Label6 = Named(brv::MakeChild<QLabel>(QStringLiteral("Max Car"), TabSheet3), "Label6");
    udMaxCar = NewSpinner(TabSheet3, "udMaxCar", 1, 100, 1);
    Label6->setBuddy(udMaxCar);
    chkbRandom =
        Named(brv::MakeChild<QCheckBox>(QStringLiteral("Randomize"), TabSheet3), "chkbRandom");
    Label7 = Named(brv::MakeChild<QLabel>(QStringLiteral("Language"), TabSheet3), "Label7");
    cbLanguage = Named(brv::MakeChild<QComboBox>(TabSheet3), "cbLanguage");
    cbLanguage->setEditable(false);
    cbLanguage->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cbLanguage->setMinimumContentsLength(8);
    Label7->setBuddy(cbLanguage);
    // Only a selection by the user previews a language; filling the list does not.
    connect(cbLanguage, &QComboBox::activated, this, [this] { cbLanguageChange(); });
    BitBtn1 = Named(brv::MakeChild<QPushButton>(QStringLiteral("HiScore"), TabSheet3), "BitBtn1");
    BitBtn1->setAutoDefault(false);
    SetHint(BitBtn1, QStringLiteral("Reset HiScore"));
    connect(BitBtn1, &QPushButton::clicked, this, &TfSetting::BitBtn1Click);

    grid->addWidget(Label5, 0, 0);
    grid->addWidget(udMoveSpeed, 0, 1);
    grid->addWidget(Label6, 1, 0);
    grid->addWidget(udMaxCar, 1, 1);
    grid->addWidget(chkbRandom, 2, 0);
    grid->addWidget(BitBtn1, 2, 1);
    grid->addWidget(Label7, 3, 0);
    grid->addWidget(cbLanguage, 3, 1);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(1, 1);
}

void TfSetting::BuildButtonPanel()
{
    Panel2 = Named(brv::MakeChild<QWidget>(this), "Panel2");
    auto* row = brv::MakeChild<QHBoxLayout>(Panel2);
    row->setContentsMargins(6, 4, 6, 4);
    row->addStretch(1);
    BitBtn2 = Named(brv::MakeChild<QPushButton>(QStringLiteral("OK"), Panel2), "BitBtn2");
    BitBtn2->setDefault(true);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::accept);
    // Escape rejects the dialog by itself; Return must never land on Cancel.
    BitBtn3 = Named(brv::MakeChild<QPushButton>(QStringLiteral("Cancel"), Panel2), "BitBtn3");
    BitBtn3->setAutoDefault(false);
    connect(BitBtn3, &QPushButton::clicked, this, &QDialog::reject);
    for (QPushButton* button : {BitBtn2, BitBtn3}) {
        button->setMinimumWidth(75);
        row->addWidget(button);
    }
}

void TfSetting::ChangeFont(const QString& family, int pointSize)
{
    bool changed = false;
    const QFont dialogFont = brv::LanguageFont(font(), family, pointSize, changed);
    if (!changed)
        return;
    setFont(dialogFont);
    repaint();
}

void TfSetting::LoadLanguageList(const std::string& fileName)
{
    LanguageFileName = fileName;
    cbLanguage->clear();
    for (const std::string& section : ReadLanguageList(fileName))
        cbLanguage->addItem(brv::DecodeText(section));
    cbLanguage->setCurrentIndex(cbLanguage->count() > 0 ? 0 : -1);
    LanguageListLoaded = true;
}

void TfSetting::ApplyLanguage(int32_t index)
{
    const DialogTexts texts = ReadDialogTexts(LanguageFileName, index);
    ChangeFont(brv::DecodeText(texts.FontName), texts.FontSize);

    const auto text = [](const std::string& bytes) { return brv::DecodeText(bytes); };
    PageControl1->setTabText(PageControl1->indexOf(TabSheet1), text(texts.Tab[1]));
    PageControl1->setTabText(PageControl1->indexOf(TabSheet2), text(texts.Tab[2]));
    PageControl1->setTabText(PageControl1->indexOf(TabSheet3), text(texts.Tab[3]));
    // The keys follow the order of the dialog's texts, not the names of the controls.
    Label1->setText(text(texts.Label[1]));
    chkbScreen->setText(text(texts.Label[2]));
    chkbToolBar->setText(text(texts.Label[3]));
    chkbStatusBar->setText(text(texts.Label[4]));
    chkbSound->setText(text(texts.Label[5]));
    Label2->setText(text(texts.Label[6]));
    Label3->setText(text(texts.Label[7]));
    Label4->setText(text(texts.Label[8]));
    Label5->setText(text(texts.Label[9]));
    Label6->setText(text(texts.Label[10]));
    chkbRandom->setText(text(texts.Label[11]));
    Label7->setText(text(texts.Label[12]));
    BitBtn1->setText(text(texts.Label[13]));
    SetHint(BitBtn1, text(texts.Label13Hint));
    SetHint(SpeedButton1, text(texts.Label14Hint));
    for (QToolButton* button : {SpeedButton2, SpeedButton3}) {
        button->setToolTip(SpeedButton1->toolTip());
        button->setStatusTip(SpeedButton1->statusTip());
    }

    cbLanguage->clear();
    for (const std::string& name : texts.LanguageNames)
        cbLanguage->addItem(text(name));
    // A language that names fewer languages than its number leaves nothing selected.
    const int64_t position = int64_t{index} - 1;
    cbLanguage->setCurrentIndex(position >= 0 && position < cbLanguage->count()
                                    ? static_cast<int>(position)
                                    : -1);
}

void TfSetting::BitBtn1Click()
{
    ResetHiScore = true;
}

QLineEdit* TfSetting::EditOf(QObject* button) const
{
    if (button == SpeedButton1)
        return eRunWave;
    if (button == SpeedButton2)
        return eEatWave;
    if (button == SpeedButton3)
        return eCrashWave;
    return nullptr;
}

void TfSetting::SpeedButton1Click(QObject* sender)
{
    QLineEdit* edit = EditOf(sender);
    if (!edit)
        return;
    const QString preset = TypedPath(edit->text());
    const QString chosen = Seam.OpenFile(this, QtFileFilter(WaveFilter), preset, false);
    if (chosen.isEmpty())
        return;
    // The same file chosen again keeps the edit as the user wrote it.
    if (!preset.isEmpty() && SameFile(chosen, preset))
        return;
    edit->setText(chosen);
}

QString TypedPath(const QString& text)
{
    QString path = text;
    path.remove(QLatin1Char('\r'));
    path.remove(QLatin1Char('\n'));
    return path.trimmed();
}

void TfSetting::cbLanguageChange()
{
    ApplyLanguage(cbLanguage->currentIndex() + 1);
}
