// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The toolkit's own texts (Cancel, Yes, No, the file dialog) in the program's language: Qt's
// translation of its base module for the locale, from where Qt keeps its translations. A locale
// whose translation is not installed leaves them in English.
#include <QString>

#include <memory>

class QTranslator;

class QtTranslations {
public:
    QtTranslations();
    ~QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    // Installs the translation for `locale` ("ja") in place of the one before; an empty locale
    // takes it away. True when a translation is in force afterwards.
    bool Apply(const QString& locale);
    // Where the translations are looked for; Qt's own folder unless set.
    void SetFolder(const QString& folder) { folder_ = folder; }

private:
    std::unique_ptr<QTranslator> translator_;
    QString locale_;
    QString folder_;
    bool installed_ = false;
};
