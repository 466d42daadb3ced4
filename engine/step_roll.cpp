#include "step_roll.h"

#include <algorithm>
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
    StepThrows throws;
    return RollStep(step, source, throws);
}

RollOutcome RollStep(int step, RandomSource& source, StepThrows& throws) {
    const StepDefinition& definition = StepTable::Step(step);
    StepThrows thrown{.step = static_cast<std::int8_t>(step),
                      .count = static_cast<std::uint8_t>(definition.dice.size()),
                      .values = {}};
    if (!definition.exploding) {
        thrown.values[0] = RollModifiedDie(definition.modifier, source);
    } else {
        // Every die is finished, re-throws and all, before the next one is thrown.
        for (std::size_t i = 0; i < thrown.count; ++i) {
            thrown.values[i] = RollDie(definition.dice[i], source);
        }
    }
    const RollOutcome outcome = OutcomeOf(thrown);
    throws = thrown;
    return outcome;
}

RollOutcome OutcomeOf(const StepThrows& throws) {
    return OutcomeOf(std::span(&throws, 1));
}

RollOutcome OutcomeOf(std::span<const StepThrows> rolls) {
    std::size_t dice = 0;
    bool allOnes = true;
    for (const StepThrows& roll : rolls) {
        // A die showed a 1 first when its value is 1 and its modifier: an exploding die that
        // showed 1 is finished at once.
        const int modifier = StepTable::Step(roll.step).modifier;
        dice += roll.count;
        allOnes = allOnes && std::all_of(roll.dice().begin(), roll.dice().end(),
                                         [modifier](DieRoll v) { return v == 1 + modifier; });
    }
    if (dice >= 2 && allOnes) return RuleOfOne{};
    std::int16_t total = 0;
    for (const StepThrows& roll : rolls) {
        for (const DieRoll value : roll.dice()) total = CheckedAdd(total, value);
    }
    return total;
}

std::vector<int> FacesShown(const StepThrows& throws, std::size_t index) {
    const StepDefinition& definition = StepTable::Step(throws.step);
    const int value = throws.values.at(index);
    if (!definition.exploding) return {value - definition.modifier};
    const int faces = definition.dice[index];
    std::vector<int> shown(static_cast<std::size_t>(value / faces), faces);
    shown.push_back(value % faces);
    return shown;
}

std::string OutcomeText(const RollOutcome& outcome) {
    if (std::holds_alternative<RuleOfOne>(outcome)) {
        return "Rule of One";
    }
    return std::to_string(std::get<std::int16_t>(outcome));
}

}  // namespace dicewright
