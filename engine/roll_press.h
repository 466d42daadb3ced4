#pragma once

#include <functional>
#include <string>

#include "difficulty_roll.h"
#include "roll_settings.h"

namespace dicewright {

// One press of ROLL: reseeds once, then asks every step from 1 to 40 in order whether it is
// selected, rolling each one that is with the settings' bonus dice and difficulty, and handing
// its throws and outcome to showRoll. An error ends the press where it arises, with nothing more
// asked or handed on.
void RollSelectedSteps(RandomSource& source, const RollSettings& settings,
                       const std::function<bool(int)>& isSelected,
                       const std::function<void(const RollThrows&, const RollOutcome&)>& showRoll);

// The press of a step alone, handing the total's text to showTotal.
void RollSelectedSteps(RandomSource& source, const std::function<bool(int)>& isSelected,
                       const std::function<void(const std::string&)>& showTotal);

}  // namespace dicewright
