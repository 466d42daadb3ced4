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

// The mean of a distribution whose mass need not add up to 1 (a Rule of One taken out).
double MeanOf(const Distribution& shown) {
    double mass = 0.0;
    double weighted = 0.0;
    for (const auto& [total, probability] : shown) {
        mass += probability;
        weighted += total * probability;
    }
    return weighted / mass;
}

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

// The shape of the shown totals, which the fair range is corrected for. The fourth moment weighs
// the far tail: the distributions here are cut only below 1e-24.
class StepShapeTest : public ::testing::TestWithParam<int> {};

TEST_P(StepShapeTest, SkewnessAndKurtosisMatchTheExactDistribution) {
    const int step = GetParam();
    const StepDefinition& definition = StepTable::Step(step);
    Distribution shown = ExactStep(step, 1e-24);
    if (definition.dice.size() >= 2) shown.erase(static_cast<int>(definition.dice.size()));
    const double mean = MeanOf(shown);
    double mass = 0.0;
    for (const auto& [total, probability] : shown) mass += probability;
    double moment[5] = {};
    for (const auto& [total, probability] : shown) {
        for (int j = 2; j <= 4; ++j) moment[j] += std::pow(total - mean, j) * probability / mass;
    }
    const StepOdds odds = OddsOf(step);
    EXPECT_NEAR(odds.averageTotal, mean, 1e-9);
    EXPECT_NEAR(odds.totalDeviation, std::sqrt(moment[2]), 1e-9);
    EXPECT_NEAR(odds.totalSkewness, moment[3] / std::pow(moment[2], 1.5), 1e-9);
    EXPECT_NEAR(odds.totalExcessKurtosis, moment[4] / (moment[2] * moment[2]) - 3.0, 1e-9);
}

// A die never thrown again, a single exploding die, two and four dice with a Rule of One.
INSTANTIATE_TEST_SUITE_P(Steps, StepShapeTest, ::testing::Values(1, 3, 8, 26));

// A step with a bonus step: the totals of both steps' dice, whose least total comes only from
// all ones and is then the Rule of One.
struct PairCase {
    int step;
    int bonus;
};

void PrintTo(const PairCase& c, std::ostream* out) {
    *out << "step " << c.step << " + step " << c.bonus;
}

class PairOddsTest : public ::testing::TestWithParam<PairCase> {};

TEST_P(PairOddsTest, MatchTheConvolutionOfBothSteps) {
    const auto [step, bonus] = GetParam();
    Distribution shown = Convolve(ExactStep(step, 1e-15), ExactStep(bonus, 1e-15), 1e-15);
    const double ruleOfOne = shown.begin()->second;
    shown.erase(shown.begin());
    const double mean = MeanOf(shown);
    double mass = 0.0;
    double squares = 0.0;
    for (const auto& [total, probability] : shown) {
        mass += probability;
        squares += (total - mean) * (total - mean) * probability;
    }
    const StepOdds odds = OddsOf(step, bonus);
    EXPECT_NEAR(odds.averageTotal, mean, kTolerance);
    EXPECT_NEAR(odds.totalDeviation, std::sqrt(squares / mass), kTolerance);
    EXPECT_NEAR(1.0 / static_cast<double>(odds.ruleOfOneOneIn), ruleOfOne, 1e-15);
}

// The usual D6, a die that never explodes on either side, and the largest pair.
INSTANTIATE_TEST_SUITE_P(Pairs, PairOddsTest,
                         ::testing::Values(PairCase{8, 4}, PairCase{3, 4}, PairCase{1, 1},
                                           PairCase{5, 2}, PairCase{2, 26}, PairCase{40, 40}));

TEST(StepOdds, WellKnownValues) {
    EXPECT_EQ(OddsOf(1).averageTotal, 0.5);
    EXPECT_EQ(OddsOf(4).averageTotal, 4.2);  // an exploding D6
    EXPECT_EQ(OddsOf(8).ruleOfOneOneIn, 36u);
    EXPECT_EQ(OddsOf(40).ruleOfOneOneIn, 1152000u);
    EXPECT_NEAR(OddsOf(8).explosionChance, 11.0 / 36.0, 1e-15);
    // Four faces equally likely: no skew, and flatter than the normal by 1.36.
    EXPECT_NEAR(OddsOf(2).totalSkewness, 0.0, 1e-15);
    EXPECT_NEAR(OddsOf(2).totalExcessKurtosis, -1.36, 1e-12);
    // Explosions give a long tail of high totals.
    EXPECT_NEAR(OddsOf(8).totalSkewness, 1.546, 5e-4);
}

