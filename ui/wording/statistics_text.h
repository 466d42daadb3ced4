#pragma once

#include <QString>

#include "roll_tally.h"

namespace dicewright {

// One step's statistics as one line, so that a screen reader reads it whole: "Step 8: 40 rolls.
// Average total 7.03, exact 7.00: within the range fair dice give 99 times in 100 (6.10 to
// 8.02). Rule of One: 1, expected 1.11."
QString StatisticsLine(const StepTallyReport& report);

// The line over the roll log once it is full: "1,200 earlier rolls are no longer kept: the log
// holds the last 10,000."
QString DroppedText(qint64 dropped, qint64 kept);

}  // namespace dicewright
