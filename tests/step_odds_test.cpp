// The odds shown for each step, held against the exact distributions built by convolution.
#include "step_odds.h"

#include "roll_tally.h"

#include <gtest/gtest.h>

#include <cmath>

#include "exact_distribution.h"
#include "scripted_random_source.h"
#include "step_table.h"

namespace dicewright {
namespace {

using namespace dicewright::testing;

// The tails cut off the convolution below 1e-13 weigh a little on the mean.
constexpr double kTolerance = 1e-9;

class StepOddsTest : public ::testing::TestWithParam<int> {};

TEST_P(StepOddsTest, MatchTheExactDistribution) {
    const int step = GetParam();
    const StepDefinition& definition = StepTable::Step(step);
    const Distribution exact = ExactStep(step);
    const StepOdds odds = OddsOf(step);

    // In the exact distribution, a total equal to the number of dice stands for the Rule of One.
    const bool canRuleOfOne = definition.dice.size() >= 2;
    const int ruleOfOneKey = static_cast<int>(definition.dice.size());
    const double ruleOfOne = canRuleOfOne ? exact.at(ruleOfOneKey) : 0.0;
    double totalMass = 0.0;
    double weighted = 0.0;
    for (const auto& [total, probability] : exact) {
        if (canRuleOfOne && total == ruleOfOneKey) continue;
        totalMass += probability;
        weighted += total * probability;
    }
    const double mean = weighted / totalMass;
    EXPECT_NEAR(odds.averageTotal, mean, kTolerance);
    double squares = 0.0;
    for (const auto& [total, probability] : exact) {
        if (canRuleOfOne && total == ruleOfOneKey) continue;
        squares += (total - mean) * (total - mean) * probability;
    }
    EXPECT_NEAR(odds.totalDeviation, std::sqrt(squares / totalMass), kTolerance);

    if (canRuleOfOne) {
        ASSERT_NE(odds.ruleOfOneOneIn, 0u);
        EXPECT_NEAR(1.0 / static_cast<double>(odds.ruleOfOneOneIn), ruleOfOne, 1e-15);
    } else {
        EXPECT_EQ(odds.ruleOfOneOneIn, 0u);
    }

    // No die explodes when every die stays below its highest face.
    if (definition.exploding) {
        double noneExplodes = 1.0;
        for (const int faces : definition.dice) {
            double below = 0.0;
            for (const auto& [value, probability] : ExplodingDie(faces)) {
                if (value < faces) below += probability;
            }
            noneExplodes *= below;
        }
        EXPECT_NEAR(odds.explosionChance, 1.0 - noneExplodes, kTolerance);
    } else {
        EXPECT_EQ(odds.explosionChance, 0.0);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryStep, StepOddsTest,
                         ::testing::Range(StepTable::kFirstStep, StepTable::kLastStep + 1));

TEST(StepOdds, WellKnownValues) {
    EXPECT_EQ(OddsOf(1).averageTotal, 0.5);
    EXPECT_EQ(OddsOf(4).averageTotal, 4.2);  // an exploding D6
    EXPECT_EQ(OddsOf(8).ruleOfOneOneIn, 36u);
    EXPECT_EQ(OddsOf(40).ruleOfOneOneIn, 1152000u);
    EXPECT_NEAR(OddsOf(8).explosionChance, 11.0 / 36.0, 1e-15);
}

// The tally of rolls so far, set against the odds: counts, means, and the 99% range once 30
// totals are in. Rolls are written as their dice values.
TEST(RollTally, CountsOnlyTheStepsRolled) {
    RollTally tally;
    tally.add(Roll(8, {1, 1}));
    tally.add(Roll(8, {3, 4}));
    tally.add(Roll(1, {-1}));
    const auto reports = tally.reports();
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0].step, 1);
    EXPECT_EQ(reports[0].averageShown, -1.0);
    EXPECT_EQ(reports[0].expectedRulesOfOne, 0.0);
    EXPECT_EQ(reports[1].step, 8);
    EXPECT_EQ(reports[1].rolls, 2u);
    EXPECT_EQ(reports[1].rulesOfOne, 1u);
    EXPECT_NEAR(reports[1].expectedRulesOfOne, 2.0 / 36.0, 1e-15);
    EXPECT_EQ(reports[1].averageShown, 7.0);  // the Rule of One aside
    EXPECT_EQ(reports[1].exactAverage, OddsOf(8).averageTotal);
    EXPECT_FALSE(reports[1].judged);
}

struct JudgedCase {
    const char* name;
    int rolls;
    DieRoll value;  // of every roll of step 4, an exploding D6
    bool judged;
    bool within;
};

class RollTallyJudgement : public ::testing::TestWithParam<JudgedCase> {};

TEST_P(RollTallyJudgement, SetsTheMeanAgainstTheFairRange) {
    const JudgedCase& c = GetParam();
    RollTally tally;
    for (int i = 0; i < c.rolls; ++i) tally.add(Roll(4, {c.value}));
    const StepTallyReport report = tally.reports().at(0);
    EXPECT_EQ(report.judged, c.judged);
    EXPECT_EQ(report.withinFairRange, c.within);
    if (c.judged) {
        const double margin = RollTally::kZ99 * OddsOf(4).totalDeviation / std::sqrt(c.rolls);
        EXPECT_NEAR(report.fairLow, 4.2 - margin, 1e-12);
        EXPECT_NEAR(report.fairHigh, 4.2 + margin, 1e-12);
    }
}

// An exploding D6 deviates by 3.26 about 4.2: 30 totals give 4.2 ± 1.53, 300 give ± 0.49.
INSTANTIATE_TEST_SUITE_P(Step4, RollTallyJudgement,
                         ::testing::Values(JudgedCase{"TooFewToJudge", 29, 1, false, false},
                                           JudgedCase{"ThirtyNearTheMean", 30, 4, true, true},
                                           JudgedCase{"ThirtyAllOnes", 30, 1, true, false},
                                           JudgedCase{"ThreeHundredJustInside", 300, 4, true, true},
                                           JudgedCase{"ThreeHundredFives", 300, 5, true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dicewright
