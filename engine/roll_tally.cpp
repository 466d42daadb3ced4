#include "roll_tally.h"

#include <cmath>
#include <variant>

#include "step_odds.h"

namespace dicewright {

void RollTally::add(const StepThrows& roll) {
    Counts& counts = m_counts.at(static_cast<std::size_t>(roll.step - StepTable::kFirstStep));
    ++counts.rolls;
    const RollOutcome outcome = OutcomeOf(roll);
    if (std::holds_alternative<RuleOfOne>(outcome)) {
        ++counts.rulesOfOne;
    } else {
        counts.sumShown += std::get<std::int16_t>(outcome);
    }
}

std::vector<StepTallyReport> RollTally::reports() const {
    std::vector<StepTallyReport> reports;
    for (int step = StepTable::kFirstStep; step <= StepTable::kLastStep; ++step) {
        const Counts& counts = m_counts[static_cast<std::size_t>(step - StepTable::kFirstStep)];
        if (counts.rolls == 0) continue;
        const StepOdds odds = OddsOf(step);
        StepTallyReport report{
            .step = step, .rolls = counts.rolls, .rulesOfOne = counts.rulesOfOne};
        if (odds.ruleOfOneOneIn != 0) {
            report.expectedRulesOfOne =
                static_cast<double>(counts.rolls) / static_cast<double>(odds.ruleOfOneOneIn);
        }
        const std::uint64_t shown = counts.rolls - counts.rulesOfOne;
        report.exactAverage = odds.averageTotal;
        report.averageShown =
            shown == 0 ? 0.0 : static_cast<double>(counts.sumShown) / static_cast<double>(shown);
        if (shown >= kFewestToJudge) {
            // The mean of n totals varies about the exact mean by the deviation over root n.
            const double margin =
                kZ99 * odds.totalDeviation / std::sqrt(static_cast<double>(shown));
            report.judged = true;
            report.fairLow = odds.averageTotal - margin;
            report.fairHigh = odds.averageTotal + margin;
            report.withinFairRange =
                report.averageShown >= report.fairLow && report.averageShown <= report.fairHigh;
        }
        reports.push_back(report);
    }
    return reports;
}

}  // namespace dicewright
