'use strict';
// The web edition on phones, as Chromium emulates them (viewport, device pixel ratio, touch):
// held upright and sideways at 1, 1.5 and 3 device pixels per CSS pixel, in what phones' browsers
// leave once their bars are drawn, and on tablets used by touch, the splash fits and the main
// window is drawn whole, every step a target for a thumb (scrolling under a finger where they do
// not all fit), and taps choose and roll. A finger held on the window opens its menu; the roll
// log opens, scrolls under a dragged finger and closes by touch, and a copied roll reaches the
// browser's clipboard. The site is installable and, once visited, starts and
// rolls offline, and its loading progress stays right when the server compresses. A test's
// fields, shown from the held finger's menu, are thumb-sized and set by taps and the keyboard.
// Sizes are read from the widgets' own geometry, as the page's accessibility mirror carries it.
//   node phone_test.js SITE_DIR WORK_DIR
const fs = require('fs');
const path = require('path');
const { serve, launch, waitFor, pixels, box, colourAt, isGreen, checks, state, announced, rectOf } = require('./browser');

const [site, work] = process.argv.slice(2);
const shots = path.join(work, 'shots');
fs.mkdirSync(shots, { recursive: true });

const { check, finish } = checks();

const SPLASH = { width: 492, height: 283, button: [2670 / 15 + 1485 / 30, 2955 / 15 + 525 / 30] };

// A total that a roll of step 8 can show.
const possible = (text) => text === 'Rule of One' || (/^[0-9]+$/.test(text) && Number(text) >= 3);

// Whether all of a control shows, none of it scrolled out of view.
const fullyShown = (r) => r && r.shown.x === r.x && r.shown.y === r.y && r.shown.width === r.width &&
  r.shown.height === r.height;
const centre = (rect) => [rect.x + rect.width / 2, rect.y + rect.height / 2];
async function tap(page, role, name) {
  const rect = await waitFor(`${role} "${name}"`, () => rectOf(page, role, name), 30);
  await page.touchscreen.tap(...centre(rect.shown));
  return rect;
}

// A finger held on a point until the program's menu shows, then lifted.
async function hold(page, cdp, [x, y]) {
  const points = [{ x, y, id: 1 }];
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: points });
  const item = await waitFor('the menu after a held finger', () => rectOf(page, 'menuitem', 'Roll log'), 10)
    .catch(() => null);
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  return item;
}

// The splash, found on the page as what differs from Qt's empty screen.
async function splashOn(page, viewport) {
  await waitFor('the program to run', async () => (await state(page)) === 'running');
  const scale = Math.min(1, (viewport.width - 16) / SPLASH.width, (viewport.height - 16) / SPLASH.height);
  return waitFor('the splash drawn', async () => {
    const { png, scale: dpr } = await pixels(page);
    const [r0, g0, b0] = colourAt(png, 1, 1);
    const found = box(png, (r, g, b) => Math.abs(r - r0) + Math.abs(g - g0) + Math.abs(b - b0) > 24);
    if (!found || Math.abs(found.width / dpr - SPLASH.width * scale) > 3) return null;
    return { left: found.left / dpr, top: found.top / dpr, width: found.width / dpr, height: found.height / dpr, scale };
  });
}

// Every step's target at least `least` CSS pixels each way and the steps apart; TOTAL, ROLL and
// EXIT on screen, and no step shown under them (steps scrolled out of the step area are not on
// screen); the canvas fills the page, and the window is drawn whole, green from corner to corner.
const onScreen = (viewport) => (r) => r && r.x >= 0 && r.y >= 0 && r.x + r.width <= viewport.width &&
  r.y + r.height <= viewport.height;
const apart = (rects) => rects.every((a, i) => rects.every((b, j) => i === j || a.x + a.width <= b.x ||
  b.x + b.width <= a.x || a.y + a.height <= b.y || b.y + b.height <= a.y));
