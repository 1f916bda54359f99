#include "ui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {

// Where the build puts the compiled translations among the program's resources.
const QString kResourceFolder = QStringLiteral(":/i18n");

} // namespace

const QStringList& translatedLanguages() {
    static const QStringList languages = {QStringLiteral("cs"), QStringLiteral("sk"), QStringLiteral("pl"),
                                          QStringLiteral("hu"), QStringLiteral("de")};
    return languages;
}

QString pickLanguage(const QStringList& uiLanguages) {
    for (const QString& name : uiLanguages) {
        const QLocale::Language language = QLocale(name).language();
        if (language == QLocale::English)
            return {};
        const QString code = QLocale::languageToCode(language);
        if (translatedLanguages().contains(code))
            return code;
    }
    return {};
}

Translations::~Translations() {
    remove();
}

QString Translations::install(const QLocale& locale) {
    remove();
    const QString language = pickLanguage(locale.uiLanguages());
    if (language.isEmpty() || !program.load(QStringLiteral("scale-utility_") + language, kResourceFolder))
        return {};
    programInstalled = QCoreApplication::installTranslator(&program);
    if (qt.load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        qtInstalled = QCoreApplication::installTranslator(&qt);
    return language;
}

void Translations::remove() {
    if (programInstalled)
        QCoreApplication::removeTranslator(&program);
    if (qtInstalled)
        QCoreApplication::removeTranslator(&qt);
    programInstalled = qtInstalled = false;
}
