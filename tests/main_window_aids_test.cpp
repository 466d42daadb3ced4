// What the main window offers beyond its design: the odds of every step, the dice behind a
// total, totals announced to assistive technology, and step numbers typed in.
#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "main_window.h"
#include "qt_test_main.h"
#include "scripted_random_source.h"
#include "step_table.h"
#include "window_controls.h"

using namespace dicewright;
using dicewright::testing::DrawFor;
using dicewright::testing::FindControl;
using dicewright::testing::OptionName;
using dicewright::testing::ScriptedRandomSource;

class MainWindowAidsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ScriptedRandomSource> m_source;
    std::unique_ptr<MainWindow> m_window;

    template <typename T = QWidget>
    T* control(const QString& name) {
        return FindControl<T>(*m_window, name);
    }
    QRadioButton* option(int step) { return control<QRadioButton>(OptionName(step)); }
    QLabel* totalDisplay() { return control<QLabel>(QStringLiteral("lblTotal")); }
    QString dice() { return control<QLabel>(QStringLiteral("lblStepDice"))->text(); }
    int checkedStep() {
        for (int step = 1; step <= 40; ++step) {
            if (option(step)->isChecked()) return step;
        }
        return 0;
    }
    void open(std::vector<float> draws) {
        m_source = std::make_unique<ScriptedRandomSource>(std::move(draws));
        m_window = std::make_unique<MainWindow>(*m_source);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void type(const QString& keys) {
        for (const QChar key : keys) QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
    }

private slots:
    void init() { open({}); }
    void cleanup() {
        m_window.reset();
        m_source.reset();
    }

    // Odds: each option's tooltip and description give its dice and exact odds.
    void stepOdds_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("text");
        QTest::newRow("step 1, modified die")
            << 1 << "d4-2\nAverage total: 0.50\nRule of One: none\nExplosion: never";
        QTest::newRow("step 4, one exploding die")
            << 4 << "D6\nAverage total: 4.20\nRule of One: none\nExplosion: 16.7% of rolls";
        QTest::newRow("step 8, Rule of One 1 in 36")
            << 8 << "2D6\nAverage total: 8.58\nRule of One: 1 in 36\nExplosion: 30.6% of rolls";
        QTest::newRow("step 25, label without its blanks")
            << 25
            << "D20+D10+D8+D4\nAverage total: 25.64\nRule of One: 1 in 6,400\n"
               "Explosion: 43.9% of rolls";
        QTest::newRow("step 40, grouped digits")
            << 40
            << "2D20+D10+D8+2D6\nAverage total: 41.76\nRule of One: 1 in 1,152,000\n"
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

    // The dice behind a total, in the tooltip and the accessible description of the display.
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
            breakdown);
        option(1)->click();
        control<QPushButton>("Command1")->click();
        QCOMPARE(totalDisplay()->text(), QStringLiteral("1"));
        QCOMPARE(totalDisplay()->toolTip(), QStringLiteral("D4: 3 \u2212 2"));
    }

    // Accessible roles: a named frame, and a notification whose name is the total.
    void windowAndTotalRoles() {
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(m_window.get());
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

    void aPauseStartsANewNumber() {
        type("2");
        QTest::qWait(StepTypeAhead::kPauseMs + 100);
        type("9");
        QCOMPARE(checkedStep(), 9);
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
