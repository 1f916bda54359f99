// The program's texts in the desktop's language: its own translations, compiled into the program,
// and Qt's own for the standard dialogs and buttons, loaded for the same language so that no dialog
// mixes two. English, the language the texts are written in, needs nothing loaded.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

// The languages the program is translated into, as their two-letter codes.
const QStringList& translatedLanguages();

// The first of the desktop's languages, most preferred first, that the program speaks: a code of
// translatedLanguages(), or an empty text for English (asked for first, or no language fits).
QString pickLanguage(const QStringList& uiLanguages);

// Installs the translations for a locale's languages while it lives; removes them when destroyed.
class Translations {
public:
    Translations() = default;
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;
    ~Translations();

    // The language installed (empty: English, nothing installed). Qt's own translation is added when
    // it is installed on this machine; without it only the standard buttons stay English.
    QString install(const QLocale& locale);

private:
    void remove();

    QTranslator program;
    QTranslator qt;
    bool programInstalled = false;
    bool qtInstalled = false;
};