TEST(RollTally, KeepsEachBonusStepApart) {
    RollTally tally;
    tally.add(Roll(8, {3, 4}));
    tally.add(RollThrows{.step = Roll(8, {1, 1}), .bonus = Roll(4, {1}), .difficulty = 9});
    tally.add(RollThrows{.step = Roll(8, {2, 2}), .bonus = Roll(4, {6 + 3}), .difficulty = 0});
    tally.add(RollThrows{.step = Roll(8, {1, 1}), .bonus = Roll(5, {2}), .difficulty = 9});
    const auto reports = tally.reports();
    ASSERT_EQ(reports.size(), 3u);
    EXPECT_EQ(reports[0].bonusStep, kNoBonus);
    EXPECT_EQ(reports[0].averageShown, 7.0);
    // Three exploding D6 average 12.6; without the Rule of One's 3, in 1 roll of 216, it is
    // (12.6 * 216 - 3) / 215. Two of them: (8.4 * 36 - 2) / 35.
    EXPECT_NEAR(reports[0].exactAverage, (8.4 * 36 - 2) / 35, 1e-12);
    EXPECT_EQ(reports[1].bonusStep, 4);
    EXPECT_EQ(reports[1].rolls, 2u);
    EXPECT_EQ(reports[1].rulesOfOne, 1u) << "three ones, the bonus's too";
    EXPECT_EQ(reports[1].averageShown, 13.0);
    EXPECT_NEAR(reports[1].expectedRulesOfOne, 2.0 / 216.0, 1e-15);
    EXPECT_NEAR(reports[1].exactAverage, (12.6 * 216 - 3) / 215, 1e-12);
    EXPECT_EQ(reports[2].bonusStep, 5);
    EXPECT_EQ(reports[2].averageShown, 4.0);
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
    EXPECT_NEAR(reports[1].exactAverage, (8.4 * 36 - 2) / 35, 1e-12);
    EXPECT_EQ(reports[1].verdict, FairnessVerdict::NotJudged);
}

// A Rule of One shows no total: the range is the one for the totals shown, and judging waits
// for that many totals, however many rolls came up Rules of One.
TEST(RollTally, JudgesTheTotalsShownNotTheRolls) {
    RollTally tally;
    for (int i = 0; i < 5; ++i) tally.add(Roll(8, {1, 1}));
    for (int i = 0; i < 29; ++i) tally.add(Roll(8, {3, 5}));
    EXPECT_EQ(tally.reports().at(0).verdict, FairnessVerdict::NotJudged);
    tally.add(Roll(8, {3, 5}));
    const StepTallyReport report = tally.reports().at(0);
    EXPECT_EQ(report.rolls, 35u);
    EXPECT_EQ(report.verdict, FairnessVerdict::Within);
    const FairRange shown = FairRangeOfMean(OddsOf(8), 30);
    EXPECT_EQ(report.fairRange.low, shown.low);
    EXPECT_EQ(report.fairRange.high, shown.high);
}

// The ranges, skewed as the totals are: an exploding D6 (step 4) deviates by 3.26 about 4.2 with
// skewness 2.09, so the normal 4.2 ± 1.53 at 30 totals moves up to 2.88 to 5.95, and ± 0.49 at
// 300 to 3.74 to 4.71; step 8 at 30 gives 6.67 to 10.94 where the normal range is 6.44 to 10.72.
TEST(FairRange, CorrectedForTheSkewOfTheTotals) {
    const struct {
        int step;
        std::uint64_t totals;
        double low;
        double high;
    } cases[] = {{4, 30, 2.8793, 5.9477}, {4, 300, 3.7363, 4.7065}, {8, 30, 6.6653, 10.9407}};
    for (const auto& c : cases) {
        const FairRange range = FairRangeOfMean(OddsOf(c.step), c.totals);
        EXPECT_NEAR(range.low, c.low, 1e-4) << "step " << c.step << ", " << c.totals << " totals";
        EXPECT_NEAR(range.high, c.high, 1e-4) << "step " << c.step << ", " << c.totals << " totals";
    }
}

struct JudgedCase {
    const char* name;
    int rolls;
    DieRoll value;  // of every roll of step 4, an exploding D6
    FairnessVerdict verdict;
};

class RollTallyJudgement : public ::testing::TestWithParam<JudgedCase> {};

TEST_P(RollTallyJudgement, SetsTheMeanAgainstTheFairRange) {
    const JudgedCase& c = GetParam();
    RollTally tally;
    for (int i = 0; i < c.rolls; ++i) tally.add(Roll(4, {c.value}));
    const StepTallyReport report = tally.reports().at(0);
    EXPECT_EQ(report.verdict, c.verdict);
    if (c.verdict != FairnessVerdict::NotJudged) {
        const FairRange range = FairRangeOfMean(OddsOf(4), static_cast<std::uint64_t>(c.rolls));
        EXPECT_EQ(report.fairRange.low, range.low);
        EXPECT_EQ(report.fairRange.high, range.high);
    }
}

using enum FairnessVerdict;
INSTANTIATE_TEST_SUITE_P(Step4, RollTallyJudgement,
                         ::testing::Values(JudgedCase{"TooFewToJudge", 29, 1, NotJudged},
                                           JudgedCase{"ThirtyNearTheMean", 30, 4, Within},
                                           JudgedCase{"ThirtyAllOnes", 30, 1, Lower},
                                           JudgedCase{"ThirtySevens", 30, 7, Higher},
                                           JudgedCase{"ThreeHundredJustInside", 300, 4, Within},
                                           JudgedCase{"ThreeHundredFives", 300, 5, Higher}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dicewright
