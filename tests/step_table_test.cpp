#include "step_table.h"

#include <gtest/gtest.h>

#include <numeric>
#include <regex>
#include <stdexcept>

namespace dicewright {
namespace {

// Labels that users read: odd spellings are kept exactly.
TEST(StepTable, LabelsKeepTheirExactSpelling) {
    EXPECT_EQ(StepTable::Step(1).diceLabel, "d4-2");
    EXPECT_EQ(StepTable::Step(2).diceLabel, "D4-1");
    EXPECT_EQ(StepTable::Step(9).diceLabel, "D8 + D6");
    EXPECT_EQ(StepTable::Step(25).diceLabel, "D20+D10+D8+D4  ");
    EXPECT_EQ(StepTable::Step(25).diceLabel.size(), 15u);
    EXPECT_EQ(StepTable::Step(26).diceLabel, "D20+D10+D8+D6");
    EXPECT_EQ(StepTable::Step(40).diceLabel, "2D20+D10+D8+2D6");
}

TEST(StepTable, OnlyTheKnownLabelsHaveBlanksOrLowerCase) {
    for (const StepDefinition& step : StepTable::All()) {
        const bool hasBlank = step.diceLabel.find(' ') != std::string::npos;
        EXPECT_EQ(hasBlank, step.number == 9 || step.number == 25) << step.number;
        const bool hasLowerD = step.diceLabel.find('d') != std::string::npos;
        EXPECT_EQ(hasLowerD, step.number == 1) << step.number;
    }
}

// The label is the dice list written out: "2D6" means D6, D6, in the order thrown.
TEST(StepTable, LabelDescribesTheDiceThrown) {
    const std::regex term(R"((\d*)[dD](\d+))");
    for (const StepDefinition& step : StepTable::All()) {
        std::vector<int> fromLabel;
        for (std::sregex_iterator it(step.diceLabel.begin(), step.diceLabel.end(), term), end;
             it != end; ++it) {
            const int count = (*it)[1].length() ? std::stoi((*it)[1]) : 1;
            fromLabel.insert(fromLabel.end(), static_cast<std::size_t>(count), std::stoi((*it)[2]));
        }
        EXPECT_EQ(fromLabel, std::vector<int>(step.dice.begin(), step.dice.end())) << step.number;
    }
}

TEST(StepTable, NamesCaptionsAndKinds) {
    int expected = 1;
    for (const StepDefinition& step : StepTable::All()) {
        EXPECT_EQ(step.number, expected);
        EXPECT_EQ(step.caption, "STEP " + std::to_string(expected));
        EXPECT_EQ(&StepTable::Step(expected), &step);
        EXPECT_EQ(step.exploding, expected >= 3);
        EXPECT_EQ(step.modifier, expected == 1 ? -2 : expected == 2 ? -1 : 0);
        ++expected;
    }
    EXPECT_EQ(expected, 41);
    EXPECT_EQ(StepTable::Step(24).optionName, "optStep24");
    EXPECT_EQ(StepTable::Step(25).optionName, "optstep25");
    EXPECT_EQ(StepTable::Step(40).optionName, "optStep40");
}

TEST(StepTable, DiceCountGrowsWithTheStep) {
    const auto count = [](int step) { return StepTable::Step(step).dice.size(); };
    for (int step = 1; step <= 40; ++step) {
        const std::size_t expected = step <= 7    ? 1
                                     : step <= 18 ? 2
                                     : step <= 24 ? 3
                                     : step <= 29 ? 4
                                     : step <= 39 ? 5
                                                  : 6;
        EXPECT_EQ(count(step), expected) << step;
    }
}

TEST(StepTable, NumbersOutsideTheTableAreRejected) {
    EXPECT_THROW(StepTable::Step(0), std::out_of_range);
    EXPECT_THROW(StepTable::Step(41), std::out_of_range);
    EXPECT_THROW(StepTable::Step(-1), std::out_of_range);
}

}  // namespace
}  // namespace dicewright
