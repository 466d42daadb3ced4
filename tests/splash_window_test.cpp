#include "splash_window/splash_window.h"

#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "event_loop.h"
#include "main_window/main_window.h"
#include "qt_test_main.h"
#include "widgets/twips.h"

using namespace dicewright;
using dicewright::testing::RunProgramLoop;

namespace {

Application& App() {
    return *qobject_cast<Application*>(qApp);
}

}  // namespace

class SplashWindowTest : public QObject {
    Q_OBJECT

private:
    SplashWindow* splash() { return App().splashWindow(); }
    template <typename T = QWidget>
    T* control(const QString& name) {
        auto* widget = splash()->findChild<T*>(name);
        if (widget == nullptr) qFatal("no control %s", qPrintable(name));
        return widget;
    }
    void clickAt(QWidget* widget, QPoint at) { QTest::mouseClick(widget, Qt::LeftButton, {}, at); }

private slots:
    void init() {
        App().start();
        QVERIFY(QTest::qWaitForWindowActive(splash()));
    }

    void windowIsAFixedSplashWithoutTitleBar() {
        QCOMPARE(splash()->objectName(), QStringLiteral("frmSplash"));
        QCOMPARE(splash()->size(), QSize(492, 283));
        QCOMPARE(splash()->minimumSize(), splash()->maximumSize());
        QVERIFY(splash()->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(splash()->windowType(), Qt::SplashScreen);
        QCOMPARE(control("Frame1")->geometry(), TwipsRect(design::kSplashFrame));
        // The button as the design places it in the window, the frame's offset included.
        QCOMPARE(control("Command1")->mapTo(splash(), QPoint()), QPoint(178, 197));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QVERIFY(qAbs(splash()->geometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(splash()->geometry().center().y() - screen.center().y()) <= 1);
        QCOMPARE(QApplication::focusWidget(), control("Command1"));
        QVERIFY(App().mainWindow() == nullptr);
    }

    // What the splash shows once loaded: the version and title come from the program's identity.
    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("topLeft");
        QTest::addColumn<QString>("text");
        QTest::newRow("lblProductName")
            << "lblProductName" << TwipsRect(design::kSplashProductName).topLeft() << "Dicewright";
        QTest::newRow("lblVersion") << "lblVersion" << QPoint() << "Version 1.0.0";
        QTest::newRow("lblPlatform") << "lblPlatform" << QPoint() << "Windows 95/98";
        QTest::newRow("lblCopyright")
            << "lblCopyright" << TwipsRect(design::kSplashCopyright).topLeft() << "Copyright";
        QTest::newRow("lblCompany")
            << "lblCompany" << TwipsRect(design::kSplashCompany).topLeft() << "Company";
        QTest::newRow("Command1") << "Command1" << TwipsRect(design::kSplashStart).topLeft()
                                  << "TIME TO ROLL THE DICE";
    }
    void controls() {
        QFETCH(QString, name);
        QFETCH(QPoint, topLeft);
        QFETCH(QString, text);
        QWidget* widget = control(name);
        QCOMPARE(widget->parentWidget(), control("Frame1"));
        QCOMPARE(widget->property("text").toString(), text);
        if (!topLeft.isNull()) QCOMPARE(widget->pos(), topLeft);
    }

    // Right-aligned labels sized to their text keep their right edge.
    void rightAlignedLabelsKeepTheirRightEdge() {
        QCOMPARE(control("lblVersion")->geometry().right(),
                 TwipsRect(design::kSplashVersion).right());
        QCOMPARE(control("lblPlatform")->geometry().right(),
                 TwipsRect(design::kSplashPlatform).right());
        QCOMPARE(control("Command1")->size(), TwipsRect(design::kSplashStart).size());
    }

    void fonts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("face");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("bold");
        QTest::newRow("lblProductName") << "lblProductName"
                                        << "Sans" << 32.25 << true;
        QTest::newRow("lblPlatform") << "lblPlatform"
                                     << "Narrow" << 15.75 << true;
        QTest::newRow("lblVersion") << "lblVersion"
                                    << "Sans" << 12.0 << true;
        QTest::newRow("lblCopyright") << "lblCopyright"
                                      << "Sans" << 8.25 << false;
        QTest::newRow("lblCompany") << "lblCompany"
                                    << "Sans" << 8.25 << false;
    }
    void fonts() {
        QFETCH(QString, name);
        QFETCH(QString, face);
        QFETCH(qreal, points);
        QFETCH(bool, bold);
        const QFontInfo shown(control(name)->font());
        QVERIFY2(shown.family().contains(face) || shown.family().startsWith(QLatin1String("Arial")),
                 qPrintable(shown.family()));
        QCOMPARE(shown.family().contains(QLatin1String("Narrow")), face == QLatin1String("Narrow"));
        QCOMPARE(control(name)->font().pointSizeF(), points);
        QCOMPARE(shown.bold(), bold);
    }

