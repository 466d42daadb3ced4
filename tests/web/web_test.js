'use strict';
// The web edition in Debian's Chromium, as players meet it: with a mouse and a keyboard, through
// the accessibility tree a screen reader reads, on phones (their viewports, touch and their own
// keyboards), in every language it speaks, offline, across an update, with its module missing and
// with storage refused. Nothing may break the page's security policy.
//   web_test.js SITE_DIR WORK_DIR
const crypto = require('crypto');
const fs = require('fs');
const os = require('os');
const path = require('path');
const {
  serve, launch, waitFor, state, listen, announced, checks, readTree, find, firstVisitBytes,
} = require('./browser.js');

const [site, work] = process.argv.slice(2);
// What a number field takes: the table the desktop's window test keeps to too.
const FIELD_CASES = JSON.parse(fs.readFileSync(path.join(__dirname, '..', 'optional_number_fields.json'),
  'utf8'));
fs.mkdirSync(work, { recursive: true });
const { check, finish } = checks();

// A page of `browser` at the site, waiting at the splash window; policy violations and script
// errors are collected on page.problems, what it announces by announced(). `before` runs in the
// page before its own scripts, as a browser's own features are there.
async function open(browser, origin, { viewport = { width: 1024, height: 768 }, before } = {}) {
  const page = await browser.newPage();
  if (before) await page.evaluateOnNewDocument(before);
  page.problems = [];
  page.on('pageerror', (error) => page.problems.push(error.message));
  page.on('console', (message) => {
    if (message.type() === 'error') page.problems.push(message.text());
  });
  await page.setViewport(viewport);
  await page.goto(`${origin}/`);
  await waitFor('the splash window', async () => (await state(page)) === 'splash', 30);
  await listen(page);
  return page;
}

// The page's live regions, by the id of each one's root element: a screen reader speaks any
// change in them.
async function liveRegions(cdp) {
  const roots = new Set();
  for (const { node, backend } of await readTree(cdp)) {
    const live = (node.properties || []).find((p) => p.name === 'live')?.value?.value;
    if (!live || live === 'off') continue;
    const root = (node.properties.find((p) => p.name === 'root')?.value?.relatedNodes || [])[0];
    roots.add(root?.backendDOMNodeId ?? backend);
  }
  const ids = [];
  for (const backendNodeId of roots) {
    const { node } = await cdp.send('DOM.describeNode', { backendNodeId });
    const attributes = node.attributes || [];
    ids.push(attributes[attributes.indexOf('id') + 1] || node.nodeName);
  }
  return ids.sort();
}

async function startMain(page) {
  await page.click('#cmdStart');
  await waitFor('the main window', async () => (await state(page)) === 'running');
}

const text = (page, id) => page.$eval(`#${id}`, (element) => element.textContent);
const checked = (page) => page.evaluate(() => document.querySelector('input[name="step"]:checked')?.id || '');
const focused = (page) => page.evaluate(() => document.activeElement.id);
const press = async (page, key, modifier) => {
  if (modifier) await page.keyboard.down(modifier);
  await page.keyboard.press(key);
  if (modifier) await page.keyboard.up(modifier);
};

async function splashWindow(browser, origin) {
  const page = await open(browser, origin);
  check('the splash shows the version', await text(page, 'lblVersion') === 'Version 1.0.0');
  check('its button has the focus', await focused(page) === 'cmdStart');
  await page.click('#imgLogo');
  check('a click on the logo does nothing', await state(page) === 'splash');
  await press(page, 'x');
  check('a character key ends the program', await state(page) === 'ended' &&
    await text(page, 'status') === 'Dicewright has ended.');
  await page.click('#again');
  await waitFor('the splash again', async () => (await state(page)) === 'splash');
  const frame = await page.$eval('#Frame1', (element) => {
    const box = element.getBoundingClientRect();
    return { x: box.right - 20, y: box.top + 20 };
  });
  await page.mouse.click(frame.x, frame.y);
  check('a click on the frame ends the program', await state(page) === 'ended');
  check('the splash breaks no policy and raises no error', page.problems.length === 0);
  await page.close();
}