async function stepRects(page) {
  const steps = [];
  for (let step = 1; step <= 40; ++step) steps.push(await rectOf(page, 'radio', `STEP ${step}`));
  return steps;
}
async function checkLayout(page, viewport, least, label) {
  const steps = await stepRects(page);
  const roll = await rectOf(page, 'button', 'ROLL');
  const exit = await rectOf(page, 'button', 'EXIT');
  const total = await rectOf(page, 'p', 'TOTAL');
  const fixed = [roll, exit, total];
  const shown = steps.filter(fullyShown);
  const showing = steps.filter((r) => r && r.shown.width > 0 && r.shown.height > 0).map((r) => r.shown);
  check(`${label}: TOTAL, ROLL and EXIT on screen, ${shown.length} of 40 steps shown whole, all apart`,
    fixed.every(onScreen(viewport)) && steps.every(Boolean) && shown.every(onScreen(viewport)) &&
    apart(steps) && apart([...showing, ...fixed]) && shown.length >= 20);
  const smallest = Math.min(...steps.map((r) => Math.min(r.width, r.height)));
  check(`${label}: every step's target is at least ${least} px (${smallest}), ROLL and EXIT at least 48 px tall`,
    smallest >= least && roll.height >= 48 && exit.height >= 48);
  const canvas = await page.evaluate(() => {
    const box = document.getElementById('screen').getBoundingClientRect();
    return [box.x, box.y, box.width, box.height].join(' ');
  });
  check(`${label}: the program's canvas fills the page (${canvas})`, canvas === `0 0 ${viewport.width} ${viewport.height}`);
  const { png, scale } = await pixels(page, path.join(shots, `${label.replace(/[^0-9a-z.]+/gi, '-')}.png`));
  const green = box(png, isGreen);
  const corners = [[1, 1], [png.width - 2, 1], [1, png.height - 2], [png.width - 2, png.height - 2]];
  const olive = box(png, (r, g, b) => r > 150 && g > 150 && b < 60 && Math.abs(r - g) < 24);
  const lowest = Math.max(...shown.map((r) => r.y + r.height / 2));
  const rightmost = Math.max(...shown.map((r) => r.x + r.width / 3));
  check(`${label}: drawn whole, from corner to corner and down to the last step shown`,
    green && corners.every(([x, y]) => isGreen(...colourAt(png, x, y))) && olive &&
    olive.bottom / scale >= lowest && olive.right / scale >= rightmost);
}

// Where the steps do not all fit, a finger dragged up them scrolls them: STEP 10 comes into
// view, ROLL stays where it is, and the drag chooses no step.
async function checkScroll(page, viewport, label) {
  const cdp = await page.target().createCDPSession();
  const roll = await rectOf(page, 'button', 'ROLL');
  // From the middle of the steps, as far up as they reach; a second drag if one is not enough.
  const dice = await rectOf(page, 'p', 'STEP DICE');
  const total = await rectOf(page, 'p', 'TOTAL');
  const x = centre((await rectOf(page, 'radio', 'STEP 12')).shown)[0];
  const y = (dice.y + dice.height + total.y) / 2;
  const stepTen = async () => {
    const rect = await rectOf(page, 'radio', 'STEP 10');
    return fullyShown(rect) && onScreen(viewport)(rect) && apart([rect, roll]) ? rect : null;
  };
  let tenth = null;
  for (let drag = 0; drag < 3 && tenth === null; ++drag) {
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x, y, id: 1 }] });
    for (let moved = 10; moved <= 150; moved += 10) {
      await cdp.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: [{ x, y: y - moved, id: 1 }] });
      await new Promise((resolve) => setTimeout(resolve, 16));
    }
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
    tenth = await waitFor('STEP 10 scrolled into view', stepTen, 5).catch(() => null);
  }
  // A tap lands where the steps have come to rest: a tap on steps still moving only stops them.
  // (The page learns where they are at most every 80 ms.)
  await waitFor('the steps at rest', async () => {
    const before = JSON.stringify(await rectOf(page, 'radio', 'STEP 8'));
    await new Promise((resolve) => setTimeout(resolve, 300));
    return before === JSON.stringify(await rectOf(page, 'radio', 'STEP 8'));
  }, 20);
  const chosen = await page.evaluate(() => [...document.querySelectorAll('#mirror [role=radio][aria-checked=true]')]
    .map((option) => option.textContent));
  check(`${label}: a finger dragged up the steps scrolls STEP 10 into view and chooses none (${chosen.join(', ') || 'none'})`,
    tenth !== null && chosen.length === 0);
  check(`${label}: ROLL stays where it was`, JSON.stringify(await rectOf(page, 'button', 'ROLL')) === JSON.stringify(roll));
  await page.screenshot({ path: path.join(shots, `${label.replace(/[^0-9a-z.]+/gi, '-')}-scrolled.png`) });
}

