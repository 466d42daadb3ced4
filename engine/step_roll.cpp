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

// Throws the step's dice with `throwDie(faces, index)` and evaluates them.
template <typename ThrowDie>
RollOutcome EvaluateStep(const StepDefinition& definition, ThrowDie throwDie) {
    // Every die is finished, re-throws and all, before the next one is thrown.
    std::array<DieRoll, StepTable::kMostDice> values{};
    const std::size_t count = definition.dice.size();
    for (std::size_t i = 0; i < count; ++i) {
        values[i] = throwDie(definition.dice[i], i);
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

}  // namespace

RollOutcome RollStep(int step, RandomSource& source) {
    const StepDefinition& definition = StepTable::Step(step);
    if (!definition.exploding) {
        return RollModifiedDie(definition.modifier, source);
    }
    return EvaluateStep(definition, [&](int faces, std::size_t) { return RollDie(faces, source); });
}

RollOutcome RollStep(int step, RandomSource& source, StepThrows& throws) {
    const StepDefinition& definition = StepTable::Step(step);
    StepThrows recorded(definition.dice.size());
    RollOutcome outcome;
    if (!definition.exploding) {
        outcome = RollModifiedDie(definition.modifier, source, recorded.front());
    } else {
        outcome = EvaluateStep(definition, [&](int faces, std::size_t index) {
            return RollDie(faces, source, recorded[index]);
        });
    }
    throws = std::move(recorded);
    return outcome;
}

std::string ThrowsText(const StepThrows& throws) {
    std::string text;
    for (const DieThrows& die : throws) {
        if (!text.empty()) text += " \u00b7 ";
        text += 'D' + std::to_string(die.faces) + ": ";
        int value = 0;
        for (std::size_t i = 0; i < die.shown.size(); ++i) {
            if (i > 0) text += " + ";
            text += std::to_string(die.shown[i]);
            value += die.shown[i];
        }
        if (die.shown.size() > 1) text += " = " + std::to_string(value);
        if (die.modifier != 0) {
            // A true minus sign, as printed dice notation has it.
            text += die.modifier < 0 ? " \u2212 " : " + ";
            text += std::to_string(die.modifier < 0 ? -die.modifier : die.modifier);
        }
    }
    return text;
}

std::string OutcomeText(const RollOutcome& outcome) {
    if (std::holds_alternative<RuleOfOne>(outcome)) {
        return "Rule of One";
    }
    return std::to_string(std::get<std::int16_t>(outcome));
}

void RollSelectedSteps(RandomSource& source, const std::function<bool(int)>& isSelected,
                       const std::function<void(const std::string&)>& showTotal) {
    RollSelectedSteps(source, isSelected, showTotal, [](const StepThrows&) {});
}

void RollSelectedSteps(RandomSource& source, const std::function<bool(int)>& isSelected,
                       const std::function<void(const std::string&)>& showTotal,
                       const std::function<void(const StepThrows&)>& showThrows) {
    source.Reseed();
    for (int step = StepTable::kFirstStep; step <= StepTable::kLastStep; ++step) {
        if (isSelected(step)) {
            StepThrows throws;
            showTotal(OutcomeText(RollStep(step, source, throws)));
            showThrows(throws);
        }
    }
}

}  // namespace dicewright
