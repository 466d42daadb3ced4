#include "roll_tally.h"

#include <cmath>
#include <variant>

#include "step_odds.h"

namespace dicewright {

int StatisticDecimals(double value) {
    if (!(value > 0.0 && value < 0.1)) return 2;
    // The first significant digit stands at 10^floor(log10(value)); one more digit after it.
    return 1 - static_cast<int>(std::floor(std::log10(value)));
}
namespace {

// The standard normal quantile of 1 - 1/200.
constexpr double kZ995 = 2.5758293035489004;

// The Cornish-Fisher quantile, in standard deviations, of a distribution with this skewness
// and excess kurtosis, where the normal one lies at z.
double CornishFisher(double z, double skewness, double excessKurtosis) {
    return z + (z * z - 1.0) * skewness / 6.0 + (z * z * z - 3.0 * z) * excessKurtosis / 24.0 -
           (2.0 * z * z * z - 5.0 * z) * skewness * skewness / 36.0;
}

FairnessVerdict VerdictOf(double average, const FairRange& range) {
    if (average < range.low) return FairnessVerdict::Lower;
    if (average > range.high) return FairnessVerdict::Higher;
    return FairnessVerdict::Within;
}

}  // namespace

FairRange FairRangeOfMean(const StepOdds& odds, std::uint64_t n) {
    // The mean of n independent totals: deviation over root n, skewness over root n, excess
    // kurtosis over n.
    const double count = static_cast<double>(n);
    const double deviation = odds.totalDeviation / std::sqrt(count);
    const double skewness = odds.totalSkewness / std::sqrt(count);
    const double kurtosis = odds.totalExcessKurtosis / count;
    return FairRange{
        .low = odds.averageTotal + deviation * CornishFisher(-kZ995, skewness, kurtosis),
        .high = odds.averageTotal + deviation * CornishFisher(kZ995, skewness, kurtosis)};
}

void RollTally::add(const StepThrows& roll) {
    add(RollThrows{.step = roll, .bonus = {}, .difficulty = kNoDifficulty});
}

void RollTally::add(const RollThrows& roll) {
    Counts& counts = m_counts[{roll.step.step, roll.bonus.step}];
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
    for (const auto& [pair, counts] : m_counts) {
        const auto [step, bonusStep] = pair;
        const StepOdds odds = OddsOf(step, bonusStep);
        StepTallyReport report;
        report.step = step;
        report.bonusStep = bonusStep;
        report.rolls = counts.rolls;
        report.rulesOfOne = counts.rulesOfOne;
        if (odds.ruleOfOneOneIn != 0) {
            report.expectedRulesOfOne =
                static_cast<double>(counts.rolls) / static_cast<double>(odds.ruleOfOneOneIn);
        }
        const std::uint64_t shown = counts.rolls - counts.rulesOfOne;
        report.exactAverage = odds.averageTotal;
        report.averageShown =
            shown == 0 ? 0.0 : static_cast<double>(counts.sumShown) / static_cast<double>(shown);
        if (shown >= kFewestToJudge) {
            report.fairRange = FairRangeOfMean(odds, shown);
            report.verdict = VerdictOf(report.averageShown, report.fairRange);
        }
        reports.push_back(report);
    }
    return reports;
}

}  // namespace dicewright