async function mainWindow(browser, origin) {
  const page = await open(browser, origin);
  await press(page, 'Enter');
  check('Enter on the splash button opens the main window', await state(page) === 'running');
  check('STEP 1 has the focus, no step is chosen',
    await focused(page) === 'optStep1' && await checked(page) === '');
  check('the dice display starts with its own text',
    await text(page, 'lblStepDice') === 'D20+D10+D8+D6  ');
  await page.click('#Command1');
  check('ROLL with no step writes nothing', await text(page, 'lblTotal') === '');
  await page.focus('#optStep1');
  const cdp = await page.target().createCDPSession();
  // A digit key at a time of the test's choosing, in seconds after the key before: the
  // type-ahead reads the time of the key event, so no check waits for its pause to pass.
  let keyTime = Date.now() / 1000;
  const typeAt = async (digit, later) => {
    keyTime += later;
    const key = { key: digit, code: `Digit${digit}`, windowsVirtualKeyCode: 48 + Number(digit),
      timestamp: keyTime };
    await cdp.send('Input.dispatchKeyEvent', { type: 'keyDown', text: digit, ...key });
    await cdp.send('Input.dispatchKeyEvent', { type: 'keyUp', ...key });
  };
  // The keyboard: arrows through the steps, digits naming one (0.1 s apart, or past the pause),
  // Enter rolling.
  const pause = 1.1;
  const keys = [
    [[['ArrowDown']], 'optStep2', 'D4-1'], [[['ArrowUp']], 'optStep1', 'd4-2'],
    [[['2', 0.1], ['5', 0.1]], 'optstep25', 'D20+D10+D8+D4  '],
    [[['1', pause], ['2', 0.1]], 'optStep12', '2D10'],
    [[['4', pause], ['0', 0.1]], 'optStep40', '2D20+D10+D8+2D6'],
    [[['4', pause], ['0', pause]], 'optStep4', 'D6'],
    [[['9', pause], ['9', 0.1]], 'optStep9', 'D8 + D6'], [[['8', pause]], 'optStep8', '2D6'],
  ];
  for (const [typed, option, dice] of keys) {
    for (const [key, later] of typed) {
      if (later === undefined) await press(page, key); else await typeAt(key, later);
    }
    check(`${typed.map(([key, later]) => `${key}${later ? ` after ${later} s` : ''}`).join(', ')}` +
      ` chooses ${option} (${await checked(page)}) showing "${dice}"`,
    await checked(page) === option && await text(page, 'lblStepDice') === dice);
  }
  // Each press is said once, its total alone, however it was pressed: a press said twice, or
  // another press's words, shows in the list of what was said.
  const presses = [
    ['Enter on a step', () => press(page, 'Enter')],
    ['a click on ROLL', () => page.click('#Command1')],
    ['Space on ROLL', async () => { await page.focus('#Command1'); await press(page, 'Space'); }],
    ['Enter on ROLL', () => press(page, 'Enter')],
  ];
  const saidBefore = (await announced(page)).length;
  const totals = [];
  for (const [how, pressIt] of presses) {
    const from = (await announced(page)).length;
    await pressIt();
    await waitFor(`the total of ${how} spoken`, async () => (await announced(page)).length > from, 5);
    totals.push(await text(page, 'lblTotal'));
  }
  const said = (await announced(page)).slice(saidBefore);
  check(`each press says its total once (${JSON.stringify(said)})`, totals.every((total) =>
    /^\d+$|^Rule of One$/.test(total)) && JSON.stringify(said) === JSON.stringify(totals));
  await page.focus('#optStep8');
  check('the roll does not change the step or its dice', await checked(page) === 'optStep8' &&
    await text(page, 'lblStepDice') === '2D6');

  // The test's fields: what a phone's keyboard or a paste puts in, and what the field keeps.
  await press(page, 't', 'Alt');
  check('Alt+T shows the test, its first field focused', await focused(page) === 'txtDifficulty');
  // What a field takes, by the desktop's own table of cases: each text as Android's keyboard
  // types it (a keydown of code 229, then the text), one character at a time or a paste whole.
  const typeInto = async (field, typed) => {
    await page.$eval(`#${field}`, (element) => {
      element.value = '';
      element.dataset.kept = '';
      element.focus();
    });
    for (const text of typed) {
      await cdp.send('Input.dispatchKeyEvent', { type: 'keyDown', windowsVirtualKeyCode: 229, key: 'Unidentified' });
      await cdp.send('Input.insertText', { text });
    }
    return page.$eval(`#${field}`, (element) => element.value);
  };
  for (const { name, field, typed, shown } of FIELD_CASES) {
    const value = await typeInto(field, typed);
    check(`${name}: ${field} shows "${value}"`, value === shown);
  }
  // A text the rule refuses says why, once while it stands, by the field's full name.
  const refusals = [
    ['txtDifficulty', ['1', '0', '0'], 'The highest difficulty is 99.'],
    ['txtBonusStep', ['45'], 'The highest bonus step is 40.'],
    ['txtBonusStep', ['4', '5', '6'], 'The highest bonus step is 40.'],
    ['txtDifficulty', ['0'], 'A number here never starts with 0; an empty field means none.'],
    ['txtDifficulty', ['12abc'], 'Only digits go in this field.'],
  ];
  for (const [field, typed, why] of refusals) {
    const from = (await announced(page)).length;
    await typeInto(field, typed);
    const note = await text(page, 'lblFieldNote');
    await waitFor(`"${why}" spoken`, async () => (await announced(page)).slice(from).includes(why), 5);
    const spoken = (await announced(page)).slice(from).filter((words) => words === why).length;
    check(`${typed.join(', ')} in ${field} says "${note}" ${spoken} time(s)`, note === why && spoken === 1);
  }
  for (const [field, typed] of [['txtBonusStep', '4'], ['txtDifficulty', '9']]) {
    await typeInto(field, [typed]);
  }
  check('a number taken clears the note', await text(page, 'lblFieldNote') === '');
  const last = async () => (await announced(page)).at(-1);
  await waitFor('the chance spoken once typing settles',
    async () => /^Chance of success: [\d.]+% \(without the bonus: [\d.]+%\)$/.test(await last()), 5);
  const beforeRoll = (await announced(page)).length;
  await press(page, 'Enter');
  const verdict = await text(page, 'lblVerdict');
  check(`Enter in a field rolls against the difficulty (${verdict})`, /^(Success|Failure)/.test(verdict));
  await waitFor('the total spoken with its verdict', async () => (await last()) ===
    `${await text(page, 'lblTotal')}. ${verdict}`, 5);
  check('the total and its verdict are said once', (await announced(page)).length === beforeRoll + 1);

  // The menu and its keys.
  await page.click('#Label1', { button: 'right' });
  check('a right click opens the menu', await page.$eval('#mnuContext', (menu) => !menu.hidden) &&
    await focused(page) === 'actRollLog');
  const items = (await readTree(cdp)).filter((node) => node.role.startsWith('menuitem'))
    .map(({ name, node }) => `${name} (${(node.properties || []).find((p) => p.name === 'keyshortcuts')?.value?.value})`);
  check(`the menu's items are named by their words, their keys apart; no share sheet, no item for it (${items})`,
    JSON.stringify(items) === JSON.stringify(['Roll log (Control+L)', 'Copy last roll (Control+C)',
      'Test against a difficulty (Alt+T)']));
  await press(page, 'ArrowDown');
  check('the arrows move through it', await focused(page) === 'actCopyLastRoll');
  await press(page, 'Escape');
  check('Escape closes it', await page.$eval('#mnuContext', (menu) => menu.hidden));
  await page.focus('#Command1');
  await press(page, 'c', 'Control');
  const copied = await page.evaluate(() => document.body.dataset.copied);
  check(`Ctrl+C copies the last roll (${copied})`, /^Step 8 \+ step 4 \(2D6 \+ D6\) against 9: \d+, (success|failure)/.test(copied));

  // The roll log: thousands of rolls, only those in view drawn, each row's place told.
  await page.evaluate(() => { for (let i = 0; i < 3000; ++i) document.getElementById('Command1').click(); });
  // Those, each press of the table above and the roll against the difficulty.
  const rolls = 3000 + presses.length + 1;
  await press(page, 'l', 'Control');
  const log = await page.evaluate(() => ({
    open: document.getElementById('frmRollLog').open, focus: document.activeElement.id,
    count: document.getElementById('lstRolls').getAttribute('aria-rowcount'),
    drawn: document.querySelectorAll('#lstRolls [role="row"]').length,
    first: [...document.querySelectorAll('#lstRolls [role="row"]')]
      .map((row) => Number(row.getAttribute('aria-rowindex'))).sort((a, b) => a - b)[0].toString(),
  }));
  check(`Ctrl+L opens the log on its newest roll (${JSON.stringify(log)})`, log.open &&
    log.focus === 'roll-0' && log.count === String(rolls) && log.drawn < 60 && log.first === '1');
  const place = () => page.evaluate(() => document.activeElement.parentElement.getAttribute('aria-rowindex'));
  await press(page, 'End');
  check(`End reaches the oldest roll (${await place()})`, await place() === String(rolls));
  await press(page, 'PageUp');
  await press(page, 'ArrowDown');
  const moved = Number(await place());
  check(`PageUp and the arrows move through the rows (${moved})`, moved > rolls - 22 && moved < rolls);
  const tree = await readTree(cdp);
  check('a screen reader meets a modal dialog "Roll log" with its grid',
    find(tree, 'dialog', 'Roll log') && find(tree, 'grid', 'Rolls, newest first'));
  await press(page, 'Escape');
  check('Escape closes the log and gives the focus back', !(await page.$eval('#frmRollLog',
    (dialog) => dialog.open)) && await focused(page) === 'Command1');

  // The window as a screen reader reads it.
  const main = await readTree(cdp);
  const group = find(main, 'radiogroup', 'Steps');
  const radios = main.filter((node) => node.role === 'radio');
  check('the steps are one radio group "Steps" of 40', group && radios.length === 40 &&
    radios[0].name === 'STEP 1' && radios[7].checked === 'true');
  check('ROLL and EXIT are buttons', find(main, 'button', 'ROLL') && find(main, 'button', 'EXIT'));
  check('the fields are named by their full words', find(main, 'textbox', 'Difficulty') &&
    find(main, 'textbox', 'Bonus step'));
  const live = await liveRegions(cdp);
  check(`the announcement is the page's one live region (${live})`,
    JSON.stringify(live) === '["announcement"]');
  await page.click('#cmdExit');
  check('EXIT ends the program and offers to start it again', await state(page) === 'ended' &&
    await text(page, 'again') === 'Start Dicewright again');
  check('the main window breaks no policy and raises no error', page.problems.length === 0);
  await page.close();
}

