#include "language/language.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTranslator>
#include <memory>

namespace tivora {
namespace {

// The catalogue compiled from translations/tivora_hi.ts into this library's
// resources.
constexpr const char* kHindiCatalogue = ":/i18n/tivora_hi.qm";

// "hi", "hi_IN", "hi_IN.UTF-8", "hi@devanagari": the language part names it.
QString LanguageOf(const QString& locale) {
    QString language = locale;
    for (const QChar stop : {QLatin1Char('_'), QLatin1Char('.'), QLatin1Char('@')}) {
        const qsizetype at = language.indexOf(stop);
        if (at >= 0)
            language.truncate(at);
    }
    return language.toLower();
}

QString SpokenLanguage(const QString& locale) {
    return LanguageOf(locale) == QLatin1String(kHindi) ? QString::fromLatin1(kHindi)
                                                       : QString::fromLatin1(kEnglish);
}

struct Installed {
    std::unique_ptr<QTranslator> translator;
    QString language = QString::fromLatin1(kEnglish);
};

Installed& Current() {
    static Installed installed;
    return installed;
}

} // namespace

QString ProcessEnvironment(const char* name) {
    return qEnvironmentVariable(name);
}

QString ChooseLanguage(const QString& storedChoice, const EnvironmentLookup& environment) {
    if (storedChoice == QLatin1String(kEnglish) || storedChoice == QLatin1String(kHindi))
        return storedChoice;

    // LANGUAGE lists languages in order of preference and overrides the
    // locale: the first one the program speaks decides, and a list of only
    // others leaves the program's own English.
    const QString preferred = environment("LANGUAGE");
    if (!preferred.isEmpty()) {
        for (const QString& entry : preferred.split(QLatin1Char(':'))) {
            const QString language = LanguageOf(entry);
            if (language == QLatin1String(kHindi) || language == QLatin1String(kEnglish))
                return language;
        }
        return QString::fromLatin1(kEnglish);
    }
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment(name);
        if (!locale.isEmpty())
            break;
    }
    return SpokenLanguage(locale);
}

bool InstallLanguage(const QString& language) {
    Installed& current = Current();
    if (current.translator) {
        QCoreApplication::removeTranslator(current.translator.get());
        current.translator.reset();
    }
    current.language = QString::fromLatin1(kEnglish);
    if (language != QLatin1String(kHindi))
        return true;

    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QString::fromLatin1(kHindiCatalogue)) ||
        !QCoreApplication::installTranslator(translator.get()))
        return false;
    current.translator = std::move(translator);
    current.language = language;
    return true;
}

QString InstalledLanguage() {
    return Current().language;
}

} // namespace tivora
