'use strict';
// The page on the screens players hold, as Chromium emulates them (size, density, touch, the
// notch and home bar of an installed app), in every language the page speaks: nothing below the
// screen, everything a thumb needs whole and its own, the roll log's rows whole.
//   web_screens_test.js SITE_DIR WORK_DIR
const fs = require('fs');
const path = require('path');
const { serve, launch, waitFor, state, checks } = require('./browser.js');

const [site, work] = process.argv.slice(2);
fs.mkdirSync(work, { recursive: true });
const { check, finish } = checks();

// What an installed app's window loses to a notch and a home bar, upright and sideways; a
// browser's bars keep both out of the page.
const NOTCHED = { upright: { top: 47, bottom: 34 }, sideways: { left: 47, right: 47, bottom: 21 },
  tablet: { top: 24, bottom: 20 }, browser: {}, desktop: {} };
// Width, height, device pixel ratio, how it is held (an installed app upright or sideways, a
// phone in a browser with its bars, an installed tablet, a desktop by mouse) and whether the 40
// steps fit without scrolling there. A desktop's is the designed window, which the window tests
// measure: here only its roll log is.
const SCREENS = [
  [390, 844, 3, 'upright', true], [430, 932, 3, 'upright', true],
  [412, 915, 2.625, 'upright', true], [360, 740, 3, 'upright', false], [375, 667, 2, 'upright', false],
  [390, 664, 3, 'browser', false], [412, 780, 2.625, 'browser', false], [375, 548, 2, 'browser', false],
  [360, 560, 3, 'browser', false], [320, 480, 2, 'browser', false],
  [280, 653, 3, 'browser', false],
  [844, 390, 3, 'sideways', false], [932, 430, 3, 'sideways', false], [667, 375, 2, 'sideways', false],
  [568, 320, 2, 'sideways', false],
  [768, 1024, 2, 'tablet', true], [820, 1180, 2, 'tablet', true], [1024, 1366, 2, 'tablet', true],
  [1180, 820, 2, 'tablet', true], [1024, 768, 1, 'desktop', false],
];

// What one screen shows, in the faces the page chose once they are in: `whole` must be on screen
// inside the insets and be what a finger there touches.
async function measure({ whole, insets }) {
  await document.fonts.ready;
  const { top = 0, right = 0, bottom = 0, left = 0 } = insets;
  const uncovered = whole.filter((id) => {
    const element = document.getElementById(id);
    const box = element.getBoundingClientRect();
    const touched = document.elementFromPoint((box.left + box.right) / 2, (box.top + box.bottom) / 2);
    return !(box.width > 0 && box.left >= left && box.right <= innerWidth - right && box.top >= top &&
      box.bottom <= innerHeight - bottom && element.contains(touched));
  });
  const shown = [...document.querySelectorAll('#Dicewright *:not(.unseen)')].filter((element) =>
    element.offsetParent && [...element.childNodes].some((node) => node.nodeType === 3 && node.textContent.trim()));
  const cut = shown.filter((element) => element.scrollWidth > element.clientWidth + 1 &&
    getComputedStyle(element).overflow !== 'visible').map((element) => element.id || element.textContent);
  const centres = [...document.querySelectorAll('label.step')].map((option) => {
    const box = option.getBoundingClientRect();
    return [(box.left + box.right) / 2, (box.top + box.bottom) / 2, box.height];
  });
  let apart = Math.min(...centres.map(([, , height]) => height));
  for (const [i, [x, y]] of centres.entries()) {
    for (const [u, v] of centres.slice(i + 1)) apart = Math.min(apart, Math.max(Math.abs(x - u), Math.abs(y - v)));
  }
  const steps = document.getElementById('grpSteps');
  const roll = document.getElementById('Command1').getBoundingClientRect();
  return {
    uncovered, cut, apart: Math.floor(apart),
    smallest: Math.min(...shown.map((element) => parseFloat(getComputedStyle(element).fontSize))),
    scrolls: document.documentElement.scrollWidth > innerWidth || document.documentElement.scrollHeight > innerHeight,
    stepsScroll: steps.scrollHeight > steps.clientHeight + 1,
    rollLow: roll.top >= innerHeight / 2,
  };
}

// The roll log's drawn rows: each whole in its list (no text cut at either side or below), the
// dialog on screen inside the insets, only the rows in view drawn, and the focused one among them.
async function measureLog({ top = 0, right = 0, bottom = 0, left = 0 }) {
  await document.fonts.ready;
  const list = document.getElementById('lstRolls');
  const within = list.getBoundingClientRect();
  const focused = document.activeElement.getBoundingClientRect();
  const rows = [...list.querySelectorAll('[role="row"]')];
  const cut = rows.filter((row) => {
    const cell = row.firstChild;
    const box = cell.getBoundingClientRect();
    return cell.scrollWidth > cell.clientWidth + 1 || box.left < within.left ||
      box.right > within.left + list.clientWidth + 1 || cell.offsetHeight > row.clientHeight + 1;
  }).length;
  const dialog = document.getElementById('frmRollLog').getBoundingClientRect();
  return {
    rows: rows.length, cut, across: list.scrollWidth > list.clientWidth + 1,
    focusSeen: focused.top >= within.top && focused.bottom <= within.top + list.clientHeight + 1,
    onScreen: dialog.left >= left && dialog.top >= top && dialog.right <= innerWidth - right &&
      dialog.bottom <= innerHeight - bottom,
  };
}

