#include "main_window/main_window.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>
#include <random>

#include "event_loop.h"
#include "main_window/main_window_layout.h"
#include "qt_test_main.h"
#include "scripted_random_source.h"
#include "step_table.h"
#include "widgets/twips.h"
#include "window_controls.h"

using namespace dicewright;
using dicewright::testing::DrawFor;
using dicewright::testing::FindControl;
using dicewright::testing::OptionName;
using dicewright::testing::RunProgramLoop;
using dicewright::testing::ScriptedRandomSource;

namespace {

const QString kStartDice = QStringLiteral("D20+D10+D8+D6  ");

// A draw source that never runs out: the dice of a press are thrown from a seeded generator.
class SeededSource : public RandomSource {
public:
    void Reseed() override {}
    float Next() override { return m_inner.Next(); }

private:
    ClockRandomSource m_inner{2026};
};

// Whether `text` is a total that a roll of `step` can give.
bool CanGive(int step, const QString& text) {
    const StepDefinition& definition = StepTable::Step(step);
    if (text == QLatin1String("Rule of One")) return definition.dice.size() >= 2;
    bool isNumber = false;
    const int total = text.toInt(&isNumber);
    if (!isNumber || text != QString::number(total)) return false;
    if (!definition.exploding)
        return total >= 1 + definition.modifier && total <= 4 + definition.modifier;
    if (definition.dice.size() == 1) return total >= 1 && total % definition.dice[0] != 0;
    return total > static_cast<int>(definition.dice.size());
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindow> m_window;
    ScriptedRandomSource* m_scripted = nullptr;
    std::unique_ptr<RandomSource> m_source;

    template <typename T = QWidget>
    T* control(const QString& name) {
        return FindControl<T>(*m_window, name);
    }
    QRadioButton* option(int step) { return control<QRadioButton>(OptionName(step)); }
    QString total() { return control<QLabel>(QStringLiteral("lblTotal"))->text(); }
    QString dice() { return control<QLabel>(QStringLiteral("lblStepDice"))->text(); }

    void openWith(std::unique_ptr<RandomSource> source) {
        m_source = std::move(source);
        m_window = std::make_unique<MainWindow>(*m_source);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void openScripted(std::vector<float> draws) {
        auto source = std::make_unique<ScriptedRandomSource>(std::move(draws));
        m_scripted = source.get();
        openWith(std::move(source));
    }
    void click(QWidget* widget) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
    }
    int checkedCount() {
        int count = 0;
        for (int step = 1; step <= 40; ++step) count += option(step)->isChecked() ? 1 : 0;
        return count;
    }

private slots:
    void init() { openScripted({}); }
    void cleanup() {
        m_window.reset();
        m_source.reset();
        m_scripted = nullptr;
    }

    // Layout: every control where the designed layout puts it, with its caption.
    void geometry_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QString>("caption");
        const MainWindowLayout designed = DesignedLayout();
        QTest::newRow("StepDiceLabel")
            << "StepDiceLabel" << designed.stepDiceCaption << "STEP DICE";
        QTest::newRow("Label1") << "Label1" << designed.totalCaption << "TOTAL";
        QTest::newRow("Command1") << "Command1" << designed.roll << "ROLL";
        QTest::newRow("cmdExit") << "cmdExit" << designed.exit << "EXIT";
        for (int step = 1; step <= 40; ++step) {
            QTest::newRow(qPrintable(OptionName(step)))
                << OptionName(step) << designed.steps[step - 1]
                << QStringLiteral("STEP %1").arg(step);
        }
    }
    void geometry() {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        QFETCH(QString, caption);
        QWidget* widget = control(name);
        QCOMPARE(widget->geometry(), rect);
        const QString text = widget->property("text").toString();
        QCOMPARE(text, caption);
    }

    // A few of the designed places in pixels, so that a slip in the table shows: the grid's
    // first and last steps, ROLL, the test's last field and its chance, the grown window, and
    // no test's controls while the test is hidden.
    void designedAnchors_data() {
        QTest::addColumn<QRect>("actual");
        QTest::addColumn<QRect>("designed");
        const MainWindowLayout plain = DesignedLayout(), test = DesignedLayout(true);
        QTest::newRow("optStep1") << plain.steps[0] << QRect(80, 88, 97, 17);
        QTest::newRow("optStep40") << plain.steps[39] << QRect(440, 376, 97, 17);
        QTest::newRow("Command1") << plain.roll << QRect(192, 488, 81, 33);
        QTest::newRow("txtBonusStep") << test.difficulty.bonus << QRect(440, 544, 60, 25);
        QTest::newRow("lblChance") << test.difficulty.chance << QRect(80, 584, 480, 20);
        QTest::newRow("with a test")
            << QRect(QPoint(), DesignedSize(true)) << QRect(0, 0, 602, 636);
        QTest::newRow("no test") << plain.difficulty.bonus << QRect();
    }
    void designedAnchors() {
        QFETCH(QRect, actual);
        QFETCH(QRect, designed);
        QCOMPARE(actual, designed);
    }

