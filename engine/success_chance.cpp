#include "success_chance.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "roll_settings.h"
#include "thrown_dice.h"

namespace dicewright {
namespace {

// The chances of the values below a bound, value v at index v - least.
struct LowValues {
    int least = 0;
    std::vector<double> chance;
};

// A die's values below `bound`. An exploding N-sided die is worth k*N + f (f from 1 to N-1)
// with chance N^-(k+1); the die of steps 1 and 2 is worth each face plus its modifier with
// chance 1/4.
LowValues DieBelow(int faces, int modifier, bool exploding, int bound) {
    LowValues die{.least = 1 + modifier, .chance = {}};
    const int count = std::max(0, bound - die.least);
    die.chance.assign(static_cast<std::size_t>(count), 0.0);
    if (!exploding) {
        for (int face = 1; face <= faces && face - 1 < count; ++face)
            die.chance[static_cast<std::size_t>(face - 1)] = 1.0 / faces;
        return die;
    }
    double chain = 1.0 / faces;
    for (int base = 0; base < count; base += faces, chain /= faces) {
        for (int face = 1; face < faces && base + face - 1 < count; ++face)
            die.chance[static_cast<std::size_t>(base + face - 1)] = chain;
    }
    return die;
}

// The values below `bound` of the sum of two independent values, given theirs: a sum below the
// bound needs each part below the bound less the other's least value.
LowValues SumBelow(const LowValues& a, const LowValues& b, int bound) {
    LowValues sum{.least = a.least + b.least, .chance = {}};
    sum.chance.assign(static_cast<std::size_t>(std::max(0, bound - sum.least)), 0.0);
    for (std::size_t i = 0; i < a.chance.size(); ++i) {
        for (std::size_t j = 0; i + j < sum.chance.size() && j < b.chance.size(); ++j)
            sum.chance[i + j] += a.chance[i] * b.chance[j];
    }
    return sum;
}

void Require(bool inRange, const char* what, int value) {
    if (!inRange)
        throw std::out_of_range(std::string(what) + " out of range: " + std::to_string(value));
}

}  // namespace

double ChanceOfSuccess(int step, int bonusStep, int difficulty) {
    Require(difficulty >= kLeastDifficulty && difficulty <= kGreatestDifficulty, "difficulty",
            difficulty);
    const std::vector<ThrownDie> dice = DiceOf(step, bonusStep);
    const bool ruleOfOne = dice.size() >= 2;
    const int allOnesTotal = AllOnesTotal(dice);
    // The two certainties, decided from the dice rather than from sums of chances: without an
    // exploding die the total has a ceiling that may fall short; a single die, which no Rule of
    // One can fail, succeeds every time when even its least value reaches the difficulty.
    const bool anyExplodes =
        std::any_of(dice.begin(), dice.end(), [](const ThrownDie& die) { return die.exploding; });
    int most = 0;
    for (const ThrownDie& die : dice) most += die.faces + die.modifier;
    if (!anyExplodes && most < difficulty) return 0.0;
    if (!ruleOfOne && allOnesTotal >= difficulty) return 1.0;

    // Every die's least value is at least -1, so each part below the difficulty lies below it
    // plus 2 for each other die; bounding each part by the difficulty plus twice the number of
    // dice keeps every sum that can fall short.
    const int partBound = difficulty + 2 * static_cast<int>(dice.size());
    LowValues total{.least = 0, .chance = std::vector<double>(1, 1.0)};
    for (const ThrownDie& die : dice)
        total =
            SumBelow(total, DieBelow(die.faces, die.modifier, die.exploding, partBound), partBound);
    double shortOfIt = 0.0;
    for (std::size_t i = 0;
         i < total.chance.size() && total.least + static_cast<int>(i) < difficulty; ++i)
        shortOfIt += total.chance[i];
    // All ones give a Rule of One instead of their total, a failure even where that total would
    // have reached the difficulty.
    const bool onesReach = ruleOfOne && allOnesTotal >= difficulty;
    const double chance = 1.0 - shortOfIt - (onesReach ? AllOnesChance(dice) : 0.0);
    // Rounding must not make a possible success, or a possible failure, look certain.
    return std::clamp(chance, std::numeric_limits<double>::min(), std::nextafter(1.0, 0.0));
}

}  // namespace dicewright
