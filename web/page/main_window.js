// The main window: the 40 steps as one radio group, the step's dice, the total with its verdict,
// ROLL and EXIT, and the test against a difficulty with its chance.
import { RULES } from './engine.js';
import { arg, qsTranslate } from './texts.js';
import {
  chanceText, diceText, noChanceYet, oddsText, stepCaption, throwsText, totalText, verdictText,
} from './wording.js';

const $ = (id) => document.getElementById(id);

export class MainWindow {
  constructor(engine, { announce, onRoll, onError }) {
    this.engine = engine;
    this.announce = announce;
    this.onRoll = onRoll;
    this.onError = onError;
    this.lastRoll = null;
    this.createSteps();
    // As on the desktop, a display is read as its text and described by its purpose.
    $('lblStepDice').textContent = diceText(RULES.startDiceLabel);
    $('lblStepDice').setAttribute('aria-description', qsTranslate('dicewright::MainWindow',
      'Dice of the chosen step'));
    $('lblTotal').setAttribute('aria-description', qsTranslate('dicewright::TotalDisplay',
      'Total of the last roll'));
    $('Command1').setAttribute('aria-description', qsTranslate('dicewright::MainWindow',
      'Roll the dice of the chosen step'));
    $('cmdExit').setAttribute('aria-description', qsTranslate('dicewright::MainWindow',
      'End the program'));
    // Each field by its full word, whatever short form its caption shows.
    $('txtDifficulty').setAttribute('aria-label', qsTranslate('dicewright::DifficultyControls',
      'Difficulty'));
    $('txtBonusStep').setAttribute('aria-label', qsTranslate('dicewright::DifficultyControls',
      'Bonus step'));
    $('txtDifficulty').setAttribute('aria-description', qsTranslate(
      'dicewright::DifficultyControls', 'What the total must reach, 1 to 99; empty or 0 for none'));
    $('txtBonusStep').setAttribute('aria-description', qsTranslate('dicewright::DifficultyControls',
      'A step whose dice are thrown with the chosen step\'s, 1 to 40; empty or 0 for none'));
    this.chance = null;
    this.showChance(false);
    $('Command1').addEventListener('click', () => this.roll());
    $('grpSteps').addEventListener('change', () => this.stepChosen());
    for (const field of [$('txtDifficulty'), $('txtBonusStep')]) {
      field.addEventListener('input', () => this.fieldChanged(field));
    }
    $('Dicewright').addEventListener('keydown', (event) => this.key(event));
    this.settles = 0;
  }

  createSteps() {
    const group = $('grpSteps');
    for (let step = 1; step <= RULES.lastStep; ++step) {
      const option = document.createElement('label');
      option.className = 'step';
      const radio = document.createElement('input');
      radio.type = 'radio';
      radio.name = 'step';
      radio.value = String(step);
      // Step 25's option has always been spelled so.
      radio.id = step === 25 ? 'optstep25' : `optStep${step}`;
      const odds = oddsText(this.engine, step);
      option.title = odds;
      // Its lines one after another, never a full stop after a number, which a German or Polish
      // reader hears as an ordinal ("1 von 36. Explosion").
      const join = globalThis.dicewrightPageTexts.oddsJoin;
      radio.setAttribute('aria-description', odds.split('\n').slice(1)
        .reduce((said, line) => arg(qsTranslate(join.context, join.source), said, line)));
      const caption = document.createElement('span');
      caption.textContent = stepCaption(step);
      option.append(radio, caption);
      group.append(option);
    }
  }

  get step() {
    const checked = document.querySelector('input[name="step"]:checked');
    return checked ? Number(checked.value) : 0;
  }

  get difficultyShown() {
    return !$('difficulty').hidden;
  }

  // A field's number, 0 where it is empty: it only ever holds what the rule took.
  static fieldValue(field) {
    return field.value === '' ? 0 : Number(field.value);
  }

  get difficulty() {
    return this.difficultyShown ? MainWindow.fieldValue($('txtDifficulty')) : 0;
  }

  get bonusStep() {
    return this.difficultyShown ? MainWindow.fieldValue($('txtBonusStep')) : 0;
  }

  stepChosen() {
    $('lblStepDice').textContent = diceText(this.engine.diceLabel(this.step));
    this.clearVerdict();
    this.showChance(false);
  }

