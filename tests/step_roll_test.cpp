#include "step_roll.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "roll_press.h"
#include "scripted_random_source.h"
#include "step_table.h"
#include "written_throws.h"

namespace dicewright {
namespace {

using testing::DrawFor;
using testing::ScriptedRandomSource;

// Draws that make each die of a step show the given faces, in throwing order.
std::vector<float> DrawsFor(int step, const std::vector<std::vector<int>>& facesPerDie) {
    const auto dice = StepTable::Step(step).dice;
    if (facesPerDie.size() != dice.size()) throw std::invalid_argument("one list of faces per die");
    std::vector<float> draws;
    for (std::size_t die = 0; die < facesPerDie.size(); ++die) {
        for (const int face : facesPerDie[die]) draws.push_back(DrawFor(face, dice[die]));
    }
    return draws;
}

// A step, the faces its dice show, and the text expected from them.
struct StepCase {
    const char* name;
    int step;
    std::vector<std::vector<int>> faces;
    const char* text;
};

void PrintTo(const StepCase& c, std::ostream* out) {
    *out << c.name;
}

class StepOutcome : public ::testing::TestWithParam<StepCase> {};

TEST_P(StepOutcome, ShowsTheExpectedText) {
    const StepCase& c = GetParam();
    ScriptedRandomSource source(DrawsFor(c.step, c.faces));
    EXPECT_EQ(OutcomeText(RollStep(c.step, source)), c.text);
    EXPECT_EQ(source.DrawsLeft(), 0u) << "every scripted throw is used, none more";
}

INSTANTIATE_TEST_SUITE_P(
    StepRoll, StepOutcome,
    ::testing::Values(
        // Rule of One needs every die of a multi-die step to show 1 on its first throw.
        StepCase{"step8_both_one", 8, {{1}, {1}}, "Rule of One"},
        StepCase{"step8_exploded_then_one", 8, {{6, 1}, {1}}, "8"},
        StepCase{"step8_one_and_two", 8, {{1}, {2}}, "3"},
        StepCase{"step40_all_ones", 40, {{1}, {1}, {1}, {1}, {1}, {1}}, "Rule of One"},
        StepCase{"step40_last_die_two", 40, {{1}, {1}, {1}, {1}, {1}, {2}}, "7"},
        StepCase{"step40_first_die_two", 40, {{2}, {1}, {1}, {1}, {1}, {1}}, "7"},
        StepCase{"step19_all_ones", 19, {{1}, {1}, {1}}, "Rule of One"},
        // Single-die steps never give the Rule of One.
        StepCase{"step3_one", 3, {{1}}, "1"}, StepCase{"step7_one", 7, {{1}}, "1"},
        StepCase{"step5_exploding", 5, {{8, 8, 3}}, "19"},
        // The modified die: may be zero or negative, no explosion.
        StepCase{"step1_lowest", 1, {{1}}, "-1"}, StepCase{"step1_two", 1, {{2}}, "0"},
        StepCase{"step1_highest", 1, {{4}}, "2"}, StepCase{"step2_lowest", 2, {{1}}, "0"},
        StepCase{"step2_highest", 2, {{4}}, "3"},
        // Dice are thrown in the table's order, each finished before the next.
        StepCase{"step10_ten_two_then_four", 10, {{10, 2}, {4}}, "16"},
        StepCase{"step26_mixed", 26, {{20, 3}, {10, 1}, {8, 8, 2}, {5}}, "57"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StepRoll, DrawsAreConsumedInDiceOrder) {
    // 0.99 on the D10 shows 10 and explodes, 0.10 shows 2; the D6 then takes 0.50 and shows 4.
    ScriptedRandomSource source{0.99f, 0.10f, 0.50f};
    EXPECT_EQ(RollStep(10, source), RollOutcome{std::int16_t{16}});
}

TEST(StepRoll, OneDieStepsGiveOnlyTheirFaces) {
    ClockRandomSource source(3);
    std::set<std::string> step1, step2;
    for (int i = 0; i < 2000; ++i) {
        step1.insert(OutcomeText(RollStep(1, source)));
        step2.insert(OutcomeText(RollStep(2, source)));
    }
    EXPECT_EQ(step1, (std::set<std::string>{"-1", "0", "1", "2"}));
    EXPECT_EQ(step2, (std::set<std::string>{"0", "1", "2", "3"}));
}

TEST(StepRoll, SumAbove32767Overflows) {
    // Step 12 (2D10): a first die of 32761 and a second of 7 make 32768.
    std::vector<int> first(3276, 10);
    first.push_back(1);
    ScriptedRandomSource fits(DrawsFor(12, {first, {6}}));
    EXPECT_EQ(RollStep(12, fits), RollOutcome{std::int16_t{32767}});
    ScriptedRandomSource over(DrawsFor(12, {first, {7}}));
    EXPECT_THROW(RollStep(12, over), OverflowError);
}

TEST(StepRoll, OutcomeTextForms) {
    EXPECT_EQ(OutcomeText(RuleOfOne{}), "Rule of One");
    EXPECT_EQ(OutcomeText(std::int16_t{0}), "0");
    EXPECT_EQ(OutcomeText(std::int16_t{-1}), "-1");
    EXPECT_EQ(OutcomeText(std::int16_t{1000}), "1000");
    EXPECT_EQ(OutcomeText(std::int16_t{32767}), "32767");
    EXPECT_EQ(OutcomeText(std::int16_t{-32768}), "-32768");
}

// The throw report: the same draws, the same outcome, and every face in the order thrown.
class StepThrowsReport : public ::testing::TestWithParam<StepCase> {};

TEST_P(StepThrowsReport, ListsEveryFaceAndChangesNothingElse) {
    const StepCase& c = GetParam();
    ScriptedRandomSource plain(DrawsFor(c.step, c.faces));
    ScriptedRandomSource reported(DrawsFor(c.step, c.faces));
    StepThrows throws;
    const RollOutcome outcome = RollStep(c.step, reported, throws);
    EXPECT_EQ(outcome, RollStep(c.step, plain));
    EXPECT_EQ(OutcomeOf(throws), outcome);
    EXPECT_EQ(reported.DrawsLeft(), 0u);
    EXPECT_EQ(WrittenThrows(throws), c.text);
    EXPECT_EQ(throws.step, c.step);
    ASSERT_EQ(throws.count, c.faces.size());
    for (std::size_t die = 0; die < throws.count; ++die) {
        EXPECT_EQ(FacesShown(throws, die), c.faces[die]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Steps, StepThrowsReport,
    ::testing::Values(
        StepCase{"Step26Explodes",
                 26,
                 {{20, 20, 5}, {7}, {3}, {1}},
                 "D20: 20 + 20 + 5 = 45 \u00b7 D10: 7 \u00b7 D8: 3 \u00b7 D6: 1"},
        StepCase{"Step8RuleOfOne", 8, {{1}, {1}}, "D6: 1 \u00b7 D6: 1"},
        StepCase{"Step1Modified", 1, {{3}}, "D4: 3 \u2212 2"},
        StepCase{"Step2FourNotRethrown", 2, {{4}}, "D4: 4 \u2212 1"},
        StepCase{"Step3SingleDie", 3, {{4, 1}}, "D4: 4 + 1 = 5"},
        StepCase{"Step40SixDice",
                 40,
                 {{2}, {20, 1}, {9}, {8, 8, 3}, {6, 1}, {5}},
                 "D20: 2 \u00b7 D20: 20 + 1 = 21 \u00b7 D10: 9 \u00b7 D8: 8 + 8 + 3 = 19 \u00b7 "
                 "D6: 6 + 1 = 7 \u00b7 D6: 5"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StepThrowsReport, AnErrorMidRollLeavesNoReport) {
    // Step 12's second die fails after its first die was thrown; the earlier report stays.
    ScriptedRandomSource source{DrawFor(3, 10), std::numeric_limits<float>::quiet_NaN()};
    StepThrows throws{.step = 4, .count = 1, .values = {2}};
    const StepThrows before = throws;
    EXPECT_THROW(RollStep(12, source, throws), FloatingPointError);
    EXPECT_EQ(throws, before);
}

// The ROLL press: the order of its calls is part of what it does.
struct Press {
    ScriptedRandomSource source;
    int selected = 0;
    std::vector<std::string> shown;

    explicit Press(std::vector<float> draws) : source(std::move(draws)) {}
    void Run() { RollSelectedSteps(source, isSelected(), showTotal()); }
    // The press the program makes, with a test's settings, which also reports the throws.
    std::vector<RollThrows> thrown;
    void Run(const RollSettings& settings) {
        RollSelectedSteps(source, settings, isSelected(),
                          [this](const RollThrows& throws, const RollOutcome& outcome) {
                              thrown.push_back(throws);
                              showTotal()(OutcomeText(outcome));
                          });
    }
    std::function<bool(int)> isSelected() {
        return [this](int step) {
            source.calls.push_back("isSelected " + std::to_string(step));
            return step == selected;
        };
    }
    std::function<void(const std::string&)> showTotal() {
        return [this](const std::string& text) {
            source.calls.push_back("showTotal " + text);
            shown.push_back(text);
        };
    }
};

std::vector<std::string> Asked(int from, int to) {
    std::vector<std::string> calls;
    for (int step = from; step <= to; ++step) calls.push_back("isSelected " + std::to_string(step));
    return calls;
}

TEST(RollSelectedSteps, NothingSelectedOnlyReseeds) {
    Press press({});
    press.Run();
    std::vector<std::string> expected{"Reseed"};
    for (const auto& call : Asked(1, 40)) expected.push_back(call);
    EXPECT_EQ(press.source.calls, expected);
    EXPECT_TRUE(press.shown.empty());
}

TEST(RollSelectedSteps, ReseedsFirstRollsTheSelectedStepAndAsksOnToForty) {
    Press press(DrawsFor(8, {{6, 2}, {3}}));
    press.selected = 8;
    press.Run();
    std::vector<std::string> expected{"Reseed"};
    for (const auto& call : Asked(1, 8)) expected.push_back(call);
    for (const auto& call : {"Next", "Next", "Next", "showTotal 11"}) expected.emplace_back(call);
    for (const auto& call : Asked(9, 40)) expected.push_back(call);
    EXPECT_EQ(press.source.calls, expected);
    EXPECT_EQ(press.shown, std::vector<std::string>{"11"});
}

// A test's press throws the bonus's dice right after the step's, before asking on, and each
// roll carries the difficulty it is judged against.
TEST(RollSelectedSteps, WithATestThrowsTheBonusAfterTheStepAndKeepsTheDifficulty) {
    std::vector<float> draws = DrawsFor(8, {{6, 2}, {3}});
    draws.push_back(DrawFor(5, 6));
    Press press(draws);
    press.selected = 8;
    press.Run({.bonusStep = 4, .difficulty = 12});
    std::vector<std::string> expected{"Reseed"};
    for (const auto& call : Asked(1, 8)) expected.push_back(call);
    for (const auto& call : {"Next", "Next", "Next", "Next", "showTotal 16"})
        expected.emplace_back(call);
    for (const auto& call : Asked(9, 40)) expected.push_back(call);
    EXPECT_EQ(press.source.calls, expected);
    ASSERT_EQ(press.thrown.size(), 1u);
    EXPECT_EQ(WrittenThrows(press.thrown[0]), "D6: 6 + 2 = 8 · D6: 3 · D6: 5");
    EXPECT_EQ(press.thrown[0].difficulty, 12);
}

TEST(RollSelectedSteps, EachPressReseedsAndReplacesTheText) {
    Press press({DrawFor(1, 4), DrawFor(4, 4), DrawFor(2, 4)});
    press.selected = 3;
    press.Run();
    press.Run();
    EXPECT_EQ(press.shown, (std::vector<std::string>{"1", "6"}));
    EXPECT_EQ(std::count(press.source.calls.begin(), press.source.calls.end(), "Reseed"), 2);
}

TEST(RollSelectedSteps, AnErrorEndsThePressWithNothingWritten) {
    Press press({std::numeric_limits<float>::quiet_NaN()});
    press.selected = 30;
    EXPECT_THROW(press.Run(), FloatingPointError);
    EXPECT_TRUE(press.shown.empty());
    EXPECT_EQ(press.source.calls.back(), "Next");
    EXPECT_EQ(std::count(press.source.calls.begin(), press.source.calls.end(), "isSelected 31"), 0);
}

TEST(RollSelectedSteps, AFailingWindowCallbackEndsThePress) {
    ScriptedRandomSource source{};
    int asked = 0;
    EXPECT_THROW(RollSelectedSteps(
                     source,
                     [&](int step) {
                         ++asked;
                         if (step == 5) throw std::runtime_error("option unreadable");
                         return false;
                     },
                     [](const std::string&) {}),
                 std::runtime_error);
    EXPECT_EQ(asked, 5);
}

}  // namespace
}  // namespace dicewright
