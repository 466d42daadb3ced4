// The program in each language it speaks and in the long accented test language: the language
// chosen from the player's list, every caption and spoken text translated, dice named with the
// language's letter, numbers, dates, times and plurals as the language writes them, and every
// caption whole and legible on the designed window.
#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/app.h"
#include "languages/language.h"
#include "languages/program_locale.h"
#include "main_window/main_window.h"
#include "main_window/main_window_layout.h"
#include "qt_test_main.h"
#include "roll_log/roll_log_model.h"
#include "scripted_main_window.h"
#include "splash_window/splash_window.h"
#include "widgets/fitted_label.h"
#include "widgets/wrapping_button.h"
#include "window_controls.h"
#include "wording/difficulty_text.h"
#include "wording/odds_text.h"

using namespace dicewright;
using dicewright::testing::FindControl;
using dicewright::testing::MainWindowFixture;
using dicewright::testing::OptionName;

namespace {

void Speak(const QString& catalogue) {
    auto* app = qobject_cast<Application*>(QCoreApplication::instance());
    QVERIFY(app->useLanguage(
        ChooseLanguage({catalogue == u"en_XA" ? QStringLiteral("en-XA") : catalogue})));
}

// The captions of `window` whose text does not fit where they are placed.
QStringList CutCaptions(const QWidget& window) {
    QStringList cut;
    for (const QWidget* child : window.findChildren<QWidget*>()) {
        if (!child->isVisibleTo(&window) || child->objectName().startsWith(u"qt_")) continue;
        const auto* label = qobject_cast<const QLabel*>(child);
        const auto* button = qobject_cast<const QAbstractButton*>(child);
        if ((label == nullptr && button == nullptr) || child->objectName().isEmpty()) continue;
        const QString text = label ? label->text() : button->text();
        if (text.isEmpty()) continue;
        bool fits = child->sizeHint().width() <= child->width();
        if (label && label->wordWrap()) {
            fits = label->heightForWidth(label->width()) <= label->height();
        } else if (const auto* wrapping = qobject_cast<const WrappingButton*>(child)) {
            const QRect area = wrapping->captionArea();
            const QRect needed = QFontMetrics(wrapping->captionFont())
                                     .boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, text);
            fits = area.contains(needed);
        } else if (qobject_cast<const QPushButton*>(child)) {
            fits = child->fontMetrics().horizontalAdvance(text) < child->width();
        } else if (qobject_cast<const FittedLabel*>(child)) {
            // A display takes its text's width: it must stay within the window.
            fits = child->fontMetrics().horizontalAdvance(text) <= child->width() &&
                   window.rect().contains(QRect(child->mapTo(&window, QPoint()), child->size()));
        }
        if (!fits) cut << child->objectName() + QStringLiteral(": ") + text;
    }
    return cut;
}

// The captions of the designed window drawn at less than 80% of their designed size: ROLL and
// EXIT in 18 points, the others in the window's own 12.
QStringList ShrunkCaptions(const QWidget& window) {
    QStringList shrunk;
    QStringList names{"StepDiceLabel", "Label1", "DifficultyLabel", "BonusStepLabel", "lblChance"};
    for (int step = 1; step <= 40; ++step) names << OptionName(step);
    for (const QString& name : names + QStringList{"Command1", "cmdExit"}) {
        const auto* caption = window.findChild<const QWidget*>(name);
        if (caption == nullptr || !caption->isVisibleTo(&window)) continue;
        const qreal designed = names.contains(name) ? 12 : 18;
        const qreal drawn = caption->font().pointSizeF() / designed;
        if (drawn < 0.8) shrunk << QStringLiteral("%1 at %2%").arg(name).arg(qRound(drawn * 100));
    }
    return shrunk;
}

}  // namespace

class LanguageTest : public MainWindowFixture {
    Q_OBJECT

    QString text(const QString& name) {
        if (auto* label = m_window->findChild<QLabel*>(name)) return label->text();
        return control<QAbstractButton>(name)->text();
    }

private slots:
    void cleanup() {
        close();
        Speak(QStringLiteral("en"));
    }

