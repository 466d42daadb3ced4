#pragma once

#include <string>

#include "difficulty_roll.h"
#include "step_roll.h"
#include "step_table.h"

namespace dicewright {

// A roll's faces written out, so that a table of cases reads as dice notation: "D6: 6 + 2 = 8 ·
// D6: 3", "D4: 3 − 2" for the die of steps 1 and 2.
inline std::string WrittenThrows(const StepThrows& throws) {
    const StepDefinition& step = StepTable::Step(throws.step);
    std::string text;
    for (std::size_t die = 0; die < throws.count; ++die) {
        if (die > 0) text += " · ";
        text += 'D' + std::to_string(step.dice[die]) + ": ";
        const std::vector<int> shown = FacesShown(throws, die);
        for (std::size_t i = 0; i < shown.size(); ++i)
            text += (i > 0 ? " + " : "") + std::to_string(shown[i]);
        if (shown.size() > 1) text += " = " + std::to_string(throws.values[die]);
        if (step.modifier != 0) text += " − " + std::to_string(-step.modifier);
    }
    return text;
}

inline std::string WrittenThrows(const RollThrows& throws) {
    return throws.hasBonus() ? WrittenThrows(throws.step) + " · " + WrittenThrows(throws.bonus)
                             : WrittenThrows(throws.step);
}

}  // namespace dicewright
