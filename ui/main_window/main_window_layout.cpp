#include "main_window/main_window_layout.h"

#include "widgets/twips.h"

namespace dicewright {

static_assert(design::kStepRows * design::kStepColumns == StepTable::kStepCount);

MainWindowLayout DesignedLayout(bool withDifficulty) {
    using namespace design;
    MainWindowLayout layout;
    layout.stepDiceCaption = TwipsRect(kStepDiceCaption);
    layout.stepDice = TwipsRect(kStepDice);
    // Steps 1 to 10 run down the first column, 11 to 20 down the second, and so on.
    for (int step = StepTable::kFirstStep; step <= StepTable::kLastStep; ++step) {
        const int index = step - StepTable::kFirstStep;
        layout.steps[index] =
            TwipsRect(StepColumnLeft(index / kStepRows), StepRowTop(index % kStepRows),
                      kFirstStep.width, kFirstStep.height);
    }
    layout.totalCaption = TwipsRect(kTotalCaption);
    layout.total = TwipsRect(kTotal);
    layout.roll = TwipsRect(kRoll);
    layout.exit = TwipsRect(kExit);
    if (withDifficulty) {
        layout.difficulty.result = TwipsRect(kVerdict);
        layout.difficulty.difficultyCaption = TwipsRect(kDifficultyCaption);
        layout.difficulty.difficulty = TwipsRect(kDifficulty);
        layout.difficulty.bonusCaption = TwipsRect(kBonusCaption);
        layout.difficulty.bonus = TwipsRect(kBonus);
        layout.difficulty.chance = TwipsRect(kChance);
    }
    return layout;
}

QSize DesignedSize(bool withDifficulty) {
    using namespace design;
    return {FromTwips(kMainWidth),
            FromTwips(withDifficulty ? kMainHeightWithDifficulty : kMainHeight)};
}

}  // namespace dicewright
