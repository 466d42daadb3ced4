// How the program words what the engine decides, as the desktop program words it, from the
// same catalogue entries (the same context and text): dice, totals, verdicts, chances, odds,
// the roll log's lines and its statistics.
import { RULES } from './engine.js';
import {
  arg, formatCount, formatDay, formatFixed, formatTime, qsTranslate,
} from './texts.js';

const DICE = 'DiceWords';
const CHANCE = 'ChanceWords';
const ODDS = 'OddsWords';
const FAIRNESS = 'FairnessWords';

// The language's die letters in a text that names dice: "2D6" is "2W6" in German, and step 1's
// "d4-2" keeps its small d only in English.
export function diceText(text) {
  return text.replace(/d(?=[0-9])/g, qsTranslate(DICE, 'd', 'die letter, small'))
    .replace(/D(?=[0-9])/g, qsTranslate(DICE, 'D', 'die letter'));
}

export const stepCaption = (step) => arg(qsTranslate(DICE, 'STEP %1'), step);

export const totalText = (roll) => (roll.ruleOfOne ? qsTranslate(DICE, 'Rule of One')
                                                   : String(roll.total));

// How a total came about, die by die: "D20: 20 + 20 + 5 = 45 · D10: 7", or "D4: 3 − 2".
export function throwsText(roll) {
  return diceText(roll.dice.map((die) => {
    let text = arg(qsTranslate(DICE, '%1: %2'), `D${die.faces}`, die.shown.join(' + '));
    if (die.shown.length > 1) text += ` = ${die.value}`;
    if (die.modifier !== 0) text += `${die.modifier < 0 ? ' \u2212 ' : ' + '}${Math.abs(die.modifier)}`;
    return text;
  }).join(' \u00b7 '));
}

export function verdictText(verdict) {
  if (!verdict.success) return qsTranslate(CHANCE, 'Failure');
  if (verdict.extraSuccesses === 0) return qsTranslate(CHANCE, 'Success');
  return arg(qsTranslate(CHANCE, 'Success, %1 extra success(es)', '', verdict.extraSuccesses),
    formatCount(verdict.extraSuccesses));
}

function loggedVerdictText(verdict) {
  if (!verdict.success) return qsTranslate(CHANCE, 'failure');
  if (verdict.extraSuccesses === 0) return qsTranslate(CHANCE, 'success');
  return arg(qsTranslate(CHANCE, 'success, %1 extra'), formatCount(verdict.extraSuccesses));
}

// A chance as the engine shows it: "75.5%", "100%" only where certain, "> 99.9%" where it
// merely rounds to certainty.
function percent(engine, chance) {
  const written = (value, decimals) => arg(qsTranslate(CHANCE, '%1%'),
    formatFixed(value, decimals));
  const { band, tenths } = engine.showChance(chance);
  const words = {
    certain: () => written(100, 0),
    'nearly-certain': () => arg(qsTranslate(CHANCE, '> %1'), written(99.9, 1)),
    tenths: () => written(tenths / 10, 1),
    'nearly-impossible': () => arg(qsTranslate(CHANCE, '< %1'), written(0.1, 1)),
    impossible: () => written(0, 0),
  };
  return words[band]();
}

export function chanceText(engine, step, bonusStep, difficulty) {
  const chance = arg(qsTranslate(CHANCE, 'Chance of success: %1'),
    percent(engine, engine.chance(step, bonusStep, difficulty)));
  const compared = engine.comparedBonusStep(bonusStep);
  const other = percent(engine, engine.chance(step, compared, difficulty));
  if (compared === RULES.noBonus) {
    return arg(qsTranslate(CHANCE, '%1 (without the bonus: %2)'), chance, other);
  }
  return arg(qsTranslate(CHANCE, '%1 (with step %2 as bonus: %3)'), chance, compared, other);
}

export const noChanceYet = () => qsTranslate('dicewright::DifficultyControls',
  'Set a step and a difficulty for the chance of success');

function averageTotalLabel(odds) {
  return odds.ruleOfOneOneIn === 0 ? qsTranslate(ODDS, 'Average total')
                                   : qsTranslate(ODDS, 'Average total (Rule of One aside)');
}

// A step's odds, a line each: its dice, the average total, the Rule of One, explosions.
export function oddsText(engine, step) {
  const odds = engine.odds(step);
  return [
    diceText(engine.diceLabel(step).trim()),
    arg(qsTranslate(ODDS, '%1: %2'), averageTotalLabel(odds), formatFixed(odds.average, 2)),
    odds.ruleOfOneOneIn === 0 ? qsTranslate(ODDS, 'Rule of One: none')
      : arg(qsTranslate(ODDS, 'Rule of One: 1 in %1'), formatCount(odds.ruleOfOneOneIn)),
    odds.explosionChance === 0 ? qsTranslate(ODDS, 'Explosion: never')
      : arg(qsTranslate(ODDS, 'Explosion: %1% of rolls'),
        formatFixed(100 * odds.explosionChance, 1)),
  ].join('\n');
}

