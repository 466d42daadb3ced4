#include "languages/language.h"

#include <QCoreApplication>
#include <QDir>

#include "languages/program_locale.h"
#include "languages/regional_formats.h"

namespace dicewright {
namespace {

// The catalogues the program carries besides English, by their language: "pt_BR" speaks to
// every Portuguese. A language is spoken once its catalogue is among the program's resources.
QList<std::pair<QLocale::Language, QString>> Translated() {
    static const QList<std::pair<QLocale::Language, QString>> translated = [] {
        QList<std::pair<QLocale::Language, QString>> found;
        for (const QString& name : CarriedCatalogues()) {
            const QLocale::Language language = QLocale(name).language();
            if (language != QLocale::English && language != QLocale::C)
                found.append({language, name});
        }
        return found;
    }();
    return translated;
}

}  // namespace

QStringList CarriedCatalogues() {
    const QString prefix = QStringLiteral("dicewright_");
    QStringList names;
    for (const QString& file :
         QDir(QStringLiteral(":/i18n")).entryList({prefix + QStringLiteral("*.qm")}, QDir::Files))
        names << file.mid(prefix.size()).chopped(3);
    return names;
}

Language ChooseLanguage(const QStringList& preferred) {
    const Language english{QLocale(QLocale::English, QLocale::UnitedStates), QStringLiteral("en")};
    for (QString tag : preferred) {
        tag.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (tag.compare(QLatin1String("en_XA"), Qt::CaseInsensitive) == 0)
            return {english.locale, QStringLiteral("en_XA")};
        const QLocale locale(tag);
        // QLocale reads what it does not know as the C locale.
        if (locale.language() == QLocale::C) continue;
        // English in the tag's own forms: "en" alone is American English.
        if (locale.language() == QLocale::English) return {locale, english.catalogue};
        for (const auto& [spoken, catalogue] : Translated()) {
            if (locale.language() == spoken) return {locale, catalogue};
        }
    }
    return english;
}

QLocale FormatsLocale(const std::optional<QLocale>& region, const Language& chosen) {
    return region.value_or(chosen.locale);
}

void Translations::installPreferred(const QStringList& preferred) {
    const QString english = QStringLiteral("en");
    const std::optional<QLocale> region = RegionalFormats();
    for (const QString& tag : preferred) {
        const Language language = ChooseLanguage({tag});
        // A tag the program does not speak chooses English: the next tag may be spoken.
        const bool spoken =
            language.catalogue != english ||
            QLocale(QString(tag).replace(u'-', u'_')).language() == QLocale::English;
        if (spoken && install(language, region)) return;
    }
    install(ChooseLanguage({english}), region);
}

Translations::~Translations() {
    uninstall();
}

void Translations::uninstall() {
    QCoreApplication::removeTranslator(&m_program);
    QCoreApplication::removeTranslator(&m_qt);
}

bool Translations::install(const Language& language, const std::optional<QLocale>& region) {
    uninstall();
    const QString& folder = m_folder;
    if (!m_program.load(QStringLiteral("dicewright_") + language.catalogue, folder)) return false;
    // Qt's own texts the windows show: the Close and OK buttons, a field's menu, key names.
    if (m_qt.load(QStringLiteral("qt_") + language.catalogue, folder))
        QCoreApplication::installTranslator(&m_qt);
    QCoreApplication::installTranslator(&m_program);
    UseProgramLocale(FormatsLocale(region, language));
    return true;
}

}  // namespace dicewright
