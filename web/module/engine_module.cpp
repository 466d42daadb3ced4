// The dice engine as the web page calls it: plain C functions over the engine's own code. The
// page reads what a call gives from one buffer of 32-bit integers and one of doubles, whose
// places it learns once; texts come back as UTF-8 in a buffer of bytes. Every number the dice
// decide is decided here: the page words them and shows them.
#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <cstdint>
#include <exception>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "dice.h"
#include "difficulty_roll.h"
#include "roll_record.h"
#include "roll_settings.h"
#include "step_odds.h"
#include "step_roll.h"
#include "step_table.h"
#include "success_chance.h"

// The finest clock the browser has: milliseconds since the epoch, with the fraction
// performance.now() adds.
EM_JS(double, BrowserClockMs, (), { return performance.timeOrigin + performance.now(); });

namespace dicewright {
namespace {

// What a call that failed gives instead of a count, so that the page can word it.
enum ErrorCode : int {
    kOverflow = -1,
    kFloatingPoint = -2,
    kOutOfRange = -3,
    kOtherError = -4,
};

// A clock that a check of the code holds still, so that a seed gives the same draws as the
// desktop's engine; 0 lets it run.
double g_heldClock = 0.0;

std::uint64_t ClockReading() {
    const double ms = g_heldClock != 0.0 ? g_heldClock : BrowserClockMs();
    // In nanoseconds, as the desktop's clock reads.
    return static_cast<std::uint64_t>(ms * 1e6);
}

ClockRandomSource& Source() {
    static ClockRandomSource source(ClockReading(), ClockReading);
    return source;
}

RollRecord& Record() {
    static RollRecord record;
    return record;
}

std::vector<std::int32_t> g_ints(64);
std::vector<double> g_numbers(64);
std::string g_text;

template <typename Call>
int Guarded(Call call) {
    try {
        return call();
    } catch (const OverflowError&) {
        return kOverflow;
    } catch (const FloatingPointError&) {
        return kFloatingPoint;
    } catch (const std::out_of_range&) {
        return kOutOfRange;
    } catch (...) {
        return kOtherError;
    }
}

// A roll as the page reads it: the outcome (0 a total, 1 the Rule of One), the total, the
// verdict (-1 where no difficulty was set, 0 failure, 1 success), the extra successes, the
// step, the bonus step, the difficulty and the number of dice; then for each die its faces,
// its modifier, its value, whether it is the bonus step's, how many faces it showed and those
// faces in the order thrown.
int WriteRoll(const RollThrows& roll) {
    g_ints.clear();
    const RollOutcome outcome = OutcomeOf(roll);
    const bool ruleOfOne = std::holds_alternative<RuleOfOne>(outcome);
    const Verdict verdict = Judge(outcome, roll.difficulty);
    g_ints.insert(g_ints.end(),
                  {ruleOfOne ? 1 : 0, ruleOfOne ? 0 : std::get<std::int16_t>(outcome),
                   roll.hasDifficulty() ? (verdict.success ? 1 : 0) : -1, verdict.extraSuccesses,
                   roll.step.step, roll.bonus.step, roll.difficulty,
                   roll.step.count + (roll.hasBonus() ? roll.bonus.count : 0)});
    for (const StepThrows* thrown : {&roll.step, &roll.bonus}) {
        if (thrown->step == kNoBonus) continue;
        const StepDefinition& step = StepTable::Step(thrown->step);
        for (std::size_t die = 0; die < thrown->count; ++die) {
            const std::vector<int> shown = FacesShown(*thrown, die);
            g_ints.insert(g_ints.end(),
                          {step.dice[die], step.modifier, thrown->values[die],
                           thrown == &roll.bonus ? 1 : 0, static_cast<std::int32_t>(shown.size())});
            g_ints.insert(g_ints.end(), shown.begin(), shown.end());
        }
    }
    return static_cast<int>(g_ints.size());
}

}  // namespace
}  // namespace dicewright

using namespace dicewright;

