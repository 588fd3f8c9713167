// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/HiScoreNameDialog.h"

#include "game/ui/HiScoreTexts.h"
#include "ui/QtOwned.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

HiScoreNameDialog::HiScoreNameDialog(const HiScoreTexts& texts, int place, int score,
                                       const QString& course, const QString& offeredName,
                                       QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("HiScoreNameDialog"));
    setWindowTitle(texts.NameTitle);

    auto* column = brv::MakeChild<QVBoxLayout>(this);
    lPrompt = brv::MakeChild<QLabel>(
        texts.NamePrompt.arg(QString::number(place), QString::number(score), course), this);
    lPrompt->setObjectName(QStringLiteral("lPrompt"));
    lPrompt->setWordWrap(true);
    column->addWidget(lPrompt);

    eName = brv::MakeChild<QLineEdit>(offeredName.left(MaxNameLength), this);
    eName->setObjectName(QStringLiteral("eName"));
    eName->setMaxLength(MaxNameLength);
    eName->setMinimumWidth(eName->fontMetrics().averageCharWidth() * 24);
    eName->selectAll();
    lPrompt->setBuddy(eName);
    column->addWidget(eName);

    auto* buttons =
        brv::MakeChild<QDialogButtonBox>(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    bOK = buttons->button(QDialogButtonBox::Ok);
    bOK->setObjectName(QStringLiteral("bOK"));
    bOK->setDefault(true);
    bCancel = buttons->button(QDialogButtonBox::Cancel);
    bCancel->setObjectName(QStringLiteral("bCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);
    eName->setFocus();
}