// Counts what the live region speaks, so that "nothing was rolled" is judged by a count.
async function countSpoken(page) {
  await page.evaluate(() => {
    if (window.spokenCount !== undefined) return;
    window.spokenCount = 0;
    new MutationObserver(() => { window.spokenCount += 1; })
      .observe(document.getElementById('announcement'), { childList: true });
  });
}
const spokenCount = (page) => page.evaluate(() => window.spokenCount);
// Taps ROLL and waits for the roll to be spoken; gives how many have been spoken.
async function tapRoll(page) {
  const before = await spokenCount(page);
  await tap(page, 'button', 'ROLL');
  return waitFor('the roll spoken', async () => {
    const now = await spokenCount(page);
    return now > before ? now : null;
  }, 20);
}

async function phone(browser, origin, viewport) {
  const label = `${viewport.width}x${viewport.height} at ${viewport.deviceScaleFactor}`;
  const page = await browser.newPage();
  await page.setViewport({ width: viewport.width, height: viewport.height,
    deviceScaleFactor: viewport.deviceScaleFactor, isMobile: true, hasTouch: true });
  await page.goto(origin);
  const splash = await splashOn(page, viewport);
  check(`${label}: the splash fits and is centred (${Math.round(splash.width)} x ${Math.round(splash.height)})`,
    splash.left >= 0 && splash.left + splash.width <= viewport.width &&
    Math.abs(splash.left + splash.width / 2 - viewport.width / 2) <= 2 &&
    Math.abs(splash.top + splash.height / 2 - viewport.height / 2) <= 2);
  await page.touchscreen.tap(splash.left + SPLASH.button[0] * splash.scale, splash.top + SPLASH.button[1] * splash.scale);
  await waitFor('the main window', () => rectOf(page, 'button', 'ROLL'), 30);
  const least = viewport.least || (viewport.height > viewport.width ? 44 : 24);
  await checkLayout(page, viewport, least, label);
  if (!(await stepRects(page)).every(fullyShown)) await checkScroll(page, viewport, label);
  await tap(page, 'radio', 'STEP 8');
  const chosen = await waitFor('STEP 8 chosen', () => page.evaluate(() => [...document.querySelectorAll('#mirror [role=radio]')]
    .some((option) => option.textContent === 'STEP 8' && option.getAttribute('aria-checked') === 'true')), 10)
    .catch(() => false);
  check(`${label}: a tap on STEP 8 chooses it`, chosen);
  await tap(page, 'button', 'ROLL');
  const total = await waitFor('a total announced', () => announced(page), 30);
  check(`${label}: a tap on STEP 8 then ROLL shows a total step 8 can give (${total})`, possible(total));
  return page;
}