    void windowSizeColoursAndCaption() {
        QCOMPARE(m_window->objectName(), QStringLiteral("Dicewright"));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Dicewright"));
        QCOMPARE(m_window->size(), QSize(602, 579));
        const QColor green(0, 64, 0), olive(192, 192, 0);
        QCOMPARE(m_window->palette().color(QPalette::Window), green);
        for (const char* name :
             {"StepDiceLabel", "lblStepDice", "Label1", "lblTotal", "optStep7"}) {
            QCOMPARE(control(name)->palette().color(QPalette::WindowText), olive);
        }
        // The buttons keep the platform's look rather than the window's colours.
        for (const char* name : {"Command1", "cmdExit"}) {
            QCOMPARE(control(name)->palette().color(QPalette::ButtonText),
                     QApplication::palette(control(name)).color(QPalette::ButtonText));
            QVERIFY(control(name)->palette().color(QPalette::WindowText) != olive);
        }
    }

    // A condensed face at the design's sizes is what the window really shows.
    void fonts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("points");
        QTest::addColumn<bool>("bold");
        for (const char* name : {"StepDiceLabel", "lblStepDice", "Label1", "lblTotal", "optStep1",
                                 "optstep25", "optStep40"}) {
            QTest::newRow(name) << name << 12 << false;
        }
        QTest::newRow("Command1") << "Command1" << 18 << true;
        QTest::newRow("cmdExit") << "cmdExit" << 18 << true;
    }
    void fonts() {
        QFETCH(QString, name);
        QFETCH(int, points);
        QFETCH(bool, bold);
        const QFontInfo shown(control(name)->font());
        QVERIFY2(shown.family().contains(QLatin1String("Narrow")), qPrintable(shown.family()));
        QCOMPARE(shown.pointSize(), points);
        QCOMPARE(shown.bold(), bold);
        QFont regular(QStringLiteral("Liberation Sans"), points,
                      bold ? QFont::Bold : QFont::Normal);
        QVERIFY(QFontMetrics(control(name)->font()).horizontalAdvance("STEP 40") <
                QFontMetrics(regular).horizontalAdvance("STEP 40"));
    }

    // Qt's Tab stops at one option of the group and the arrows move within it; the chain itself
    // keeps the window's order.
    void focusOrder() {
        QStringList expected;
        for (int step = 1; step <= 28; ++step) expected << OptionName(step);
        for (int step = 31; step <= 40; ++step) expected << OptionName(step);
        expected << "Command1"
                 << "optStep29"
                 << "optStep30"
                 << "cmdExit";
        QStringList chain;
        QWidget* widget = option(1);
        do {
            if (widget->focusPolicy() != Qt::NoFocus) chain << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != option(1));
        QCOMPARE(chain, expected);
        for (const char* name : {"StepDiceLabel", "lblStepDice", "Label1", "lblTotal"}) {
            QCOMPARE(control(name)->focusPolicy(), Qt::NoFocus);
        }
    }

    void startState() {
        QCOMPARE(QApplication::focusWidget(), option(1));
        QCOMPARE(checkedCount(), 0);
        QCOMPARE(dice(), kStartDice);
        QCOMPARE(total(), QString());
    }

    // The displays take the width of their text, blanks included.
    void displaysFitTheirText() {
        auto* display = control<QLabel>("lblStepDice");
        QCOMPARE(display->width(), display->fontMetrics().horizontalAdvance(kStartDice));
        QVERIFY(display->width() > display->fontMetrics().horizontalAdvance(kStartDice.trimmed()));
        QCOMPARE(display->x(), 290);
        option(40)->click();
        QCOMPARE(display->width(), display->fontMetrics().horizontalAdvance("2D20+D10+D8+2D6"));
        QCOMPARE(display->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    }

    void selectionIsExclusive() {
        click(option(12));
        QCOMPARE(dice(), QStringLiteral("2D10"));
        click(option(33));
        QCOMPARE(checkedCount(), 1);
        QVERIFY(option(33)->isChecked());
        QCOMPARE(dice(), QStringLiteral("D20+3D10+D8"));
    }

    // Every way an option becomes selected shows its dice.
    void keyboardAndCodeSelectionShowDice() {
        option(24)->setFocus();
        QTest::keyClick(option(24), Qt::Key_Space);
        QCOMPARE(dice(), QStringLiteral("D20+D12+D10"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QVERIFY(option(25)->isChecked());
        QCOMPARE(dice(), QStringLiteral("D20+D10+D8+D4  "));
        option(9)->setChecked(true);
        QCOMPARE(dice(), QStringLiteral("D8 + D6"));
    }

    void rollWithNothingSelectedWritesNothing() {
        click(control("Command1"));
        QCOMPARE(total(), QString());
        QCOMPARE(m_scripted->calls, std::vector<std::string>{"Reseed"});
    }

    void rollShowsTheOutcomeAndLeavesTheRestAlone() {
        openScripted({DrawFor(6, 6), DrawFor(2, 6), DrawFor(3, 6), DrawFor(1, 6), DrawFor(1, 6)});
        click(option(8));
        click(control("Command1"));
        QCOMPARE(total(), QStringLiteral("11"));
        QCOMPARE(dice(), QStringLiteral("2D6"));
        QVERIFY(option(8)->isChecked());
        QCOMPARE(control<QLabel>("lblTotal")->width(),
                 control<QLabel>("lblTotal")->fontMetrics().horizontalAdvance("11"));

        // A later choice changes the dice, not the total, until the next ROLL.
        click(option(9));
        QCOMPARE(total(), QStringLiteral("11"));
        click(option(8));
        click(control("Command1"));
        QCOMPARE(total(), QStringLiteral("Rule of One"));
    }

    void displaysCanBeReadByAssistiveTools() {
        // The total display is a notification, so that a screen reader speaks every total.
        for (const auto& [name, role] : {std::pair{"lblStepDice", QAccessible::StaticText},
                                         std::pair{"lblTotal", QAccessible::Notification}}) {
            QAccessibleInterface* display = QAccessible::queryAccessibleInterface(control(name));
            QVERIFY(display != nullptr);
            QCOMPARE(display->role(), role);
            QVERIFY(!display->text(QAccessible::Description).isEmpty());
        }
        QCOMPARE(
            QAccessible::queryAccessibleInterface(control("lblStepDice"))->text(QAccessible::Name),
            kStartDice);
        QAccessibleInterface* step = QAccessible::queryAccessibleInterface(option(26));
        QCOMPARE(step->role(), QAccessible::RadioButton);
        QCOMPARE(step->text(QAccessible::Name), QStringLiteral("STEP 26"));
        QVERIFY(step->text(QAccessible::Description).startsWith(QStringLiteral("D20+D10+D8+D6\n")));
        QCOMPARE(
            QAccessible::queryAccessibleInterface(control("Command1"))->text(QAccessible::Name),
            QStringLiteral("ROLL"));
    }

    // Thousands of random clicks and keys: the window's promises hold after every one.
    void randomUse() {
        openWith(std::make_unique<SeededSource>());
        std::mt19937 random(8);
        int rolledStep = 0;
        connect(control<QPushButton>("Command1"), &QPushButton::clicked, this, [&] {
            for (int step = 1; step <= 40; ++step) {
                if (option(step)->isChecked()) rolledStep = step;
            }
        });
        const Qt::Key keys[] = {Qt::Key_Up,  Qt::Key_Down,    Qt::Key_Left,  Qt::Key_Right,
                                Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Space, Qt::Key_Home,
                                Qt::Key_End, Qt::Key_A};
        QWidget* exitButton = control("cmdExit");
        for (int event = 0; event < 3000; ++event) {
            switch (random() % 4) {
                case 0:
                    click(option(static_cast<int>(random() % 40) + 1));
                    break;
                case 1:
                    click(control("Command1"));
                    break;
                case 2: {
                    const Qt::Key key = keys[random() % std::size(keys)];
                    QWidget* focus = QApplication::focusWidget();
                    if (focus == nullptr || (focus == exitButton && key == Qt::Key_Space)) break;
                    QTest::keyClick(focus, key);
                    break;
                }
                default: {
                    const QPoint at(static_cast<int>(random() % 602),
                                    static_cast<int>(random() % 579));
                    if (exitButton->geometry().contains(at)) break;
                    QWidget* target = m_window->childAt(at);
                    if (target == nullptr) target = m_window.get();
                    QTest::mouseClick(target, Qt::LeftButton, {},
                                      target->mapFrom(m_window.get(), at));
                }
            }
            QVERIFY(checkedCount() <= 1);
            int selected = 0;
            for (int step = 1; step <= 40; ++step) {
                if (option(step)->isChecked()) selected = step;
            }
            QCOMPARE(dice(), selected ? QString::fromStdString(StepTable::Step(selected).diceLabel)
                                      : kStartDice);
            if (rolledStep != 0)
                QVERIFY2(CanGive(rolledStep, total()), qPrintable(total()));
            else
                QCOMPARE(total(), QString());
        }
    }

    // Ending the program. These run the program's own event loop, so they come last.
    void exitEndsTheProgram() {
        QCOMPARE(RunProgramLoop([this] { click(control("cmdExit")); }), 0);
        QVERIFY(!m_window->isVisible());
    }

    void closingTheWindowEndsTheProgram() {
        QCOMPARE(RunProgramLoop([this] { m_window->close(); }), 0);
    }

    void overflowIsReportedAndEndsTheProgram() {
        // A D4 that shows its highest face for ever: the die overflows.
        class Stuck : public RandomSource {
            void Reseed() override {}
            float Next() override { return 0.9f; }
        };
        openWith(std::make_unique<Stuck>());
        click(option(3));
        m_window->showTotal(QStringLiteral("12"));
        QStringList reported;
        static_cast<Application*>(qApp)->setErrorReporter(
            [&](const QString& text) { reported << text; });
        QCOMPARE(RunProgramLoop([this] { click(control("Command1")); }), EXIT_FAILURE);
        QCOMPARE(reported, QStringList{QStringLiteral("Overflow")});
        QCOMPARE(total(), QStringLiteral("12"));
    }
};

DICEWRIGHT_QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
