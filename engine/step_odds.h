#pragma once

#include <cstdint>

#include "roll_settings.h"

namespace dicewright {

// What a step gives over many rolls, worked out exactly from its dice.
struct StepOdds {
    // The mean of the totals that rolls of the step show; a Rule of One shows no total.
    double averageTotal = 0.0;
    // A Rule of One comes once in this many rolls; 0 for the steps that cannot give one.
    std::uint64_t ruleOfOneOneIn = 0;
    // The chance that at least one die of a roll is thrown again.
    double explosionChance = 0.0;
    // The shape of the shown totals' distribution about their mean: standard deviation,
    // skewness (positive: a long tail of high totals, as explosions give) and excess kurtosis.
    double totalDeviation = 0.0;
    double totalSkewness = 0.0;
    double totalExcessKurtosis = 0.0;
};

// The odds of step 1 to 40, alone or with a bonus step's dice thrown with it; throws
// std::out_of_range for any other number.
StepOdds OddsOf(int step, int bonusStep = kNoBonus);

}  // namespace dicewright
