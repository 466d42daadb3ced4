#include "test_roll.h"

#include <array>
#include <variant>

#include "step_table.h"

namespace dicewright {

RollOutcome RollTest(int step, int bonusStep, RandomSource& source, TestThrows& throws) {
    TestThrows thrown{.step = {}, .bonus = {}, .difficulty = throws.difficulty};
    RollStep(step, source, thrown.step);
    if (bonusStep != kNoBonus) RollStep(bonusStep, source, thrown.bonus);
    const RollOutcome outcome = OutcomeOf(thrown);
    throws = thrown;
    return outcome;
}

RollOutcome OutcomeOf(const TestThrows& throws) {
    if (!throws.hasBonus()) return OutcomeOf(throws.step);
    const std::array both{throws.step, throws.bonus};
    return OutcomeOf(both);
}

std::string ThrowsText(const TestThrows& throws) {
    std::string text = ThrowsText(throws.step);
    if (throws.hasBonus()) text += " \u00b7 " + ThrowsText(throws.bonus);
    return text;
}

void RollSelectedTests(RandomSource& source, int bonusStep,
                       const std::function<bool(int)>& isSelected,
                       const std::function<void(const TestThrows&, const RollOutcome&)>& showRoll) {
    source.Reseed();
    for (int step = StepTable::kFirstStep; step <= StepTable::kLastStep; ++step) {
        if (isSelected(step)) {
            TestThrows throws;
            const RollOutcome outcome = RollTest(step, bonusStep, source, throws);
            showRoll(throws, outcome);
        }
    }
}

TestVerdict Judge(const RollOutcome& outcome, int difficulty) {
    if (std::holds_alternative<RuleOfOne>(outcome)) return {};
    const int total = std::get<std::int16_t>(outcome);
    if (total < difficulty) return {};
    return {.success = true, .extraSuccesses = (total - difficulty) / kPointsPerExtraSuccess};
}

}  // namespace dicewright