// A phone's share sheet: the menu offers it and gives it the line Copy gives.
async function shareSheet(browser, origin) {
  const page = await open(browser, origin, {
    viewport: { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true },
    before: () => {
      navigator.share = (data) => { window.shared = data; return Promise.resolve(); };
    },
  });
  await startMain(page);
  await page.tap('#optStep8');
  await page.tap('#Command1');
  await page.click('#Label1', { button: 'right' });
  await page.tap('#actShareLastRoll');
  const shared = await waitFor('the share sheet', () => page.evaluate(() => window.shared), 5);
  await page.focus('#Command1');
  await press(page, 'c', 'Control');
  const copied = await page.evaluate(() => document.body.dataset.copied);
  check(`Share last roll shares what Copy copies (${JSON.stringify(shared)})`,
    /^Step 8 \(2D6\): /.test(copied) && JSON.stringify(shared) === JSON.stringify({ text: copied }));
  await page.close();
}

// Other languages: the page's and the windows' texts, the dice letter, the manifest; the
// Brazilian texts for a Portuguese browser.
async function languages(origin) {
  const html = fs.readFileSync(path.join(site, 'index.html'), 'utf8');
  const noScripts = html.match(/<noscript>(.*?)<\/noscript>/s)[1];
  const spoken = html.match(/data-languages="([^"]*)"/)[1].split(' ');
  check(`a browser without scripts is told so in ${spoken.join(', ')}`,
    spoken.every((language) => noScripts.includes(`<p lang="${language}">`)));
  // The bonus step's field is named by its full word, whatever short form its caption shows.
  const cases = [
    ['de', 'STUFE 1', 'WURF', '2W6', 'Bonusstufe', 'Würfelprogramm für stufenbasierte Pen-and-Paper-Rollenspiele'],
    ['fr', 'ÉCHELON 1', 'JETER', '2D6', 'Échelon bonus', null],
    ['pl', 'STOPIEŃ 1', 'RZUĆ', '2K6', 'Stopień premiowy', null],
    ['ru', 'СТУПЕНЬ 1', 'БРОСЬ', '2К6', 'Бонусная ступень', null],
    ['pt', 'NÍVEL 1', 'ROLAR', '2D6', 'Nível bônus', null, 'pt-PT'],
  ];
  for (const [language, step, roll, dice, bonus, description, tag = language] of cases) {
    const browser = await launch([`--lang=${tag}`, `--accept-lang=${tag}`]);
    const page = await open(browser, origin);
    await startMain(page);
    await page.click('#optStep8');
    await page.$eval('#actDifficulty', (item) => item.click());
    const tree = await readTree(await page.target().createCDPSession());
    const fields = tree.filter((node) => node.role === 'textbox').map((node) => node.name);
    // Spoken joins never put a full stop between a number and a capitalised word, which a
    // German or Polish reader hears as an ordinal.
    const ordinals = tree.filter((node) => node.role === 'radio' && /\p{Nd}\.\s+\p{Lu}/u.test(node.description))
      .map((node) => node.description);
    const shown = await page.evaluate(() => ({
      lang: document.documentElement.lang, manifest: document.querySelector('link[rel="manifest"]').getAttribute('href'),
      step: document.querySelector('label.step span').textContent, roll: document.getElementById('Command1').textContent,
      dice: document.getElementById('lblStepDice').textContent,
      description: document.querySelector('meta[name="description"]').content,
    }));
    check(`${language}: ${JSON.stringify({ ...shown, fields, ordinals })}`, shown.lang === language &&
      shown.manifest === `manifest-${language}.webmanifest` && shown.step === step &&
      shown.roll === roll && shown.dice === dice && fields[1] === bonus && ordinals.length === 0 &&
      (!description || shown.description === description));
    await browser.close();
  }
}

