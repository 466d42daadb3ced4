#include "step_odds.h"

#include <cmath>
#include <vector>

#include "thrown_dice.h"

namespace dicewright {
namespace {

// A value's mean and its second, third and fourth moments about the mean.
struct Moments {
    double mean = 0.0;
    double m2 = 0.0;
    double m3 = 0.0;
    double m4 = 0.0;
};

// Adds a value that comes with the given probability to moments about `mean`.
void Add(Moments& moments, double value, double probability) {
    const double d = value - moments.mean;
    moments.m2 += probability * d * d;
    moments.m3 += probability * d * d * d;
    moments.m4 += probability * d * d * d * d;
}

// An exploding N-sided die is worth k*N + f with probability N^-(k+1) (f from 1 to N-1): k is
// geometric with ratio 1/N and f uniform, which averages N(N+1) / (2(N-1)). The chains are
// summed until what is left weighs nothing in double precision.
Moments ExplodingDie(int faces) {
    const double n = faces;
    Moments die{.mean = n * (n + 1.0) / (2.0 * (n - 1.0))};
    double k = 0.0;
    for (double chain = 1.0 / n; chain > 1e-30; chain /= n, k += 1.0) {
        for (int face = 1; face < faces; ++face) Add(die, k * n + face, chain);
    }
    return die;
}

// The four-sided die of steps 1 and 2: each face equally likely, never thrown again.
Moments ModifiedDie(int modifier) {
    Moments die{.mean = 2.5 + modifier};
    for (int face = 1; face <= 4; ++face) Add(die, face + modifier, 0.25);
    return die;
}

// Independent dice add their cumulants: mean, variance, third moment and m4 - 3 m2².
Moments SumOf(const std::vector<ThrownDie>& dice) {
    Moments sum;
    double fourthCumulant = 0.0;
    for (const ThrownDie& thrown : dice) {
        const Moments die =
            thrown.exploding ? ExplodingDie(thrown.faces) : ModifiedDie(thrown.modifier);
        sum.mean += die.mean;
        sum.m2 += die.m2;
        sum.m3 += die.m3;
        fourthCumulant += die.m4 - 3.0 * die.m2 * die.m2;
    }
    sum.m4 = fourthCumulant + 3.0 * sum.m2 * sum.m2;
    return sum;
}

// The moments of what remains once a value at `point` with probability p is taken out (the
// Rule of One, which shows no total).
Moments Without(const Moments& all, double point, double p) {
    // Raw moments about the old mean, then about the new one.
    const double y = point - all.mean;
    const double a1 = (0.0 - p * y) / (1.0 - p);
    const double a2 = (all.m2 - p * y * y) / (1.0 - p);
    const double a3 = (all.m3 - p * y * y * y) / (1.0 - p);
    const double a4 = (all.m4 - p * y * y * y * y) / (1.0 - p);
    return Moments{.mean = all.mean + a1,
                   .m2 = a2 - a1 * a1,
                   .m3 = a3 - 3.0 * a1 * a2 + 2.0 * a1 * a1 * a1,
                   .m4 = a4 - 4.0 * a1 * a3 + 6.0 * a1 * a1 * a2 - 3.0 * a1 * a1 * a1 * a1};
}

}  // namespace

StepOdds OddsOf(int step, int bonusStep) {
    const std::vector<ThrownDie> dice = DiceOf(step, bonusStep);
    StepOdds odds;
    Moments shown = SumOf(dice);
    std::uint64_t allFaces = 1;
    double noneExplodes = 1.0;
    for (const ThrownDie& die : dice) {
        allFaces *= static_cast<std::uint64_t>(die.faces);
        if (die.exploding) noneExplodes *= (die.faces - 1.0) / die.faces;
    }
    odds.explosionChance = 1.0 - noneExplodes;
    if (dice.size() >= 2) {
        // All ones, with probability 1 / (product of N), give a Rule of One instead of their
        // total.
        odds.ruleOfOneOneIn = allFaces;
        shown = Without(shown, AllOnesTotal(dice), AllOnesChance(dice));
    }
    odds.averageTotal = shown.mean;
    odds.totalDeviation = std::sqrt(shown.m2);
    odds.totalSkewness = shown.m3 / std::pow(shown.m2, 1.5);
    odds.totalExcessKurtosis = shown.m4 / (shown.m2 * shown.m2) - 3.0;
    return odds;
}

}  // namespace dicewright
