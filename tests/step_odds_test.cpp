// The odds shown for each step, held against the exact distributions built by convolution.
#include "step_odds.h"

#include <gtest/gtest.h>

#include <cmath>

#include "exact_distribution.h"
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
    EXPECT_NEAR(odds.averageTotal, weighted / totalMass, kTolerance);

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

}  // namespace
}  // namespace dicewright
