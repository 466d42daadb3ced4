#pragma once

#include <QLocale>
#include <QStringList>
#include <QTranslator>
#include <optional>
#include <utility>

namespace dicewright {

// A language the program speaks: the locale its numbers and dates follow, and the name of its
// catalogue of texts (":/i18n/dicewright_NAME.qm").
struct Language {
    QLocale locale;
    QString catalogue;
};

// The names of the program's catalogues among its resources ("en", "de", "pt_BR"; "en_XA" where
// the window tests link in the test language): the languages it speaks.
QStringList CarriedCatalogues();

// The first of `preferred` (tags such as "de-AT", "fr", "en_US") that the program speaks, in
// that tag's own locale; American English for anything else. "en-XA", the accented test
// language that browsers and phones know, shows English lengthened and accented, so that a
// text cut short or left out of the translations shows at once.
Language ChooseLanguage(const QStringList& preferred);

// The locale of the numbers and dates the program writes: the player's region, else the chosen
// language's own forms.
QLocale FormatsLocale(const std::optional<QLocale>& region, const Language& chosen);

// The program's texts and Qt's own in one language, installed into the application; numbers
// and dates then follow FormatsLocale.
class Translations {
    Q_DISABLE_COPY_MOVE(Translations)

public:
    // The catalogues come from `folder`: the program's own resources, or a test's.
    explicit Translations(QString folder = QStringLiteral(":/i18n"))
        : m_folder(std::move(folder)) {}
    ~Translations();

    // Replaces the language installed before, with the numbers and dates of `region`, or of
    // the language itself where none is given; false where the program has no such catalogue.
    bool install(const Language& language, const std::optional<QLocale>& region = std::nullopt);
    // The first of `preferred` that the program speaks and whose catalogue loads, else English,
    // with the player's regional formats: a catalogue missing from a build (the test language
    // from what players install) passes the choice on to the next language of the list.
    void installPreferred(const QStringList& preferred);

private:
    void uninstall();

    QString m_folder;
    QTranslator m_program;
    QTranslator m_qt;
};

}  // namespace dicewright
