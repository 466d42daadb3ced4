// A test against a difficulty in the main window: shown and hidden by Ctrl+T and the menu, the
// fields typed into and set through the accessibility interface, the roll with its bonus, the
// verdict, the chance, and the roll log's line.
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

#include "main_window/main_window.h"
#include "main_window/main_window_layout.h"
#include "qt_test_main.h"
#include "roll_log/roll_log_model.h"
#include "scripted_main_window.h"
#include "window_controls.h"

using namespace dicewright;
using dicewright::testing::DrawFor;
using dicewright::testing::MainWindowFixture;
using dicewright::testing::OptionName;

namespace {

const QString kDifficultyControls[] = {"DifficultyLabel", "txtDifficulty", "BonusStepLabel",
                                       "txtBonusStep",    "lblChance",     "lblVerdict"};

// Where every control stands, what it shows and whether it is seen.
using Snapshot = QMap<QString, std::tuple<QRect, QString, bool>>;

Snapshot SnapshotOf(const QWidget& window) {
    Snapshot shot;
    for (const QWidget* child : window.findChildren<QWidget*>()) {
        if (child->objectName().isEmpty() || child->objectName().startsWith(u"qt_")) continue;
        const auto* label = qobject_cast<const QLabel*>(child);
        shot.insert(child->objectName(),
                    {child->geometry(), label ? label->text() : QString(), child->isVisible()});
    }
    return shot;
}

}  // namespace

class DifficultyControlsTest : public MainWindowFixture {
    Q_OBJECT

private:
    QSpinBox* field(const char* name) { return control<QSpinBox>(QString::fromLatin1(name)); }
    QString text(const char* name) { return control<QLabel>(QString::fromLatin1(name))->text(); }
    QAction* testAction() {
        for (QAction* action : m_window->contextMenu()->actions()) {
            if (action->objectName() == QLatin1String("actDifficulty")) return action;
        }
        qFatal("no test action");
    }
    // Step 8 chosen, the controls shown, the difficulty and bonus typed in.
    void setUpTest(const QString& difficulty, const QString& bonus) {
        control<QRadioButton>(OptionName(8))->click();
        QTest::keyClick(m_window, Qt::Key_T, Qt::ControlModifier);
        QVERIFY(m_window->isDifficultyShown());
        field("txtDifficulty")->setFocus();
        QTest::keyClicks(field("txtDifficulty"), difficulty);
        field("txtBonusStep")->setFocus();
        QTest::keyClicks(field("txtBonusStep"), bonus);
    }

private slots:
    void cleanup() { close(); }

