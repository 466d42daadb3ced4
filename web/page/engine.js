// The dice engine, compiled from the program's own C++ into engine-glue.wasm: every number the
// dice decide, and every rule of the controls that needs no window, comes from here; none is
// worked out again in script.
import loadEngine from './engine-glue.js';
import {
  CHANCE, CHANCE_BANDS, DIE, FAILURES, FAIRNESS, FIELD, ODDS, REFUSALS, REPORT, ROLL_HEAD, RULES,
} from './engine_interface.js';

export { RULES };

const UNKNOWN = Object.values(FAILURES).find((failure) => failure.name === 'unknown');

export class EngineError extends Error {
  constructor(code) {
    const failure = FAILURES[code] || UNKNOWN;
    super(failure.name);
    this.failure = failure;
  }
}

// What ended a call, with the words the player reads: { name, context, words }.
export const failureOf = (error) => (error instanceof EngineError ? error.failure : UNKNOWN);

// Loads the module; rejects within `seconds` where it cannot, so that a page never waits for
// ever.
export async function startEngine(seconds) {
  let timer;
  const late = new Promise((resolve, reject) => {
    timer = setTimeout(() => reject(new Error('timed out')), seconds * 1000);
  });
  let abort;
  const aborted = new Promise((resolve, reject) => { abort = reject; });
  try {
    const module = await Promise.race([
      loadEngine({ onAbort: (what) => abort(new Error(String(what))) }), aborted, late]);
    return new Engine(module);
  } finally {
    clearTimeout(timer);
  }
}

// The numbers at `at` named by `names`, in their order, as one object.
function fields(names, numbers, at = 0) {
  return Object.fromEntries(names.map((name, i) => [name, numbers[at + i]]));
}

class Engine {
  constructor(module) {
    this.m = module;
  }

  // A copy of what a call wrote: the module's buffers move and are written again by the next
  // call.
  ints(count) {
    if (count < 0) throw new EngineError(count);
    const at = this.m._dw_ints() >> 2;
    return Array.from(this.m.HEAP32.subarray(at, at + count));
  }

  numbers(count) {
    if (count < 0) throw new EngineError(count);
    const at = this.m._dw_numbers() >> 3;
    return Array.from(this.m.HEAPF64.subarray(at, at + count));
  }

  diceLabel(step) {
    const length = this.m._dw_dice_label(step);
    if (length < 0) throw new EngineError(length);
    const at = this.m._dw_text();
    return new TextDecoder().decode(this.m.HEAPU8.slice(at, at + length));
  }

  // A press of ROLL: the roll, as readRoll gives it; it is kept in the record.
  roll(step, bonusStep, difficulty, when = Date.now()) {
    return readRoll(this.ints(this.m._dw_roll(step, bonusStep, difficulty, when)));
  }

  // The exact chance of success, 0 to 1.
  chance(step, bonusStep, difficulty) {
    const chance = this.m._dw_chance(step, bonusStep, difficulty);
    if (chance < 0) throw new EngineError(chance);
    return chance;
  }

  // How a chance is shown: { band, tenths }, the band one of CHANCE_BANDS.
  showChance(chance) {
    const shown = fields(CHANCE, this.ints(this.m._dw_show_chance(chance)));
    return { band: CHANCE_BANDS[shown.band], tenths: shown.tenths };
  }

  // The bonus step whose chance stands beside the chance of the test as set.
  comparedBonusStep(bonusStep) { return this.m._dw_compared_bonus_step(bonusStep); }

  // How many decimals a statistic is written with.
  statisticDecimals(value) { return this.m._dw_statistic_decimals(value); }

  // One digit typed at `msecs` on a clock that only moves forward: the step now named, or 0.
  typeAhead(digit, msecs) { return this.m._dw_type_ahead(digit, msecs); }

  // A field's characters as digit values (RULES.notADigit for any other), read by the rule of a
  // field that may be left empty: { value, refusal }, the refusal one of REFUSALS.
  readOptionalNumber(digits, greatest) {
    const at = this.m._dw_input(digits.length) >> 2;
    this.m.HEAP32.set(digits, at);
    const read = fields(FIELD, this.ints(this.m._dw_read_optional_number(greatest)));
    return { value: read.value, refusal: REFUSALS[read.refusal] };
  }

  odds(step, bonusStep = 0) {
    return fields(ODDS, this.numbers(this.m._dw_odds(step, bonusStep)));
  }

  get recordSize() { return this.m._dw_record_size(); }
  get recordDropped() { return this.m._dw_record_dropped(); }
  get recordCapacity() { return this.m._dw_record_capacity(); }

  // A kept roll, row 0 the newest, with its time.
  row(row) {
    const roll = readRoll(this.ints(this.m._dw_record_row(row)));
    roll.when = this.numbers(1)[0];
    return roll;
  }

  // What the dice have done so far, a report a step (and a step with a bonus step).
  tally() {
    const numbers = this.numbers(this.m._dw_tally());
    const reports = [];
    for (let at = 0; at < numbers.length; at += REPORT.length) {
      const report = fields(REPORT, numbers, at);
      report.verdict = FAIRNESS[report.verdict];
      reports.push(report);
    }
    return reports;
  }

  // For checks of the code: the same draws as the desktop engine seeded so.
  seedForChecks(seed, heldClockMs) {
    this.m._dw_seed_for_checks(seed, heldClockMs);
  }

  // For checks of the code: a record as at the start.
  clearRecordForChecks() {
    this.m._dw_clear_record_for_checks();
  }
}

// A roll from the module's integers: { ruleOfOne, total, verdict: null | { success,
// extraSuccesses }, step, bonusStep, difficulty, dice: [{ faces, modifier, value, bonus,
// shown }] }.
function readRoll(ints) {
  const head = fields(ROLL_HEAD, ints);
  const dice = [];
  let at = ROLL_HEAD.length;
  for (let die = 0; die < head.diceCount; ++die) {
    const { faces, modifier, value, bonus, shownCount } = fields(DIE, ints, at);
    at += DIE.length;
    dice.push({ faces, modifier, value, bonus: bonus === 1, shown: ints.slice(at, at + shownCount) });
    at += shownCount;
  }
  return {
    ruleOfOne: head.ruleOfOne === 1, total: head.total, step: head.step,
    bonusStep: head.bonusStep, difficulty: head.difficulty, dice,
    verdict: head.verdict < 0 ? null
      : { success: head.verdict === 1, extraSuccesses: head.extraSuccesses },
  };
}
