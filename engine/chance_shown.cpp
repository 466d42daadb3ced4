#include "chance_shown.h"

#include <cmath>

#include "roll_settings.h"

namespace dicewright {

ShownChance ShowChance(double chance) {
    if (chance >= 1.0) return {.band = ChanceBand::Certain};
    if (chance <= 0.0) return {.band = ChanceBand::Impossible};
    const double tenths = std::round(1000.0 * chance);
    if (tenths >= 1000.0) return {.band = ChanceBand::NearlyCertain};
    if (tenths <= 0.0) return {.band = ChanceBand::NearlyImpossible};
    return {.band = ChanceBand::Tenths, .tenths = static_cast<int>(tenths)};
}

int ComparedBonusStep(int bonusStep) {
    return bonusStep != kNoBonus ? kNoBonus : kUsualBonusStep;
}

}  // namespace dicewright
