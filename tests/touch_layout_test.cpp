// The main window laid out for a phone's touch screen, upright and sideways: every control on
// screen at once and apart, each step a target for a thumb, texts large enough to read and
// whole. The splash window and the roll log fit the same screens, and a finger held on the
// window opens its menu.
#include <QAction>
#include <QButtonGroup>
#include <QFontInfo>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QScroller>
#include <QtTest>
#include <memory>

#include "main_window_layout.h"
#include "press_and_hold.h"
#include "qt_test_main.h"
#include "roll_log_window.h"
#include "scripted_main_window.h"
#include "splash_window.h"
#include "step_table.h"

using namespace dicewright;
using dicewright::testing::DrawFor;
using dicewright::testing::MainWindowFixture;
using dicewright::testing::OptionName;

namespace {

// The screens the layout is made for, as a browser sees them in CSS pixels: whole phone screens,
// what a phone's browser leaves once its bars are drawn, and tablets used by touch.
void AddPhones() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<int>("leastTarget");
    QTest::newRow("upright 360x640") << QSize(360, 640) << 44;
    QTest::newRow("upright 390x844") << QSize(390, 844) << 44;
    QTest::newRow("4.7-inch with bars 375x548") << QSize(375, 548) << 44;
    QTest::newRow("small with bars 360x560") << QSize(360, 560) << 44;
    QTest::newRow("smallest 320x480") << QSize(320, 480) << 44;
    QTest::newRow("sideways 640x360") << QSize(640, 360) << 24;
    QTest::newRow("sideways 844x390") << QSize(844, 390) << 24;
    QTest::newRow("4.7-inch sideways 568x320") << QSize(568, 320) << 24;
    QTest::newRow("tablet upright 768x1024") << QSize(768, 1024) << 44;
    QTest::newRow("tablet sideways 1024x768") << QSize(1024, 768) << 44;
}

// A finger dragged 120 pixels up from `from` on `target`, at a phone's pace, then lifted.
void DragUp(QWidget* target, QPointingDevice* finger, QPoint from) {
    QTest::touchEvent(target, finger).press(0, from);
    for (int step = 0; step < 12; ++step) {
        from.ry() -= 10;
        QTest::qWait(16);
        QTest::touchEvent(target, finger).move(0, from);
    }
    QTest::touchEvent(target, finger).release(0, from);
}

// A control's rectangle in its window, wherever its parent is.
QRect InWindow(const QWidget* widget) {
    return {widget->mapTo(widget->window(), QPoint(0, 0)), widget->size()};
}

int PixelSize(const QWidget* widget) {
    return QFontInfo(widget->font()).pixelSize();
}

// The whole text of a label or button fits its rectangle.
bool TextWhole(const QWidget* widget, const QString& text) {
    const QFontMetrics metrics = widget->fontMetrics();
    return metrics.horizontalAdvance(text) <= widget->width() &&
           metrics.height() <= widget->height();
}

}  // namespace

class TouchLayoutTest : public MainWindowFixture {
    Q_OBJECT

    QButtonGroup* m_steps() const { return m_window->findChild<QButtonGroup*>(); }

private slots:
    void cleanup() { close(); }

