// The rules that both faces of the program ask the engine, rather than decide: how a chance is
// shown, type-ahead of step numbers, and an optional number field.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "chance_shown.h"
#include "optional_number.h"
#include "roll_settings.h"
#include "roll_tally.h"
#include "step_type_ahead.h"

namespace dicewright {
namespace {

struct ChanceCase {
    double chance;
    ChanceBand band;
    int tenths;
};

class ShownChanceTest : public ::testing::TestWithParam<ChanceCase> {};

TEST_P(ShownChanceTest, NeverRoundsIntoACertainty) {
    const ChanceCase& c = GetParam();
    EXPECT_EQ(ShowChance(c.chance), (ShownChance{.band = c.band, .tenths = c.tenths})) << c.chance;
}

INSTANTIATE_TEST_SUITE_P(Chances, ShownChanceTest,
                         ::testing::Values(ChanceCase{1.0, ChanceBand::Certain, 0},
                                           ChanceCase{std::nextafter(1.0, 0.0),
                                                      ChanceBand::NearlyCertain, 0},
                                           ChanceCase{0.9995, ChanceBand::NearlyCertain, 0},
                                           ChanceCase{0.99949, ChanceBand::Tenths, 999},
                                           ChanceCase{0.755, ChanceBand::Tenths, 755},
                                           ChanceCase{0.00051, ChanceBand::Tenths, 1},
                                           ChanceCase{0.0004, ChanceBand::NearlyImpossible, 0},
                                           ChanceCase{std::numeric_limits<double>::min(),
                                                      ChanceBand::NearlyImpossible, 0},
                                           ChanceCase{0.0, ChanceBand::Impossible, 0}));

// Two decimals, or two significant digits for what is smaller, and never an exponent.
TEST(StatisticDecimals, GiveTwoSignificantDigitsToSmallValues) {
    const std::vector<std::pair<double, int>> cases{{8.58, 2},   {0.0, 2},      {0.1, 2}, {0.05, 3},
                                                    {0.0031, 4}, {0.000083, 6}, {-0.5, 2}};
    for (const auto& [value, decimals] : cases)
        EXPECT_EQ(StatisticDecimals(value), decimals) << value;
}

TEST(ComparedBonusStep, IsTheOtherChoice) {
    EXPECT_EQ(ComparedBonusStep(kNoBonus), kUsualBonusStep);
    EXPECT_EQ(ComparedBonusStep(7), kNoBonus);
}

// Digits typed on a clock the test moves: the milliseconds since the digit before, and the step
// named after each.
struct TypingCase {
    const char* name;
    std::vector<std::pair<std::int64_t, int>> typed;  // pause before, digit
    std::vector<int> steps;
};

void PrintTo(const TypingCase& c, std::ostream* out) {
    *out << c.name;
}

class TypeAheadTest : public ::testing::TestWithParam<TypingCase> {};

TEST_P(TypeAheadTest, NamesTheStepOfTheDigitsTyped) {
    const TypingCase& c = GetParam();
    std::int64_t now = 5000;
    StepTypeAhead typeAhead([&now] { return now; });
    std::vector<int> steps;
    for (const auto& [pause, digit] : c.typed) {
        now += pause;
        steps.push_back(typeAhead.type(digit));
    }
    EXPECT_EQ(steps, c.steps);
}

constexpr std::int64_t kPause = StepTypeAhead::kPauseMs;

INSTANTIATE_TEST_SUITE_P(
    Typing, TypeAheadTest,
    ::testing::Values(TypingCase{"two_digits_within_the_pause", {{0, 2}, {kPause, 9}}, {2, 29}},
                      TypingCase{"past_the_pause", {{0, 2}, {kPause + 1, 9}}, {2, 9}},
                      TypingCase{"no_step_gives_way", {{0, 5}, {10, 5}}, {5, 5}},
                      TypingCase{
                          "three_digits_start_afresh", {{0, 1}, {10, 2}, {10, 3}}, {1, 12, 3}},
                      TypingCase{"zero_alone_is_no_step", {{0, 0}}, {0}},
                      TypingCase{"zero_after_four", {{0, 4}, {10, 0}}, {4, 40}}));

// A field's characters as digit values (kNotADigit for others), its greatest value, and what the
// rule makes of them: the number, or why it refuses them.
struct FieldCase {
    const char* name;
    std::vector<int> digits;
    int greatest;
    int value;
    Refusal refusal;
};

void PrintTo(const FieldCase& c, std::ostream* out) {
    *out << c.name;
}

class OptionalNumberTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(OptionalNumberTest, TakesOnlyAWholeNumberInRange) {
    const FieldCase& c = GetParam();
    const OptionalNumber read = ReadOptionalNumber(c.digits, c.greatest);
    EXPECT_EQ(read.refusal, c.refusal);
    if (read.accepted()) {
        EXPECT_EQ(read.value, c.value);
    }
}

constexpr int X = kNotADigit;

INSTANTIATE_TEST_SUITE_P(
    Fields, OptionalNumberTest,
    ::testing::Values(
        FieldCase{"empty_is_none", {}, 99, 0, Refusal::None},
        FieldCase{"greatest", {9, 9}, 99, 99, Refusal::None},
        FieldCase{"one", {1}, 40, 1, Refusal::None},
        FieldCase{"past_the_greatest", {4, 1}, 40, 0, Refusal::TooLarge},
        FieldCase{"zero", {0}, 99, 0, Refusal::LeadingZero},
        FieldCase{"leading_zero", {0, 7}, 99, 0, Refusal::LeadingZero},
        FieldCase{"letters_after_digits", {1, 2, X, X, X}, 99, 0, Refusal::NotANumber},
        FieldCase{"a_long_paste", std::vector<int>(40, 9), 99, 0, Refusal::TooLarge}));

}  // namespace
}  // namespace dicewright
