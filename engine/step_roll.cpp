#include "step_roll.h"

#include <algorithm>
#include <array>
#include <limits>

#include "step_table.h"

namespace dicewright {
namespace {

std::int16_t CheckedAdd(std::int16_t total, std::int16_t value) {
    const int sum = total + value;
    if (sum < std::numeric_limits<std::int16_t>::min() ||
        sum > std::numeric_limits<std::int16_t>::max()) {
        throw OverflowError();
    }
    return static_cast<std::int16_t>(sum);
}

}  // namespace

RollOutcome RollStep(int step, RandomSource& source) {
    const StepDefinition& definition = StepTable::Step(step);
    if (!definition.exploding) {
        return RollModifiedDie(definition.modifier, source);
    }

    // Every die is finished, re-throws and all, before the next one is thrown.
    std::array<DieRoll, StepTable::kMostDice> values{};
    const std::size_t count = definition.dice.size();
    for (std::size_t i = 0; i < count; ++i) {
        values[i] = RollDie(definition.dice[i], source);
    }
    const auto thrown = std::span(values).first(count);

    if (count >= 2 && std::ranges::all_of(thrown, [](DieRoll value) { return value == 1; })) {
        return RuleOfOne{};
    }
    std::int16_t total = 0;
    for (const DieRoll value : thrown) {
        total = CheckedAdd(total, value);
    }
    return total;
}

std::string OutcomeText(const RollOutcome& outcome) {
    if (std::holds_alternative<RuleOfOne>(outcome)) {
        return "Rule of One";
    }
    return std::to_string(std::get<std::int16_t>(outcome));
}

void RollSelectedSteps(RandomSource& source, const std::function<bool(int)>& isSelected,
                       const std::function<void(const std::string&)>& showTotal) {
    source.Reseed();
    for (int step = StepTable::kFirstStep; step <= StepTable::kLastStep; ++step) {
        if (isSelected(step)) {
            showTotal(OutcomeText(RollStep(step, source)));
        }
    }
}

}  // namespace dicewright