// Held on ROLL: the menu, and no roll. Then the log by touch,
// its rows a thumb's height, a drag scrolling it without selecting, and the copied roll on the
// clipboard.
async function menuAndLog(page, origin) {
  const cdp = await page.target().createCDPSession();
  await countSpoken(page);
  const roll = await rectOf(page, 'button', 'ROLL');
  const before = await spokenCount(page);
  const item = await hold(page, cdp, centre(roll));
  check('a finger held on ROLL opens the menu: "Roll log", "Copy last roll"',
    item !== null && (await rectOf(page, 'menuitem', 'Copy last roll')) !== null);
  if (item === null) return;
  await page.touchscreen.tap(...centre(item));
  const list = await waitFor('the roll log', () => rectOf(page, 'listbox', 'Rolls, newest first'), 30);
  const closeButton = await rectOf(page, 'button', 'Close');
  await page.touchscreen.tap(...centre(closeButton));
  await waitFor('the main window again', async () => (await rectOf(page, 'listbox', 'Rolls, newest first')) === null, 30);
  // The one roll the next tap makes is the first since the hold: the hold rolled nothing, and
  // the main window takes taps again once the log is closed.
  const after = await tapRoll(page).catch(() => -1);
  check(`the held finger rolled nothing, and Close returns to a main window that rolls (${before} then ${after} spoken)`,
    after === before + 1);

  // Enough rolls for the log to scroll, then a finger dragged up it.
  for (let roll = 0; roll < 24; ++roll) await tapRoll(page);
  const again = await hold(page, cdp, centre(roll));
  if (again === null) { check('the menu opens again', false); return; }
  await page.touchscreen.tap(...centre(again));
  await waitFor('the roll log again', () => rectOf(page, 'listbox', 'Rolls, newest first'), 30);
  const rowsOf = () => page.evaluate(() => [...document.querySelectorAll('#mirror [aria-label="Rolls, newest first"] [role=option]')]
    .map((row) => ({ rect: row.dataset.rect.split(' ').map(Number), selected: row.getAttribute('aria-selected') === 'true' })));
  const rows = await rowsOf();
  const screenWidth = await page.evaluate(() => window.innerWidth);
  await page.screenshot({ path: path.join(shots, 'phone-log.png') });
  check(`the log fills the screen, its rows at least 44 px tall (${rows.length} rows, ${Math.min(...rows.map((r) => r.rect[3]))} px)`,
    list.width >= screenWidth - 24 && rows.length > 10 && rows.every((r) => r.rect[3] >= 44) && closeButton.height >= 44);
  const from = centre(await rectOf(page, 'listbox', 'Rolls, newest first'));
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x: from[0], y: from[1] + 100, id: 1 }] });
  for (let moved = 10; moved <= 250; moved += 10) {
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: [{ x: from[0], y: from[1] + 100 - moved, id: 1 }] });
    await new Promise((resolve) => setTimeout(resolve, 16));
  }
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  const scrolled = await waitFor('the log scrolled', async () => {
    const now = await rowsOf();
    return now.length && now[0].rect[1] < rows[0].rect[1] - 100 ? now : null;
  }, 20).catch(rowsOf);
  await page.screenshot({ path: path.join(shots, 'phone-log-dragged.png') });
  const selected = scrolled.map((r, i) => (r.selected ? i + 1 : 0)).filter(Boolean);
  check(`a finger dragged up the log scrolls it (newest row from y ${rows[0].rect[1]} to ${scrolled[0]?.rect[1]}) and selects no other row (${selected.join(', ')})`,
    scrolled.length && scrolled[0].rect[1] < rows[0].rect[1] - 100 && selected.join() === '1');
  await page.touchscreen.tap(...centre(await rectOf(page, 'button', 'Close')));
  await waitFor('the main window once more', async () => (await rectOf(page, 'listbox', 'Rolls, newest first')) === null, 30);

  await page.browserContext().overridePermissions(origin, ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
  const copy = await hold(page, cdp, centre(await rectOf(page, 'radio', 'STEP 20')));
  if (copy === null) { check('the menu opens again', false); return; }
  await page.touchscreen.tap(...centre(await rectOf(page, 'menuitem', 'Copy last roll')));
  const total = await announced(page);
  const copied = await waitFor('the copied roll', () => page.evaluate(() => navigator.clipboard.readText().catch(() => '')), 10)
    .catch(() => '');
  check(`"Copy last roll" puts the roll on the clipboard (${copied})`, copied.includes(`Step 8 (2D6): ${total}`));
}

// A test by touch at 390x844: the held finger's menu shows the test's fields, thumb-sized and on
// screen with everything else whole; taps and the phone's keyboard set them, the chance follows,
// and ROLL gives a verdict.
// A phone of this size at 3 device pixels per CSS pixel, the main window open and the test's
// fields shown from the held finger's menu; gives { page, cdp, difficulty } (the field's place,
// null if it did not show).
async function phoneWithTheTest(browser, origin, viewport) {
  const page = await browser.newPage();
  await page.setViewport({ ...viewport, deviceScaleFactor: 3, isMobile: true, hasTouch: true });
  await page.goto(origin);
  const splash = await splashOn(page, viewport);
  await page.touchscreen.tap(splash.left + SPLASH.button[0] * splash.scale, splash.top + SPLASH.button[1] * splash.scale);
  const cdp = await page.target().createCDPSession();
  const roll = await waitFor('the main window', () => rectOf(page, 'button', 'ROLL'), 30);
  await hold(page, cdp, centre(roll));
  await tap(page, 'menuitem', 'Test against a difficulty');
  const difficulty = await waitFor('the difficulty field', () => rectOf(page, 'spinbutton', 'Difficulty'), 30)
    .catch(() => null);
  return { page, cdp, difficulty };
}

