// The dice engine, compiled from the program's own C++ into engine-glue.wasm: every number the dice
// decide comes from here, none is worked out again in script.
import loadEngine from './engine-glue.js';

// What a call gives instead of a count where it failed; the page words each.
const ERRORS = { '-1': 'overflow', '-2': 'floating-point', '-3': 'out-of-range',
  '-4': 'unknown' };

export class EngineError extends Error {
  constructor(code) {
    super(ERRORS[code] || 'unknown');
    this.kind = ERRORS[code] || 'unknown';
  }
}

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

class Engine {
  constructor(module) {
    this.m = module;
  }

  ints(count) {
    if (count < 0) throw new EngineError(count);
    const at = this.m._dw_ints() >> 2;
    return this.m.HEAP32.subarray(at, at + count);
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
    return new TextDecoder().decode(this.m.HEAPU8.subarray(at, at + length));
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

  odds(step, bonusStep = 0) {
    const [average, ruleOfOneOneIn, explosionChance, deviation, skewness, kurtosis] =
      this.numbers(this.m._dw_odds(step, bonusStep));
    return { average, ruleOfOneOneIn, explosionChance, deviation, skewness, kurtosis };
  }

  get recordSize() { return this.m._dw_record_size(); }
  get recordDropped() { return this.m._dw_record_dropped(); }
  get recordCapacity() { return this.m._dw_record_capacity(); }
  get fewestToJudge() { return this.m._dw_fewest_to_judge(); }
  get lastStep() { return this.m._dw_last_step(); }
  get greatestDifficulty() { return this.m._dw_greatest_difficulty(); }
  get usualBonusStep() { return this.m._dw_usual_bonus_step(); }

  // A kept roll, row 0 the newest, with its time.
  row(row) {
    const roll = readRoll(this.ints(this.m._dw_record_row(row)));
    roll.when = this.numbers(1)[0];
    return roll;
  }

  // What the dice have done so far, a report a step (and a step with a bonus step).
  tally() {
    const numbers = this.numbers(this.m._dw_tally());
    const verdicts = ['not-judged', 'lower', 'within', 'higher'];
    const reports = [];
    for (let i = 0; i < numbers.length; i += 10) {
      const [step, bonusStep, rolls, rulesOfOne, expectedRulesOfOne, averageShown,
        exactAverage, verdict, low, high] = numbers.slice(i, i + 10);
      reports.push({ step, bonusStep, rolls, rulesOfOne, expectedRulesOfOne, averageShown,
        exactAverage, verdict: verdicts[verdict], low, high });
    }
    return reports;
  }

  // For checks of the code: the same draws as the desktop engine seeded so.
  seedForChecks(seed, heldClockMs) {
    this.m._dw_seed_for_checks(seed, heldClockMs);
  }
}

// A roll from the module's integers: { ruleOfOne, total, verdict: null | { success,
// extraSuccesses }, step, bonusStep, difficulty, dice: [{ faces, modifier, value, bonus,
// shown }] }.
function readRoll(ints) {
  const [ruleOfOne, total, verdict, extraSuccesses, step, bonusStep, difficulty, count] = ints;
  const dice = [];
  let at = 8;
  for (let die = 0; die < count; ++die) {
    const [faces, modifier, value, bonus, shownCount] = ints.subarray(at, at + 5);
    dice.push({ faces, modifier, value, bonus: bonus === 1,
      shown: Array.from(ints.subarray(at + 5, at + 5 + shownCount)) });
    at += 5 + shownCount;
  }
  return {
    ruleOfOne: ruleOfOne === 1, total, step, bonusStep, difficulty, dice,
    verdict: verdict < 0 ? null : { success: verdict === 1, extraSuccesses },
  };
}
