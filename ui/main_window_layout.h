#pragma once

#include <QRect>
#include <QSize>
#include <array>

#include "step_table.h"

namespace dicewright {

// Where the main window's controls stand, and how large its texts are drawn.
struct MainWindowLayout {
    QRect stepDiceCaption;
    // The dice and total displays take the width of their text from the left edge given here.
    QRect stepDice;
    // Where the steps show on a touch screen: they scroll there under a finger when the screen
    // is too short for every one at a thumb's size. Null as designed.
    QRect stepArea;
    // Whether a press in the step area waits to see whether it drags: where the main pointer is
    // a finger. A mouse's press chooses its step at once.
    bool stepsDragged = true;
    // steps[n - 1] is the option of step n, within the step area where there is one, else
    // within the window.
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
    // Pixel sizes of the texts; 0 keeps the fonts the window was designed with.
    int textPixels = 0;
    int totalPixels = 0;
    int buttonPixels = 0;
};

// How wide the window's texts are in the language it speaks, in the faces it draws them in: in
// pixels for each pixel of text size, so that a layout of any text size gives each the room it
// needs. The widest of each kind counts.
struct TextWidths {
    double stepDiceCaption = 0;    // "STEP DICE"
    double totalCaption = 0;       // "TOTAL"
    double stepCaption = 0;        // "STEP 40", the option's mark aside
    double difficultyCaption = 0;  // "DIFFICULTY", "BONUS STEP"
    double panel = 0;              // a dice label or "Rule of One" at the total's size, two buttons
    // Where the option's mark stands before its caption, in pixels whatever the text size.
    int optionMark = 0;

    // The widths of the texts the program shows now.
    static TextWidths Measured();
};

// The window as it was designed, in twips, for a mouse and a desktop screen. With the test's
// controls shown, the verdict stands under the total and the window grows by a row of fields
// and a line for the chance below ROLL and EXIT; nothing else moves.
MainWindowLayout DesignedLayout(bool withDifficulty = false);
QSize DesignedSize(bool withDifficulty = false);

// For a touch screen: the same controls in the same order, each step a target for a thumb, and
// nothing outside `available`. Held upright the dice run across the top, the four columns of
// steps below, then the total and the two buttons; held sideways the steps fill the left and the
// dice, the total and the buttons stand at the right. Where the steps do not all fit at a
// thumb's size, they scroll and the rest stays in view. The test's fields, where shown, come
// below the steps, the chance below them and the verdict below the total.
MainWindowLayout TouchLayout(QSize available, bool withDifficulty = false,
                             const TextWidths& widths = TextWidths::Measured());

// Whether a window of `available` pixels holds the designed layout.
bool FitsDesignedLayout(QSize available, bool withDifficulty = false);

}  // namespace dicewright
