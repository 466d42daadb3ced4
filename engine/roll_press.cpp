#include "roll_press.h"

#include "step_table.h"

namespace dicewright {

void RollSelectedSteps(RandomSource& source, const RollSettings& settings,
                       const std::function<bool(int)>& isSelected,
                       const std::function<void(const RollThrows&, const RollOutcome&)>& showRoll) {
    source.Reseed();
    for (int step = StepTable::kFirstStep; step <= StepTable::kLastStep; ++step) {
        if (isSelected(step)) {
            RollThrows throws;
            const RollOutcome outcome = RollWithSettings(step, settings, source, throws);
            showRoll(throws, outcome);
        }
    }
}

void RollSelectedSteps(RandomSource& source, const std::function<bool(int)>& isSelected,
                       const std::function<void(const std::string&)>& showTotal) {
    RollSelectedSteps(source, RollSettings{}, isSelected,
                      [&showTotal](const RollThrows&, const RollOutcome& outcome) {
                          showTotal(OutcomeText(outcome));
                      });
}

}  // namespace dicewright