    void everythingShowsApartAndWhole_data() { AddPhones(); }
    void everythingShowsApartAndWhole() {
        QFETCH(QSize, screen);
        QFETCH(int, leastTarget);
        open({DrawFor(1, 6), DrawFor(1, 6)});
        m_window->resize(screen);
        m_window->applyLayout(TouchLayout(screen));
        // The widest texts the displays show: the longest dice label and "Rule of One".
        control<QRadioButton>(OptionName(8))->click();
        control<QPushButton>(QStringLiteral("Command1"))->click();
        QCOMPARE(control<QLabel>(QStringLiteral("lblTotal"))->text(),
                 QStringLiteral("Rule of One"));
        const auto* dice = control<QLabel>(QStringLiteral("lblStepDice"));
        for (const StepDefinition& step : StepTable::All()) {
            control<QRadioButton>(OptionName(step.number))->click();
            QVERIFY2(dice->geometry().right() < screen.width(), step.diceLabel.c_str());
        }

        QList<QWidget*> controls;
        for (const char* name :
             {"StepDiceLabel", "lblStepDice", "Label1", "lblTotal", "Command1", "cmdExit"})
            controls << control(QString::fromLatin1(name));
        // The steps show in their area, scrolling there where they do not all fit: the area
        // lies apart from the rest, and the options apart from one another.
        const auto* area = control(QStringLiteral("scrSteps"));
        controls << const_cast<QWidget*>(area);
        QList<QRect> options;
        for (int step = StepTable::kFirstStep; step <= StepTable::kLastStep; ++step) {
            auto* option = control<QRadioButton>(OptionName(step));
            QVERIFY2(area->isAncestorOf(option), qPrintable(OptionName(step)));
            options << option->geometry();
            QVERIFY2(option->width() >= leastTarget && option->height() >= leastTarget,
                     qPrintable(OptionName(step)));
            QVERIFY2(option->sizeHint().width() <= option->width(),
                     qPrintable(QStringLiteral("%1: %2 wide for %3")
                                    .arg(OptionName(step))
                                    .arg(option->width())
                                    .arg(option->sizeHint().width())));
            QVERIFY(PixelSize(option) >= 16);
        }
        for (qsizetype i = 0; i < options.size(); ++i) {
            for (qsizetype j = i + 1; j < options.size(); ++j)
                QVERIFY(!options[i].intersects(options[j]));
        }
        const QRect whole(QPoint(0, 0), screen);
        for (qsizetype i = 0; i < controls.size(); ++i) {
            const QWidget* one = controls[i];
            QVERIFY2(whole.contains(InWindow(one)), qPrintable(one->objectName()));
            for (qsizetype j = i + 1; j < controls.size(); ++j) {
                QVERIFY2(!InWindow(one).intersects(InWindow(controls[j])),
                         qPrintable(one->objectName() + " and " + controls[j]->objectName()));
            }
        }
        for (const char* name : {"StepDiceLabel", "Label1", "lblStepDice", "lblTotal"}) {
            const auto* label = control<QLabel>(QString::fromLatin1(name));
            QVERIFY2(TextWhole(label, label->text()), name);
            QVERIFY2(PixelSize(label) >= 16, name);
        }
        const auto* total = control(QStringLiteral("lblTotal"));
        for (const char* name : {"Command1", "cmdExit"}) {
            const auto* button = control<QPushButton>(QString::fromLatin1(name));
            QVERIFY2(button->height() >= 48, name);
            QVERIFY2(TextWhole(button, button->text()), name);
            QVERIFY2(PixelSize(total) > PixelSize(button), name);
        }
        QVERIFY(PixelSize(total) > PixelSize(control(QStringLiteral("StepDiceLabel"))));
    }

