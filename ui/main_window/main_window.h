#pragma once

#include <QPointer>
#include <QWidget>

#include "main_window/main_window_layout.h"
#include "step_type_ahead.h"

class QAction;
class QButtonGroup;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;

namespace dicewright {

class FittedLabel;
class RandomSource;
class RollLogModel;
class RollLogWindow;
class DifficultyControls;
class TotalDisplay;

// The window where all rolling happens: 40 exclusive step options, the dice of the chosen step,
// ROLL, EXIT and the total of the last roll.
class MainWindow : public QWidget {
    Q_OBJECT
    // Over AT-SPI a frame named "Dicewright".
    Q_CLASSINFO("AccessibleRole", "Window")
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    // The window rolls with the program's one random source, which outlives it.
    explicit MainWindow(RandomSource& random, QWidget* parent = nullptr);

    bool isSelected(int step) const;
    void showTotal(const QString& text);

    // The roll log: built with the first roll or when first asked for, null until then.
    RollLogModel* rollLog() const { return m_log; }
    // Opens the log window, or brings it to the front with the newest roll selected (Ctrl+L).
    void showRollLog();
    // The last roll onto the clipboard as one line for a chat (Ctrl+C); nothing before a roll.
    void copyLastRoll();
    // Places the controls and sizes their texts: a caption too long for its box in the
    // language is drawn smaller.
    void applyLayout(const MainWindowLayout& layout);
    // The menu a right-click or a held finger opens.
    QMenu* contextMenu() const { return m_menu; }
    // Shows or hides the controls of a test against a difficulty (Ctrl+T). Hidden, the window is
    // the designed one and ROLL rolls the chosen step alone; shown, ROLL throws the bonus step's
    // dice too and judges the total against the difficulty. A desktop window grows to hold them.
    // Shown, the difficulty takes the keyboard; hidden, the keyboard goes back where it was.
    void showDifficulty(bool shown);
    bool isDifficultyShown() const { return m_difficultyShown; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // A typed step number selects that step; Enter or Return on a step option, on ROLL or in a
    // test's field rolls.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void optStep_Click(int step);
    void Command1_Click();
    void cmdExit_Click();

    void createStepOptions();
    void setFocusOrder();
    void placeSteps(const MainWindowLayout& layout);
    void createLogActions();
    void createDifficultyAction();
    void showChance();
    RollLogModel& log();

    RandomSource& m_random;
    QButtonGroup* m_steps = nullptr;
    QLabel* m_stepDiceCaption = nullptr;
    FittedLabel* m_stepDice = nullptr;
    QLabel* m_totalCaption = nullptr;
    TotalDisplay* m_total = nullptr;
    QPushButton* m_roll = nullptr;
    QPushButton* m_exit = nullptr;
    StepTypeAhead m_typeAhead;
    RollLogModel* m_log = nullptr;
    RollLogWindow* m_logWindow = nullptr;
    QAction* m_copyLast = nullptr;
    QMenu* m_menu = nullptr;
    DifficultyControls* m_difficulty = nullptr;
    QAction* m_difficultyAction = nullptr;
    bool m_difficultyShown = false;
    QPointer<QWidget> m_focusBeforeDifficulty;
};

}  // namespace dicewright