async function testByTouch(browser, origin) {
  const viewport = { width: 390, height: 844 };
  const { page, difficulty } = await phoneWithTheTest(browser, origin, viewport);
  const bonus = await rectOf(page, 'spinbutton', 'Bonus step');
  const fields = [difficulty, bonus];
  check(`the menu's "Test against a difficulty" shows the fields, each at least 44 px (${JSON.stringify(fields)})`,
    fields.every((r) => r && fullyShown(r) && onScreen(viewport)(r) && r.width >= 44 && r.height >= 44));
  if (!difficulty || !bonus) return page.close();
  await tap(page, 'radio', 'STEP 8');
  await tap(page, 'spinbutton', 'Difficulty');
  await page.keyboard.type('9');
  await tap(page, 'spinbutton', 'Bonus step');
  await page.keyboard.type('4');
  const chanceOf = () => page.evaluate(() => [...document.querySelectorAll('#mirror p')]
    .map((p) => p.textContent).find((text) => text.startsWith('Chance of success')) || null);
  const chance = await waitFor('the chance', async () => {
    const text = await chanceOf();
    return text && text.includes('without') ? text : null;
  }, 20).catch(chanceOf);
  check(`taps and the phone's keyboard set the difficulty and the bonus step (${chance})`,
    chance === 'Chance of success: 75.5% (without the bonus: 38.0%)');
  // The chance is spoken once the typing settles; the roll's words come after it.
  await waitFor('the chance spoken', async () => (await announced(page)) === chance, 20).catch(() => null);
  await countSpoken(page);
  await tapRoll(page);
  const verdictOf = () => page.evaluate(() => [...document.querySelectorAll('#mirror p')]
    .map((p) => p.textContent).find((text) => /^(Success|Failure)/.test(text)) || null);
  const verdict = await waitFor('the verdict', verdictOf, 20).catch(verdictOf);
  const total = await announced(page);
  check(`a tap on ROLL gives a verdict (${total}: ${verdict})`, verdict !== null && total.endsWith(verdict));
  const texts = [];
  for (const text of ['STEP DICE', 'TOTAL', 'DIFFICULTY', 'BONUS STEP', chance, verdict]) texts.push(await rectOf(page, 'p', text));
  const buttons = [await rectOf(page, 'button', 'ROLL'), await rectOf(page, 'button', 'EXIT')];
  const all = [...texts, ...buttons, ...fields];
  check('with the fields shown, every text, field and button is on screen and none covers another',
    all.every((r) => r && onScreen(viewport)(r)) && apart(all));
  await page.screenshot({ path: path.join(shots, 'test-390x844.png') });
  await page.close();
}