    // A desktop-sized page keeps the window as designed, to the pixel and the font.
    void designedWhereItFits_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("fits");
        QTest::newRow("the designed size") << QSize(602, 579) << true;
        QTest::newRow("a desktop browser") << QSize(1024, 768) << true;
        QTest::newRow("a pixel too narrow") << QSize(601, 579) << false;
        QTest::newRow("a pixel too low") << QSize(602, 578) << false;
    }
    void designedWhereItFits() {
        QFETCH(QSize, screen);
        QFETCH(bool, fits);
        QCOMPARE(FitsDesignedLayout(screen), fits);

        open({});
        control(OptionName(12))->setFocus();
        QHash<QWidget*, std::tuple<QWidget*, QRect, QFont, bool>> designed;
        for (QWidget* child : m_window->findChildren<QWidget*>()) {
            designed.insert(child, {child->parentWidget(), child->geometry(), child->font(),
                                    child->isVisible()});
        }
        m_window->applyLayout(TouchLayout(QSize(360, 640)));
        QVERIFY(control(OptionName(12))->parentWidget() != m_window);
        m_window->applyLayout(DesignedLayout());
        for (auto [child, was] : designed.asKeyValueRange()) {
            QCOMPARE(child->parentWidget(), std::get<0>(was));
            QCOMPARE(child->geometry(), std::get<1>(was));
            QCOMPARE(child->font(), std::get<2>(was));
            QCOMPARE(child->isVisible(), std::get<3>(was));
        }
        QVERIFY(!control(QStringLiteral("scrSteps"))->isVisible());
        QCOMPARE(QApplication::focusWidget(), control(OptionName(12)));
    }

    // Where the screen is too short for every step at a thumb's size, a finger dragged up the
    // steps scrolls them and chooses none, a tap still chooses, and a step reached from the
    // keyboard scrolls into view; TOTAL, ROLL and EXIT stay where they are.
    void stepsScrollUnderAFinger() {
        open({});
        const QSize screen(320, 480);
        m_window->resize(screen);
        m_window->applyLayout(TouchLayout(screen));
        auto* area = control<QScrollArea>(QStringLiteral("scrSteps"));
        QScrollBar* bar = area->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), 0);
        const QRect roll = InWindow(control(QStringLiteral("Command1")));

        const std::unique_ptr<QPointingDevice> finger(QTest::createTouchDevice());
        DragUp(m_window, finger.get(), InWindow(area).center());
        QTRY_VERIFY(bar->value() > 0);
        QTRY_COMPARE(QScroller::scroller(area->viewport())->state(), QScroller::Inactive);
        QCOMPARE(m_steps()->checkedId(), -1);
        QCOMPARE(InWindow(control(QStringLiteral("Command1"))), roll);

        const QPoint step = InWindow(control(OptionName(20))).center();
        QVERIFY(InWindow(area).contains(step));
        QTest::touchEvent(m_window, finger.get()).press(0, step);
        QTest::touchEvent(m_window, finger.get()).release(0, step);
        QTRY_COMPARE(m_steps()->checkedId(), 20);

        for (const int target : {1, 10, 31, 40}) {
            control(OptionName(target))->setFocus(Qt::TabFocusReason);
            QVERIFY2(InWindow(area).contains(InWindow(control(OptionName(target)))),
                     qPrintable(OptionName(target)));
        }
    }

    // Where the main pointer is a mouse (a narrow desktop browser), the step area never holds a
    // press back to see whether it drags; where it is a finger, it does. (A browser's test drags
    // a real mouse.)
    void onlyAFingerDragsTheSteps() {
        open({});
        const QSize screen(320, 480);
        m_window->resize(screen);
        MainWindowLayout layout = TouchLayout(screen);
        for (const bool finger : {true, false, true}) {
            layout.stepsDragged = finger;
            m_window->applyLayout(layout);
            auto* option = control<QRadioButton>(OptionName(3));
            QTest::mousePress(option, Qt::LeftButton, {}, QPoint(8, 8));
            QVERIFY2(option->isDown() != finger, finger ? "held back" : "pressed at once");
            QTest::mouseRelease(option, Qt::LeftButton, {}, QPoint(8, 8));
            QTRY_COMPARE(m_steps()->checkedId(), 3);
            m_steps()->setExclusive(false);
            option->setChecked(false);
            m_steps()->setExclusive(true);
        }
    }

    // On a touch screen Tab visits the controls in the designed order all the same.
    void focusOrderStaysAsDesigned() {
        open({});
        QWidgetList designed;
        for (QWidget* at = control(OptionName(1)); designed.size() < 44;
             at = at->nextInFocusChain()) {
            if (at->focusPolicy() & Qt::TabFocus) designed << at;
        }
        m_window->resize(320, 480);
        m_window->applyLayout(TouchLayout(QSize(320, 480)));
        QWidgetList touch;
        for (QWidget* at = control(OptionName(1)); touch.size() < 44; at = at->nextInFocusChain()) {
            if (at->focusPolicy() & Qt::TabFocus) touch << at;
        }
        QCOMPARE(touch, designed);
    }

    // A thumb lands beside a step's caption as often as on it.
    void theWholeCellChoosesTheStep() {
        open({});
        m_window->resize(360, 640);
        m_window->applyLayout(TouchLayout(QSize(360, 640)));
        auto* option = control<QRadioButton>(OptionName(8));
        QTest::mouseClick(option, Qt::LeftButton, {},
                          QPoint(option->width() - 2, option->height() - 2));
        QVERIFY(option->isChecked());
    }

    // Held on ROLL, a finger opens the window's menu and rolls nothing; a tap still chooses.
    void aHeldFingerOpensTheMenu() {
        open({DrawFor(2, 6), DrawFor(3, 6)});
        m_window->resize(360, 640);
        m_window->applyLayout(TouchLayout(QSize(360, 640)));
        control<QRadioButton>(OptionName(8))->click();
        const std::unique_ptr<QPointingDevice> finger(QTest::createTouchDevice());
        const QPoint roll = control(QStringLiteral("Command1"))->geometry().center();
        QTest::touchEvent(m_window, finger.get()).press(0, roll);
        QMenu* menu = m_window->contextMenu();
        QTRY_VERIFY(menu->isVisible());
        QTest::touchEvent(m_window, finger.get()).release(0, roll);
        // Lifting the finger over the menu's first item chooses nothing.
        QVERIFY(menu->isVisible());
        QVERIFY(m_window->findChild<RollLogWindow*>() == nullptr);
        QStringList items;
        for (const QAction* action : menu->actions()) items << action->text();
        QCOMPARE(items, (QStringList{"Roll log", "Copy last roll", "Test against a difficulty"}));
        QCOMPARE(control<QLabel>(QStringLiteral("lblTotal"))->text(), QString());
        menu->close();

        const QPoint step = InWindow(control(OptionName(12))).center();
        QTest::touchEvent(m_window, finger.get()).press(0, step);
        QTest::touchEvent(m_window, finger.get()).release(0, step);
        QTRY_VERIFY(control<QRadioButton>(OptionName(12))->isChecked());
        QVERIFY(!menu->isVisible());
    }

    // The menu waits for a finger held still: a finger that moves on is dragging, and a mouse
    // held down is no finger (its right button opens the menu). Each waits well past the hold.
    void onlyAStillFingerOpensTheMenu_data() {
        QTest::addColumn<bool>("finger");
        QTest::addColumn<QPoint>("moveBy");
        QTest::newRow("a finger that moves on") << true << QPoint(0, 40);
        QTest::newRow("a mouse held still") << false << QPoint();
    }
    void onlyAStillFingerOpensTheMenu() {
        QFETCH(bool, finger);
        QFETCH(QPoint, moveBy);
        open({});
        m_window->resize(360, 640);
        m_window->applyLayout(TouchLayout(QSize(360, 640)));
        const QPoint at = InWindow(control(QStringLiteral("lblTotal"))).center();
        const std::unique_ptr<QPointingDevice> device(QTest::createTouchDevice());
        if (finger) {
            QTest::touchEvent(m_window, device.get()).press(0, at);
            QTest::touchEvent(m_window, device.get()).move(0, at + moveBy);
        } else {
            QTest::mousePress(m_window, Qt::LeftButton, {}, at);
        }
        QTest::qWait(int(3 * PressAndHold::kHold.count()));
        QVERIFY(!m_window->contextMenu()->isVisible());
        if (finger) {
            QTest::touchEvent(m_window, device.get()).release(0, at + moveBy);
        } else {
            QTest::mouseRelease(m_window, Qt::LeftButton, {}, at);
        }
    }

    // On a phone the log's rows and buttons are a thumb's height; on a desktop, the platform's.
    void logRowsForAThumb() {
        open({DrawFor(2, 6), DrawFor(3, 6)});
        control<QRadioButton>(OptionName(8))->click();
        control<QPushButton>(QStringLiteral("Command1"))->click();
        m_window->showRollLog();
        auto* log = m_window->findChild<RollLogWindow*>();
        const auto* rolls = log->findChild<QListView*>(QStringLiteral("lstRolls"));
        const auto* close = log->findChild<QPushButton*>(QStringLiteral("cmdClose"));
        const auto rowHeight = [&] {
            return rolls->sizeHintForIndex(rolls->model()->index(0, 0)).height();
        };
        QVERIFY(rowHeight() < 44);
        log->setTouchSized(true);
        QVERIFY(rowHeight() >= 44);
        QVERIFY(close->minimumSizeHint().height() >= 44 || close->minimumHeight() >= 44);
        log->setTouchSized(false);
        QVERIFY(rowHeight() < 44);
        log->close();
    }

    // A finger dragged up the log scrolls it and selects nothing; a mouse on a desktop still
    // selects the rows it drags over.
    void logScrollsUnderAFinger() {
        std::vector<float> draws;
        for (int roll = 0; roll < 60; ++roll)
            draws.insert(draws.end(), {DrawFor(2, 6), DrawFor(3, 6)});
        open(draws);
        control<QRadioButton>(OptionName(8))->click();
        for (int roll = 0; roll < 60; ++roll)
            control<QPushButton>(QStringLiteral("Command1"))->click();
        m_window->showRollLog();
        auto* log = m_window->findChild<RollLogWindow*>();
        log->resize(360, 560);
        log->setTouchSized(true);
        auto* rolls = log->findChild<QListView*>(QStringLiteral("lstRolls"));
        QVERIFY(QTest::qWaitForWindowExposed(log));
        const QModelIndexList before = rolls->selectionModel()->selectedIndexes();
        QCOMPARE(before.size(), 1);
        QScrollBar* bar = rolls->verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), 0);

        const std::unique_ptr<QPointingDevice> finger(QTest::createTouchDevice());
        QWidget* viewport = rolls->viewport();
        DragUp(viewport, finger.get(), viewport->rect().center() + QPoint(0, 60));
        QTRY_VERIFY(bar->value() > 0);
        QTRY_COMPARE(QScroller::scroller(viewport)->state(), QScroller::Inactive);
        QCOMPARE(rolls->selectionModel()->selectedIndexes(), before);

        log->setTouchSized(false);
        bar->setValue(0);
        const QRect first = rolls->visualRect(rolls->model()->index(0, 0));
        const QRect third = rolls->visualRect(rolls->model()->index(2, 0));
        QTest::mousePress(viewport, Qt::LeftButton, {}, first.center());
        QTest::mouseMove(viewport, third.center());
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, third.center());
        QCOMPARE(rolls->selectionModel()->selectedIndexes().size(), 3);
        log->close();
    }

    // The splash shrinks, texts and all, to fit a phone, and stays as designed where it fits.
    void splashFits_data() {
        AddPhones();
        QTest::newRow("a desktop browser") << QSize(1024, 768) << 0;
    }
    void splashFits() {
        QFETCH(QSize, screen);
        SplashWindow splash([]() -> QWidget& { qFatal("not opened"); });
        splash.fitTo(screen);
        if (screen.width() >= 1024) {
            QCOMPARE(splash.size(), QSize(492, 283));
        } else {
            QVERIFY(splash.width() <= screen.width() - 16 &&
                    splash.height() <= screen.height() - 16);
        }
        const auto* frame = splash.findChild<QWidget*>(QStringLiteral("Frame1"));
        QVERIFY(splash.rect().contains(frame->geometry()));
        for (const QLabel* label : frame->findChildren<QLabel*>()) {
            QVERIFY2(frame->rect().contains(label->geometry()), qPrintable(label->objectName()));
            if (!label->text().isEmpty()) {
                QVERIFY2(TextWhole(label, label->text()), qPrintable(label->objectName()));
            }
        }
        const auto* button = frame->findChild<QPushButton*>(QStringLiteral("Command1"));
        QVERIFY(frame->rect().contains(button->geometry()));
    }
};

DICEWRIGHT_QTEST_MAIN(TouchLayoutTest)
#include "touch_layout_test.moc"
