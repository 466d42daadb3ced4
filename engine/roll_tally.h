#pragma once

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "difficulty_roll.h"
#include "step_roll.h"
#include "step_table.h"

namespace dicewright {

struct StepOdds;

// How many decimals a statistic is written with: two, or as many as give two significant
// digits to the small expectations of rare events ("0.000083", never "0.00" or "8.3E-05").
int StatisticDecimals(double value);

// Where the mean of a number of shown totals lies against the range that fair dice give.
enum class FairnessVerdict { NotJudged, Lower, Within, Higher };

// The range in which fair dice put the mean of n shown totals of a step 99 times in 100: below
// it 1 time in 200, above it 1 time in 200.
struct FairRange {
    double low = 0.0;
    double high = 0.0;
};

// A step's total is skewed (explosions give a long tail of high totals), and so is the mean of
// a few of them: the normal range is corrected for the mean's skewness and kurtosis by the
// Cornish-Fisher expansion, to the terms in skewness/sqrt(n), kurtosis/n and skewness²/n.
FairRange FairRangeOfMean(const StepOdds& odds, std::uint64_t n);

// What the rolls of one step, or of one step with one bonus step, have given so far, beside
// what fair dice give.
struct StepTallyReport {
    int step = 0;
    int bonusStep = kNoBonus;
    std::uint64_t rolls = 0;
    std::uint64_t rulesOfOne = 0;
    double expectedRulesOfOne = 0.0;
    // The mean of the totals shown (a Rule of One shows none), and the exact mean from the odds.
    double averageShown = 0.0;
    double exactAverage = 0.0;
    // Once enough totals are in: the range for that many and where their mean lies against it.
    FairnessVerdict verdict = FairnessVerdict::NotJudged;
    FairRange fairRange;
};

// The rolls of every step since the program started, counted and summed. A step rolled with a
// bonus step is counted apart from the step alone and from every other bonus step, since their
// totals have other odds.
class RollTally {
public:
    // The mean of fewer totals is too rough to set against the range.
    static constexpr std::uint64_t kFewestToJudge = 30;

    void add(const StepThrows& roll);
    void add(const RollThrows& roll);
    // The steps rolled so far, in ascending order, each alone before its bonus steps in
    // ascending order.
    std::vector<StepTallyReport> reports() const;

private:
    struct Counts {
        std::uint64_t rolls = 0;
        std::uint64_t rulesOfOne = 0;
        std::int64_t sumShown = 0;
    };
    // By step and bonus step.
    std::map<std::pair<int, int>, Counts> m_counts;
};

}  // namespace dicewright
