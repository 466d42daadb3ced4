#include "step_odds.h"

#include "step_table.h"

namespace dicewright {

StepOdds OddsOf(int step) {
    const StepDefinition& definition = StepTable::Step(step);
    StepOdds odds;
    if (!definition.exploding) {
        // One four-sided die, each face equally likely, never thrown again.
        odds.averageTotal = 2.5 + definition.modifier;
        return odds;
    }

    // An exploding N-sided die is worth k*N + f with probability N^-(k+1) (f from 1 to N-1),
    // which averages N(N+1) / (2(N-1)).
    double sum = 0.0;
    std::uint64_t allFaces = 1;
    double noneExplodes = 1.0;
    for (const int faces : definition.dice) {
        const double n = faces;
        sum += n * (n + 1.0) / (2.0 * (n - 1.0));
        allFaces *= static_cast<std::uint64_t>(faces);
        noneExplodes *= (n - 1.0) / n;
    }
    odds.explosionChance = 1.0 - noneExplodes;
    odds.averageTotal = sum;
    if (definition.dice.size() >= 2) {
        // All ones, with probability 1 / (product of N), give a Rule of One instead of their
        // total, the number of dice: take those rolls out of the mean.
        odds.ruleOfOneOneIn = allFaces;
        const double ruleOfOne = 1.0 / static_cast<double>(allFaces);
        const auto dice = static_cast<double>(definition.dice.size());
        odds.averageTotal = (sum - dice * ruleOfOne) / (1.0 - ruleOfOne);
    }
    return odds;
}

}  // namespace dicewright
