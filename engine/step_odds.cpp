#include "step_odds.h"

#include <cmath>

#include "step_table.h"

namespace dicewright {

StepOdds OddsOf(int step) {
    const StepDefinition& definition = StepTable::Step(step);
    StepOdds odds;
    if (!definition.exploding) {
        // One four-sided die, each face equally likely, never thrown again: variance (4² - 1) / 12.
        odds.averageTotal = 2.5 + definition.modifier;
        odds.totalDeviation = std::sqrt(15.0 / 12.0);
        return odds;
    }

    // An exploding N-sided die is worth k*N + f with probability N^-(k+1) (f from 1 to N-1):
    // k is geometric with ratio 1/N and f uniform, independent of it. That averages
    // N(N+1) / (2(N-1)), with variance N² Var k + Var f = N³ / (N-1)² + N(N-2) / 12.
    double sum = 0.0;
    double variance = 0.0;
    std::uint64_t allFaces = 1;
    double noneExplodes = 1.0;
    for (const int faces : definition.dice) {
        const double n = faces;
        sum += n * (n + 1.0) / (2.0 * (n - 1.0));
        variance += n * n * n / ((n - 1.0) * (n - 1.0)) + n * (n - 2.0) / 12.0;
        allFaces *= static_cast<std::uint64_t>(faces);
        noneExplodes *= (n - 1.0) / n;
    }
    odds.explosionChance = 1.0 - noneExplodes;
    odds.averageTotal = sum;
    odds.totalDeviation = std::sqrt(variance);
    if (definition.dice.size() >= 2) {
        // All ones, with probability 1 / (product of N), give a Rule of One instead of their
        // total, the number of dice: take those rolls out of the mean.
        odds.ruleOfOneOneIn = allFaces;
        const double ruleOfOne = 1.0 / static_cast<double>(allFaces);
        const auto dice = static_cast<double>(definition.dice.size());
        odds.averageTotal = (sum - dice * ruleOfOne) / (1.0 - ruleOfOne);
        // The same for the second moment, then the variance of what remains.
        const double square = variance + sum * sum;
        const double shownSquare = (square - dice * dice * ruleOfOne) / (1.0 - ruleOfOne);
        odds.totalDeviation = std::sqrt(shownSquare - odds.averageTotal * odds.averageTotal);
    }
    return odds;
}

}  // namespace dicewright
