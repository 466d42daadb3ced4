#pragma once

#include <QString>
#include <string>

#include "difficulty_roll.h"
#include "step_roll.h"

namespace dicewright {

// A text of the engine's that names dice ("2D6", "d4-2", "D20: 20 + 5 = 25"), written with the
// letter that the program's language names a die by: "2W6", "W4-2" in German. Where that letter
// is D the text stays as the engine wrote it, character for character.
QString DiceText(const std::string& text);

// A step's dice label in the language, blanks included.
QString DiceLabel(int step);

// The caption of a step's option: "STEP 8".
QString StepCaption(int step);

// How a total came about, die by die, the step's dice before the bonus step's, each with the
// language's die letter: "D20: 20 + 20 + 5 = 45 · D10: 7", or "D4: 3 − 2" for the die of steps
// 1 and 2.
QString ThrowsText(const RollThrows& throws);

// The total as the total display shows it: its digits, or "Rule of One".
QString TotalText(const RollOutcome& outcome);

}  // namespace dicewright