// Phones, in the viewports browsers leave once their bars are drawn, upright and sideways, at
// three densities, in every language: no caption below a 16-pixel face, options a thumb apart,
// TOTAL, ROLL and EXIT in view, nothing wider than the screen.
async function phones(origin) {
  const spoken = (await fs.promises.readFile(path.join(site, 'index.html'), 'utf8'))
    .match(/data-languages="([^"]*)"/)[1].split(' ');
  for (const language of spoken) {
    const browser = await launch([`--lang=${language}`, `--accept-lang=${language}`]);
    for (const [width, height, scale] of [[375, 548, 3], [360, 560, 1.5], [320, 480, 1], [568, 320, 3]]) {
      const page = await open(browser, origin,
        { viewport: { width, height, deviceScaleFactor: scale, isMobile: true, hasTouch: true } });
      await startMain(page);
      await page.click('#optStep8');
      await page.$eval('#actDifficulty', (item) => item.click());
      await page.$eval('#txtDifficulty', (field) => { field.value = '12'; field.dispatchEvent(new Event('input', { bubbles: true })); });
      await page.tap('#Command1');
      const measured = await page.evaluate(() => {
        const shown = [...document.querySelectorAll('#Dicewright *:not(.unseen)')].filter((element) =>
          element.offsetParent && [...element.childNodes].some((node) => node.nodeType === 3 && node.textContent.trim()));
        const smallest = Math.min(...shown.map((element) => parseFloat(getComputedStyle(element).fontSize)));
        const cut = shown.filter((element) => element.scrollWidth > element.clientWidth + 1 &&
          getComputedStyle(element).overflow !== 'visible').map((element) => element.id || element.textContent);
        const options = [...document.querySelectorAll('label.step')].map((option) => option.getBoundingClientRect());
        const pitch = Math.min(...options.map((box) => box.height), ...options.map((box) => box.width));
        const inView = ['Label1', 'Command1', 'cmdExit'].every((id) => {
          const box = document.getElementById(id).getBoundingClientRect();
          return box.top >= 0 && box.bottom <= innerHeight && box.left >= 0 && box.right <= innerWidth;
        });
        return { smallest, cut, pitch, inView, wide: document.documentElement.scrollWidth > innerWidth };
      });
      await page.screenshot({ path: path.join(work, `phone-${language}-${width}x${height}.png`) });
      check(`${language} ${width}x${height}@${scale}: ${JSON.stringify(measured)}`,
        measured.smallest >= 16 && measured.cut.length === 0 && measured.pitch >= 44 &&
        measured.inView && !measured.wide);
      const held = await page.$eval('#lblStepDice', (element) => {
        const box = element.getBoundingClientRect();
        return { x: box.left + 2, y: box.top + 2 };
      });
      // A finger held on the window opens the menu.
      await page.touchscreen.touchStart(held.x, held.y);
      await waitFor('the menu under a held finger', () => page.$eval('#mnuContext', (menu) => !menu.hidden), 3);
      await page.touchscreen.touchEnd();
      await page.close();
    }
    await browser.close();
  }
}

