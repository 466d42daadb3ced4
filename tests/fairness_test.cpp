// Compares what the generator and the dice actually produce with the exact distribution of
// exploding dice, computed here independently. Seeds are fixed, so the verdicts do not change
// from run to run; the critical values are set for a false-alarm rate below one in a million.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "exact_distribution.h"
#include "roll_press.h"
#include "step_roll.h"
#include "step_table.h"

namespace dicewright {
namespace {

using namespace dicewright::testing;

int ObservedKey(int step, const RollOutcome& outcome) {
    if (std::holds_alternative<RuleOfOne>(outcome)) {
        return static_cast<int>(StepTable::Step(step).dice.size());
    }
    return std::get<std::int16_t>(outcome);
}

// Upper critical value of chi-square with the given degrees of freedom at z standard deviations
// (Wilson-Hilferty); z = 5 is a one-sided false-alarm rate of about 3e-7.
double ChiSquareCritical(int degreesOfFreedom, double z = 5.0) {
    const double k = degreesOfFreedom;
    const double spread = 2.0 / (9.0 * k);
    return k * std::pow(1.0 - spread + z * std::sqrt(spread), 3.0);
}

// Pools the sparse tail so that every bin expects at least five, then forms the statistic.
void ExpectFits(const Distribution& exact, const std::map<int, long>& observed, long samples,
                const std::string& what) {
    for (const auto& [value, count] : observed) {
        EXPECT_TRUE(exact.contains(value)) << what << " gave the impossible value " << value;
    }
    double statistic = 0.0;
    int bins = 0;
    double pooledExpected = 0.0;
    long pooledObserved = 0;
    for (const auto& [value, probability] : exact) {
        const double expected = probability * static_cast<double>(samples);
        const auto found = observed.find(value);
        const long count = found == observed.end() ? 0 : found->second;
        if (expected >= 5.0) {
            statistic += (count - expected) * (count - expected) / expected;
            ++bins;
        } else {
            pooledExpected += expected;
            pooledObserved += count;
        }
    }
    if (pooledExpected > 0.0) {
        statistic +=
            (pooledObserved - pooledExpected) * (pooledObserved - pooledExpected) / pooledExpected;
        ++bins;
    }
    ASSERT_GE(bins, 2) << what;
    EXPECT_LT(statistic, ChiSquareCritical(bins - 1)) << what << " over " << bins << " bins";
}

std::map<int, long> Sample(int step, RandomSource& source, long samples) {
    std::map<int, long> observed;
    for (long i = 0; i < samples; ++i) ++observed[ObservedKey(step, RollStep(step, source))];
    return observed;
}

TEST(Fairness, EveryDieSizeMatchesTheExplodingDistribution) {
    // Steps 3 to 7 are the single dice D4 to D12; the D20 is checked on its own.
    ClockRandomSource source(20261208);
    constexpr long kSamples = 300000;
    for (int step = 3; step <= 7; ++step) {
        ExpectFits(ExactStep(step), Sample(step, source, kSamples), kSamples,
                   StepTable::Step(step).diceLabel);
    }
    std::map<int, long> d20;
    for (long i = 0; i < kSamples; ++i) ++d20[RollDie(20, source)];
    ExpectFits(ExplodingDie(20), d20, kSamples, "D20");
}

TEST(Fairness, WholeStepsMatchTheirExactDistribution) {
    ClockRandomSource source(4711);
    constexpr long kSamples = 300000;
    for (const int step : {1, 2, 8, 9, 19, 26, 35, 40}) {
        ExpectFits(ExactStep(step), Sample(step, source, kSamples), kSamples,
                   "step " + std::to_string(step));
    }
}

TEST(Fairness, RuleOfOneComesUpOnceInThirtySixRollsOfStepEight) {
    ClockRandomSource source(36);
    constexpr long kSamples = 360000;
    long ruleOfOne = 0;
    for (long i = 0; i < kSamples; ++i) {
        ruleOfOne += std::holds_alternative<RuleOfOne>(RollStep(8, source)) ? 1 : 0;
    }
    const double expected = kSamples / 36.0;
    const double deviation = std::sqrt(kSamples * (1.0 / 36.0) * (35.0 / 36.0));
    EXPECT_LT(std::abs(ruleOfOne - expected), 5.0 * deviation) << ruleOfOne << " of " << kSamples;
}

TEST(Fairness, PressesThatReseedFromTheClockStayFair) {
    // As the program rolls: a reseed from the clock before every press.
    ClockRandomSource source;
    constexpr long kPresses = 40000;
    constexpr int kStep = 26;
    std::map<int, long> observed;
    for (long i = 0; i < kPresses; ++i) {
        RollSelectedSteps(
            source, [](int step) { return step == kStep; },
            [&](const std::string& text) {
                ++observed[text == "Rule of One" ? 4 : std::stoi(text)];
            });
    }
    ExpectFits(ExactStep(kStep), observed, kPresses, "step 26 with reseeds");
}

}  // namespace
}  // namespace dicewright
