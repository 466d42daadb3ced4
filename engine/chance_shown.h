#pragma once

#include <cstdint>

namespace dicewright {

// How a chance of success is shown, on every face of the program alike: to a tenth of a
// percent, but never rounded into a certainty it is not. A player reads "100%" and "0%" as sure,
// so those stand only where they are exact, and a chance that merely rounds to them shows as
// above 99.9% or below 0.1%.
enum class ChanceBand : std::int32_t {
    Certain,
    NearlyCertain,
    Tenths,
    NearlyImpossible,
    Impossible,
};

struct ShownChance {
    ChanceBand band = ChanceBand::Impossible;
    // The chance in tenths of a percent (1 to 999) where the band is Tenths, else 0.
    int tenths = 0;
    friend bool operator==(const ShownChance&, const ShownChance&) = default;
};

ShownChance ShowChance(double chance);

// Beside the chance of the test as set, the chance of the other choice of bonus: without the
// bonus where one is set, else with the bonus a player usually buys.
int ComparedBonusStep(int bonusStep);

// How long after the last change to a test's fields its chance is spoken: long enough for a
// second digit, so that "1" then "2" is heard once, as 12.
inline constexpr int kChanceSettleMs = 800;

}  // namespace dicewright