// A new release of the site in `copy`: its style changed (a comment naming `release`), and a
// worker of its own that names the release and the style's new digest, as the build writes them.
function deploy(copy, release) {
  const style = path.join(copy, 'style.css');
  fs.appendFileSync(style, `/* ${release} */\n`);
  const integrity = `sha256-${crypto.createHash('sha256').update(fs.readFileSync(style)).digest('base64')}`;
  const worker = path.join(copy, 'service-worker.js');
  fs.writeFileSync(worker, fs.readFileSync(worker, 'utf8')
    .replace(/const RELEASE = '([^']*)'/, `const RELEASE = '$1-${release}'`)
    .replace(/("style\.css": )"[^"]*"/, `$1"${integrity}"`));
}

// What becomes of the copy kept for offline use across an update that goes wrong, or right. Each
// row keeps a release in English in a browser profile of its own, updates it in the row's
// language (the browser's language changed, and it started again) as the row's server allows,
// then starts the program with the server stopped, as with the network gone: a worker's fetches
// do not follow a page's offline mode.
//   [what happens, language of the update, a new release, what goes wrong on the server]
const UPDATES = [
  ['a language change with one of its files missing', 'de', false, 'missing'],
  ['a language change with storage full', 'de', false, 'full'],
  ['a new release deployed again while its worker fills', 'en', true, 'redeploy'],
  ['a new release with storage full', 'en', true, 'full'],
  ['a language change kept whole', 'de', false, null],
  ['a new release kept whole', 'en', true, null],
];
async function update([what, language, release, change]) {
  const whole = !change;
  const copy = fs.mkdtempSync(path.join(os.tmpdir(), 'dicewright-site-'));
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'dicewright-profile-'));
  fs.cpSync(site, copy, { recursive: true });
  let redeploy = false;
  const server = await serve(copy, {
    onSent: (file) => {
      if (redeploy && file === '/service-worker.js') {
        redeploy = false;
        fs.appendFileSync(path.join(copy, 'style.css'), '/* deployed again */\n');
      }
    },
  });
  const inLanguage = (tag) => launch([`--user-data-dir=${profile}`, `--lang=${tag}`, `--accept-lang=${tag}`]);
  let browser = await inLanguage('en');
  try {
    let page = await open(browser, server.origin);
    await startMain(page);
    await waitFor('the English copy kept', () => page.evaluate(async () =>
      (await navigator.serviceWorker.getRegistration())?.active?.state === 'activated'), 60);
    await browser.close();

    if (release) deploy(copy, 'next');
    if (change === 'missing') fs.rmSync(path.join(copy, `manifest-${language}.webmanifest`));
    redeploy = change === 'redeploy';
    browser = await inLanguage(language);
    page = await browser.newPage();
    const cdp = await page.target().createCDPSession();
    if (change === 'full') {
      // Room for the new worker's script, none for the files it keeps.
      const { usage } = await cdp.send('Storage.getUsageAndQuota', { origin: server.origin });
      await cdp.send('Storage.overrideQuotaForOrigin', { origin: server.origin, quotaSize: usage + 32 * 1024 });
    }
    const versions = new Map();
    cdp.on('ServiceWorker.workerVersionUpdated', ({ versions: updated }) => {
      for (const version of updated) versions.set(version.versionId, version.status);
    });
    await cdp.send('ServiceWorker.enable');
    await page.goto(`${server.origin}/`);
    await waitFor('the splash', async () => (await state(page)) === 'splash', 30);
    await startMain(page);
    // The new worker keeps its files and waits for the old one's pages to close, or gives up.
    await waitFor('the update kept or given up', () => [...versions.values()].some((status) =>
      status === 'installed' || status === 'redundant'), 60);
    const kept = [...versions.values()].includes('installed');
    const mixed = await page.evaluate(async () => (await (await fetch('style.css')).text()).includes('next'));
    // The page says when its own language is not kept: an English copy keeps no German one.
    const told = whole || language === 'en' ? 'ready' : 'unavailable';
    const said = await waitFor('the page to tell', () => page.evaluate((wanted) =>
      document.body.dataset.offline === wanted && document.getElementById('offline').hidden === (wanted === 'ready'),
    told), 10).then(() => true, () => false);
    await browser.close();
    await server.close();

    const starts = whole ? language : 'en';
    browser = await inLanguage(starts);
    page = await browser.newPage();
    await page.goto(`${server.origin}/`).catch(() => {});
    await waitFor('the splash offline', async () => (await state(page)) === 'splash', 30);
    await startMain(page);
    await page.click('#optStep12');
    await page.click('#Command1');
    // Once a copy takes over, the others go.
    const copies = () => page.evaluate(async (tag) => ({
      lang: document.documentElement.lang, total: document.getElementById('lblTotal').textContent,
      copies: (await caches.keys()).length, texts: Boolean(await caches.match(`texts-${tag}.json`)),
      newRelease: (await (await fetch('style.css')).text()).includes('next'),
    }), starts);
    const shown = await waitFor('one copy left', async () => {
      const found = await copies();
      return found.copies === 1 && found;
    }, 10).catch(copies);
    check(`${what}: ${whole ? 'kept' : 'not kept'} (${kept}), the visit ran the old release whole ` +
      `(${!mixed}) and told "${told}" (${said}); with the server stopped the ${starts} copy of the ` +
      `${whole && release ? 'new' : 'old'} release starts and rolls (${JSON.stringify(shown)})`,
    // A total, or the Rule of One in the copy's language: step 12 shows it once in 100 rolls.
    kept === whole && !mixed && said && shown.lang === starts && shown.total !== '' &&
      shown.newRelease === (whole && release) && shown.copies === 1 && shown.texts);
  } catch (error) {
    check(`${what}: ${error.message}`, false);
  } finally {
    await browser.close().catch(() => {});
    await server.close();
    fs.rmSync(copy, { recursive: true, force: true });
    fs.rmSync(profile, { recursive: true, force: true });
  }
}

