#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "step_roll.h"
#include "step_table.h"

namespace dicewright {

// What the rolls of one step have given so far, beside what fair dice give.
struct StepTallyReport {
    int step = 0;
    std::uint64_t rolls = 0;
    std::uint64_t rulesOfOne = 0;
    double expectedRulesOfOne = 0.0;
    // The mean of the totals shown (a Rule of One shows none), and the exact mean from the odds.
    double averageShown = 0.0;
    double exactAverage = 0.0;
    // Once enough totals are in: the range in which fair dice put the mean of that many totals
    // 99 times in 100, and whether the mean lies in it.
    bool judged = false;
    double fairLow = 0.0;
    double fairHigh = 0.0;
    bool withinFairRange = false;
};

// The rolls of every step since the program started, counted and summed.
class RollTally {
public:
    // The mean of fewer totals is too rough to set against the range.
    static constexpr std::uint64_t kFewestToJudge = 30;
    // Half the width of the central 99% of the normal distribution, in standard deviations.
    static constexpr double kZ99 = 2.5758293035489004;

    void add(const StepThrows& roll);
    // The steps rolled so far, in ascending order.
    std::vector<StepTallyReport> reports() const;

private:
    struct Counts {
        std::uint64_t rolls = 0;
        std::uint64_t rulesOfOne = 0;
        std::int64_t sumShown = 0;
    };
    std::array<Counts, StepTable::kStepCount> m_counts{};
};

}  // namespace dicewright
