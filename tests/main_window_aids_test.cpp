// What the main window offers beyond its design: the odds of every step, the dice behind a
// total, totals announced to assistive technology, and step numbers typed in.
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>
#include <memory>
#include <vector>

#include "accessibility/announcement.h"

#include "main_window/main_window.h"
#include "qt_test_main.h"
#include "scripted_main_window.h"
#include "step_table.h"
#include "window_controls.h"

using namespace dicewright;
using dicewright::testing::DrawFor;
using dicewright::testing::MainWindowFixture;
using dicewright::testing::OptionName;

// What the total display tells assistive technology: each event, the words it carries and the
// description the display has at that moment.
struct TotalEvent {
    QString source;
    QAccessible::Event type;
    QString words;
    QString description;
};
std::vector<TotalEvent> g_totalEvents;

void RecordTotalEvent(QAccessibleEvent* event) {
    if (event->object() == nullptr) return;
    const QString source = event->object()->objectName();
    if (source != QLatin1String("lblTotal") && source != QLatin1String("lblChance")) return;
    QAccessibleInterface* total = event->accessibleInterface();
    const QString words = event->type() == QAccessible::ValueChanged
                              ? static_cast<QAccessibleValueChangeEvent*>(event)->value().toString()
                              : total->text(QAccessible::Name);
    g_totalEvents.push_back({source, event->type(), words, total->text(QAccessible::Description)});
}

// While it lives, accessibility counts as active (as with a screen reader running) and the
// events posted are recorded rather than passed to the platform.
class RecordedAccessibility {
public:
    RecordedAccessibility() {
        g_totalEvents.clear();
        platform()->setActive(true);
        m_previous = QAccessible::installUpdateHandler(RecordTotalEvent);
    }
    ~RecordedAccessibility() {
        QAccessible::installUpdateHandler(m_previous);
        platform()->setActive(false);
    }

private:
    static QPlatformAccessibility* platform() {
        return QGuiApplicationPrivate::platformIntegration()->accessibility();
    }
    QAccessible::UpdateHandler m_previous = nullptr;
};

class MainWindowAidsTest : public MainWindowFixture {
    Q_OBJECT

private:
    QRadioButton* option(int step) { return control<QRadioButton>(OptionName(step)); }
    QLabel* totalDisplay() { return control<QLabel>(QStringLiteral("lblTotal")); }
    QString dice() { return control<QLabel>(QStringLiteral("lblStepDice"))->text(); }
    int checkedStep() {
        for (int step = 1; step <= 40; ++step) {
            if (option(step)->isChecked()) return step;
        }
        return 0;
    }
    void type(const QString& keys) {
        for (const QChar key : keys) QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
    }

private slots:
    void init() { open({}); }
    void cleanup() { close(); }