    // The first language of the player's list that the program speaks, in that tag's locale.
    void choosesTheFirstLanguageItSpeaks_data() {
        QTest::addColumn<QStringList>("preferred");
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<QString>("locale");
        QTest::newRow("German") << QStringList{"de-DE", "de"} << "de"
                                << "de_DE";
        QTest::newRow("Austrian German") << QStringList{"de-AT"} << "de"
                                         << "de_AT";
        QTest::newRow("French after Japanese") << QStringList{"ja", "fr-CA"} << "fr"
                                               << "fr_CA";
        QTest::newRow("British English before German") << QStringList{"en-GB", "de"} << "en"
                                                       << "en_GB";
        QTest::newRow("English") << QStringList{"en"} << "en"
                                 << "en_US";
        QTest::newRow("Portuguese from Portugal") << QStringList{"pt-PT", "de"} << "pt_BR"
                                                  << "pt_PT";
        QTest::newRow("Russian") << QStringList{"ru-RU"} << "ru"
                                 << "ru_RU";
        QTest::newRow("none it speaks") << QStringList{"ja", "xx"} << "en"
                                        << "en_US";
        QTest::newRow("no list") << QStringList{} << "en"
                                 << "en_US";
        QTest::newRow("test language") << QStringList{"en-XA", "de"} << "en_XA"
                                       << "en_US";
    }
    void choosesTheFirstLanguageItSpeaks() {
        QFETCH(QStringList, preferred);
        const Language chosen = ChooseLanguage(preferred);
        QTEST(chosen.catalogue, "catalogue");
        QTEST(chosen.locale.name(), "locale");
    }

    // Numbers follow the player's region, whatever language the texts are in; with no region
    // they follow the language.
    void formatsFollowTheRegion_data() {
        QTest::addColumn<QString>("region");  // empty: none
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("number");
        QTest::newRow("English texts, German region") << "de_DE"
                                                      << "en"
                                                      << "1.152.000,5";
        QTest::newRow("German texts, American region") << "en_US"
                                                       << "de"
                                                       << "1,152,000.5";
        QTest::newRow("German texts, Swiss region") << "de_CH"
                                                    << "de"
                                                    << "1’152’000.5";
        QTest::newRow("German texts, no region") << ""
                                                 << "de"
                                                 << "1.152.000,5";
        QTest::newRow("British texts, no region") << ""
                                                  << "en-GB"
                                                  << "1,152,000.5";
    }
    void formatsFollowTheRegion() {
        QFETCH(QString, region);
        QFETCH(QString, language);
        const std::optional<QLocale> regional =
            region.isEmpty() ? std::nullopt : std::optional<QLocale>(QLocale(region));
        QTEST(FormatsLocale(regional, ChooseLanguage({language})).toString(1152000.5, 'f', 1),
              "number");
    }

    // A catalogue that a build lacks passes the choice on to the next language of the list, not
    // to English at once.
    void aMissingCatalogueGivesWay_data() {
        QTest::addColumn<QStringList>("carried");
        QTest::addColumn<QStringList>("preferred");
        QTest::addColumn<QString>("roll");
        QTest::newRow("German missing")
            << QStringList{"en", "fr"} << QStringList{"de", "fr"} << "JETER";
        QTest::newRow("all carried")
            << QStringList{"en", "de", "fr"} << QStringList{"de", "fr"} << "WURF";
        QTest::newRow("none carried but English")
            << QStringList{"en"} << QStringList{"de", "fr"} << "ROLL";
        QTest::newRow("a language not spoken")
            << QStringList{"en", "de"} << QStringList{"ja", "de"} << "WURF";
    }
    void aMissingCatalogueGivesWay() {
        QFETCH(QStringList, carried);
        QFETCH(QStringList, preferred);
        QTemporaryDir folder;
        for (const QString& language : carried) {
            const QString name = QStringLiteral("/dicewright_%1.qm").arg(language);
            QVERIFY(QFile::copy(QStringLiteral(":/i18n") + name, folder.path() + name));
        }
        Translations translations(folder.path());
        translations.installPreferred(preferred);
        QTEST(QCoreApplication::translate("dicewright::MainWindow", "ROLL"), "roll");
    }

