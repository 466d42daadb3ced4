#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "dice.h"
#include "step_table.h"

namespace dicewright {

// Every die of a roll that throws two or more (the step's and any bonus step's together) came up
// 1 on its first throw.
struct RuleOfOne {
    friend bool operator==(RuleOfOne, RuleOfOne) = default;
};

// A step's result: its 16-bit total, or the Rule of One.
using RollOutcome = std::variant<std::int16_t, RuleOfOne>;

// The dice of one roll of a step, kept compact: the step and each die's value in the order
// thrown, a few bytes with no allocation, so that every roll can be recorded and kept. A value
// tells every face behind it: an exploding N-sided die worth v showed N, v / N times, then
// v % N; the die of steps 1 and 2 showed v less its modifier.
struct StepThrows {
    std::int8_t step = 0;
    std::uint8_t count = 0;
    std::array<DieRoll, StepTable::kMostDice> values{};

    std::span<const DieRoll> dice() const { return std::span(values).first(count); }
    friend bool operator==(const StepThrows&, const StepThrows&) = default;
};

// Throws the dice of step 1 to 40 in the table's order and evaluates them. Does not reseed.
RollOutcome RollStep(int step, RandomSource& source);

// The same roll from the same draws, also recording its dice. `throws` is written only when
// the roll succeeds.
RollOutcome RollStep(int step, RandomSource& source, StepThrows& throws);

// What recorded dice give: the Rule of One, or their sum (OverflowError past 16 bits).
RollOutcome OutcomeOf(const StepThrows& throws);

// What the dice of several steps thrown together give: the Rule of One when two or more dice
// were thrown and every one showed a 1 on its first throw, else the sum of them all, added in
// the order thrown (OverflowError past 16 bits).
RollOutcome OutcomeOf(std::span<const StepThrows> rolls);

// The faces that die `index` of a roll showed, in the order thrown.
std::vector<int> FacesShown(const StepThrows& throws, std::size_t index);

// "Rule of One", or the total in plain decimal ("-1", "0", "27").
std::string OutcomeText(const RollOutcome& outcome);

}  // namespace dicewright
