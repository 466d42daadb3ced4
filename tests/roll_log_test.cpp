// The roll log: what it keeps and how it reads, its copies for a chat and for the record, and
// how the main window opens it, all without a control added to the main window.
#include <QAbstractItemModelTester>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "main_window/main_window.h"
#include "qt_test_main.h"
#include "roll_log/roll_log_model.h"
#include "roll_log/roll_log_window.h"
#include "scripted_main_window.h"
#include "window_controls.h"

using namespace dicewright;
using dicewright::testing::DrawFor;
using dicewright::testing::FindControl;
using dicewright::testing::MainWindowFixture;
using dicewright::testing::OptionName;
using dicewright::testing::Roll;

namespace {

QDateTime At(int hour, int minute, int second, int day = 8) {
    return QDateTime(QDate(2026, 12, day), QTime(hour, minute, second));
}

const QString kStep26Line = QStringLiteral(
    "Step 26 (D20+D10+D8+D6): 56 \u2014 D20: 20 + 20 + 5 = 45 \u00b7 D10: 7 \u00b7 D8: 3 \u00b7 "
    "D6: 1");

}  // namespace

class RollLogTest : public MainWindowFixture {
    Q_OBJECT

private:
    void roll(int step) {
        control<QRadioButton>(OptionName(step))->click();
        control<QPushButton>(QStringLiteral("Command1"))->click();
    }
    QWidget* logWindow() { return m_window->findChild<QWidget*>(QStringLiteral("frmRollLog")); }
    QListView* rolls() { return FindControl<QListView>(*logWindow(), QStringLiteral("lstRolls")); }

private slots:
    void cleanup() { close(); }

    // The model: newest first, a line a roll as the total display showed it.
    void linesNewestFirst() {
        RollLogModel log;
        log.add(Roll(26, {45, 7, 3, 1}), At(21, 4, 5));
        log.add(Roll(8, {1, 1}), At(21, 4, 9));
        log.add(Roll(1, {-1}), At(21, 5, 0));
        QCOMPARE(log.rowCount(), 3);
        QCOMPARE(log.data(log.index(0), Qt::DisplayRole).toString(),
                 QStringLiteral("9:05:00 PM  Step 1 (d4-2): -1 \u2014 D4: 1 \u2212 2"));
        QCOMPARE(log.data(log.index(1), Qt::DisplayRole).toString(),
                 QStringLiteral("9:04:09 PM  Step 8 (2D6): Rule of One \u2014 D6: 1 \u00b7 D6: 1"));
        QCOMPARE(log.chatLine(2), kStep26Line);
        QCOMPARE(log.data(log.index(2), Qt::AccessibleTextRole),
                 log.data(log.index(2), Qt::DisplayRole));
        // A Rule of One stands out; the others do not.
        QVERIFY(log.data(log.index(1), Qt::FontRole).value<QFont>().bold());
        QVERIFY(!log.data(log.index(0), Qt::FontRole).isValid());
    }

    // Step 25's label ends in two blanks; a line has none.
    void labelsTrimmed() {
        RollLogModel log;
        log.add(Roll(25, {2, 3, 4, 1}), At(9, 0, 0));
        QVERIFY(log.chatLine(0).startsWith(QStringLiteral("Step 25 (D20+D10+D8+D4): 10 \u2014")));
    }

    // Past its capacity the oldest rolls go, and are counted; the statistics keep them.
    void boundedToItsCapacity() {
        RollLogModel log;
        const QDateTime when = At(20, 0, 0);
        log.add(Roll(3, {1}), when);
        for (qsizetype i = 0; i < RollLogModel::kCapacity; ++i) log.add(Roll(4, {2}), when);
        log.add(Roll(5, {3}), when);
        QCOMPARE(log.rowCount(), int(RollLogModel::kCapacity));
        QCOMPARE(log.dropped(), qint64(2));
        QVERIFY(log.chatLine(0).startsWith(QStringLiteral("Step 5 ")));
        QVERIFY(log.chatLine(log.rowCount() - 1).startsWith(QStringLiteral("Step 4 ")));
        QCOMPARE(log.tally().reports().front().step, 3);
        QVERIFY(log.record(QDate(2026, 12, 8))
                    .startsWith(QStringLiteral("Dicewright roll log, Tuesday, December 8, 2026\n"
                                               "(2 earlier rolls no longer kept)\n")));
    }