    void captionsDiceAndTotal_data() {
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<QStringList>("captions");  // STEP 8, STEP DICE, TOTAL, ROLL, EXIT
        QTest::addColumn<QStringList>("dice");      // steps 8, 1, 20, 25
        QTest::addColumn<QString>("ruleOfOne");
        QTest::newRow("German") << "de"
                                << QStringList{"STUFE 8", "WÜRFEL", "ERGEBNIS", "WURF", "ENDE"}
                                << QStringList{"2W6", "W4-2", "W20+W8+W6", "W20+W10+W8+W4  "}
                                << "Regel der Eins";
        QTest::newRow("French") << "fr"
                                << QStringList{"ÉCHELON 8", "DÉS", "TOTAL", "JETER", "SORTIR"}
                                << QStringList{"2D6", "D4-2", "D20+D8+D6", "D20+D10+D8+D4  "}
                                << "Règle du un";
        QTest::newRow("Polish") << "pl"
                                << QStringList{"STOPIEŃ 8", "KOŚCI", "WYNIK", "RZUĆ", "WYJDŹ"}
                                << QStringList{"2K6", "K4-2", "K20+K8+K6", "K20+K10+K8+K4  "}
                                << "Zasada jedynki";
        QTest::newRow("Russian") << "ru"
                                 << QStringList{"СТУПЕНЬ 8", "КУБИКИ", "ИТОГ", "БРОСЬ", "ВЫХОД"}
                                 << QStringList{"2К6", "К4-2", "К20+К8+К6", "К20+К10+К8+К4  "}
                                 << "Правило единицы";
    }
    void captionsDiceAndTotal() {
        QFETCH(QString, catalogue);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, dice);
        Speak(catalogue);
        // Both dice of step 8 show a 1.
        open({0.0f, 0.0f});
        const QStringList names{OptionName(8), "StepDiceLabel", "Label1", "Command1", "cmdExit"};
        for (qsizetype i = 0; i < names.size(); ++i) QCOMPARE(text(names[i]), captions[i]);
        const int steps[] = {8, 1, 20, 25};
        for (qsizetype i = 0; i < dice.size(); ++i) {
            control<QAbstractButton>(OptionName(steps[i]))->click();
            QCOMPARE(text("lblStepDice"), dice[i]);
        }
        control<QAbstractButton>(OptionName(8))->click();
        control<QPushButton>("Command1")->click();
        QTEST(text("lblTotal"), "ruleOfOne");
        QVERIFY(control<QWidget>("lblTotal")->toolTip().startsWith(dice[0].right(2)));
    }

    // Digit groups, decimals, percentages, dates and plural forms as the language writes them.
    void numbersDatesAndCounts_data() {
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<QString>("oneIn");
        QTest::addColumn<QString>("chance");
        QTest::addColumn<QString>("logTitle");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QStringList>("extraSuccesses");  // 1, 2 and 5
        QTest::newRow("German") << "de"
                                << "Regel der Eins: 1 von 1.152.000"
                                << "Erfolgschance: 50,0\u00a0% (mit Stufe 4 als Bonus: "
                                << "Dicewright-Wurfprotokoll, Mittwoch, 9. Dezember 2026"
                                << "21:07:45"
                                << QStringList{"Erfolg, 1 zusätzlicher Erfolg",
                                               "Erfolg, 2 zusätzliche Erfolge",
                                               "Erfolg, 5 zusätzliche Erfolge"};
        QTest::newRow("French")
            << "fr"
            << "Règle du un\u202f: 1 sur 1\u202f152\u202f000"
            << "Chances de réussite\u202f: 50,0\u202f% (avec l’échelon 4 en bonus\u202f: "
            << "Journal des lancers de Dicewright, mercredi 9 décembre 2026"
            << "21:07:45"
            << QStringList{"Réussite, 1 réussite supplémentaire",
                           "Réussite, 2 réussites supplémentaires",
                           "Réussite, 5 réussites supplémentaires"};
        QTest::newRow("Polish") << "pl"
                                << "Zasada jedynki: 1 na 1\u00a0152\u00a0000"
                                << "Szansa powodzenia: 50,0% (ze stopniem 4 jako premią: "
                                << "Dziennik rzutów Dicewright, środa, 9 grudnia 2026"
                                << "21:07:45"
                                << QStringList{"Sukces, 1 dodatkowy sukces",
                                               "Sukces, 2 dodatkowe sukcesy",
                                               "Sukces, 5 dodatkowych sukcesów"};
        QTest::newRow("Russian") << "ru"
                                 << "Правило единицы: 1 из 1\u00a0152\u00a0000"
                                 << "Вероятность успеха: 50,0\u00a0% (со ступенью 4 как бонусом: "
                                 << "Журнал бросков Dicewright, среда, 9 декабря 2026 г."
                                 << "21:07:45"
                                 << QStringList{"Успех, 1 дополнительный успех",
                                                "Успех, 2 дополнительных успеха",
                                                "Успех, 5 дополнительных успехов"};
        QTest::newRow("American English")
            << "en"
            << "Rule of One: 1 in 1,152,000"
            << "Chance of success: 50.0% (with step 4 as bonus: "
            << "Dicewright roll log, Wednesday, December 9, 2026"
            << "9:07:45 PM"
            << QStringList{"Success, 1 extra success", "Success, 2 extra successes",
                           "Success, 5 extra successes"};
    }
    void numbersDatesAndCounts() {
        QFETCH(QString, catalogue);
        QFETCH(QStringList, extraSuccesses);
        Speak(catalogue);
        QFETCH(QString, oneIn);
        QVERIFY2(OddsText(40).split(u'\n').contains(oneIn), qPrintable(OddsText(40)));
        // A D4 reaches 3 in half its rolls.
        QFETCH(QString, chance);
        QVERIFY2(ChanceText(3, 0, 3).startsWith(chance), qPrintable(ChanceText(3, 0, 3)));
        RollLogModel log;
        QTEST(log.record(QDate(2026, 12, 9)), "logTitle");
        QTEST(ProgramLocale().toString(QTime(21, 7, 45), TimeWithSeconds(ProgramLocale())), "time");
        const int counts[] = {1, 2, 5};
        for (qsizetype i = 0; i < extraSuccesses.size(); ++i)
            QCOMPARE(VerdictText({.success = true, .extraSuccesses = counts[i]}),
                     extraSuccesses[i]);
    }

    // Every caption whole on the designed window, in each language the program carries, and
    // drawn at no less than 80% of its designed size (the test language, longer than any, may
    // shrink further); in the test language, every text a player reads or hears came through
    // the translations.
    void everyCaptionWhole_data() {
        QTest::addColumn<QString>("catalogue");
        for (const QString& catalogue : CarriedCatalogues())
            QTest::newRow(qPrintable(catalogue)) << catalogue;
    }
    void everyCaptionWhole() {
        QFETCH(QString, catalogue);
        Speak(catalogue);
        open({0.5f, 0.5f});
        m_window->showDifficulty(true);
        control<QAbstractButton>(OptionName(40))->click();
        control<QWidget>("txtDifficulty")->setFocus();
        QTest::keyClicks(control<QWidget>("txtDifficulty"), QStringLiteral("12"));
        const QStringList cut = CutCaptions(*m_window);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(" | "))));
        if (catalogue != u"en_XA") {
            const QStringList small = ShrunkCaptions(*m_window);
            QVERIFY2(small.isEmpty(), qPrintable(small.join(QStringLiteral(" | "))));
            return;
        }
        // Dice, totals and the product's name are no words to translate.
        const QStringList untranslated{"lblStepDice", "lblTotal", "lblVerdict"};
        for (const QWidget* child : m_window->findChildren<QWidget*>()) {
            if (untranslated.contains(child->objectName())) continue;
            const auto* label = qobject_cast<const QLabel*>(child);
            const auto* button = qobject_cast<const QAbstractButton*>(child);
            for (const QString& words :
                 {label    ? label->text()
                  : button ? button->text()
                           : QString(),
                  child->accessibleName(), child->accessibleDescription(), child->toolTip()}) {
                QVERIFY2(words.isEmpty() || words.contains(u'·'),
                         qPrintable(child->objectName() + QStringLiteral(": ") + words));
            }
        }
    }

    void splashWhole_data() { everyCaptionWhole_data(); }
    void splashWhole() {
        QFETCH(QString, catalogue);
        Speak(catalogue);
        QWidget main;
        SplashWindow splash([&main]() -> QWidget& { return main; });
        splash.show();
        const QStringList cut = CutCaptions(splash);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(" | "))));
    }
};

DICEWRIGHT_QTEST_MAIN(LanguageTest)
#include "language_test.moc"
