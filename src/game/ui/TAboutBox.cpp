// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/TAboutBox.h"

#include "BrevantoBuild.h"

#include "ui/Glyphs.h"
#include "ui/QtOwned.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Version Information"));
    setFixedSize(298, 213);
    QFont boxFont(QStringLiteral("Arial"));
    boxFont.setPixelSize(12);
    setFont(boxFont);

    Panel1 = brv::MakeChild<QFrame>(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(8, 8, 281, 161);
    Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Panel1->setLineWidth(1);
    Panel1->setMidLineWidth(0);

    ProgramIcon = brv::MakeChild<QLabel>(Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(8, 8, 65, 57);
    ProgramIcon->setScaledContents(true);
    ProgramIcon->setPixmap(brv::ProgramPicture(64));

    ProductName = brv::MakeChild<QLabel>(QStringLiteral("Brevanto"), Panel1);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    ProductName->move(88, 16);
    ProductName->adjustSize();

    Version = brv::MakeChild<QLabel>(QStringLiteral("Version ") + QString::fromLatin1(BrevantoVersion), Panel1);
    Version->setObjectName(QStringLiteral("Version"));
    Version->move(88, 40);
    Version->adjustSize();

    OKButton = brv::MakeChild<QPushButton>(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(111, 180, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}
