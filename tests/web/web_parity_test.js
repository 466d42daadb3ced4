'use strict';
// The page's engine module and wording against the desktop program's, roll for roll: the desktop
// program wrote what it makes of a table of seeded rolls (parity_table_writer), and the page,
// seeded alike, must throw the same dice to the same totals and verdicts, give the same chances
// to the last bit, and word them in every language as the desktop does, the roll log's every
// line included (its rows, its record, its statistics, the line over a full log) and the
// chance's hint. Spaces inside numbers
// are compared as spaces: Qt's locale data and the browser's Intl may pick another kind.
//   web_parity_test.js SITE_DIR WORK_DIR TABLE.json
const fs = require('fs');
const { serve, launch, waitFor, state, checks } = require('./browser.js');

const [site, , tableFile] = process.argv.slice(2);
const { check, finish } = checks();
const table = JSON.parse(fs.readFileSync(tableFile, 'utf8'));
// Each language in the forms the desktop program wrote it in.
const LOCALES = table.locales;

(async () => {
  const server = await serve(site);
  const browser = await launch();
  const page = await browser.newPage();
  await page.goto(`${server.origin}/`);
  await waitFor('the splash window', async () => (await state(page)) === 'splash', 30);
  const { rows: shown, lines, tally, refused } = await page.evaluate(async (table, locales) => {
    const { startEngine } = await import('./engine.js');
    const texts = await import('./texts.js');
    const wording = await import('./wording.js');
    const engine = await startEngine(20);
    const bits = (value) => new BigUint64Array(new Float64Array([value]).buffer)[0]
      .toString(16).padStart(16, '0');
    const rows = [];
    const lines = {};
    let tally = null;
    for (const language of Object.keys(locales)) {
      await texts.loadTexts({ language, locale: locales[language] });
      engine.clearRecordForChecks();
      table.rolls.forEach((row, i) => {
        engine.seedForChecks(row.seed, table.heldClockMs);
        const roll = engine.roll(row.step, row.bonusStep, row.difficulty, row.when);
        const said = {
          total: wording.totalText(roll), throws: wording.throwsText(roll),
          chat: wording.chatLine(engine, roll), odds: wording.oddsText(engine, row.step),
        };
        if (row.difficulty !== 0) {
          said.verdict = wording.verdictText(roll.verdict);
          said.chance = wording.chanceText(engine, row.step, row.bonusStep, row.difficulty);
        }
        rows[i] = rows[i] || { dice: roll.dice.map((die) => die.value), ruleOfOne: roll.ruleOfOne,
          total: roll.total, chanceBits: row.difficulty !== 0
            ? bits(engine.chance(row.step, row.bonusStep, row.difficulty)) : undefined, texts: {} };
        rows[i].texts[language] = said;
      });
      tally = tally || engine.tally();
      const kept = [...Array(engine.recordSize).keys()].map((row) => engine.row(row));
      lines[language] = {
        rows: kept.map((roll, row) => wording.logLine(engine, roll, kept[row + 1])),
        record: wording.record(engine),
        statistics: engine.tally().map((report) => wording.statisticsLine(engine, report)),
        dropped: wording.droppedText(table.dropped, engine.recordCapacity),
        noChanceYet: wording.noChanceYet(),
      };
    }
    // What cannot be rolled or set comes back as an error the page words, not a bare number.
    const refused = [() => engine.roll(41, 0, 0), () => engine.roll(8, 41, 0),
      () => engine.roll(8, 0, 100), () => engine.chance(0, 0, 5), () => engine.odds(8, -1)]
      .map((call) => { try { call(); return 'accepted'; } catch (error) { return error.failure.name; } });
    return { rows, lines, tally, refused };
  }, table, LOCALES);

  // Whether four digits take a group separator ("1.200", "1200") changed between the CLDR
  // releases that Qt and the browser carry, so neither is wrong.
  const spaces = (text) => text.replace(/[\u00a0\u202f]/g, ' ')
    .replace(/(?<![\d.,])(\d)[. ,](\d{3})(?![\d])/g, '$1$2');
  let numbersAgree = 0;
  const textsDiffer = [];
  table.rolls.forEach((row, i) => {
    const page = shown[i];
    const same = JSON.stringify(page.dice) === JSON.stringify(row.dice) &&
      page.ruleOfOne === row.ruleOfOne && page.total === row.total && page.chanceBits === row.chanceBits;
    if (same) ++numbersAgree;
    else check(`seed ${row.seed}, step ${row.step}: ${JSON.stringify(page)} against ${JSON.stringify(row)}`, false);
    for (const [language, desktop] of Object.entries(row.texts)) {
      for (const [what, words] of Object.entries(desktop)) {
        const said = page.texts[language][what];
        if (spaces(said) !== spaces(words)) textsDiffer.push(`${language} ${what}: "${said}" / "${words}"`);
      }
    }
  });
  for (const [language, desktop] of Object.entries(table.lines)) {
    for (const [what, words] of Object.entries(desktop)) {
      const said = [lines[language][what]].flat();
      [words].flat().forEach((line, i) => {
        if (spaces(said[i] ?? '') !== spaces(line)) {
          textsDiffer.push(`${language} ${what} ${i}: "${said[i]}" / "${line}"`);
        }
      });
      if (said.length !== [words].flat().length) textsDiffer.push(`${language} ${what}: count`);
    }
  }
  check(`every one of ${table.rolls.length} rolls throws the same dice to the same total and chance`,
    numbersAgree === table.rolls.length);
  check(`the page words them as the desktop does in ${Object.keys(LOCALES).join(', ')}` +
    `${textsDiffer.slice(0, 5).map((line) => `\n  ${line}`).join('')}`, textsDiffer.length === 0);
  const exploded = table.rolls.filter((row) => row.texts.en.throws.includes('=')).length;
  check(`the table holds explosions (${exploded}) and every step`, exploded > 0 &&
    new Set(table.rolls.map((row) => row.step)).size === 40);
  // The fairness figures: a C library's pow may differ by an ulp.
  const verdicts = ['not-judged', 'lower', 'within', 'higher'];
  const close = (a, b) => Math.abs(a - b) <= 1e-12 * Math.max(1, Math.abs(a), Math.abs(b));
  const agree = tally.length === table.tally.length && tally.every((report, i) => {
    const [step, bonusStep, rolls, rulesOfOne, expected, average, exact, verdict, low, high] = table.tally[i];
    return report.step === step && report.bonusStep === bonusStep && report.rolls === rolls &&
      report.rulesOfOne === rulesOfOne && report.verdict === verdicts[verdict] &&
      [[report.expectedRulesOfOne, expected], [report.averageShown, average],
        [report.exactAverage, exact], [report.low, low], [report.high, high]]
        .every(([a, b]) => close(a, b));
  });
  const judged = tally.filter((report) => report.verdict !== 'not-judged').length;
  check(`the tally of ${tally.length} steps agrees within 1e-12, ${judged} of them judged`,
    agree && judged >= 2);
  check(`what cannot be set is refused as out of range (${refused})`,
    refused.every((kind) => kind === 'out-of-range'));
  await browser.close();
  await server.close();
  finish();
})().catch((error) => {
  console.error(error);
  process.exit(1);
});