    // Until asked for, the window is the designed one, control for control; the same key hides
    // the controls again and gives back the designed window, pixel for pixel.
    void hiddenUntilAskedFor_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("Ctrl+T") << int(Qt::Key_T) << int(Qt::ControlModifier) << false;
        QTest::newRow("Alt+T, as in a browser") << int(Qt::Key_T) << int(Qt::AltModifier) << false;
        QTest::newRow("the menu") << 0 << 0 << true;
    }
    void hiddenUntilAskedFor() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, byMenu);
        open({DrawFor(3, 6)});
        for (const QString& name : kDifficultyControls)
            QVERIFY2(m_window->findChild<QWidget*>(name) == nullptr, qPrintable(name));
        QCOMPARE(m_window->size(), DesignedSize());
        const QImage designed = m_window->grab().toImage();
        const Snapshot before = SnapshotOf(*m_window);
        const auto toggle = [&] {
            if (byMenu) {
                testAction()->trigger();
            } else {
                QTest::keyClick(m_window, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
            }
        };

        QWidget* focused = QApplication::focusWidget();
        toggle();
        QVERIFY(m_window->isDifficultyShown());
        QVERIFY(testAction()->isChecked());
        // The difficulty takes the keyboard, ready to be typed.
        QCOMPARE(QApplication::focusWidget(), control(QStringLiteral("txtDifficulty")));
        QCOMPARE(m_window->size(), DesignedSize(true));
        // Each where the designed layout puts it, in the order of kDifficultyControls.
        const MainWindowLayout::Difficulty places = DesignedLayout(true).difficulty;
        const QRect designedPlaces[] = {places.difficultyCaption,
                                        places.difficulty,
                                        places.bonusCaption,
                                        places.bonus,
                                        places.chance,
                                        places.result};
        for (int i = 0; i < std::ssize(kDifficultyControls); ++i) {
            QWidget* shown = control(kDifficultyControls[i]);
            QVERIFY2(shown->isVisible(), qPrintable(kDifficultyControls[i]));
            QCOMPARE(shown->geometry(), designedPlaces[i]);
            QVERIFY2(m_window->rect().contains(shown->geometry()), qPrintable(shown->objectName()));
        }
        // Nothing designed moved, and the verdict fits between the total and the buttons.
        const Snapshot withDifficulty = SnapshotOf(*m_window);
        for (auto [name, was] : before.asKeyValueRange()) QCOMPARE(withDifficulty.value(name), was);
        QVERIFY(control(QStringLiteral("lblVerdict"))->geometry().bottom() <
                control(QStringLiteral("Command1"))->geometry().top());

        toggle();
        QVERIFY(!m_window->isDifficultyShown());
        QCOMPARE(QApplication::focusWidget(), focused);
        for (const QString& name : kDifficultyControls)
            QVERIFY2(!control(name)->isVisible(), qPrintable(name + " is hidden again"));
        QCOMPARE(m_window->size(), DesignedSize());
        QCOMPARE(m_window->grab().toImage(), designed);
        // And ROLL rolls the step alone: its one draw.
        control<QRadioButton>(OptionName(4))->click();
        control<QPushButton>(QStringLiteral("Command1"))->click();
        QCOMPARE(text("lblTotal"), QStringLiteral("3"));
    }

    // The roll throws the step's dice, then the bonus's; the verdict, the total and the log's
    // line follow.
    void rollsAgainstTheDifficulty_data() {
        QTest::addColumn<QString>("difficulty");
        QTest::addColumn<QString>("bonus");
        QTest::addColumn<QList<int>>("faces");  // D6 faces, in order
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("logLine");
        QTest::newRow("five above") << "9"
                                    << "4" << QList<int>{5, 3, 6, 1} << "15"
                                    << "Success, 1 extra success"
                                    << "Step 8 + step 4 (2D6 + D6) against 9: 15, success, 1 extra "
                                       "\u2014 D6: 5 \u00b7 D6: 3 \u00b7 D6: 6 + 1 = 7";
        QTest::newRow("exactly") << "9"
                                 << "4" << QList<int>{5, 2, 2} << "9"
                                 << "Success"
                                 << "Step 8 + step 4 (2D6 + D6) against 9: 9, success \u2014 "
                                    "D6: 5 \u00b7 D6: 2 \u00b7 D6: 2";
        QTest::newRow("four above") << "9"
                                    << "4" << QList<int>{5, 3, 5} << "13"
                                    << "Success"
                                    << "Step 8 + step 4 (2D6 + D6) against 9: 13, success \u2014 "
                                       "D6: 5 \u00b7 D6: 3 \u00b7 D6: 5";
        QTest::newRow("two extra") << "2"
                                   << "4" << QList<int>{5, 3, 5} << "13"
                                   << "Success, 2 extra successes"
                                   << "Step 8 + step 4 (2D6 + D6) against 2: 13, success, 2 extra "
                                      "\u2014 D6: 5 \u00b7 D6: 3 \u00b7 D6: 5";
        QTest::newRow("short") << "9"
                               << "4" << QList<int>{1, 3, 4} << "8"
                               << "Failure"
                               << "Step 8 + step 4 (2D6 + D6) against 9: 8, failure \u2014 "
                                  "D6: 1 \u00b7 D6: 3 \u00b7 D6: 4";
        // Three ones reach 3, but the Rule of One always fails.
        QTest::newRow("rule of one") << "3"
                                     << "4" << QList<int>{1, 1, 1} << "Rule of One"
                                     << "Failure"
                                     << "Step 8 + step 4 (2D6 + D6) against 3: Rule of One, "
                                        "failure \u2014 D6: 1 \u00b7 D6: 1 \u00b7 D6: 1";
        QTest::newRow("no bonus") << "9"
                                  << "" << QList<int>{5, 3} << "8"
                                  << "Failure"
                                  << "Step 8 (2D6) against 9: 8, failure \u2014 D6: 5 \u00b7 D6: 3";
        QTest::newRow("no difficulty") << ""
                                       << "25" << QList<int>{5, 3, 2, 3, 4, 1} << "18"
                                       << ""
                                       << "Step 8 + step 25 (2D6 + D20+D10+D8+D4): 18 \u2014 D6: 5 "
                                          "\u00b7 D6: 3 \u00b7 D20: 2 \u00b7 D10: 3 \u00b7 D8: 4 "
                                          "\u00b7 D4: 1";
    }
    void rollsAgainstTheDifficulty() {
        QFETCH(QString, difficulty);
        QFETCH(QString, bonus);
        QFETCH(QList<int>, faces);
        QFETCH(QString, total);
        QFETCH(QString, verdict);
        QFETCH(QString, logLine);
        const int sizes[] = {6, 6, 20, 10, 8, 4};
        std::vector<float> draws;
        for (qsizetype i = 0; i < faces.size(); ++i)
            draws.push_back(DrawFor(faces[i], bonus == "25" ? sizes[i] : 6));
        open(draws);
        setUpTest(difficulty, bonus);
        // Enter in a field rolls, as on ROLL.
        QTest::keyClick(field("txtBonusStep"), Qt::Key_Return);
        QCOMPARE(text("lblTotal"), total);
        QCOMPARE(text("lblVerdict"), verdict);
        QCOMPARE(m_window->rollLog()->chatLine(0), logLine);
        QTest::keyClick(m_window, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), logLine);
    }

    // A field takes only a number in its range, by the one table of cases that the web page's
    // fields keep to too: a key or a paste that would leave the range is refused whole and the
    // field keeps what it showed; emptied, it means none.
    void takesOnlyWhatIsInRange_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("shown");
        QFile file(QStringLiteral(":/optional_number_fields.json"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        for (const QJsonValue row : QJsonDocument::fromJson(file.readAll()).array()) {
            const QJsonObject c = row.toObject();
            QStringList typed;
            for (const QJsonValue text : c["typed"].toArray()) typed << text.toString();
            QTest::newRow(qPrintable(c["name"].toString()))
                << c["field"].toString() << typed << c["shown"].toString();
        }
    }
    void takesOnlyWhatIsInRange() {
        QFETCH(QString, name);
        QFETCH(QStringList, typed);
        QFETCH(QString, shown);
        open({});
        QTest::keyClick(m_window, Qt::Key_T, Qt::ControlModifier);
        auto* spin = control<QSpinBox>(name);
        spin->setFocus();
        for (const QString& text : typed) {
            if (text.size() == 1) {
                // A key of its own, in any script.
                QTest::sendKeyEvent(QTest::Click, spin, Qt::Key_unknown, text, Qt::NoModifier);
            } else {
                QGuiApplication::clipboard()->setText(text);
                QTest::keyClick(spin, Qt::Key_V, Qt::ControlModifier);
            }
        }
        // What the field shows, its digits read in any script.
        QString digits;
        for (const QChar c : spin->text()) digits += QString::number(c.digitValue());
        QCOMPARE(digits, shown);
        QCOMPARE(spin->value(), shown.isEmpty() ? 0 : shown.toInt());
        QVERIFY2(control<QRadioButton>(OptionName(1))->group()->checkedId() == -1,
                 "digits in a field choose no step");
        // Emptied, the field means none.
        spin->selectAll();
        QTest::keyClick(spin, Qt::Key_Backspace);
        QCOMPARE(spin->value(), 0);
        QCOMPARE(spin->text(), QString());
    }

    // The chance follows every change at once, from the first moment a step and a difficulty
    // are set.
    void chanceFollowsEveryChange() {
        open({});
        QTest::keyClick(m_window, Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(text("lblChance"), QString());
        field("txtDifficulty")->setValue(9);
        QCOMPARE(text("lblChance"), QString());  // no step yet
        control<QRadioButton>(OptionName(8))->click();
        QCOMPARE(text("lblChance"),
                 QStringLiteral("Chance of success: 38.0% (with step 4 as bonus: 75.5%)"));
        field("txtBonusStep")->setValue(4);
        QCOMPARE(text("lblChance"),
                 QStringLiteral("Chance of success: 75.5% (without the bonus: 38.0%)"));
        control<QRadioButton>(OptionName(1))->click();
        field("txtDifficulty")->setValue(3);
        // d4-2 with a D6 against 3: the D6 must reach 4, 3, 2 or 1 as the d4-2 shows -1 to 2.
        QCOMPARE(text("lblChance"),
                 QStringLiteral("Chance of success: 75.0% (without the bonus: 0%)"));
        field("txtDifficulty")->setValue(0);
        QCOMPARE(text("lblChance"), QString());
    }

    // "100%" and "0%" are certainties; what only rounds to them says so.
    void chanceAtTheEnds_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("difficulty");
        QTest::addColumn<QString>("chance");
        // Fails 1 roll in 6,400 by the Rule of One; with the bonus 1 in 38,400.
        QTest::newRow("step 25 against 4")
            << 25 << 4 << "Chance of success: > 99.9% (with step 4 as bonus: > 99.9%)";
        // Succeeds 1 roll in 32,768, and with the bonus still under 1 in 1,000.
        QTest::newRow("step 5 against 40")
            << 5 << 40 << "Chance of success: < 0.1% (with step 4 as bonus: < 0.1%)";
        QTest::newRow("step 3 against 1, certain")
            << 3 << 1 << "Chance of success: 100% (with step 4 as bonus: 95.8%)";
    }
    void chanceAtTheEnds() {
        QFETCH(int, step);
        QFETCH(int, difficulty);
        QFETCH(QString, chance);
        open({});
        QTest::keyClick(m_window, Qt::Key_T, Qt::ControlModifier);
        control<QRadioButton>(OptionName(step))->click();
        field("txtDifficulty")->setValue(difficulty);
        QCOMPARE(text("lblChance"), chance);
    }

    // A verdict belongs to the total beside it and to the test it was rolled in: any change of
    // the test takes it away, and a roll that was no test shows none. Left alone, it stays.
    void verdictGoesWithItsTotal_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("nothing changed") << "none"
                                         << "12"
                                         << "Success";
        QTest::newRow("hidden and shown again") << "hide and show"
                                                << "12"
                                                << "Success";
        QTest::newRow("the difficulty") << "difficulty"
                                        << "12"
                                        << "";
        QTest::newRow("the bonus step") << "bonus"
                                        << "12"
                                        << "";
        QTest::newRow("the step") << "step"
                                  << "12"
                                  << "";
        QTest::newRow("a plain roll while hidden") << "plain roll"
                                                   << "5"
                                                   << "";
        QTest::newRow("a roll with no difficulty") << "no difficulty"
                                                   << "5"
                                                   << "";
    }
    void verdictGoesWithItsTotal() {
        QFETCH(QString, change);
        QFETCH(QString, total);
        QFETCH(QString, verdict);
        open({DrawFor(5, 6), DrawFor(6, 6), DrawFor(1, 6), DrawFor(2, 6), DrawFor(3, 6)});
        setUpTest("8", "");
        control<QPushButton>(QStringLiteral("Command1"))->click();
        QCOMPARE(text("lblVerdict"), QStringLiteral("Success"));
        const auto toggle = [this] { QTest::keyClick(m_window, Qt::Key_T, Qt::ControlModifier); };
        if (change == "hide and show") {
            toggle();
            toggle();
        } else if (change == "difficulty") {
            field("txtDifficulty")->setValue(30);
        } else if (change == "bonus") {
            field("txtBonusStep")->setValue(4);
        } else if (change == "step") {
            control<QRadioButton>(OptionName(9))->click();
        } else if (change == "plain roll") {
            toggle();
            control<QPushButton>(QStringLiteral("Command1"))->click();
            toggle();
        } else if (change == "no difficulty") {
            field("txtDifficulty")->clear();
            field("txtDifficulty")->setValue(0);
            control<QPushButton>(QStringLiteral("Command1"))->click();
        }
        QCOMPARE(text("lblTotal"), total);
        QCOMPARE(text("lblVerdict"), verdict);
    }

    // A screen reader reads and sets each field through its value, and finds it by its name;
    // the labels are read as the texts they show.
    void setThroughTheAccessibilityInterface() {
        open({});
        QTest::keyClick(m_window, Qt::Key_T, Qt::ControlModifier);
        control<QRadioButton>(OptionName(8))->click();
        const std::pair<const char*, const char*> named[] = {{"txtDifficulty", "Difficulty"},
                                                             {"txtBonusStep", "Bonus step"}};
        for (const auto& [name, accessibleName] : named) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(field(name));
            QVERIFY(face != nullptr);
            QCOMPARE(face->text(QAccessible::Name), QString::fromLatin1(accessibleName));
            QVERIFY2(face->valueInterface() != nullptr, name);
        }
        QAccessibleInterface* difficulty =
            QAccessible::queryAccessibleInterface(field("txtDifficulty"));
        QCOMPARE(difficulty->valueInterface()->maximumValue().toInt(), 99);
        // A whole step, so that screen readers say whole numbers.
        QCOMPARE(difficulty->valueInterface()->minimumStepSize().toInt(), 1);
        difficulty->valueInterface()->setCurrentValue(9);
        QCOMPARE(field("txtDifficulty")->value(), 9);
        QAccessible::queryAccessibleInterface(field("txtBonusStep"))
            ->valueInterface()
            ->setCurrentValue(4);
        QCOMPARE(difficulty->valueInterface()->currentValue().toInt(), 9);
        QAccessibleInterface* chance =
            QAccessible::queryAccessibleInterface(control(QStringLiteral("lblChance")));
        QCOMPARE(chance->text(QAccessible::Name),
                 QStringLiteral("Chance of success: 75.5% (without the bonus: 38.0%)"));
        // The verdict is read right after the total.
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(m_window);
        const auto at = [&](const char* name) {
            return window->indexOfChild(
                QAccessible::queryAccessibleInterface(control(QString::fromLatin1(name))));
        };
        QCOMPARE(at("lblVerdict"), at("lblTotal") + 1);
    }

    // Tab reaches the fields after EXIT, the designed order before them untouched; reached by
    // Tab, a field's number is selected, and what is typed replaces it.
    void tabReachesTheFieldsAfterExit() {
        open({});
        QTest::keyClick(m_window, Qt::Key_T, Qt::ControlModifier);
        field("txtDifficulty")->setValue(12);
        control(QStringLiteral("cmdExit"))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), field("txtDifficulty"));
        QCoreApplication::processEvents();
        QTest::keyClick(field("txtDifficulty"), Qt::Key_7);
        QCOMPARE(field("txtDifficulty")->value(), 7);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), field("txtBonusStep"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control(OptionName(1)));
        control(OptionName(40))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control(QStringLiteral("Command1")));
    }
};

DICEWRIGHT_QTEST_MAIN(DifficultyControlsTest)
#include "difficulty_controls_test.moc"
