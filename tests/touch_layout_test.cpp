// The main window laid out for a phone's touch screen, upright and sideways: every control on
// screen at once and apart, each step a target for a thumb, texts large enough to read and
// whole. The splash window and the roll log fit the same screens, and a finger held on the
// window opens its menu.
#include <QAction>
#include <QFontInfo>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "main_window_layout.h"
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

// The phones the layout is made for, as a browser sees them in CSS pixels.
void AddPhones() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<int>("leastTarget");
    QTest::newRow("upright 360x640") << QSize(360, 640) << 44;
    QTest::newRow("upright 390x844") << QSize(390, 844) << 44;
    QTest::newRow("sideways 640x360") << QSize(640, 360) << 24;
    QTest::newRow("sideways 844x390") << QSize(844, 390) << 24;
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
        for (int step = 1; step <= 40; ++step) {
            auto* option = control<QRadioButton>(OptionName(step));
            controls << option;
            QVERIFY2(option->width() >= leastTarget && option->height() >= leastTarget,
                     qPrintable(OptionName(step)));
            QVERIFY(option->sizeHint().width() <= option->width());
            QVERIFY(PixelSize(option) >= 16);
        }
        const QRect whole(QPoint(0, 0), screen);
        for (qsizetype i = 0; i < controls.size(); ++i) {
            const QWidget* one = controls[i];
            QVERIFY2(whole.contains(one->geometry()), qPrintable(one->objectName()));
            for (qsizetype j = i + 1; j < controls.size(); ++j) {
                QVERIFY2(!one->geometry().intersects(controls[j]->geometry()),
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
        QHash<QString, QPair<QRect, QFont>> designed;
        for (const QWidget* child : m_window->findChildren<QWidget*>())
            designed.insert(child->objectName(), {child->geometry(), child->font()});
        m_window->applyLayout(TouchLayout(QSize(360, 640)));
        m_window->applyLayout(DesignedLayout());
        for (const QWidget* child : m_window->findChildren<QWidget*>()) {
            QCOMPARE(child->geometry(), designed.value(child->objectName()).first);
            QCOMPARE(child->font(), designed.value(child->objectName()).second);
        }
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
        QStringList items;
        for (const QAction* action : menu->actions()) items << action->text();
        QCOMPARE(items, (QStringList{"Roll log", "Copy last roll"}));
        QCOMPARE(control<QLabel>(QStringLiteral("lblTotal"))->text(), QString());
        menu->close();

        const QPoint step = control(OptionName(12))->geometry().center();
        QTest::touchEvent(m_window, finger.get()).press(0, step);
        QTest::touchEvent(m_window, finger.get()).release(0, step);
        QTRY_VERIFY(control<QRadioButton>(OptionName(12))->isChecked());
        QVERIFY(!menu->isVisible());
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