// The phone's own keyboard on the smallest upright screen: a tap on a field gives it the page's
// focus with the number keyboard; each digit typed, as an on-screen keyboard types (inserted
// text, and Android's key code 229 before it), shows in the program's field at once with the
// chance; a number out of range is refused; the keyboard's Go rolls.
async function phoneKeyboard(browser, origin) {
  const { page, cdp } = await phoneWithTheTest(browser, origin, { width: 375, height: 548 });
  await tap(page, 'radio', 'STEP 11');
  const field = (name) => page.evaluate((name) => {
    const input = document.querySelector(`#mirror input[aria-label="${name}"]`);
    return input && { value: input.value, focused: document.activeElement === input, mode: input.inputMode,
      type: input.type, enter: input.enterKeyHint };
  }, name);
  const chanceOf = () => page.evaluate(() => [...document.querySelectorAll('#mirror p')]
    .map((p) => p.textContent).find((text) => text.startsWith('Chance of success')) || null);
  const typed = async (name, value, chance) => waitFor(`${name} ${value}`, async () => {
    const now = await field(name);
    const text = await chanceOf();
    return now.value === value && chance(text) ? text : null;
  }, 20).catch(() => null);

  await tap(page, 'spinbutton', 'Difficulty');
  const focused = await waitFor('the field focused', async () => ((await field('Difficulty')).focused ? field('Difficulty') : null), 10)
    .catch(() => field('Difficulty'));
  check(`a tap on Difficulty focuses its number field for the phone's number keyboard (${JSON.stringify(focused)})`,
        focused.focused && focused.type === 'number' && focused.mode === 'numeric' && focused.enter === 'go');
  await cdp.send('Input.insertText', { text: '1' });
  const one = await typed('Difficulty', '1', (text) => text !== null);
  await cdp.send('Input.insertText', { text: '2' });
  const twelve = await typed('Difficulty', '12', (text) => text !== null && text !== one);
  check(`digits inserted as a phone's keyboard inserts them reach the program, each with its chance (${one}; ${twelve})`,
        one !== null && twelve !== null);
  await cdp.send('Input.insertText', { text: '5' });
  const refused = await typed('Difficulty', '12', (text) => text === twelve);
  check(`a third digit, 125, is refused and the field shows 12 again (${JSON.stringify(await field('Difficulty'))})`,
        refused !== null);

  await tap(page, 'spinbutton', 'Bonus step');
  await waitFor('the bonus field focused', async () => (await field('Bonus step')).focused, 10).catch(() => null);
  const android = { windowsVirtualKeyCode: 229, nativeVirtualKeyCode: 229, key: 'Unidentified', code: '' };
  await cdp.send('Input.dispatchKeyEvent', { type: 'keyDown', ...android });
  await cdp.send('Input.insertText', { text: '4' });
  await cdp.send('Input.dispatchKeyEvent', { type: 'keyUp', ...android });
  const bonus = await typed('Bonus step', '4', (text) => text !== null && text.includes('without the bonus'));
  check(`Android's typing (key code 229, then the text) sets the bonus step (${bonus})`, bonus !== null);
  await waitFor('the chance spoken', async () => (await announced(page)) === bonus, 20).catch(() => null);

  await countSpoken(page);
  const before = await spokenCount(page);
  await cdp.send('Input.dispatchKeyEvent', { type: 'keyDown', key: 'Enter', code: 'Enter', windowsVirtualKeyCode: 13, text: '\r' });
  await cdp.send('Input.dispatchKeyEvent', { type: 'keyUp', key: 'Enter', code: 'Enter', windowsVirtualKeyCode: 13 });
  const rolled = await waitFor('the roll spoken', async () => ((await spokenCount(page)) > before ? announced(page) : null), 20)
    .catch(() => null);
  check(`the keyboard's Go rolls the test (${rolled})`, rolled !== null && /^(Rule of One|[0-9]+)\. (Success|Failure)/.test(rolled));
  await page.screenshot({ path: path.join(shots, 'phone-keyboard-375x548.png') });
  await page.close();
}

// Turned round, the window lays itself out again.
async function rotation(page) {
  await page.setViewport({ width: 844, height: 390, deviceScaleFactor: 3, isMobile: true, hasTouch: true });
  await waitFor('the window laid out sideways', async () => {
    const roll = await rectOf(page, 'button', 'ROLL');
    return roll && roll.x > 844 / 3 && roll.y + roll.height <= 390;
  }, 30).then(() => true, () => false).then((turned) => check('turned sideways, the window lays itself out again', turned));
  await checkLayout(page, { width: 844, height: 390 }, 24, 'turned to 844x390');
}

