// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

QtTranslations::QtTranslations() : translator_(std::make_unique<QTranslator>()) {}

QtTranslations::~QtTranslations()
{
    if (installed_)
        QCoreApplication::removeTranslator(translator_.get());
}

bool QtTranslations::Apply(const QString& locale)
{
    if (locale == locale_)
        return installed_;
    locale_ = locale;
    if (installed_) {
        QCoreApplication::removeTranslator(translator_.get());
        installed_ = false;
    }
    if (locale.isEmpty())
        return false;
    const QString folder =
        folder_.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder_;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + locale, folder))
        return false;
    translator_ = std::move(translator);
    installed_ = QCoreApplication::installTranslator(translator_.get());
    return installed_;
}
