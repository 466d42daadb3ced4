#include "main_window/main_window_layout.h"

#include "widgets/twips.h"

namespace dicewright {
namespace {

constexpr int kClientWidth = 9030;
constexpr int kClientHeight = 8685;
// With a test's controls: a row of fields and a line for the chance, and the same margin below.
constexpr int kClientHeightWithDifficulty = 9540;

// The designed step options stand in four columns of ten, steps 1 to 10 down the first.
constexpr int kColumnLeft[] = {1200, 3000, 4800, 6600};
constexpr int kGridTop = 1320;
constexpr int kRowPitch = 480;
constexpr int kOptionWidth = 1455;
constexpr int kOptionHeight = 255;

constexpr int kRows = 10;

// Steps 1 to 10 run down the first column, 11 to 20 down the second, and so on.
int ColumnOf(int step) {
    return (step - 1) / kRows;
}
int RowOf(int step) {
    return (step - 1) % kRows;
}

}  // namespace

MainWindowLayout DesignedLayout(bool withDifficulty) {
    MainWindowLayout layout;
    layout.stepDiceCaption = TwipsRect(2160, 480, 1335, 375);
    layout.stepDice = TwipsRect(4350, 480, 75, 300);
    for (int step = StepTable::kFirstStep; step <= StepTable::kLastStep; ++step) {
        layout.steps[step - 1] =
            TwipsRect(kColumnLeft[ColumnOf(step)], kGridTop + kRowPitch * RowOf(step), kOptionWidth,
                      kOptionHeight);
    }
    layout.totalCaption = TwipsRect(3000, 6360, 1335, 375);
    layout.total = TwipsRect(5190, 6360, 75, 300);
    layout.roll = TwipsRect(2880, 7320, 1215, 495);
    layout.exit = TwipsRect(4440, 7320, 1215, 495);
    if (withDifficulty) {
        // The verdict under the total; the fields under the buttons, on the steps' columns, with
        // the chance below them.
        layout.difficulty.result = TwipsRect(kColumnLeft[1], 6780, 5400, 300);
        layout.difficulty.difficultyCaption = TwipsRect(kColumnLeft[0], 8220, kOptionWidth, 375);
        layout.difficulty.difficulty = TwipsRect(kColumnLeft[1], 8160, 900, 375);
        layout.difficulty.bonusCaption = TwipsRect(kColumnLeft[2], 8220, kOptionWidth, 375);
        layout.difficulty.bonus = TwipsRect(kColumnLeft[3], 8160, 900, 375);
        layout.difficulty.chance = TwipsRect(kColumnLeft[0], 8760, 7200, 300);
    }
    return layout;
}

QSize DesignedSize(bool withDifficulty) {
    return {FromTwips(kClientWidth),
            FromTwips(withDifficulty ? kClientHeightWithDifficulty : kClientHeight)};
}

}  // namespace dicewright