    // Qt's model tester checks every insertion, and every removal once the log is full. (It
    // looks at the whole model after each change, so a small log stands in for the program's.)
    void keepsToTheModelContractPastItsCapacity() {
        constexpr int kSmall = 50;
        RollLogModel log(nullptr, kSmall);
        QAbstractItemModelTester tester(&log);
        for (int i = 0; i < 2 * kSmall + 10; ++i) log.add(Roll(3 + i % 5, {1}), At(20, 0, 0));
        QCOMPARE(log.rowCount(), kSmall);
        QCOMPARE(log.dropped(), qint64(kSmall + 10));
    }

    // A game night past midnight: the date where the day changes, in the log and in the record,
    // which starts with the first roll's date whatever day it is copied.
    void datesWhereTheDayChanges() {
        RollLogModel log;
        log.add(Roll(3, {2}), At(23, 59, 58));
        log.add(Roll(3, {3}), At(23, 59, 59));
        log.add(Roll(3, {1}), At(0, 0, 3, 9));
        QCOMPARE(log.line(2), QStringLiteral("11:59:58 PM  Step 3 (D4): 2 \u2014 D4: 2"));
        QCOMPARE(log.line(1), QStringLiteral("11:59:59 PM  Step 3 (D4): 3 \u2014 D4: 3"));
        QCOMPARE(log.line(0), QStringLiteral("Wednesday, December 9, 2026  12:00:03 AM  "
                                             "Step 3 (D4): 1 \u2014 D4: 1"));
        QCOMPARE(log.record(QDate(2026, 12, 10)),
                 QStringLiteral("Dicewright roll log, Tuesday, December 8, 2026\n"
                                "11:59:58 PM  Step 3 (D4): 2 \u2014 D4: 2\n"
                                "11:59:59 PM  Step 3 (D4): 3 \u2014 D4: 3\n"
                                "Wednesday, December 9, 2026\n"
                                "12:00:03 AM  Step 3 (D4): 1 \u2014 D4: 1"));
    }

    // What the dice have done, in words: the count, the mean against the range for that many
    // totals with its direction, the Rules of One against those expected.
    void statisticsInWords_data() {
        QTest::addColumn<int>("rolls");
        QTest::addColumn<QList<int>>("dice");  // of every roll of step 8 (2D6)
        QTest::addColumn<QString>("line");
        const QString range = QStringLiteral("fair dice give 99 times in 100 (6.67 to 10.94)");
        QTest::newRow("one roll") << 1 << QList<int>{3, 4}
                                  << "Step 8: 1 roll. Average total (Rule of One aside) 7.00, "
                                     "exact 8.58: judged once 30 totals are in (1 so far). "
                                     "Rule of One: 0, expected 0.028.";
        QTest::newRow("lower") << 30 << QList<int>{3, 3}
                               << "Step 8: 30 rolls. Average total (Rule of One aside) 6.00, "
                                  "exact 8.58: lower than " +
                                      range + ". Rule of One: 0, expected 0.83.";
        QTest::newRow("within") << 30 << QList<int>{4, 5}
                                << "Step 8: 30 rolls. Average total (Rule of One aside) 9.00, "
                                   "exact 8.58: within the range " +
                                       range + ". Rule of One: 0, expected 0.83.";
        QTest::newRow("higher") << 30 << QList<int>{11, 1}
                                << "Step 8: 30 rolls. Average total (Rule of One aside) 12.00, "
                                   "exact 8.58: higher than " +
                                       range + ". Rule of One: 0, expected 0.83.";
        QTest::newRow("only Rules of One") << 2 << QList<int>{1, 1}
                                           << "Step 8: 2 rolls. Average total (Rule of One "
                                              "aside) none, exact 8.58: judged once 30 totals "
                                              "are in (0 so far). Rule of One: 2, expected 0.056.";
    }
    void statisticsInWords() {
        QFETCH(int, rolls);
        QFETCH(QList<int>, dice);
        QFETCH(QString, line);
        RollLogModel log;
        for (int i = 0; i < rolls; ++i)
            log.add(Roll(8, {DieRoll(dice[0]), DieRoll(dice[1])}), At(20, 0, 0));
        QWidget main;
        RollLogWindow window(log, &main);
        window.present();
        auto* statistics = FindControl<QListWidget>(window, QStringLiteral("lstStatistics"));
        QCOMPARE(statistics->count(), 1);
        QCOMPARE(statistics->item(0)->text(), line);
    }

