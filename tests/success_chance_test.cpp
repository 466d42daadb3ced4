// The chance of a test against a difficulty, held against a distribution convolved here from
// every die, and against many real rolls.
#include "success_chance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "difficulty_roll.h"
#include "exact_distribution.h"
#include "step_table.h"

namespace dicewright {
namespace {

using namespace dicewright::testing;

// The distribution of a step and a bonus step's total; the least total can come only from all
// ones (every die's least value is its one), so with two or more dice it is the Rule of One.
struct PairDistribution {
    Distribution totals;
    bool ruleOfOne = false;
};

// Totals above the largest difficulty and what one die can take off it are all the same
// here: they are lumped together, which keeps the convolution of the largest pairs quick.
constexpr int kLumpAbove = kGreatestDifficulty + 2 * static_cast<int>(2 * StepTable::kMostDice);

Distribution Lumped(const Distribution& totals) {
    Distribution lumped;
    for (const auto& [total, p] : totals) lumped[std::min(total, kLumpAbove + 1)] += p;
    return lumped;
}

// Each step's lumped distribution, convolved once.
const Distribution& LumpedStep(int step) {
    static const auto steps = [] {
        std::vector<Distribution> all;
        for (const StepDefinition& definition : StepTable::All())
            all.push_back(Lumped(ExactStep(definition.number)));
        return all;
    }();
    return steps.at(static_cast<std::size_t>(step - StepTable::kFirstStep));
}

PairDistribution ExactPair(int step, int bonus) {
    PairDistribution pair{LumpedStep(step), false};
    std::size_t dice = StepTable::Step(step).dice.size();
    if (bonus != kNoBonus) {
        pair.totals = Lumped(Convolve(pair.totals, LumpedStep(bonus)));
        dice += StepTable::Step(bonus).dice.size();
    }
    pair.ruleOfOne = dice >= 2;
    return pair;
}

double ConvolvedChance(const PairDistribution& pair, int difficulty) {
    double chance = 0.0;
    for (const auto& [total, p] : pair.totals) {
        const bool ruleOfOne = pair.ruleOfOne && total == pair.totals.begin()->first;
        if (total >= difficulty && !ruleOfOne) chance += p;
    }
    return chance;
}

TEST(SuccessChance, MatchesAnIndependentConvolution) {
    const int bonuses[] = {kNoBonus, 1, 2, 3, 4, 7, 8, 19, 25, 40};
    const int difficulties[] = {1, 2, 3, 4, 5, 6, 7, 9, 12, 13, 17, 21, 30, 45, 60, 80, 99};
    for (int step = StepTable::kFirstStep; step <= StepTable::kLastStep; ++step) {
        for (const int bonus : bonuses) {
            const PairDistribution pair = ExactPair(step, bonus);
            for (const int difficulty : difficulties) {
                SCOPED_TRACE(::testing::Message() << "step " << step << " + bonus " << bonus
                                                  << " against " << difficulty);
                EXPECT_NEAR(ChanceOfSuccess(step, bonus, difficulty),
                            ConvolvedChance(pair, difficulty), 1e-10);
            }
        }
    }
}

struct ChanceCase {
    const char* name;
    int step;
    int bonus;
    int difficulty;
    double chance;
};

void PrintTo(const ChanceCase& c, std::ostream* out) {
    *out << c.name;
}

class KnownChance : public ::testing::TestWithParam<ChanceCase> {};

TEST_P(KnownChance, IsExact) {
    const ChanceCase& c = GetParam();
    EXPECT_NEAR(ChanceOfSuccess(c.step, c.bonus, c.difficulty), c.chance, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    SuccessChance, KnownChance,
    ::testing::Values(
        // Step 1 is d4-2: -1 to 2.
        ChanceCase{"step1_against_1", 1, kNoBonus, 1, 0.5},
        ChanceCase{"step1_against_3", 1, kNoBonus, 3, 0.0},
        ChanceCase{"step2_against_3", 2, kNoBonus, 3, 0.25},
        // Two d4-2 reach 4 only with two fours; both ones are the Rule of One, -2 anyway.
        ChanceCase{"step1_bonus1_against_4", 1, 1, 4, 1.0 / 16},
        // A D6 reaches 6 only by exploding, and then it reaches 7 at once.
        ChanceCase{"step4_against_6", 4, kNoBonus, 6, 1.0 / 6},
        ChanceCase{"step4_against_7", 4, kNoBonus, 7, 1.0 / 6},
        ChanceCase{"step4_against_12", 4, kNoBonus, 12, 1.0 / 36},
        // One die alone always reaches 1; two dice fail only on the Rule of One, whose total
        // of 2 would have reached 2.
        ChanceCase{"step3_against_1", 3, kNoBonus, 1, 1.0},
        ChanceCase{"step8_against_2", 8, kNoBonus, 2, 35.0 / 36},
        ChanceCase{"step8_bonus4_against_3", 8, 4, 3, 215.0 / 216},
        // Against 3, step 8 fails on 1+1 (the Rule of One) and on nothing else.
        ChanceCase{"step8_against_3", 8, kNoBonus, 3, 35.0 / 36},
        ChanceCase{"step8_against_4", 8, kNoBonus, 4, 33.0 / 36},
        ChanceCase{"step40_bonus40_against_1", 40, 40, 1,
                   1.0 - 1.0 / (20.0 * 20 * 10 * 8 * 6 * 6 * 20 * 20 * 10 * 8 * 6 * 6)}));

// A player reads 0 and 1 as certain: they come only where no roll can succeed, or none fail.
struct EndCase {
    const char* name;
    int step;
    int bonus;
    int difficulty;
    double low;  // the chance lies in [low, high]
    double high;
};

void PrintTo(const EndCase& c, std::ostream* out) {
    *out << c.name;
}

class ChanceAtTheEnds : public ::testing::TestWithParam<EndCase> {};

TEST_P(ChanceAtTheEnds, IsZeroOrOneOnlyWhereExact) {
    const EndCase& c = GetParam();
    const double chance = ChanceOfSuccess(c.step, c.bonus, c.difficulty);
    EXPECT_GE(chance, c.low);
    EXPECT_LE(chance, c.high);
}

constexpr double kBelowOne = 1.0 - 1e-15;

INSTANTIATE_TEST_SUITE_P(
    SuccessChance, ChanceAtTheEnds,
    ::testing::Values(
        // Certain: one die whose least value reaches the difficulty.
        EndCase{"step3_against_1_certain", 3, kNoBonus, 1, 1.0, 1.0},
        EndCase{"step2_against_0_plus_1_not_certain", 2, kNoBonus, 1, 0.75, 0.75},
        // Impossible: no die explodes and the most they show falls short.
        EndCase{"step1_against_3_impossible", 1, kNoBonus, 3, 0.0, 0.0},
        EndCase{"step1_bonus2_against_6_impossible", 1, 2, 6, 0.0, 0.0},
        EndCase{"step1_bonus2_against_5", 1, 2, 5, 1.0 / 16, 1.0 / 16},
        // Two or more dice can always give the Rule of One: 1 roll in 6,400 fails here.
        EndCase{"step25_against_4", 25, kNoBonus, 4, 1.0 - 1.0 / 6400 - 1e-15,
                1.0 - 1.0 / 6400 + 1e-15},
        EndCase{"step40_bonus40_against_1", 40, 40, 1, 0.999999999999, kBelowOne},
        // Exploding dice can always succeed: a D8 reaches 40 only by five eights in a row.
        EndCase{"step5_against_40", 5, kNoBonus, 40, 1.0 / 32768 - 1e-15, 1.0 / 32768 + 1e-15},
        // A D4 reaching 99 explodes 24 times: a chance too small to work out as one less the
        // chance of falling short, yet not nothing.
        EndCase{"step3_bonus1_against_99", 3, 1, 99, 1e-300, 1e-12}));

TEST(SuccessChance, RefusesWhatCannotBeSet) {
    EXPECT_THROW(ChanceOfSuccess(8, kNoBonus, 0), std::out_of_range);
    EXPECT_THROW(ChanceOfSuccess(8, kNoBonus, 100), std::out_of_range);
    EXPECT_THROW(ChanceOfSuccess(8, 41, 9), std::out_of_range);
    EXPECT_THROW(ChanceOfSuccess(0, kNoBonus, 9), std::out_of_range);
    EXPECT_NO_THROW(ChanceOfSuccess(40, 40, 99));
}

// Real rolls, from a fixed seed, succeed as often as the exact chance says: within five
// standard deviations of a binomial count, a false alarm about one time in three million.
TEST(SuccessChance, RealRollsSucceedAsOftenAsTheChanceSays) {
    struct Pair {
        int step, bonus, difficulty;
    };
    const Pair pairs[] = {{8, 4, 9}, {8, kNoBonus, 9}, {1, 2, 2},    {5, 1, 6},
                          {3, 3, 2}, {19, 8, 25},      {40, 40, 60}, {14, 4, 13}};
    constexpr int kRolls = 40000;
    ClockRandomSource source(20261209);
    for (const Pair& pair : pairs) {
        SCOPED_TRACE(::testing::Message() << "step " << pair.step << " + bonus " << pair.bonus
                                          << " against " << pair.difficulty);
        int successes = 0;
        for (int i = 0; i < kRolls; ++i) {
            RollThrows throws;
            successes +=
                Judge(RollWithSettings(pair.step, {.bonusStep = pair.bonus}, source, throws),
                      pair.difficulty)
                    .success;
        }
        const double p = ChanceOfSuccess(pair.step, pair.bonus, pair.difficulty);
        const double spread = std::sqrt(kRolls * p * (1.0 - p));
        EXPECT_NEAR(successes, kRolls * p, 5.0 * spread + 0.5);
    }
}

}  // namespace
}  // namespace dicewright
