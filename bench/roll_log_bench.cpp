// The roll log's costs, as the program pays them: the memory that 100,000 logged rolls take,
// the time to add a roll while the log window is open, and the time to open the log window
// over 100,000 rolls. Runs on Qt's offscreen platform; Linux reads memory from /proc.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstdio>
#include <cstdlib>

#include "dice.h"
#include "main_window/main_window.h"
#include "roll_log/roll_log_model.h"
#include "step_roll.h"

namespace {

using namespace dicewright;

// Resident memory of this process in bytes, or -1 where /proc is missing.
qint64 ResidentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * 4096 : -1;
}

// Fills the log with rolls of step 26 as the program rolls them.
void AddRolls(RollLogModel& log, RandomSource& random, qsizetype count) {
    StepThrows roll;
    for (qsizetype i = 0; i < count; ++i) {
        RollStep(26, random, roll);
        log.add(roll);
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ClockRandomSource random(1);
    MainWindow window(random);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    window.findChild<QRadioButton*>(QStringLiteral("optStep26"))->click();
    window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    RollLogModel& log = *window.rollLog();

    // Memory: what 100,000 rolls add to the program.
    const qint64 before = ResidentBytes();
    AddRolls(log, random, RollLogModel::kCapacity - 1);
    const qint64 after = ResidentBytes();
    std::printf("memory of 100,000 logged rolls: %.2f MB (goal: under 16 MB)\n",
                static_cast<double>(after - before) / 1e6);

    // Opening the log window over a full log, until it is drawn.
    QElapsedTimer timer;
    timer.start();
    window.showRollLog();
    QWidget* logWindow = window.findChild<QWidget*>(QStringLiteral("frmRollLog"));
    if (!QTest::qWaitForWindowExposed(logWindow)) return 1;
    logWindow->repaint();
    std::printf("opening the log over 100,000 rolls: %.1f ms (goal: under 100 ms)\n",
                static_cast<double>(timer.nsecsElapsed()) / 1e6);

    // Adding a roll with the window open: the add itself, on the roll's own path, and then the
    // work the event loop does before the next frame (the view's layout and painting).
    const int kAdds = argc > 1 ? std::atoi(argv[1]) : 2000;
    StepThrows roll;
    qint64 adding = 0;
    qint64 drawing = 0;
    for (int i = 0; i < kAdds; ++i) {
        RollStep(26, random, roll);
        timer.restart();
        log.add(roll);
        adding += timer.nsecsElapsed();
        timer.restart();
        QCoreApplication::processEvents();
        drawing += timer.nsecsElapsed();
    }
    std::printf("adding a roll with the log open: %.1f us (goal: under 50 us)\n",
                static_cast<double>(adding) / 1e3 / kAdds);
    std::printf("then laying out and drawing the log: %.1f us\n",
                static_cast<double>(drawing) / 1e3 / kAdds);
    return 0;
}