// Offline from the second visit on; storage refused says so and runs on; a missing module is
// said within seconds.
async function offlineAndFailures() {
  const server = await serve(site);
  const browser = await launch();
  let page = await open(browser, server.origin);
  await startMain(page);
  await waitFor('the files kept for offline use', () => page.evaluate(async () =>
    document.body.dataset.offline === 'ready' && (await caches.keys()).length === 1), 60);
  const kept = await page.evaluate(async () => (await (await caches.open((await caches.keys())[0]))
    .keys()).map((request) => new URL(request.url).pathname));
  check(`kept for offline use: English texts and faces only (${kept.length} files)`,
    kept.includes('/texts-en.json') && kept.some((file) => file.endsWith('-basic.woff2')) &&
    !kept.some((file) => /texts-de|manifest-de|-latin\.|-cyrillic\./.test(file)));
  await page.close();
  const context = browser.defaultBrowserContext();
  page = await context.newPage();
  await page.setOfflineMode(true);
  await page.goto(`${server.origin}/`).catch(() => {});
  await waitFor('the splash offline', async () => (await state(page)) === 'splash', 30);
  await startMain(page);
  await page.click('#optStep12');
  await page.click('#Command1');
  check('offline, the program starts and rolls', /^\d+$|^Rule of One$/.test(await text(page, 'lblTotal')));
  await page.close();

  // Storage refused: no files kept, and the page says so while the program runs on.
  const refusing = await browser.createBrowserContext();
  page = await refusing.newPage();
  const cdp = await page.target().createCDPSession();
  await cdp.send('Storage.overrideQuotaForOrigin', { origin: server.origin, quotaSize: 1 });
  await page.goto(`${server.origin}/`);
  await waitFor('the splash', async () => (await state(page)) === 'splash', 30);
  await startMain(page);
  await waitFor('the note that offline is not possible', () => page.$eval('#offline', (note) => !note.hidden), 30);
  await page.click('#optStep5');
  await page.click('#Command1');
  check('with storage refused the page says so and the program rolls',
    /^\d+$/.test(await text(page, 'lblTotal')));
  await refusing.close();
  await browser.close();
  await server.close();

  const broken = await serve(site, { missing: 'engine-glue.wasm' });
  const fresh = await launch();
  page = await fresh.newPage();
  const started = Date.now();
  await page.goto(`${broken.origin}/`);
  await waitFor('a word on the failure', async () => (await state(page)) === 'failed', 25);
  check(`a missing module is said in ${Date.now() - started} ms: "${await text(page, 'status')}"`,
    (await text(page, 'status')).startsWith('Dicewright cannot start here'));
  await fresh.close();
  await broken.close();
}

(async () => {
  const server = await serve(site);
  const browser = await launch();
  try {
    // The budget of a first visit in English from a plain server, until the program is ready for
    // its first roll (the bench has every language's); what the browser fetches for itself and
    // what the worker then keeps for offline use are said apart.
    const visit = await firstVisitBytes(browser, server);
    check(`a first visit fetches ${visit.bytes} bytes, at most 150 kB (besides, ${visit.browser} ` +
      `the browser's own, then ${visit.kept} kept for offline use)`, visit.bytes <= 150000);
    await splashWindow(browser, server.origin);
    await mainWindow(browser, server.origin);
    await shareSheet(browser, server.origin);
  } finally {
    await browser.close();
  }
  await languages(server.origin);
  await phones(server.origin);
  await server.close();
  await offlineAndFailures();
  for (const row of UPDATES) await update(row);
  finish();
})().catch((error) => {
  console.error(error);
  process.exit(1);
});
