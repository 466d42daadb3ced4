#pragma once

// What the module and the page agree on, declared once: where each number of a call's answer
// stands, the names of the engine's enumerations in their order, the failures' codes and words,
// and the rules' constants. The module writes its answers by these places; the build writes the
// same declaration as the JavaScript module the page reads them by (engine_interface.js).

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "chance_shown.h"
#include "failure.h"
#include "optional_number.h"
#include "roll_tally.h"

namespace dicewright::wire {

// A roll: this head, then each die (kDieNames) followed by the faces it showed, in the order
// thrown.
enum RollHead : std::size_t {
    kRuleOfOne,  // 1 for the Rule of One, else 0
    kTotal,
    kVerdict,  // -1 where no difficulty was set, 0 failure, 1 success
    kExtraSuccesses,
    kStep,
    kBonusStep,
    kDifficulty,
    kDiceCount,
    kRollHeadSize,
};
inline constexpr std::array<std::string_view, kRollHeadSize> kRollHeadNames{
    "ruleOfOne", "total",     "verdict",    "extraSuccesses",
    "step",      "bonusStep", "difficulty", "diceCount"};

enum Die : std::size_t { kFaces, kModifier, kValue, kIsBonus, kShownCount, kDieSize };
inline constexpr std::array<std::string_view, kDieSize> kDieNames{"faces", "modifier", "value",
                                                                  "bonus", "shownCount"};

// What the dice have done so far: one report a step, and a step with a bonus step.
enum Report : std::size_t {
    kReportStep,
    kReportBonusStep,
    kRolls,
    kRulesOfOne,
    kExpectedRulesOfOne,
    kAverageShown,
    kExactAverage,
    kFairness,  // kFairnessNames
    kFairLow,
    kFairHigh,
    kReportSize,
};
inline constexpr std::array<std::string_view, kReportSize> kReportNames{
    "step",         "bonusStep",    "rolls",   "rulesOfOne", "expectedRulesOfOne",
    "averageShown", "exactAverage", "verdict", "low",        "high"};

// A step's odds, alone or with a bonus step.
enum Odds : std::size_t {
    kAverage,
    kRuleOfOneOneIn,  // 0: none
    kExplosionChance,
    kDeviation,
    kSkewness,
    kExcessKurtosis,
    kOddsSize,
};
inline constexpr std::array<std::string_view, kOddsSize> kOddsNames{
    "average", "ruleOfOneOneIn", "explosionChance", "deviation", "skewness", "kurtosis"};

// A chance as shown: its band (kChanceBandNames), and its tenths of a percent.
enum Chance : std::size_t { kBand, kTenths, kChanceSize };
inline constexpr std::array<std::string_view, kChanceSize> kChanceNames{"band", "tenths"};

// A field's text as the rule reads it: its number, and why it was refused (kRefusalNames).
enum Field : std::size_t { kFieldValue, kRefusal, kFieldSize };
inline constexpr std::array<std::string_view, kFieldSize> kFieldNames{"value", "refusal"};

// The names of the engine's enumerations, in the order of their values from 0.
inline constexpr std::array<std::string_view, 4> kFairnessNames{"not-judged", "lower", "within",
                                                                "higher"};
static_assert(static_cast<std::size_t>(FairnessVerdict::NotJudged) == 0 &&
              static_cast<std::size_t>(FairnessVerdict::Lower) == 1 &&
              static_cast<std::size_t>(FairnessVerdict::Within) == 2 &&
              static_cast<std::size_t>(FairnessVerdict::Higher) == kFairnessNames.size() - 1);

inline constexpr std::array<std::string_view, 5> kChanceBandNames{
    "certain", "nearly-certain", "tenths", "nearly-impossible", "impossible"};
static_assert(static_cast<std::size_t>(ChanceBand::Certain) == 0 &&
              static_cast<std::size_t>(ChanceBand::NearlyCertain) == 1 &&
              static_cast<std::size_t>(ChanceBand::Tenths) == 2 &&
              static_cast<std::size_t>(ChanceBand::NearlyImpossible) == 3 &&
              static_cast<std::size_t>(ChanceBand::Impossible) == kChanceBandNames.size() - 1);

inline constexpr std::array<std::string_view, 4> kRefusalNames{"none", "not-a-number",
                                                               "leading-zero", "too-large"};
static_assert(static_cast<std::size_t>(Refusal::None) == 0 &&
              static_cast<std::size_t>(Refusal::NotANumber) == 1 &&
              static_cast<std::size_t>(Refusal::LeadingZero) == 2 &&
              static_cast<std::size_t>(Refusal::TooLarge) == kRefusalNames.size() - 1);

// What a call gives instead of a count where it failed: -1 for the first failure of failure.h,
// -2 for the next, and so on; every count a call gives is 0 or more.
constexpr int ErrorCode(Failure failure) {
    return -1 - static_cast<int>(failure);
}
static_assert(ErrorCode(Failure::Overflow) == -1);
static_assert(ErrorCode(Failure::Unknown) == -static_cast<int>(kFailureWords.size()));

}  // namespace dicewright::wire
