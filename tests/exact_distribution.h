#pragma once

// The exact distribution of a step's total, built by convolution from the distribution of each
// die; written independently of the engine, so tests can hold the engine against it.
#include <map>

#include "step_table.h"

namespace dicewright::testing {

using Distribution = std::map<int, double>;

constexpr double kNegligibleMass = 1e-13;

// An exploding N-sided die is worth k*N + f (f from 1 to N-1) with probability N^-(k+1). Chains
// less likely than `negligible` are left out.
inline Distribution ExplodingDie(int faces, double negligible = kNegligibleMass) {
    Distribution die;
    double chainProbability = 1.0;  // probability of k highest faces in a row
    for (int k = 0; chainProbability > negligible; ++k) {
        for (int face = 1; face < faces; ++face) die[k * faces + face] = chainProbability / faces;
        chainProbability /= faces;
    }
    return die;
}

inline Distribution Convolve(const Distribution& a, const Distribution& b,
                             double negligible = kNegligibleMass) {
    Distribution sum;
    for (const auto& [x, px] : a) {
        for (const auto& [y, py] : b) {
            if (px * py > negligible * 1e-3) sum[x + y] += px * py;
        }
    }
    return sum;
}

// For a step of several dice, the total equal to the number of dice can only come from all
// ones, so that key stands for the Rule of One.
inline Distribution ExactStep(int step, double negligible = kNegligibleMass) {
    const StepDefinition& definition = StepTable::Step(step);
    if (!definition.exploding) {
        Distribution modified;
        for (int face = 1; face <= 4; ++face) modified[face + definition.modifier] = 0.25;
        return modified;
    }
    Distribution total{{0, 1.0}};
    for (const int faces : definition.dice)
        total = Convolve(total, ExplodingDie(faces, negligible), negligible);
    return total;
}

}  // namespace dicewright::testing
