#include "difficulty_roll.h"

#include <array>
#include <stdexcept>
#include <string>
#include <variant>

#include "step_table.h"

namespace dicewright {

RollOutcome RollWithSettings(int step, const RollSettings& settings, RandomSource& source,
                             RollThrows& throws) {
    if (settings.bonusStep < kNoBonus || settings.bonusStep > StepTable::kLastStep)
        throw std::out_of_range("bonus step out of range: " + std::to_string(settings.bonusStep));
    if (settings.difficulty < kNoDifficulty || settings.difficulty > kGreatestDifficulty)
        throw std::out_of_range("difficulty out of range: " + std::to_string(settings.difficulty));
    RollThrows thrown{
        .step = {}, .bonus = {}, .difficulty = static_cast<std::int8_t>(settings.difficulty)};
    RollStep(step, source, thrown.step);
    if (settings.bonusStep != kNoBonus) RollStep(settings.bonusStep, source, thrown.bonus);
    const RollOutcome outcome = OutcomeOf(thrown);
    throws = thrown;
    return outcome;
}

RollOutcome OutcomeOf(const RollThrows& throws) {
    if (!throws.hasBonus()) return OutcomeOf(throws.step);
    const std::array both{throws.step, throws.bonus};
    return OutcomeOf(both);
}

Verdict Judge(const RollOutcome& outcome, int difficulty) {
    if (std::holds_alternative<RuleOfOne>(outcome)) return {};
    const int total = std::get<std::int16_t>(outcome);
    if (total < difficulty) return {};
    return {.success = true, .extraSuccesses = (total - difficulty) / kPointsPerExtraSuccess};
}

}  // namespace dicewright