  // What the field now holds, however it came (a key of any keyboard or script, a phone's own
  // keyboard, a paste), as the engine's rule takes it: a text it refuses leaves the field with
  // its last good value, and the note says why, spoken once while it stands. The field's value
  // stays good, so it is never marked invalid.
  fieldChanged(field) {
    const difficulty = field.id === 'txtDifficulty';
    const greatest = difficulty ? RULES.greatestDifficulty : RULES.lastStep;
    const digits = [...field.value.trim()].map((c) => (/\p{Nd}/u.test(c) ? digitValue(c) : RULES.notADigit));
    const read = this.engine.readOptionalNumber(digits, greatest);
    const note = $('lblFieldNote');
    let why = '';
    if (read.refusal === 'none') {
      field.value = read.value === 0 ? '' : String(read.value);
      field.dataset.kept = field.value;
    } else {
      field.value = field.dataset.kept || '';
      const texts = globalThis.dicewrightPageTexts;
      const refused = { 'too-large': difficulty ? texts.highestDifficulty : texts.highestBonusStep,
        'leading-zero': texts.leadingZero, 'not-a-number': texts.digitsOnly }[read.refusal];
      why = arg(qsTranslate(refused.context, refused.source), greatest);
    }
    if (why !== note.textContent) {
      note.textContent = why;
      if (why) this.announce(why);
    }
    this.clearVerdict();
    this.showChance(true);
  }

  // The chance, or a word that there is none yet, which a screen reader reads as the
  // paragraph's text: an empty paragraph's own name is passed over by many readers.
  showChance(spokenLater) {
    const chance = $('lblChance');
    const set = this.step !== 0 && this.difficulty !== 0;
    const text = set ? chanceText(this.engine, this.step, this.bonusStep, this.difficulty) : '';
    if (text === this.chance) return;
    this.chance = text;
    if (text) {
      chance.textContent = text;
    } else {
      const none = document.createElement('span');
      none.className = 'unseen';
      none.textContent = noChanceYet();
      chance.replaceChildren(none);
    }
    clearTimeout(this.settles);
    if (text && spokenLater) {
      this.settles = setTimeout(() => this.announce(text), RULES.chanceSettleMs);
    }
  }

  clearVerdict() {
    $('lblVerdict').textContent = '';
  }

  showDifficulty(shown) {
    if (shown === this.difficultyShown) return;
    const hadFocus = $('difficulty').contains(document.activeElement);
    if (shown) this.focusBefore = document.activeElement;
    $('difficulty').hidden = !shown;
    $('Dicewright').classList.toggle('with-difficulty', shown);
    $('actDifficulty').setAttribute('aria-checked', String(shown));
    this.clearVerdict();
    this.showChance(false);
    if (shown) {
      $('txtDifficulty').focus();
    } else if (hadFocus) {
      (this.focusBefore && document.contains(this.focusBefore) ? this.focusBefore : $('Command1'))
        .focus();
    }
  }

  // One press of ROLL: the chosen step, with the bonus step's dice and against the difficulty
  // where the test is shown. With no step chosen it writes nothing.
  roll() {
    const step = this.step;
    if (step === 0) return;
    let roll;
    try {
      roll = this.engine.roll(step, this.bonusStep, this.difficulty);
    } catch (error) {
      this.onError(error);
      return;
    }
    clearTimeout(this.settles);
    this.lastRoll = roll;
    const total = totalText(roll);
    const verdict = roll.verdict ? verdictText(roll.verdict) : '';
    const throws = throwsText(roll);
    $('lblTotal').textContent = total;
    $('lblTotal').title = throws;
    $('lblTotal').setAttribute('aria-description', arg(qsTranslate('dicewright::TotalDisplay',
      '%1. %2'), qsTranslate('dicewright::TotalDisplay', 'Total of the last roll'), throws));
    $('lblVerdict').textContent = verdict;
    // One announcement for both, so that a screen reader says them together, once.
    const spoken = qsTranslate('dicewright::TotalDisplay', '%1. %2', 'a total and its verdict');
    this.announce(verdict ? arg(spoken, total, verdict) : total);
    this.onRoll(roll);
  }

  key(event) {
    const target = event.target;
    const onStep = target.name === 'step';
    const inField = target.id === 'txtDifficulty' || target.id === 'txtBonusStep';
    if (event.key === 'Enter' && (onStep || inField)) {
      event.preventDefault();
      this.roll();
      return;
    }
    // A digit names a step, however the keyboard made it, but not in a field or with Ctrl or
    // Alt, where it means something else.
    if (inField || event.ctrlKey || event.altKey || event.metaKey || event.key.length !== 1 ||
        !/\p{Nd}/u.test(event.key) || !$('Dicewright').contains(target) ||
        target.closest('[role="menu"]')) return;
    event.preventDefault();
    // The key's own time: a check of the code gives its keys the times it wants.
    const step = this.engine.typeAhead(digitValue(event.key), event.timeStamp);
    if (step === 0) return;
    const option = document.getElementById(step === 25 ? 'optstep25' : `optStep${step}`);
    option.focus();
    if (!option.checked) {
      option.checked = true;
      this.stepChosen();
    }
  }
}

// The value of a decimal digit of any script: Unicode keeps each script's digits 0 to 9 in a
// run, so it is the distance from the run's start.
function digitValue(character) {
  const code = character.codePointAt(0);
  const isDigit = (at) => /\p{Nd}/u.test(String.fromCodePoint(at));
  let value = 0;
  while (value < 9 && isDigit(code - value - 1)) ++value;
  return value;
}
