#include "step_table.h"

#include <stdexcept>

namespace dicewright {
namespace {

struct Row {
    std::string_view label;
    std::array<int, StepTable::kMostDice> dice;
    std::size_t diceCount;
    int modifier;
};

// The steps in ascending order. Labels are kept character for character, including the odd
// ones: step 1's lower-case d, the blanks around the plus in step 9, step 25's trailing blanks.
constexpr std::array<Row, StepTable::kStepCount> kRows{{
    {"d4-2", {4}, 1, -2},
    {"D4-1", {4}, 1, -1},
    {"D4", {4}, 1, 0},
    {"D6", {6}, 1, 0},
    {"D8", {8}, 1, 0},
    {"D10", {10}, 1, 0},
    {"D12", {12}, 1, 0},
    {"2D6", {6, 6}, 2, 0},
    {"D8 + D6", {8, 6}, 2, 0},
    {"D10+D6", {10, 6}, 2, 0},
    {"D10+D8", {10, 8}, 2, 0},
    {"2D10", {10, 10}, 2, 0},
    {"D12+D10", {12, 10}, 2, 0},
    {"D20+D4", {20, 4}, 2, 0},
    {"D20+D6", {20, 6}, 2, 0},
    {"D20+D8", {20, 8}, 2, 0},
    {"D20+D10", {20, 10}, 2, 0},
    {"D20+D12", {20, 12}, 2, 0},
    {"D20+2D6", {20, 6, 6}, 3, 0},
    {"D20+D8+D6", {20, 8, 6}, 3, 0},
    {"D20+D10+D6", {20, 10, 6}, 3, 0},
    {"D20+D10+D8", {20, 10, 8}, 3, 0},
    {"D20+2D10", {20, 10, 10}, 3, 0},
    {"D20+D12+D10", {20, 12, 10}, 3, 0},
    {"D20+D10+D8+D4  ", {20, 10, 8, 4}, 4, 0},
    {"D20+D10+D8+D6", {20, 10, 8, 6}, 4, 0},
    {"D20+D10+2D8", {20, 10, 8, 8}, 4, 0},
    {"D20+2D10+D8", {20, 10, 10, 8}, 4, 0},
    {"D20+D12+D10+D8", {20, 12, 10, 8}, 4, 0},
    {"D20+D10+D8+2D6", {20, 10, 8, 6, 6}, 5, 0},
    {"D20+D10+2D8+D6", {20, 10, 8, 8, 6}, 5, 0},
    {"D20+2D10+2D8", {20, 10, 10, 8, 8}, 5, 0},
    {"D20+3D10+D8", {20, 10, 10, 10, 8}, 5, 0},
    {"D20+D12+2D10+D8", {20, 12, 10, 10, 8}, 5, 0},
    {"2D20+D10+D8+D4", {20, 20, 10, 8, 4}, 5, 0},
    {"2D20+D10+D8+D6", {20, 20, 10, 8, 6}, 5, 0},
    {"2D20+D10+2D8", {20, 20, 10, 8, 8}, 5, 0},
    {"2D20+2D10+D8", {20, 20, 10, 10, 8}, 5, 0},
    {"2D20+D12+D10+D8", {20, 20, 12, 10, 8}, 5, 0},
    {"2D20+D10+D8+2D6", {20, 20, 10, 8, 6, 6}, 6, 0},
}};

// The option of step 25 has always been spelled with a lower-case s; the window and its
// tests find it by that name.
std::string OptionName(int number) {
    return (number == 25 ? "optstep" : "optStep") + std::to_string(number);
}

std::array<StepDefinition, StepTable::kStepCount> BuildTable() {
    std::array<StepDefinition, StepTable::kStepCount> table;
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const Row& row = kRows[i];
        const int number = static_cast<int>(i) + StepTable::kFirstStep;
        table[i] = StepDefinition{
            .number = number,
            .optionName = OptionName(number),
            .caption = "STEP " + std::to_string(number),
            .diceLabel = std::string(row.label),
            .dice = std::span<const int>(row.dice.data(), row.diceCount),
            .modifier = row.modifier,
            // Only the modified four-sided die of the first two steps never explodes.
            .exploding = row.modifier == 0,
        };
    }
    return table;
}

const std::array<StepDefinition, StepTable::kStepCount>& Table() {
    static const auto table = BuildTable();
    return table;
}

}  // namespace

const StepDefinition& StepTable::Step(int number) {
    if (number < kFirstStep || number > kLastStep) {
        throw std::out_of_range("step " + std::to_string(number) + " is not in the table");
    }
    return Table()[static_cast<std::size_t>(number - kFirstStep)];
}

std::span<const StepDefinition, StepTable::kStepCount> StepTable::All() {
    return Table();
}

}  // namespace dicewright