    // A step rolled with a bonus step is judged apart, against the odds of both steps' dice.
    void statisticsKeepBonusStepsApart() {
        RollLogModel log;
        log.add(Roll(8, {3, 4}), At(20, 0, 0));
        log.add(RollThrows{.step = Roll(8, {3, 4}), .bonus = Roll(4, {2}), .difficulty = 9},
                At(20, 0, 1));
        QWidget main;
        RollLogWindow window(log, &main);
        window.present();
        auto* statistics = FindControl<QListWidget>(window, QStringLiteral("lstStatistics"));
        QCOMPARE(statistics->count(), 2);
        QVERIFY(statistics->item(0)->text().startsWith(
            "Step 8: 1 roll. Average total (Rule of One aside) 7.00, exact 8.58:"));
        QCOMPARE(statistics->item(1)->text(),
                 "Step 8 + step 4: 1 roll. Average total (Rule of One aside) 9.00, exact 12.64: "
                 "judged once 30 totals are in (1 so far). Rule of One: 0, expected 0.0046.");
    }

    // Copies: a selection and the whole record, oldest first.
    void copyTexts() {
        RollLogModel log;
        log.add(Roll(26, {45, 7, 3, 1}), At(21, 4, 5));
        log.add(Roll(3, {2}), At(21, 4, 7));
        log.add(Roll(8, {1, 1}), At(21, 4, 9));
        QCOMPARE(log.linesOf({0, 2}),
                 "9:04:05 PM  " + kStep26Line +
                     "\n9:04:09 PM  Step 8 (2D6): Rule of One \u2014 D6: 1 \u00b7 D6: 1");
        QCOMPARE(log.record(QDate(2026, 12, 8)),
                 "Dicewright roll log, Tuesday, December 8, 2026\n9:04:05 PM  " + kStep26Line +
                     "\n9:04:07 PM  Step 3 (D4): 2 \u2014 D4: 2"
                     "\n9:04:09 PM  Step 8 (2D6): Rule of One \u2014 D6: 1 \u00b7 D6: 1");
    }

    // The main window: nothing of the log before it is needed; the context menu offers it.
    void builtOnlyWhenNeeded() {
        open({DrawFor(2, 4)});
        QCOMPARE(m_window->rollLog(), nullptr);
        QStringList items;
        for (const QAction* action : m_window->contextMenu()->actions()) items << action->text();
        QCOMPARE(items, (QStringList{"Roll log", "Copy last roll", "Test against a difficulty"}));
        // A right-click asks for it; the menu pops up without waiting in an event loop.
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                                m_window->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(m_window, &click);
        QTRY_VERIFY(m_window->contextMenu()->isVisible());
        m_window->contextMenu()->close();
        QVERIFY(!m_window->actions().at(1)->isEnabled());
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        QTest::keyClick(m_window, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
        roll(3);
        QVERIFY(m_window->actions().at(1)->isEnabled());
        QVERIFY(m_window->rollLog() != nullptr);
        QCOMPARE(m_window->rollLog()->rowCount(), 1);
        QCOMPARE(logWindow(), nullptr);
    }

    // Ctrl+C: the last roll, one line, as the total display showed it.
    void copyLastRoll() {
        open({DrawFor(20, 20), DrawFor(20, 20), DrawFor(5, 20), DrawFor(7, 10), DrawFor(3, 8),
              DrawFor(1, 6)});
        roll(26);
        QTest::keyClick(m_window, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), kStep26Line);
    }

