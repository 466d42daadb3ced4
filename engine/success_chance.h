#pragma once

namespace dicewright {

// The exact chance that a roll of `step`, with the dice of `bonusStep` thrown after it
// (kNoBonus: none), reaches `difficulty` without a Rule of One: worked out from every die's own
// distribution, explosions included. It is 0 only where no roll can succeed and 1 only where
// none can fail; a chance that rounds to either is still strictly between them. Throws
// std::out_of_range for a step, bonus step or difficulty outside its range.
double ChanceOfSuccess(int step, int bonusStep, int difficulty);

}  // namespace dicewright