// A roll as one line for a chat: "Step 8 + step 4 (2D6 + D6) against 9: 14, success, 1 extra —
// D6: 5 · D6: 3 · D6: 6".
export function chatLine(engine, roll) {
  const context = 'dicewright::RollLogModel';
  const diceOf = (step) => diceText(engine.diceLabel(step).trim());
  let steps = arg(qsTranslate(context, 'Step %1'), roll.step);
  let dice = diceOf(roll.step);
  if (roll.bonusStep !== 0) {
    steps = arg(qsTranslate(context, '%1 + step %2'), steps, roll.bonusStep);
    dice = arg(qsTranslate(context, '%1 + %2'), dice, diceOf(roll.bonusStep));
  }
  let head = arg(qsTranslate(context, '%1 (%2)'), steps, dice);
  let result = totalText(roll);
  if (roll.verdict) {
    head = arg(qsTranslate(context, '%1 against %2'), head, roll.difficulty);
    result = arg(qsTranslate(context, '%1, %2'), result, loggedVerdictText(roll.verdict));
  }
  return arg(qsTranslate(context, '%1: %2 \u2014 %3'), head, result, throwsText(roll));
}

const dayOf = (when) => new Date(when).toDateString();

// The line a row of the log shows: its time and chat line, with the day first where the day
// changed since the roll before (`older`, the next row).
export function logLine(engine, roll, older) {
  const timed = `${formatTime(new Date(roll.when))}  ${chatLine(engine, roll)}`;
  if (!older || dayOf(older.when) === dayOf(roll.when)) return timed;
  return `${formatDay(new Date(roll.when))}  ${timed}`;
}

// The whole log as a game-night record, oldest first, with the date wherever the day changes.
export function record(engine) {
  const context = 'dicewright::RollLogModel';
  const size = engine.recordSize;
  const first = size === 0 ? Date.now() : engine.row(size - 1).when;
  const lines = [arg(qsTranslate(context, 'Dicewright roll log, %1'), formatDay(new Date(first)))];
  const dropped = engine.recordDropped;
  if (dropped > 0) {
    lines.push(arg(qsTranslate(context, '(%1 earlier roll(s) no longer kept)', '', dropped),
      formatCount(dropped)));
  }
  let older = null;
  for (let row = size - 1; row >= 0; --row) {
    const roll = engine.row(row);
    if (older && dayOf(older.when) !== dayOf(roll.when)) lines.push(formatDay(new Date(roll.when)));
    lines.push(`${formatTime(new Date(roll.when))}  ${chatLine(engine, roll)}`);
    older = roll;
  }
  return lines.join('\n');
}

// One step's statistics as one line, so that a screen reader reads it whole.
export function statisticsLine(engine, report) {
  const number = (value) => formatFixed(value, engine.statisticDecimals(value));
  const shown = report.rolls - report.rulesOfOne;
  const range = arg(qsTranslate(FAIRNESS, '%1 to %2'), number(report.low), number(report.high));
  const verdicts = {
    'not-judged': () => arg(qsTranslate(FAIRNESS, 'judged once %1 total(s) are in (%2 so far)',
      '', RULES.fewestToJudge), formatCount(RULES.fewestToJudge), formatCount(shown)),
    lower: () => arg(qsTranslate(FAIRNESS, 'lower than fair dice give 99 times in 100 (%1)'),
      range),
    within: () => arg(qsTranslate(FAIRNESS,
      'within the range fair dice give 99 times in 100 (%1)'), range),
    higher: () => arg(qsTranslate(FAIRNESS, 'higher than fair dice give 99 times in 100 (%1)'),
      range),
  };
  const parts = [report.bonusStep === 0
    ? arg(qsTranslate(FAIRNESS, 'Step %1: %2 roll(s)', '', report.rolls), report.step,
      formatCount(report.rolls))
    : arg(qsTranslate(FAIRNESS, 'Step %1 + step %2: %3 roll(s)', '', report.rolls), report.step,
      report.bonusStep, formatCount(report.rolls))];
  parts.push(arg(qsTranslate(FAIRNESS, '%1 %2, exact %3: %4'),
    averageTotalLabel(engine.odds(report.step, report.bonusStep)),
    shown === 0 ? qsTranslate(FAIRNESS, 'none') : number(report.averageShown),
    number(report.exactAverage), verdicts[report.verdict]()));
  if (report.expectedRulesOfOne > 0) {
    parts.push(arg(qsTranslate(FAIRNESS, 'Rule of One: %1, expected %2'),
      formatCount(report.rulesOfOne), number(report.expectedRulesOfOne)));
  }
  return `${parts.join('. ')}.`;
}

// The line over the roll log once it is full.
export const droppedText = (dropped, kept) => arg(qsTranslate('dicewright::RollLogWindow',
  '%1 earlier roll(s) are no longer kept: the log holds the last %2.', '', dropped),
formatCount(dropped), formatCount(kept));
