#pragma once

#include <QRect>
#include <QSize>
#include <array>

#include "step_table.h"

namespace dicewright {

// Where the main window's controls stand.
struct MainWindowLayout {
    QRect stepDiceCaption;
    // The dice and total displays take the width of their text from the left edge given here.
    QRect stepDice;
    // steps[n - 1] is the option of step n.
    std::array<QRect, StepTable::kStepCount> steps;
    QRect totalCaption;
    QRect total;
    QRect roll;
    QRect exit;
    // The controls of a test against a difficulty; all null while they are hidden.
    struct Difficulty {
        QRect difficultyCaption;
        QRect difficulty;
        QRect bonusCaption;
        QRect bonus;
        // The chance before the roll, and the verdict after it.
        QRect chance;
        QRect result;
        bool isShown() const { return !difficulty.isNull(); }
    } difficulty;
};

// The window as it was designed, in twips, for a mouse and a desktop screen. With the test's
// controls shown, the verdict stands under the total and the window grows by a row of fields
// and a line for the chance below ROLL and EXIT; nothing else moves.
MainWindowLayout DesignedLayout(bool withDifficulty = false);
QSize DesignedSize(bool withDifficulty = false);

}  // namespace dicewright
