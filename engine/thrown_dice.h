#pragma once

#include <vector>

namespace dicewright {

// One die as a roll throws it: its faces, the modifier of steps 1 and 2, and whether it
// explodes on its highest face.
struct ThrownDie {
    int faces = 0;
    int modifier = 0;
    bool exploding = true;
};

// Every die a roll of `step` throws, then those of `bonusStep` (kNoBonus: none), in the order
// thrown. Throws std::out_of_range for a step or bonus step outside 1 to 40.
std::vector<ThrownDie> DiceOf(int step, int bonusStep);

// The total that all ones would give: the Rule of One shows instead wherever two or more dice
// are thrown.
int AllOnesTotal(const std::vector<ThrownDie>& dice);

// The chance that every die shows a 1 on its first throw.
double AllOnesChance(const std::vector<ThrownDie>& dice);

}  // namespace dicewright
