#include "thrown_dice.h"

#include "roll_settings.h"
#include "step_table.h"

namespace dicewright {

std::vector<ThrownDie> DiceOf(int step, int bonusStep) {
    std::vector<ThrownDie> dice;
    const auto add = [&dice](const StepDefinition& definition) {
        for (const int faces : definition.dice)
            dice.push_back({faces, definition.modifier, definition.exploding});
    };
    add(StepTable::Step(step));
    if (bonusStep != kNoBonus) add(StepTable::Step(bonusStep));
    return dice;
}

int AllOnesTotal(const std::vector<ThrownDie>& dice) {
    int total = 0;
    for (const ThrownDie& die : dice) total += 1 + die.modifier;
    return total;
}

double AllOnesChance(const std::vector<ThrownDie>& dice) {
    double chance = 1.0;
    for (const ThrownDie& die : dice) chance /= die.faces;
    return chance;
}

}  // namespace dicewright
