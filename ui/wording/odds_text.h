#pragma once

#include <QString>

namespace dicewright {

struct StepOdds;

// A step's dice and its exact odds, one fact a line, for its option's tooltip and description:
// "2D6", "Average total (Rule of One aside): 8.58", "Rule of One: 1 in 36",
// "Explosion: 30.6% of rolls".
QString OddsText(int step);

// The name of a step's average total, saying where a Rule of One is left out of it.
QString AverageTotalLabel(const StepOdds& odds);

}  // namespace dicewright
