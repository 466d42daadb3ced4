#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "dice.h"

namespace dicewright {

// Every die of a step with two or more dice came up 1 on its first throw.
struct RuleOfOne {
    friend bool operator==(RuleOfOne, RuleOfOne) = default;
};

// A step's result: its 16-bit total, or the Rule of One.
using RollOutcome = std::variant<std::int16_t, RuleOfOne>;

// Throws the dice of step 1 to 40 in the table's order and evaluates them. Does not reseed.
RollOutcome RollStep(int step, RandomSource& source);

// The dice of one roll of a step, in the order thrown.
using StepThrows = std::vector<DieThrows>;

// RollStep from the same draws, also telling which faces every die showed. `throws` is written
// only when the roll succeeds.
RollOutcome RollStep(int step, RandomSource& source, StepThrows& throws);

// How a total came about, die by die: "D20: 20 + 20 + 5 = 45 · D10: 7", or "D4: 3 − 2" for the
// die of steps 1 and 2. UTF-8.
std::string ThrowsText(const StepThrows& throws);

// "Rule of One", or the total in plain decimal ("-1", "0", "27").
std::string OutcomeText(const RollOutcome& outcome);

// One press of ROLL: reseeds once, then asks every step from 1 to 40 in order whether it is
// selected, rolling each one that is and handing its text to showTotal. An error ends the press
// where it arises, with nothing more asked or written.
void RollSelectedSteps(RandomSource& source, const std::function<bool(int)>& isSelected,
                       const std::function<void(const std::string&)>& showTotal);

// The same press, also handing each rolled step's throws to showThrows right after its total.
void RollSelectedSteps(RandomSource& source, const std::function<bool(int)>& isSelected,
                       const std::function<void(const std::string&)>& showTotal,
                       const std::function<void(const StepThrows&)>& showThrows);

}  // namespace dicewright