extern "C" {

// Where the page finds what the calls write. The buffers move as they grow: asked again after
// each call.
EMSCRIPTEN_KEEPALIVE const std::int32_t* dw_ints() {
    return g_ints.data();
}
EMSCRIPTEN_KEEPALIVE const double* dw_numbers() {
    return g_numbers.data();
}
EMSCRIPTEN_KEEPALIVE const char* dw_text() {
    return g_text.c_str();
}

// The step's dice label, exactly as the table has it; its length in bytes.
EMSCRIPTEN_KEEPALIVE int dw_dice_label(int step) {
    return Guarded([step] {
        g_text = StepTable::Step(step).diceLabel;
        return static_cast<int>(g_text.size());
    });
}

// One press of ROLL on a step: reseeds from the clock, throws the step's dice and the bonus
// step's, judges the total against the difficulty and keeps the roll in the record, timed
// by `msecsSinceEpoch`. Writes the roll (WriteRoll); an error keeps nothing.
EMSCRIPTEN_KEEPALIVE int dw_roll(int step, int bonusStep, int difficulty, double msecsSinceEpoch) {
    return Guarded([=] {
        if (bonusStep < kNoBonus || bonusStep > StepTable::kLastStep ||
            difficulty < kNoDifficulty || difficulty > kGreatestDifficulty)
            throw std::out_of_range("no such bonus step or difficulty");
        Source().Reseed();
        RollThrows throws;
        RollWithSettings(step, {.bonusStep = bonusStep, .difficulty = difficulty}, Source(),
                         throws);
        Record().add(throws, static_cast<std::int64_t>(msecsSinceEpoch));
        return WriteRoll(throws);
    });
}

// The exact chance of success, or a negative error for what cannot be set.
EMSCRIPTEN_KEEPALIVE double dw_chance(int step, int bonusStep, int difficulty) {
    try {
        return ChanceOfSuccess(step, bonusStep, difficulty);
    } catch (...) {
        return kOutOfRange;
    }
}

// The odds of a step, alone or with a bonus step, as six numbers: the average total, the Rule of
// One's "one in" (0: none), the chance of an explosion, the deviation, skewness and excess
// kurtosis of the totals.
EMSCRIPTEN_KEEPALIVE int dw_odds(int step, int bonusStep) {
    return Guarded([=] {
        const StepOdds odds = OddsOf(step, bonusStep);
        g_numbers = {odds.averageTotal,    static_cast<double>(odds.ruleOfOneOneIn),
                     odds.explosionChance, odds.totalDeviation,
                     odds.totalSkewness,   odds.totalExcessKurtosis};
        return static_cast<int>(g_numbers.size());
    });
}

// The record: how many rolls it keeps, how many went, and the most it keeps.
EMSCRIPTEN_KEEPALIVE int dw_record_size() {
    return static_cast<int>(Record().size());
}
EMSCRIPTEN_KEEPALIVE double dw_record_dropped() {
    return static_cast<double>(Record().dropped());
}
EMSCRIPTEN_KEEPALIVE int dw_record_capacity() {
    return static_cast<int>(Record().capacity());
}

// A kept roll, row 0 the newest: written as dw_roll writes one, its time in the first number.
EMSCRIPTEN_KEEPALIVE int dw_record_row(int row) {
    return Guarded([row] {
        if (row < 0) throw std::out_of_range("no such row");
        const RollRecord::Entry& entry = Record().row(static_cast<std::size_t>(row));
        g_numbers.assign(1, static_cast<double>(entry.msecsSinceEpoch));
        return WriteRoll(entry.roll);
    });
}

// What the dice have done so far, each step (and each step with a bonus step) as ten numbers:
// step, bonus step, rolls, Rules of One, the Rules of One expected, the average shown, the exact
// average, the fairness verdict (0 not judged, 1 lower, 2 within, 3 higher) and the fair range's
// low and high end. Gives the count of numbers.
EMSCRIPTEN_KEEPALIVE int dw_tally() {
    return Guarded([] {
        g_numbers.clear();
        for (const StepTallyReport& report : Record().tally().reports()) {
            g_numbers.insert(
                g_numbers.end(),
                {static_cast<double>(report.step), static_cast<double>(report.bonusStep),
                 static_cast<double>(report.rolls), static_cast<double>(report.rulesOfOne),
                 report.expectedRulesOfOne, report.averageShown, report.exactAverage,
                 static_cast<double>(report.verdict), report.fairRange.low, report.fairRange.high});
        }
        return static_cast<int>(g_numbers.size());
    });
}

// The rules the page's controls keep to: the last step, the greatest difficulty, and the bonus
// step whose chance is shown beside the chance without a bonus.
EMSCRIPTEN_KEEPALIVE int dw_last_step() {
    return StepTable::kLastStep;
}
EMSCRIPTEN_KEEPALIVE int dw_greatest_difficulty() {
    return kGreatestDifficulty;
}
EMSCRIPTEN_KEEPALIVE int dw_usual_bonus_step() {
    return kUsualBonusStep;
}

// The least rolls of a step whose average the tally judges.
EMSCRIPTEN_KEEPALIVE int dw_fewest_to_judge() {
    return static_cast<int>(RollTally::kFewestToJudge);
}

// For checks of the code: seeds the generator as the desktop's engine is seeded and holds the
// clock still at `heldClockMs`, so that the same draws come on both.
EMSCRIPTEN_KEEPALIVE void dw_seed_for_checks(double seed, double heldClockMs) {
    g_heldClock = heldClockMs;
    Source() = ClockRandomSource(static_cast<std::uint64_t>(seed), ClockReading);
}

}  // extern "C"
