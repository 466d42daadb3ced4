#include "difficulty_roll.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

#include "scripted_random_source.h"
#include "written_throws.h"

namespace dicewright {
namespace {

using testing::DrawFor;
using testing::Roll;
using testing::ScriptedRandomSource;

// A step and a bonus step, the faces thrown in order, and what they give.
struct TestRollCase {
    const char* name;
    int step;
    int bonus;
    std::vector<std::pair<int, int>> faces;  // face, die size
    const char* total;
    const char* dice;
};

void PrintTo(const TestRollCase& c, std::ostream* out) {
    *out << c.name;
}

class TestRollOutcome : public ::testing::TestWithParam<TestRollCase> {};

TEST_P(TestRollOutcome, ThrowsTheStepThenTheBonus) {
    const TestRollCase& c = GetParam();
    std::vector<float> draws;
    for (const auto& [face, faces] : c.faces) draws.push_back(DrawFor(face, faces));
    ScriptedRandomSource source(draws);
    RollThrows throws;
    const RollSettings settings{.bonusStep = c.bonus, .difficulty = 9};
    EXPECT_EQ(OutcomeText(RollWithSettings(c.step, settings, source, throws)), c.total);
    EXPECT_EQ(source.DrawsLeft(), 0u) << "every scripted throw is used, none more";
    EXPECT_EQ(WrittenThrows(throws), c.dice);
    EXPECT_EQ(throws.step.step, c.step);
    EXPECT_EQ(throws.bonus.step, c.bonus);
    EXPECT_EQ(throws.difficulty, 9) << "the roll records the difficulty it was judged against";
}

INSTANTIATE_TEST_SUITE_P(
    DifficultyRoll, TestRollOutcome,
    ::testing::Values(
        TestRollCase{"step8_bonus4",
                     8,
                     4,
                     {{5, 6}, {3, 6}, {6, 6}, {2, 6}},
                     "16",
                     "D6: 5 \u00b7 D6: 3 \u00b7 D6: 6 + 2 = 8"},
        TestRollCase{"no_bonus", 8, kNoBonus, {{5, 6}, {3, 6}}, "8", "D6: 5 \u00b7 D6: 3"},
        // The Rule of One tests the bonus's dice too.
        TestRollCase{"all_three_ones",
                     8,
                     4,
                     {{1, 6}, {1, 6}, {1, 6}},
                     "Rule of One",
                     "D6: 1 \u00b7 D6: 1 \u00b7 D6: 1"},
        TestRollCase{"bonus_spares_it",
                     8,
                     4,
                     {{1, 6}, {1, 6}, {2, 6}},
                     "4",
                     "D6: 1 \u00b7 D6: 1 \u00b7 D6: 2"},
        // A one-die step with a bonus throws two dice, so the rule applies.
        TestRollCase{
            "one_die_step_and_bonus", 5, 4, {{1, 8}, {1, 6}}, "Rule of One", "D8: 1 \u00b7 D6: 1"},
        // The die of steps 1 and 2 keeps its modifier, never explodes, and counts as a one
        // when it shows a one.
        TestRollCase{"modified_bonus_one",
                     5,
                     1,
                     {{1, 8}, {1, 4}},
                     "Rule of One",
                     "D8: 1 \u00b7 D4: 1 \u2212 2"},
        TestRollCase{"modified_bonus_four",
                     5,
                     2,
                     {{8, 8}, {2, 8}, {4, 4}},
                     "13",
                     "D8: 8 + 2 = 10 \u00b7 D4: 4 \u2212 1"},
        TestRollCase{"modified_step_and_bonus",
                     1,
                     1,
                     {{1, 4}, {3, 4}},
                     "0",
                     "D4: 1 \u2212 2 \u00b7 D4: 3 \u2212 2"},
        TestRollCase{"largest_pair",
                     40,
                     40,
                     {{1, 20},
                      {1, 20},
                      {1, 10},
                      {1, 8},
                      {1, 6},
                      {1, 6},
                      {1, 20},
                      {1, 20},
                      {1, 10},
                      {1, 8},
                      {1, 6},
                      {1, 6}},
                     "Rule of One",
                     "D20: 1 \u00b7 D20: 1 \u00b7 D10: 1 \u00b7 D8: 1 \u00b7 D6: 1 \u00b7 D6: 1 "
                     "\u00b7 D20: 1 \u00b7 D20: 1 \u00b7 D10: 1 \u00b7 D8: 1 \u00b7 D6: 1 "
                     "\u00b7 D6: 1"}));

// Step 7's D12 at 2,730 twelves and a last face: the bonus's dice are added after it.
std::vector<float> LongD12(int lastFace, std::initializer_list<std::pair<int, int>> bonus) {
    std::vector<float> draws(2730, DrawFor(12, 12));
    draws.push_back(DrawFor(lastFace, 12));
    for (const auto& [face, faces] : bonus) draws.push_back(DrawFor(face, faces));
    return draws;
}

TEST(DifficultyRoll, PastSixteenBitsWithTheBonusIsTheOverflowError) {
    // 32,760 and 7 are 32,767, the most a total can be; the bonus's 1 is one more.
    ScriptedRandomSource source(LongD12(7, {{1, 6}}));
    RollThrows throws{.step = Roll(4, {3}), .bonus = {}, .difficulty = 5};
    const RollThrows before = throws;
    EXPECT_THROW(RollWithSettings(7, {.bonusStep = 4, .difficulty = 9}, source, throws),
                 OverflowError);
    EXPECT_EQ(throws, before) << "a failed roll records nothing";
}

// Settings outside their ranges are refused before a die is thrown, rather than narrowed: a
// difficulty of 200 would otherwise be recorded as -56.
class TestSettingsOutOfRange : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(TestSettingsOutOfRange, AreRefusedWithNothingThrown) {
    const auto [bonusStep, difficulty] = GetParam();
    ScriptedRandomSource source({});
    RollThrows throws{.step = Roll(4, {3}), .bonus = {}, .difficulty = 5};
    const RollThrows before = throws;
    EXPECT_THROW(
        RollWithSettings(8, {.bonusStep = bonusStep, .difficulty = difficulty}, source, throws),
        std::out_of_range);
    EXPECT_EQ(throws, before);
}

INSTANTIATE_TEST_SUITE_P(DifficultyRoll, TestSettingsOutOfRange,
                         ::testing::Values(std::pair{0, 200}, std::pair{0, 100}, std::pair{0, -1},
                                           std::pair{41, 0}, std::pair{-1, 9}));

TEST(DifficultyRoll, TheLargestTotalsWithABonusAreShown) {
    RollThrows throws;
    ScriptedRandomSource largest(LongD12(6, {{1, 6}}));
    EXPECT_EQ(OutcomeText(RollWithSettings(7, {.bonusStep = 4}, largest, throws)), "32767");
    // Step 1's die showing a 1 is worth -1.
    ScriptedRandomSource lowered(LongD12(7, {{1, 4}}));
    EXPECT_EQ(OutcomeText(RollWithSettings(7, {.bonusStep = 1}, lowered, throws)), "32766");
}

struct VerdictCase {
    const char* name;
    RollOutcome outcome;
    int difficulty;
    Verdict verdict;
};

void PrintTo(const VerdictCase& c, std::ostream* out) {
    *out << c.name;
}

class TestJudgement : public ::testing::TestWithParam<VerdictCase> {};

TEST_P(TestJudgement, CountsFullFivesAboveTheDifficulty) {
    const VerdictCase& c = GetParam();
    EXPECT_EQ(Judge(c.outcome, c.difficulty), c.verdict);
}

INSTANTIATE_TEST_SUITE_P(
    DifficultyRoll, TestJudgement,
    ::testing::Values(VerdictCase{"exactly_the_difficulty", std::int16_t{9}, 9, {true, 0}},
                      VerdictCase{"one_short", std::int16_t{8}, 9, {false, 0}},
                      VerdictCase{"four_above", std::int16_t{13}, 9, {true, 0}},
                      VerdictCase{"five_above", std::int16_t{14}, 9, {true, 1}},
                      VerdictCase{"eight_above", std::int16_t{17}, 9, {true, 1}},
                      VerdictCase{"seventeen_against_seventeen", std::int16_t{17}, 17, {true, 0}},
                      VerdictCase{"ten_above", std::int16_t{19}, 9, {true, 2}},
                      VerdictCase{"largest_total", std::int16_t{32767}, 1, {true, 6553}},
                      VerdictCase{"negative_total", std::int16_t{-1}, 1, {false, 0}},
                      // The Rule of One fails even against the lowest difficulty.
                      VerdictCase{"rule_of_one", RuleOfOne{}, 1, {false, 0}}));

}  // namespace
}  // namespace dicewright
