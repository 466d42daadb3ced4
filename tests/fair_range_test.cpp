// The range that the roll log sets the mean of a step's totals against, measured with the
// engine's own rolls from fixed seeds: fair dice fall below it and above it each about 1 time in
// 200, and dice that roll low are called lower.
#include <gtest/gtest.h>

#include <cstdio>
#include <variant>

#include "dice.h"
#include "roll_tally.h"
#include "step_roll.h"

namespace dicewright {
namespace {

struct Rates {
    double lower = 0.0;
    double higher = 0.0;
};

// Sessions of rolls of one step, each judged once `shownTotals` totals are in (Rules of One
// come on top), or after `rolls` rolls when that is given.
Rates Judge(int step, RandomSource& source, int sessions, std::uint64_t shownTotals,
            std::uint64_t rolls = 0) {
    int lower = 0;
    int higher = 0;
    for (int session = 0; session < sessions; ++session) {
        RollTally tally;
        std::uint64_t shown = 0;
        for (std::uint64_t rolled = 0; rolls != 0 ? rolled < rolls : shown < shownTotals;
             ++rolled) {
            StepThrows throws;
            if (!std::holds_alternative<RuleOfOne>(RollStep(step, source, throws))) ++shown;
            tally.add(throws);
        }
        const FairnessVerdict verdict = tally.reports().front().verdict;
        lower += verdict == FairnessVerdict::Lower ? 1 : 0;
        higher += verdict == FairnessVerdict::Higher ? 1 : 0;
    }
    return {.lower = static_cast<double>(lower) / sessions,
            .higher = static_cast<double>(higher) / sessions};
}

// Fair dice: 20,000 sessions of 30 totals fall below the range and above it each 0.5% of the
// time, give or take what 20,000 sessions can tell (about 0.05%).
class Calibration : public ::testing::TestWithParam<int> {};

TEST_P(Calibration, FairDiceFallOutsideOneTimeInTwoHundredOnEachSide) {
    const int step = GetParam();
    ClockRandomSource source(static_cast<std::uint64_t>(20261209 + step));
    const Rates rates = Judge(step, source, 20000, RollTally::kFewestToJudge);
    std::printf("step %d, 20000 sessions of 30 totals: %.3f%% lower, %.3f%% higher\n", step,
                100.0 * rates.lower, 100.0 * rates.higher);
    EXPECT_GE(rates.lower, 0.003);
    EXPECT_LE(rates.lower, 0.007);
    EXPECT_GE(rates.higher, 0.003);
    EXPECT_LE(rates.higher, 0.007);
}

INSTANTIATE_TEST_SUITE_P(Steps, Calibration, ::testing::Values(1, 8, 26, 40));

// Dice whose highest face comes up about half as often as it should: half of the draws that
// would show a D6's six are drawn again.
class FewerSixesSource final : public RandomSource {
public:
    explicit FewerSixesSource(std::uint64_t seed) : m_fair(seed) {}
    void Reseed() override {}
    float Next() override {
        const float draw = m_fair.Next();
        const bool six = static_cast<double>(draw) * 6.0 >= 5.0;
        return six && m_fair.Next() < 0.5f ? m_fair.Next() : draw;
    }

private:
    ClockRandomSource m_fair;
};

TEST(Power, DiceThatRollFewerSixesAreCalledLower) {
    FewerSixesSource source(8);
    const Rates rates = Judge(8, source, 1000, 0, 300);
    std::printf(
        "step 8 with half the sixes drawn again, 1000 sessions of 300 rolls: %.1f%% lower\n",
        100.0 * rates.lower);
    EXPECT_GE(rates.lower, 0.95);
    EXPECT_EQ(rates.higher, 0.0);
}

}  // namespace
}  // namespace dicewright
