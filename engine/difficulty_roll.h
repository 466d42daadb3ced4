#pragma once

#include <cstdint>
#include <string>

#include "dice.h"
#include "roll_settings.h"
#include "step_roll.h"

namespace dicewright {

// One roll, as compact as a step's: the chosen step's dice, the bonus step's dice (step 0 where
// there was no bonus) and the difficulty it was rolled against (0 where none was set).
struct RollThrows {
    StepThrows step;
    StepThrows bonus;
    std::int8_t difficulty = kNoDifficulty;

    bool hasBonus() const { return bonus.step != kNoBonus; }
    bool hasDifficulty() const { return difficulty != kNoDifficulty; }
    friend bool operator==(const RollThrows&, const RollThrows&) = default;
};

// Throws the step's dice, then the bonus step's, each in the table's order and by its own
// rules, and records them with the difficulty they are judged against. Does not reseed.
// `throws` is written only when the roll succeeds. Throws std::out_of_range for a step, bonus
// step or difficulty outside its range (kNoBonus and kNoDifficulty are in range).
RollOutcome RollWithSettings(int step, const RollSettings& settings, RandomSource& source,
                             RollThrows& throws);

// The Rule of One over every die thrown, or the sum of them all.
RollOutcome OutcomeOf(const RollThrows& throws);

struct Verdict {
    bool success = false;
    // One for every full 5 points above the difficulty.
    int extraSuccesses = 0;
    friend bool operator==(const Verdict&, const Verdict&) = default;
};

// A total reaches the difficulty or it fails; a Rule of One always fails.
Verdict Judge(const RollOutcome& outcome, int difficulty);

}  // namespace dicewright
