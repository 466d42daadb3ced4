'use strict';
// The web edition in Debian's Chromium, as players meet it: with a mouse and a keyboard, through
// the accessibility tree a screen reader reads, on phones (their viewports, touch and their own
// keyboards), in every language it speaks, offline, across an update, with its module missing and
// with storage refused. Nothing may break the page's security policy.
//   web_test.js SITE_DIR WORK_DIR
const fs = require('fs');
const os = require('os');
const path = require('path');
const {
  serve, launch, waitFor, state, announced, checks, readTree, find, firstVisitBytes,
} = require('./browser.js');

const [site, work] = process.argv.slice(2);
// What a number field takes: the table the desktop's window test keeps to too.
const FIELD_CASES = JSON.parse(fs.readFileSync(path.join(__dirname, '..', 'optional_number_fields.json'),
  'utf8'));
fs.mkdirSync(work, { recursive: true });
const { check, finish } = checks();

// A page of `browser` at the site, waiting at the splash window; policy violations and script
// errors are collected on page.problems.
async function open(browser, origin, { viewport = { width: 1024, height: 768 } } = {}) {
  const page = await browser.newPage();
  page.problems = [];
  page.on('pageerror', (error) => page.problems.push(error.message));
  page.on('console', (message) => {
    if (message.type() === 'error') page.problems.push(message.text());
  });
  await page.setViewport(viewport);
  await page.goto(`${origin}/`);
  await waitFor('the splash window', async () => (await state(page)) === 'splash', 30);
  return page;
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
  await press(page, 'Enter');
  const total = await text(page, 'lblTotal');
  check(`Enter rolls step 8 (${total})`, /^\d+$|^Rule of One$/.test(total));
  await waitFor('the spoken total', async () => (await announced(page)) === total, 5);
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
  await typeInto('txtBonusStep', ['45']);
  check('a number past the greatest says why', await text(page, 'lblFieldNote') ===
    'The highest BONUS STEP is 40.');
  for (const [field, typed] of [['txtBonusStep', '4'], ['txtDifficulty', '9']]) {
    await typeInto(field, [typed]);
  }
  check('a number taken clears the note', await text(page, 'lblFieldNote') === '');
  await waitFor('the chance spoken once typing settles',
    async () => /^Chance of success: [\d.]+% \(without the bonus: [\d.]+%\)$/.test(await announced(page)), 5);
  await press(page, 'Enter');
  const verdict = await text(page, 'lblVerdict');
  check(`Enter in a field rolls against the difficulty (${verdict})`, /^(Success|Failure)/.test(verdict));
  await waitFor('the total spoken with its verdict', async () => (await announced(page)) ===
    `${await text(page, 'lblTotal')}. ${verdict}`, 5);

  // The menu and its keys.
  await page.click('#Label1', { button: 'right' });
  check('a right click opens the menu', await page.$eval('#mnuContext', (menu) => !menu.hidden) &&
    await focused(page) === 'actRollLog');
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
  await press(page, 'l', 'Control');
  const log = await page.evaluate(() => ({
    open: document.getElementById('frmRollLog').open, focus: document.activeElement.id,
    count: document.getElementById('lstRolls').getAttribute('aria-rowcount'),
    drawn: document.querySelectorAll('#lstRolls [role="row"]').length,
    first: [...document.querySelectorAll('#lstRolls [role="row"]')]
      .map((row) => Number(row.getAttribute('aria-rowindex'))).sort((a, b) => a - b)[0].toString(),
  }));
  check(`Ctrl+L opens the log on its newest roll (${JSON.stringify(log)})`, log.open &&
    log.focus === 'roll-0' && log.count === '3002' && log.drawn < 60 && log.first === '1');
  const place = () => page.evaluate(() => document.activeElement.parentElement.getAttribute('aria-rowindex'));
  await press(page, 'End');
  check(`End reaches the oldest roll (${await place()})`, await place() === '3002');
  await press(page, 'PageUp');
  await press(page, 'ArrowDown');
  const moved = Number(await place());
  check(`PageUp and the arrows move through the rows (${moved})`, moved > 2980 && moved < 3002);
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
  check('the fields are named by their captions', find(main, 'textbox', 'DIFFICULTY') &&
    find(main, 'textbox', 'BONUS STEP'));
  await page.click('#cmdExit');
  check('EXIT ends the program and offers to start it again', await state(page) === 'ended' &&
    await text(page, 'again') === 'Start Dicewright again');
  check('the main window breaks no policy and raises no error', page.problems.length === 0);
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
  const cases = [
    ['de', 'STUFE 1', 'WURF', '2W6', 'Würfelprogramm für stufenbasierte Pen-and-Paper-Rollenspiele'],
    ['fr', 'ÉCHELON 1', 'JETER', '2D6', null],
    ['pl', 'STOPIEŃ 1', 'RZUĆ', '2K6', null],
    ['ru', 'СТУПЕНЬ 1', 'БРОСЬ', '2К6', null],
    ['pt', 'NÍVEL 1', 'ROLAR', '2D6', null, 'pt-PT'],
  ];
  for (const [language, step, roll, dice, description, tag = language] of cases) {
    const browser = await launch([`--lang=${tag}`, `--accept-lang=${tag}`]);
    const page = await open(browser, origin);
    await startMain(page);
    await page.click('#optStep8');
    const shown = await page.evaluate(() => ({
      lang: document.documentElement.lang, manifest: document.querySelector('link[rel="manifest"]').getAttribute('href'),
      step: document.querySelector('label.step span').textContent, roll: document.getElementById('Command1').textContent,
      dice: document.getElementById('lblStepDice').textContent,
      description: document.querySelector('meta[name="description"]').content,
    }));
    check(`${language}: ${JSON.stringify(shown)}`, shown.lang === language &&
      shown.manifest === `manifest-${language}.webmanifest` && shown.step === step &&
      shown.roll === roll && shown.dice === dice &&
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

// Offline from the second visit on; storage refused says so and runs on; a missing module is
// said within seconds; a new release comes whole by the next start.
async function offlineAndFailures() {
  const copy = fs.mkdtempSync(path.join(os.tmpdir(), 'dicewright-site-'));
  fs.cpSync(site, copy, { recursive: true });
  const server = await serve(copy);
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

  // A new release: its worker is fetched on the next visit, and the start after it is all new.
  const styleOf = (p) => p.evaluate(() => fetch('style.css').then((r) => r.text()));
  const release = fs.readFileSync(path.join(copy, 'service-worker.js'), 'utf8');
  fs.appendFileSync(path.join(copy, 'style.css'), '/* the next release */\n');
  fs.writeFileSync(path.join(copy, 'service-worker.js'), release.replace(/const CACHE = '([^']*)'/, "const CACHE = '$1-next'"));
  page = await open(browser, server.origin);
  check('the visit that finds a new release runs the old one whole', !(await styleOf(page)).includes('the next release'));
  await waitFor('the new release kept whole', () => page.evaluate(async () =>
    Boolean((await navigator.serviceWorker.getRegistration()).waiting)), 60);
  // Once no page runs the old release, the new one takes over.
  const watcher = await (await browser.newPage()).target().createCDPSession();
  const versions = new Map();
  watcher.on('ServiceWorker.workerVersionUpdated', ({ versions: updated }) => {
    for (const version of updated) versions.set(version.versionId, version.status);
  });
  await watcher.send('ServiceWorker.enable');
  await page.close();
  await waitFor('the new release active', () => [...versions.values()].every((status) =>
    status === 'activated' || status === 'redundant') && [...versions.values()].includes('redundant'), 30);
  page = await open(browser, server.origin);
  check('the next start runs the new release', (await styleOf(page)).includes('the next release') &&
    await page.evaluate(async () => (await caches.keys()).length === 1));
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
  fs.rmSync(copy, { recursive: true, force: true });
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
  } finally {
    await browser.close();
  }
  await languages(server.origin);
  await phones(server.origin);
  await server.close();
  await offlineAndFailures();
  finish();
})().catch((error) => {
  console.error(error);
  process.exit(1);
});