    void bothWindowsCarryTheApplicationIcon() {
        QVERIFY(splash()->windowIcon().availableSizes().contains(QSize(32, 32)));
        QTest::mouseClick(control("Command1"), Qt::LeftButton);
        QVERIFY(App().mainWindow()->windowIcon().availableSizes().contains(QSize(16, 16)));
    }

    void logoIsTheEmbeddedPictureStretched() {
        auto* logo = control<QLabel>("imgLogo");
        QCOMPARE(logo->geometry(), TwipsRect(design::kSplashLogo));
        QCOMPARE(logo->pixmap().size(), QSize(216, 259));
        QVERIFY(logo->hasScaledContents());
    }

    void buttonHandsOverToTheMainWindow() {
        QPointer<SplashWindow> loaded = splash();
        QTest::mouseClick(control("Command1"), Qt::LeftButton);
        QVERIFY(App().mainWindow() != nullptr);
        QVERIFY(App().mainWindow()->isVisible());
        QVERIFY(!loaded.isNull());
        QVERIFY(!loaded->isVisible());
        QCOMPARE(App().splashWindow(), loaded.data());
    }

    void clicksOffTheFrameSurfaceDoNothing_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("logo") << "imgLogo" << QPoint(40, 60);
        QTest::newRow("product name") << "lblProductName" << QPoint(10, 10);
        QTest::newRow("version") << "lblVersion" << QPoint(5, 5);
        QTest::newRow("company") << "lblCompany" << QPoint(5, 5);
        QTest::newRow("margin") << "frmSplash" << QPoint(3, 3);
        QTest::newRow("tab key") << "" << QPoint();
    }
    void clicksOffTheFrameSurfaceDoNothing() {
        QFETCH(QString, target);
        QFETCH(QPoint, at);
        if (target.isEmpty()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        } else {
            QWidget* widget = target == QLatin1String("frmSplash") ? splash() : control(target);
            clickAt(widget, at);
        }
        QVERIFY(splash()->isVisible());
        QVERIFY(App().mainWindow() == nullptr);
    }

    // Ending at the splash: these run the program's own event loop.
    void characterKeyEndsTheProgram_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("letter") << int(Qt::Key_A) << "a";
        QTest::newRow("digit") << int(Qt::Key_7) << "7";
        QTest::newRow("punctuation") << int(Qt::Key_Comma) << ",";
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << "\b";
        QTest::newRow("escape") << int(Qt::Key_Escape) << "\x1b";
    }
    void characterKeyEndsTheProgram() {
        QFETCH(int, key);
        QFETCH(QString, text);
        const int status = RunProgramLoop([&] {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
            QApplication::sendEvent(QApplication::focusWidget(), &press);
        });
        QCOMPARE(status, 0);
        QVERIFY(App().mainWindow() == nullptr);
        QVERIFY(!splash()->isVisible());
    }

    // The focused button takes Space and Enter as any button does, whichever key made them.
    void spaceOrEnterOnTheButtonOpensTheMainWindow_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("space") << int(Qt::Key_Space) << " ";
        QTest::newRow("return") << int(Qt::Key_Return) << "\r";
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << "\r";
    }
    void spaceOrEnterOnTheButtonOpensTheMainWindow() {
        QFETCH(int, key);
        QFETCH(QString, text);
        QCOMPARE(QApplication::focusWidget(), control("Command1"));
        QTest::sendKeyEvent(QTest::Press, control("Command1"), Qt::Key(key), text, {});
        QTest::sendKeyEvent(QTest::Release, control("Command1"), Qt::Key(key), text, {});
        QVERIFY(App().mainWindow() != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(App().mainWindow()));
        QVERIFY(!splash()->isVisible());
    }

    void clickOnTheFrameEndsTheProgram() {
        QCOMPARE(RunProgramLoop([this] { clickAt(control("Frame1"), QPoint(20, 20)); }), 0);
        QVERIFY(App().mainWindow() == nullptr);
    }

    void exitAfterHandOverEndsTheProgram() {
        QTest::mouseClick(control("Command1"), Qt::LeftButton);
        auto* exit = App().mainWindow()->findChild<QPushButton*>("cmdExit");
        QCOMPARE(RunProgramLoop([exit] { QTest::mouseClick(exit, Qt::LeftButton); }), 0);
    }

    void closingTheMainWindowEndsTheProgram() {
        QTest::mouseClick(control("Command1"), Qt::LeftButton);
        QCOMPARE(RunProgramLoop([] { App().mainWindow()->close(); }), 0);
        QVERIFY(!splash()->isVisible());
    }
};

DICEWRIGHT_QTEST_MAIN(SplashWindowTest)
#include "splash_window_test.moc"
