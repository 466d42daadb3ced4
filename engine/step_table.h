#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace dicewright {

// One row of the fixed table of steps: what the step's option is called, what it shows and
// which dice a roll of it throws.
struct StepDefinition {
    int number = 0;
    std::string optionName;     // objectName of the step's option button
    std::string caption;        // "STEP n"
    std::string diceLabel;      // shown exactly as stored, blanks included
    std::span<const int> dice;  // face counts, in the order the dice are thrown
    int modifier = 0;           // added to the single die of the non-exploding steps
    bool exploding = true;
};

class StepTable {
public:
    static constexpr int kFirstStep = 1;
    static constexpr int kLastStep = 40;
    static constexpr int kStepCount = kLastStep - kFirstStep + 1;
    // What the dice display shows before any step is chosen: not step 26's label, and note the
    // two trailing blanks.
    static constexpr std::string_view kStartDiceLabel = "D20+D10+D8+D6  ";
    static constexpr std::size_t kMostDice = 6;

    // Throws std::out_of_range for a number outside 1 to 40.
    static const StepDefinition& Step(int number);
    static std::span<const StepDefinition, kStepCount> All();
};

}  // namespace dicewright
