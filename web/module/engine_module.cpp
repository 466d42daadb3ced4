// The dice engine as the web page calls it: plain C functions over the engine's own code. The
// page reads what a call gives from one buffer of 32-bit integers and one of doubles, at the
// places engine_interface.h declares; texts come back as UTF-8 in a buffer of bytes. Every number
// the dice decide, and every rule of the controls that needs no window, is decided here: the
// page words them and shows them.
#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <exception>
#include <string>
#include <variant>
#include <vector>

#include "chance_shown.h"
#include "dice.h"
#include "difficulty_roll.h"
#include "engine_interface.h"
#include "failure.h"
#include "optional_number.h"
#include "roll_record.h"
#include "roll_settings.h"
#include "step_odds.h"
#include "step_roll.h"
#include "step_table.h"
#include "step_type_ahead.h"
#include "success_chance.h"

// The finest clock the browser has: milliseconds since the epoch, with the fraction
// performance.now() adds.
EM_JS(double, BrowserClockMs, (), { return performance.timeOrigin + performance.now(); });

namespace dicewright {
namespace {

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
std::vector<std::int32_t> g_input;
std::string g_text;

// The time of the key being typed, which the type-ahead's clock reads.
double g_keyTime = 0.0;

StepTypeAhead& TypeAhead() {
    static StepTypeAhead typeAhead([] { return static_cast<std::int64_t>(g_keyTime); });
    return typeAhead;
}

int ErrorCodeOfCurrent() {
    return wire::ErrorCode(FailureOf(std::current_exception()));
}

template <typename Call>
int Guarded(Call call) {
    try {
        return call();
    } catch (...) {
        return ErrorCodeOfCurrent();
    }
}

// Puts `values` into the integers at their declared places; gives their count.
template <std::size_t N>
int WriteInts(const std::array<std::int32_t, N>& values) {
    g_ints.assign(values.begin(), values.end());
    return static_cast<int>(g_ints.size());
}

// A roll as wire::RollHead and wire::Die lay it out.
int WriteRoll(const RollThrows& roll) {
    using namespace wire;
    g_ints.clear();
    const RollOutcome outcome = OutcomeOf(roll);
    const bool ruleOfOne = std::holds_alternative<RuleOfOne>(outcome);
    const Verdict verdict = Judge(outcome, roll.difficulty);
    std::array<std::int32_t, kRollHeadSize> head{};
    head[kRuleOfOne] = ruleOfOne ? 1 : 0;
    head[kTotal] = ruleOfOne ? 0 : std::get<std::int16_t>(outcome);
    head[kVerdict] = roll.hasDifficulty() ? (verdict.success ? 1 : 0) : -1;
    head[kExtraSuccesses] = verdict.extraSuccesses;
    head[kStep] = roll.step.step;
    head[kBonusStep] = roll.bonus.step;
    head[kDifficulty] = roll.difficulty;
    head[kDiceCount] =
        static_cast<std::int32_t>(roll.step.count + (roll.hasBonus() ? roll.bonus.count : 0));
    g_ints.assign(head.begin(), head.end());
    for (const StepThrows* thrown : {&roll.step, &roll.bonus}) {
        if (thrown->step == kNoBonus) continue;
        const StepDefinition& step = StepTable::Step(thrown->step);
        for (std::size_t die = 0; die < thrown->count; ++die) {
            const std::vector<int> shown = FacesShown(*thrown, die);
            std::array<std::int32_t, kDieSize> written{};
            written[kFaces] = step.dice[die];
            written[kModifier] = step.modifier;
            written[kValue] = thrown->values[die];
            written[kIsBonus] = thrown == &roll.bonus ? 1 : 0;
            written[kShownCount] = static_cast<std::int32_t>(shown.size());
            g_ints.insert(g_ints.end(), written.begin(), written.end());
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
        return ErrorCodeOfCurrent();
    }
}

// A chance as it is shown (wire::Chance), and the bonus step whose chance stands beside it.
EMSCRIPTEN_KEEPALIVE int dw_show_chance(double chance) {
    const ShownChance shown = ShowChance(chance);
    std::array<std::int32_t, wire::kChanceSize> written{};
    written[wire::kBand] = static_cast<std::int32_t>(shown.band);
    written[wire::kTenths] = shown.tenths;
    return WriteInts(written);
}
EMSCRIPTEN_KEEPALIVE int dw_compared_bonus_step(int bonusStep) {
    return ComparedBonusStep(bonusStep);
}

// How many decimals a statistic is written with.
EMSCRIPTEN_KEEPALIVE int dw_statistic_decimals(double value) {
    return StatisticDecimals(value);
}

// One digit typed at `msecs` on a clock that only moves forward: the step the digits now name.
EMSCRIPTEN_KEEPALIVE int dw_type_ahead(int digit, double msecs) {
    g_keyTime = msecs;
    return TypeAhead().type(digit);
}

// Room for `count` characters of a field as digit values (kNotADigit for others), which
// dw_read_optional_number then reads (wire::Field).
EMSCRIPTEN_KEEPALIVE std::int32_t* dw_input(int count) {
    g_input.assign(static_cast<std::size_t>(std::max(count, 0)), kNotADigit);
    return g_input.data();
}
EMSCRIPTEN_KEEPALIVE int dw_read_optional_number(int greatest) {
    const OptionalNumber read = ReadOptionalNumber(g_input, greatest);
    std::array<std::int32_t, wire::kFieldSize> written{};
    written[wire::kFieldValue] = read.value;
    written[wire::kRefusal] = static_cast<std::int32_t>(read.refusal);
    return WriteInts(written);
}

// The odds of a step, alone or with a bonus step (wire::Odds).
EMSCRIPTEN_KEEPALIVE int dw_odds(int step, int bonusStep) {
    return Guarded([=] {
        const StepOdds odds = OddsOf(step, bonusStep);
        std::array<double, wire::kOddsSize> written{};
        written[wire::kAverage] = odds.averageTotal;
        written[wire::kRuleOfOneOneIn] = static_cast<double>(odds.ruleOfOneOneIn);
        written[wire::kExplosionChance] = odds.explosionChance;
        written[wire::kDeviation] = odds.totalDeviation;
        written[wire::kSkewness] = odds.totalSkewness;
        written[wire::kExcessKurtosis] = odds.totalExcessKurtosis;
        g_numbers.assign(written.begin(), written.end());
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

// What the dice have done so far, a report (wire::Report) for each step and each step with a
// bonus step. Gives the count of numbers.
EMSCRIPTEN_KEEPALIVE int dw_tally() {
    return Guarded([] {
        using namespace wire;
        g_numbers.clear();
        for (const StepTallyReport& report : Record().tally().reports()) {
            std::array<double, kReportSize> written{};
            written[kReportStep] = report.step;
            written[kReportBonusStep] = report.bonusStep;
            written[kRolls] = static_cast<double>(report.rolls);
            written[kRulesOfOne] = static_cast<double>(report.rulesOfOne);
            written[kExpectedRulesOfOne] = report.expectedRulesOfOne;
            written[kAverageShown] = report.averageShown;
            written[kExactAverage] = report.exactAverage;
            written[kFairness] = static_cast<double>(report.verdict);
            written[kFairLow] = report.fairRange.low;
            written[kFairHigh] = report.fairRange.high;
            g_numbers.insert(g_numbers.end(), written.begin(), written.end());
        }
        return static_cast<int>(g_numbers.size());
    });
}

// For checks of the code: seeds the generator as the desktop's engine is seeded and holds the
// clock still at `heldClockMs`, so that the same draws come on both.
EMSCRIPTEN_KEEPALIVE void dw_seed_for_checks(double seed, double heldClockMs) {
    g_heldClock = heldClockMs;
    Source() = ClockRandomSource(static_cast<std::uint64_t>(seed), ClockReading);
}

// For checks of the code: a record as at the start, so that each check's rolls are its own.
EMSCRIPTEN_KEEPALIVE void dw_clear_record_for_checks() {
    Record() = RollRecord();
}

}  // extern "C"