    // Odds: each option's tooltip and description give its dice and exact odds.
    void stepOdds_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("text");
        QTest::newRow("step 1, modified die")
            << 1 << "d4-2\nAverage total: 0.50\nRule of One: none\nExplosion: never";
        QTest::newRow("step 4, one exploding die")
            << 4 << "D6\nAverage total: 4.20\nRule of One: none\nExplosion: 16.7% of rolls";
        QTest::newRow("step 8, Rule of One 1 in 36")
            << 8
            << "2D6\nAverage total (Rule of One aside): 8.58\nRule of One: 1 in 36\nExplosion: "
               "30.6% of rolls";
        QTest::newRow("step 25, label without its blanks")
            << 25
            << "D20+D10+D8+D4\nAverage total (Rule of One aside): 25.64\nRule of One: 1 in 6,400\n"
               "Explosion: 43.9% of rolls";
        QTest::newRow("step 40, grouped digits") << 40
                                                 << "2D20+D10+D8+2D6\nAverage total (Rule of One "
                                                    "aside): 41.76\nRule of One: 1 in 1,152,000\n"
                                                    "Explosion: 50.6% of rolls";
    }
    void stepOdds() {
        QFETCH(int, step);
        QFETCH(QString, text);
        QCOMPARE(option(step)->toolTip(), text);
        QCOMPARE(
            QAccessible::queryAccessibleInterface(option(step))->text(QAccessible::Description),
            text);
    }

    // The dice behind a total, in the tooltip and, after what the display is, in its
    // description.
    void throwsBehindTheTotal() {
        open({DrawFor(20, 20), DrawFor(20, 20), DrawFor(5, 20), DrawFor(7, 10), DrawFor(3, 8),
              DrawFor(1, 6), DrawFor(3, 4)});
        option(26)->click();
        control<QPushButton>("Command1")->click();
        QCOMPARE(totalDisplay()->text(), QStringLiteral("56"));
        const QString breakdown =
            QStringLiteral("D20: 20 + 20 + 5 = 45 \u00b7 D10: 7 \u00b7 D8: 3 \u00b7 D6: 1");
        QCOMPARE(totalDisplay()->toolTip(), breakdown);
        QCOMPARE(
            QAccessible::queryAccessibleInterface(totalDisplay())->text(QAccessible::Description),
            QStringLiteral("Total of the last roll. ") + breakdown);
        option(1)->click();
        control<QPushButton>("Command1")->click();
        QCOMPARE(totalDisplay()->text(), QStringLiteral("1"));
        QCOMPARE(totalDisplay()->toolTip(), QStringLiteral("D4: 3 \u2212 2"));
    }

    // A press announces the total once, last, with the words shown, and by then the display's
    // description already tells the new dice (on Linux a notification shown again, on Windows
    // a value change that UI Automation raises as a notification).
    // A test's verdict comes with its total, in the same announcement.
    void pressAnnouncesTheTotal_data() {
        QTest::addColumn<int>("face");
        QTest::addColumn<int>("difficulty");
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("dice");
        QTest::newRow("a total") << 3 << 0 << "4"
                                 << "D6: 1 \u00b7 D6: 3";
        QTest::newRow("Rule of One") << 1 << 0 << "Rule of One"
                                     << "D6: 1 \u00b7 D6: 1";
        QTest::newRow("a success") << 3 << 4 << "4. Success"
                                   << "D6: 1 \u00b7 D6: 3";
        QTest::newRow("a Rule of One's failure") << 1 << 2 << "Rule of One. Failure"
                                                 << "D6: 1 \u00b7 D6: 1";
    }
    void pressAnnouncesTheTotal() {
        QFETCH(int, face);
        QFETCH(int, difficulty);
        QFETCH(QString, words);
        QFETCH(QString, dice);
        open({DrawFor(2, 6), DrawFor(5, 6), DrawFor(1, 6), DrawFor(face, 6)});
        option(8)->click();
        control<QPushButton>("Command1")->click();
        if (difficulty != 0) {
            m_window->showDifficulty(true);
            control<QSpinBox>("txtDifficulty")->setValue(difficulty);
        }
        RecordedAccessibility recorded;
        control<QPushButton>("Command1")->click();
        QVERIFY(!g_totalEvents.empty());
        std::erase_if(g_totalEvents, [](const TotalEvent& e) { return e.source != "lblTotal"; });
        const auto announced =
            std::count_if(g_totalEvents.begin(), g_totalEvents.end(),
                          [](const TotalEvent& e) { return e.type == kAnnouncementEvent; });
        QCOMPARE(announced, 1);
        QCOMPARE(g_totalEvents.back().type, kAnnouncementEvent);
        QCOMPARE(g_totalEvents.back().words, words);
        QCOMPARE(g_totalEvents.back().description,
                 QStringLiteral("Total of the last roll. ") + dice);
    }

    // The chance, the reason for a test's fields, is spoken once the player stops typing: "12"
    // typed in quick succession is one announcement, of the chance against 12, not against 1.
    void chanceIsSpokenOnceTypingSettles() {
        open({});
        option(8)->click();
        m_window->showDifficulty(true);
        RecordedAccessibility recorded;
        QTest::keyClicks(control<QSpinBox>("txtDifficulty"), "12");
        const auto chances = [] {
            std::vector<QString> words;
            for (const TotalEvent& e : g_totalEvents) {
                if (e.source == "lblChance" && e.type == kAnnouncementEvent)
                    words.push_back(e.words);
            }
            return words;
        };
        QTRY_VERIFY_WITH_TIMEOUT(!chances().empty(), 5000);
        QCOMPARE(chances(), std::vector<QString>{control<QLabel>("lblChance")->text()});
        QVERIFY2(chances().front().startsWith(u"Chance of success: 21.3%"),
                 qPrintable(chances().front()));
    }

    // A roll before the typing settles is spoken, and the chance it was rolled at is not spoken
    // after it: for twice the time typing takes to settle, nothing more is announced.
    void aRollBeforeTheTypingSettlesSpeaksNoStaleChance() {
        open({DrawFor(2, 6), DrawFor(3, 6)});
        option(8)->click();
        m_window->showDifficulty(true);
        RecordedAccessibility recorded;
        QTest::keyClicks(control<QSpinBox>("txtDifficulty"), "12");
        control<QPushButton>("Command1")->click();
        const auto announced = [] {
            std::vector<QString> words;
            for (const TotalEvent& e : g_totalEvents) {
                if (e.type == kAnnouncementEvent) words.push_back(e.words);
            }
            return words;
        };
        QCOMPARE(announced(), std::vector<QString>{QStringLiteral("5. Failure")});
        QVERIFY2(!QTest::qWaitFor([&] { return announced().size() > 1; }, 2000),
                 qPrintable(announced().back()));
    }

    // Accessible roles: a named frame, and a notification whose name is the total.
    void windowAndTotalRoles() {
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(m_window);
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Dicewright"));
        m_window->showTotal(QStringLiteral("27"));
        QAccessibleInterface* total = QAccessible::queryAccessibleInterface(totalDisplay());
        QCOMPARE(total->role(), QAccessible::Notification);
        QCOMPARE(total->text(QAccessible::Name), QStringLiteral("27"));
    }

    // Typed steps: the digits typed within a second name the step.
    void typedStep_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("step");
        QTest::newRow("one digit") << "7" << 7;
        QTest::newRow("two digits") << "29" << 29;
        QTest::newRow("ten") << "10" << 10;
        QTest::newRow("forty") << "40" << 40;
        QTest::newRow("past forty starts afresh") << "45" << 5;
        QTest::newRow("zero names no step") << "0" << 0;
        QTest::newRow("three digits") << "123" << 3;
    }
    void typedStep() {
        QFETCH(QString, keys);
        QFETCH(int, step);
        type(keys);
        QCOMPARE(checkedStep(), step);
        if (step != 0) {
            QCOMPARE(dice(), QString::fromStdString(StepTable::Step(step).diceLabel));
            QCOMPARE(QApplication::focusWidget(), option(step));
        }
    }

    // Digits as every keyboard makes them: AZERTY's top row needs Shift, the keypad has its
    // own modifier; Ctrl and Alt keep their meaning, and an unshifted AZERTY key is no digit.
    void typedDigitOnEveryKeyboard_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("step");
        QTest::newRow("AZERTY Shift+7") << int(Qt::Key_7) << "7" << int(Qt::ShiftModifier) << 7;
        QTest::newRow("keypad 7") << int(Qt::Key_7) << "7" << int(Qt::KeypadModifier) << 7;
        QTest::newRow("AZERTY 7 unshifted is è")
            << int(Qt::Key_Egrave) << "\u00e8" << int(Qt::NoModifier) << 0;
        QTest::newRow("Ctrl+7") << int(Qt::Key_7) << "7" << int(Qt::ControlModifier) << 0;
        QTest::newRow("Alt+7") << int(Qt::Key_7) << "7" << int(Qt::AltModifier) << 0;
    }
    void typedDigitOnEveryKeyboard() {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(int, modifiers);
        QFETCH(int, step);
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key(key), text,
                            Qt::KeyboardModifiers(modifiers));
        QCOMPARE(checkedStep(), step);
    }

    // Digits of every script name steps by their values; a number that is not a decimal digit
    // (a superscript two) does not, nor does a digit with Alt.
    void typedDigitsOfEveryScript_data() {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("step");
        QTest::newRow("Arabic-Indic 26") << "\u0662\u0666" << int(Qt::NoModifier) << 26;
        QTest::newRow("Persian 26") << "\u06f2\u06f6" << int(Qt::NoModifier) << 26;
        QTest::newRow("Devanagari 26") << "\u0968\u096c" << int(Qt::NoModifier) << 26;
        QTest::newRow("Devanagari 40") << "\u096a\u0966" << int(Qt::NoModifier) << 40;
        QTest::newRow("Alt+Arabic-Indic 2") << "\u0662" << int(Qt::AltModifier) << 0;
        QTest::newRow("superscript two") << "\u00b2" << int(Qt::NoModifier) << 0;
    }
    void typedDigitsOfEveryScript() {
        QFETCH(QString, digits);
        QFETCH(int, modifiers);
        QFETCH(int, step);
        for (const QChar digit : digits) {
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key(digit.unicode()),
                                QString(digit), Qt::KeyboardModifiers(modifiers));
        }
        QCOMPARE(checkedStep(), step);
    }

    // Enter or Return rolls from a step option or from ROLL, not from EXIT.
    void enterRolls_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("rolls");
        QTest::newRow("Return on an option") << "optStep3" << int(Qt::Key_Return) << true;
        QTest::newRow("Enter on an option") << "optStep3" << int(Qt::Key_Enter) << true;
        QTest::newRow("Return on ROLL") << "Command1" << int(Qt::Key_Return) << true;
        QTest::newRow("Return on EXIT") << "cmdExit" << int(Qt::Key_Return) << false;
    }
    void enterRolls() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(bool, rolls);
        open({DrawFor(2, 4)});
        option(3)->click();
        control(focus)->setFocus();
        QTest::keyClick(control(focus), static_cast<Qt::Key>(key));
        QCOMPARE(totalDisplay()->text(), rolls ? QStringLiteral("2") : QString());
        QCOMPARE(dice(), QStringLiteral("D4"));
    }
};

DICEWRIGHT_QTEST_MAIN(MainWindowAidsTest)
#include "main_window_aids_test.moc"
