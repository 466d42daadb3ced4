#pragma once

namespace dicewright {

// What a roll is set to beyond its step: a bonus step whose dice are thrown with it, and a
// difficulty that its total is judged against. A test sets either, both or neither.

// Step 0: no bonus dice.
inline constexpr int kNoBonus = 0;
// The bonus a player usually buys: step 4, a D6.
inline constexpr int kUsualBonusStep = 4;

// Difficulty 0: no test, the total alone.
inline constexpr int kNoDifficulty = 0;
inline constexpr int kLeastDifficulty = 1;
inline constexpr int kGreatestDifficulty = 99;
// Each full this many points above the difficulty is one extra success.
inline constexpr int kPointsPerExtraSuccess = 5;

struct RollSettings {
    int bonusStep = kNoBonus;
    int difficulty = kNoDifficulty;
};

}  // namespace dicewright