async function installable(browser, origin) {
  const page = await browser.newPage();
  await page.setViewport({ width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true });
  const cdp = await page.target().createCDPSession();
  await page.goto(origin);
  await splashOn(page, { width: 390, height: 844 });
  const manifest = await page.evaluate(async () => (await fetch('manifest.webmanifest')).json());
  const sizes = manifest.icons.map((icon) => `${icon.sizes}/${icon.purpose}`);
  check(`the manifest: standalone, green, icons ${sizes.join(' ')}`,
    manifest.name === 'Dicewright' && manifest.display === 'standalone' && manifest.theme_color === '#004000' &&
    manifest.background_color === '#004000' && sizes.includes('192x192/any') && sizes.includes('512x512/any') &&
    sizes.includes('512x512/maskable'));
  // The worker has kept every file once it is active.
  await waitFor('the service worker', () => page.evaluate(async () =>
    (await navigator.serviceWorker.getRegistration())?.active?.state === 'activated'), 60);
  const errors = await waitFor('Chromium\'s installability check', async () => {
    const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
    return installabilityErrors;
  });
  check(`Chromium finds nothing that stops installing it (${errors.map((e) => e.errorId).join(', ') || 'none'})`,
    errors.length === 0);
  const ready = await waitFor('the page to know it works offline', () => page.evaluate(() =>
    document.body.dataset.offline === 'ready'), 30).catch(() => false);
  check('with every file kept, the page says nothing of working offline', ready &&
    await page.evaluate(() => document.getElementById('offline').hidden));

  // With the network gone, a reload starts the program from the worker's cache, and it rolls.
  await page.setOfflineMode(true);
  await page.reload();
  const splash = await splashOn(page, { width: 390, height: 844 });
  await page.touchscreen.tap(splash.left + SPLASH.button[0] * splash.scale, splash.top + SPLASH.button[1] * splash.scale);
  await tap(page, 'radio', 'STEP 8');
  await tap(page, 'button', 'ROLL');
  const total = await waitFor('a total announced offline', () => announced(page), 30).catch(() => '');
  check(`offline, a reload starts the program and it rolls (${total})`, possible(total));
  await page.close();
}

// A site with a file missing, on the smallest upright phone: the worker keeps no half-filled
// cache, and the page says, by the product's name, that it will need the network next time.
// The note stands below the program, which lays itself out above it: ROLL, EXIT and the steps
// stay clear of it, and a tap on ROLL rolls. OK puts the note away and gives the room back.
async function notKeptOffline(browser) {
  const server = await serve(site, { missing: 'logo.jpg' });
  try {
    const viewport = { width: 375, height: 548 };
    const page = await browser.newPage();
    await page.setViewport({ ...viewport, deviceScaleFactor: 3, isMobile: true, hasTouch: true });
    await page.goto(server.origin);
    const said = await waitFor('the page to say it will not work offline', () => page.evaluate(() =>
      document.body.dataset.offline === 'unavailable' && !document.getElementById('offline').hidden &&
      document.getElementById('offline').textContent.replace(/\s+/g, ' ').trim()), 60).catch(() => null);
    const kept = await page.evaluate(async () => (await caches.keys()).filter((name) => name.startsWith('dicewright-')));
    check(`a worker that could not fetch a file keeps no cache (${kept.join(', ') || 'none'}) and the page says so (${said})`,
      said !== null && said.startsWith('Dicewright could not be kept for use offline') && kept.length === 0);

    // The note is drawn too: the splash's button is found where the mirror puts it.
    await tap(page, 'button', 'TIME TO ROLL THE DICE');
    const note = await page.evaluate(() => {
      const box = document.getElementById('offline').getBoundingClientRect();
      return { top: box.top, height: box.height };
    });
    const clear = (r) => r && r.y + r.height <= note.top;
    const laidOut = await waitFor('the window laid out above the note', async () => {
      const controls = [await rectOf(page, 'button', 'ROLL'), await rectOf(page, 'button', 'EXIT')];
      return controls.every(clear) ? controls : null;
    }, 30).catch(() => null);
    const shownSteps = (await stepRects(page)).filter((r) => r && r.shown.height > 0).map((r) => r.shown);
    await page.screenshot({ path: path.join(shots, 'offline-note-375x548.png') });
    check(`with the note shown (top ${note.top}), ROLL, EXIT and every step shown stand above it`,
      laidOut !== null && shownSteps.length >= 20 && shownSteps.every((r) => r.y + r.height <= note.top));
    await countSpoken(page);
    await tap(page, 'radio', 'STEP 1');
    const spoken = await tapRoll(page).catch(() => 0);
    check(`a tap on ROLL with the note shown rolls (${await announced(page)})`, spoken === 1);

    await page.click('#offline-ok');
    const back = await waitFor('the room given back', async () => {
      const exit = await rectOf(page, 'button', 'EXIT');
      return exit && exit.y + exit.height > note.top ? exit : null;
    }, 30).catch(() => null);
    check('OK puts the note away, and the window takes the whole page again',
      await page.evaluate(() => document.getElementById('offline').hidden) && back !== null);

    // A first worker replaced by a newer one while it installed is no failure; the note comes
    // only when no worker is left to keep the files.
    const alarms = await page.evaluate(() => {
      const worker = () => Object.assign(new EventTarget(), { state: 'installing' });
      const registration = Object.assign(new EventTarget(), { installing: worker(), waiting: null, active: null });
      const first = registration.installing;
      let raised = 0;
      window.dicewrightWatchWorkers(registration, () => { raised += 1; });
      const second = worker();
      registration.installing = second;
      registration.dispatchEvent(new Event('updatefound'));
      first.state = 'redundant';
      first.dispatchEvent(new Event('statechange'));
      const afterReplaced = raised;
      registration.installing = null;
      second.state = 'redundant';
      second.dispatchEvent(new Event('statechange'));
      return [afterReplaced, raised];
    });
    check(`a replaced first worker raises no note, the last one failing does (${alarms})`,
      alarms[0] === 0 && alarms[1] === 1);
    await page.close();
  } finally {
    await server.close();
  }
}

