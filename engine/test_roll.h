#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "dice.h"
#include "step_roll.h"

namespace dicewright {

// A test: a step rolled against a difficulty, often with a bonus step's dice thrown with it.
// The bounds of what a player can set; 0 stands for no bonus and for no difficulty.
inline constexpr int kNoBonus = 0;
inline constexpr int kNoDifficulty = 0;
inline constexpr int kLeastDifficulty = 1;
inline constexpr int kGreatestDifficulty = 99;
// Each full this many points above the difficulty is one extra success.
inline constexpr int kPointsPerExtraSuccess = 5;

// One roll, as compact as a step's: the chosen step's dice, the bonus step's dice (step 0 where
// there was no bonus) and the difficulty it was rolled against (0 where none was set).
struct TestThrows {
    StepThrows step;
    StepThrows bonus;
    std::int8_t difficulty = kNoDifficulty;

    bool hasBonus() const { return bonus.step != kNoBonus; }
    bool hasDifficulty() const { return difficulty != kNoDifficulty; }
    friend bool operator==(const TestThrows&, const TestThrows&) = default;
};

// Throws the step's dice, then the bonus step's (kNoBonus: none), each in the table's order
// and by its own rules. Does not reseed. `throws` is written only when the roll succeeds; its
// difficulty is left as it was.
RollOutcome RollTest(int step, int bonusStep, RandomSource& source, TestThrows& throws);

// The Rule of One over every die thrown, or the sum of them all.
RollOutcome OutcomeOf(const TestThrows& throws);

// How the total came about, the step's dice first: "D6: 5 · D6: 3 · D6: 6". UTF-8.
std::string ThrowsText(const TestThrows& throws);

// One press of ROLL for a test: reseeds once, then asks every step from 1 to 40 in order whether
// it is selected, rolling each one that is with the bonus step's dice (kNoBonus: alone, as
// RollSelectedSteps does) and handing its throws and outcome to showRoll. An error ends the press
// where it arises, with nothing more asked or handed on.
void RollSelectedTests(RandomSource& source, int bonusStep,
                       const std::function<bool(int)>& isSelected,
                       const std::function<void(const TestThrows&, const RollOutcome&)>& showRoll);

struct TestVerdict {
    bool success = false;
    // One for every full 5 points above the difficulty.
    int extraSuccesses = 0;
    friend bool operator==(const TestVerdict&, const TestVerdict&) = default;
};

// A total reaches the difficulty or it fails; a Rule of One always fails.
TestVerdict Judge(const RollOutcome& outcome, int difficulty);

}  // namespace dicewright