    // Home and End reach the newest and the oldest of a long evening's rolls at once, however
    // far the list has laid its rows out.
    void homeAndEndReachEveryRoll() {
        std::vector<float> draws(450, DrawFor(2, 4));
        open(draws);
        for (int i = 0; i < 450; ++i) roll(3);
        m_window->showRollLog();
        auto* log = m_window->findChild<RollLogWindow*>();
        QVERIFY(QTest::qWaitForWindowActive(log));
        QTest::keyClick(rolls(), Qt::Key_End);
        QCOMPARE(rolls()->currentIndex().row(), 449);
        QCOMPARE(rolls()->selectionModel()->selectedRows(),
                 QModelIndexList{rolls()->currentIndex()});
        QTRY_VERIFY(rolls()->viewport()->rect().contains(
            rolls()->visualRect(rolls()->currentIndex()).center()));
        QTest::keyClick(rolls(), Qt::Key_Home);
        QCOMPARE(rolls()->currentIndex().row(), 0);
        log->close();
    }

    // Ctrl+L opens the log with the newest roll on top and selected; Esc closes it; new rolls
    // arrive on top while it is open; Ctrl+L brings it back with the newest selected again.
    void openWithCtrlL() {
        open({DrawFor(2, 4), DrawFor(3, 4), DrawFor(4, 6), DrawFor(1, 4)});
        roll(3);
        roll(3);
        QTest::keyClick(m_window, Qt::Key_L, Qt::ControlModifier);
        QWidget* log = logWindow();
        QVERIFY(log != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(log));
        QCOMPARE(log->windowTitle(), QStringLiteral("Roll log"));
        QCOMPARE(rolls()->currentIndex().row(), 0);
        QVERIFY(rolls()->selectionModel()->isRowSelected(0));
        QVERIFY(rolls()->model()->index(0, 0).data().toString().endsWith(QStringLiteral("D4: 3")));

        roll(4);
        QCOMPARE(rolls()->model()->rowCount(), 3);
        QVERIFY(rolls()->model()->index(0, 0).data().toString().contains(
            QStringLiteral("Step 4 (D6)")));
        auto* statistics = FindControl<QListWidget>(*log, QStringLiteral("lstStatistics"));
        QCOMPARE(statistics->count(), 2);
        QCOMPARE(statistics->item(1)->text(),
                 QStringLiteral("Step 4: 1 roll. Average total 4.00, exact 4.20: judged once 30 "
                                "totals are in (1 so far)."));

        // Closed, the log hands the keyboard back to the main window.
        QTest::keyClick(rolls(), Qt::Key_Escape);
        QVERIFY(!log->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        roll(3);
        QTest::keyClick(m_window, Qt::Key_L, Qt::ControlModifier);
        QVERIFY(log->isVisible());
        QCOMPARE(logWindow(), log);
        QCOMPARE(rolls()->currentIndex().row(), 0);
        QCOMPARE(rolls()->selectionModel()->selectedRows().size(), 1);
    }

    // In the log, Ctrl+C copies every selected roll, oldest first; Copy all the whole record.
    void copyFromTheLog() {
        open({DrawFor(1, 4), DrawFor(2, 4), DrawFor(3, 4)});
        roll(3);
        roll(3);
        roll(3);
        m_window->showRollLog();
        QVERIFY(QTest::qWaitForWindowExposed(logWindow()));
        rolls()->selectionModel()->select(rolls()->model()->index(2, 0),
                                          QItemSelectionModel::Select);
        QTest::keyClick(rolls(), Qt::Key_C, Qt::ControlModifier);
        const QStringList copied = QGuiApplication::clipboard()->text().split(u'\n');
        QCOMPARE(copied.size(), 2);
        QVERIFY(copied[0].endsWith(QStringLiteral("D4: 1")));
        QVERIFY(copied[1].endsWith(QStringLiteral("D4: 3")));
        FindControl<QPushButton>(*logWindow(), QStringLiteral("cmdCopyAll"))->click();
        QCOMPARE(QGuiApplication::clipboard()->text().count(u'\n'), 3);
    }
};

DICEWRIGHT_QTEST_MAIN(RollLogTest)
#include "roll_log_test.moc"