// A server that compresses: the progress counts the file's own bytes, never past 100%.
async function compressed(browser) {
  const server = await serve(site, { compress: true });
  try {
    const page = await browser.newPage();
    await page.evaluateOnNewDocument(() => {
      window.percents = [];
      document.addEventListener('DOMContentLoaded', () => {
        const status = document.getElementById('status');
        new MutationObserver(() => {
          const found = /([0-9]+)%/.exec(status.textContent);
          if (found) window.percents.push(Number(found[1]));
        }).observe(status, { childList: true, characterData: true, subtree: true });
      });
    });
    let encoded = false;
    page.on('response', (response) => {
      if (response.url().endsWith('.wasm')) encoded = response.headers()['content-encoding'] === 'gzip';
    });
    await page.goto(server.origin);
    await waitFor('the program to run', async () => (await state(page)) === 'running');
    const percents = await page.evaluate(() => window.percents);
    check(`served gzipped, the progress runs to 100% and no further (${percents.length} steps, last ${percents.at(-1)}%)`,
      encoded && percents.length > 0 && Math.max(...percents) <= 100 && percents.at(-1) >= 99);
    await page.close();
  } finally {
    await server.close();
  }
}

(async () => {
  const server = await serve(site);
  const browser = await launch();
  try {
    // Whole phone screens at three densities; what phones' browsers leave once their bars are
    // drawn, sideways too; tablets used by touch, whose finger asks for a thumb's targets.
    const screens = [[360, 640, [1, 1.5, 3]], [390, 844, [1, 1.5, 3]], [844, 390, [1, 1.5, 3]],
      [375, 548, [3]], [360, 560, [1.5]], [320, 480, [1]], [568, 320, [3]],
      [768, 1024, [2], 44], [1024, 768, [2], 44]];
    for (const [width, height, densities, least] of screens) {
      for (const deviceScaleFactor of densities) {
        const viewport = { width, height, deviceScaleFactor, least };
        const page = await phone(browser, server.origin, viewport)
          .catch((error) => { check(`${width}x${height} at ${deviceScaleFactor}: ${error.message}`, false); });
        if (page && width === 390 && deviceScaleFactor === 3) {
          await menuAndLog(page, server.origin).catch((error) => check(`menu and log: ${error.message}`, false));
          await rotation(page).catch((error) => check(`rotation: ${error.message}`, false));
        }
        if (page) await page.close();
      }
    }
    await testByTouch(browser, server.origin).catch((error) => check(`test by touch: ${error.message}`, false));
    await phoneKeyboard(browser, server.origin).catch((error) => check(`phone keyboard: ${error.message}`, false));
    await installable(browser, server.origin).catch((error) => check(`installable: ${error.message}`, false));
    await compressed(browser).catch((error) => check(`compressed: ${error.message}`, false));
    await notKeptOffline(browser).catch((error) => check(`not kept offline: ${error.message}`, false));
  } finally {
    await browser.close();
    await server.close();
  }
  finish();
})();