async function screen(browser, origin, language, [width, height, scale, held, stepsFit]) {
  const name = `${language} ${width}x${height}@${scale} ${held}`;
  const insets = NOTCHED[held];
  const page = await browser.newPage();
  await page.setViewport({ width, height, deviceScaleFactor: scale, isMobile: !['tablet', 'desktop'].includes(held), hasTouch: held !== 'desktop' });
  const cdp = await page.target().createCDPSession();
  const max = (side) => insets[side] || 0;
  await cdp.send('Emulation.setSafeAreaInsetsOverride', { insets: { top: max('top'), topMax: max('top'),
    right: max('right'), rightMax: max('right'), bottom: max('bottom'), bottomMax: max('bottom'),
    left: max('left'), leftMax: max('left') } });
  await page.goto(`${origin}/`);
  await waitFor('the splash window', async () => (await state(page)) === 'splash', 30);
  const tap = (selector) => (held === 'desktop' ? page.click(selector) : page.tap(selector));
  await tap('#cmdStart');
  await waitFor('the main window', async () => (await state(page)) === 'running');
  const viewport = await page.$eval('meta[name="viewport"]', (meta) => meta.content);
  if (!['browser', 'desktop'].includes(held)) {
    check(`${name}: an installed app draws under the notch and keeps clear of it (${viewport})`,
      /viewport-fit=cover/.test(viewport));
  }
  const judge = (what, shown, extra = true) => held === 'desktop' || check(`${name} ${what}: ${JSON.stringify(shown)}`,
    shown.uncovered.length === 0 && shown.cut.length === 0 && shown.apart >= 44 && shown.smallest >= 16 &&
    !shown.scrolls && (held === 'sideways' || width > height || shown.rollLow) && extra);

  await tap('#optStep40');
  await tap('#Command1');
  const plain = await page.evaluate(measure, { whole: ['Label1', 'lblTotal', 'Command1', 'cmdExit'], insets });
  judge('', plain, !stepsFit || !plain.stepsScroll);
  await page.screenshot({ path: path.join(work, `${language}-${width}x${height}.png`) });

  // The test at its widest: the greatest difficulty and bonus step.
  await page.$eval('#actDifficulty', (item) => item.click());
  for (const [id, value] of [['txtDifficulty', '99'], ['txtBonusStep', '40']]) {
    await page.$eval(`#${id}`, (field, typed) => {
      field.value = typed;
      field.dispatchEvent(new Event('input', { bubbles: true }));
    }, value);
  }
  await tap('#Command1');
  // Whatever the dice gave, the verdict at its longest: a success with many extra successes.
  await page.evaluate(async () => {
    const { verdictText } = await import('./wording.js');
    document.getElementById('lblVerdict').textContent =
      verdictText({ success: true, extraSuccesses: 22 });
  });
  judge('with the difficulty', await page.evaluate(measure, { whole: ['Label1', 'lblTotal', 'lblVerdict',
    'Command1', 'cmdExit', 'txtDifficulty', 'txtBonusStep', 'lblChance'], insets }));
  await page.screenshot({ path: path.join(work, `${language}-${width}x${height}-difficulty.png`) });

  // The longest rows there are (step 40 with bonus step 40 against a difficulty) below short ones,
  // met on the way down.
  await page.evaluate(() => { for (let i = 0; i < 500; ++i) document.getElementById('Command1').click(); });
  await page.$eval('#actDifficulty', (item) => item.click());
  await page.evaluate(() => {
    document.getElementById('optStep1').click();
    for (let i = 0; i < 20; ++i) document.getElementById('Command1').click();
  });
  await page.$eval('#actRollLog', (item) => item.click());
  await waitFor('the roll log', () => page.$eval('#frmRollLog', (dialog) => dialog.open), 5);
  for (const key of ['Home', 'End']) {
    await page.keyboard.press(key);
    const log = await page.evaluate(measureLog, insets);
    check(`${name} the roll log's rows whole at ${key}: ${JSON.stringify(log)}`, log.rows > 0 &&
      log.rows < 60 && log.cut === 0 && !log.across && log.onScreen && log.focusSeen);
  }
  await page.screenshot({ path: path.join(work, `${language}-${width}x${height}-log.png`) });
  await page.close();
}

(async () => {
  const html = fs.readFileSync(path.join(site, 'index.html'), 'utf8');
  const spoken = html.match(/data-languages="([^"]*)"/)[1].split(' ');
  const server = await serve(site);
  for (const language of spoken) {
    const browser = await launch([`--lang=${language}`, `--accept-lang=${language}`]);
    try {
      for (const row of SCREENS) await screen(browser, server.origin, language, row);
    } finally {
      await browser.close();
    }
  }
  await server.close();
  finish();
})().catch((error) => {
  console.error(error);
  process.exit(1);
});
