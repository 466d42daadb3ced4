'use strict';
// The web edition as a player meets it, in Debian's Chromium driven through the DevTools
// protocol, against the site served from 127.0.0.1: the splash appears centred, its button
// opens the main window, a step and ROLL show a total that step can give (read where a screen
// reader reads it), EXIT and a key on the splash end the program and the page says so. Only the
// site's own files are requested. (Phones have phone_test.js.) Screenshots are kept in
// WORK_DIR/shots.
//   node web_test.js SITE_DIR WORK_DIR
const fs = require('fs');
const path = require('path');
const { serve, launch, waitFor, pixels, box, colourAt, isGreen, checks, state, announced, rectOf } = require('./browser');

const [site, work] = process.argv.slice(2);
const shots = path.join(work, 'shots');
fs.mkdirSync(shots, { recursive: true });

// Twips as the windows place their controls, to CSS pixels as the program turns them.
const px = (twips) => Math.floor((twips + 7) / 15);
const centre = (left, top, width, height) => [px(left + width / 2), px(top + height / 2)];
const SPLASH_BUTTON = centre(120 + 2550, 135 + 2820, 1485, 525);
const ROLL = centre(2880, 7320, 1215, 495);
const EXIT = centre(4440, 7320, 1215, 495);
const stepIndicator = (step) => {
  const column = Math.floor((step - 1) / 10);
  const row = (step - 1) % 10;
  return centre([1200, 3000, 4800, 6600][column], 1320 + 480 * row, 255, 255);
};
const SPLASH = { width: 492, height: 283 };
const MAIN = { width: 602 };

const { check, finish } = checks();
const near = (a, b, slack = 2) => Math.abs(a - b) <= slack;

// The program running, and the box that differs from Qt's empty screen around it.
async function splashBox(page, name) {
  await waitFor('the program to run', () => page.evaluate(() => document.body.dataset.state === 'running'));
  return waitFor('the splash window drawn', async () => {
    const { png, scale } = await pixels(page);
    const [r0, g0, b0] = colourAt(png, 1, 1);
    const found = box(png, (r, g, b) => Math.abs(r - r0) + Math.abs(g - g0) + Math.abs(b - b0) > 24);
    if (!found || !near(found.width / scale, SPLASH.width, 3)) return null;
    await page.screenshot({ path: path.join(shots, `${name}-splash.png`) });
    return { ...found, scale, png };
  });
}

// The main window, which the program fills with its dark green; in a browser Qt gives it the
// whole page, its controls where the twips put them from the page's top left corner.
async function mainBox(page) {
  return waitFor('the main window drawn', async () => {
    const { png, scale } = await pixels(page);
    const found = box(png, isGreen);
    return found && found.width / scale >= MAIN.width ? { ...found, scale, png } : null;
  });
}


// A total that a roll of step 8 or 26 can show.
function possible(step, text) {
  if (text === 'Rule of One') return step >= 8;
  return /^[0-9]+$/.test(text) && Number(text) >= (step === 8 ? 3 : 5);
}

// A new page at the site, every request it makes to anywhere else noted in `foreign`.
const foreign = [];
async function open(browser, origin, viewport) {
  const page = await browser.newPage();
  page.on('request', (request) => {
    if (!request.url().startsWith(`${origin}/`)) foreign.push(request.url());
  });
  await page.setViewport(viewport);
  await page.goto(origin);
  return page;
}

async function desktop(browser, origin) {
  const page = await open(browser, origin, { width: 1024, height: 768 });
  const splash = await splashBox(page, 'desktop');
  const view = await page.evaluate(() => [window.innerWidth, window.innerHeight]);
  check('the splash window appears, 492 x 283', near(splash.width, SPLASH.width) && near(splash.height, SPLASH.height));
  check('the splash window is centred',
        near(splash.left + splash.width / 2, view[0] / 2) && near(splash.top + splash.height / 2, view[1] / 2));
  const title = await page.title();
  const icon = await page.evaluate(() => document.querySelector('link[rel=icon]').getAttribute('href'));
  check('the page is titled Dicewright with the program\'s icon', title === 'Dicewright' && /dicewright-\d+\.png$/.test(icon));

  await page.mouse.click(splash.left + SPLASH_BUTTON[0], splash.top + SPLASH_BUTTON[1]);
  const main = await mainBox(page);
  check('the button opens the main window, which fills the page',
        main.left === 0 && main.top === 0 && near(main.width, view[0]) && near(main.height, view[1]));
  const [stepX, stepY] = stepIndicator(8);
  await page.mouse.click(main.left + stepX, main.top + stepY);
  await page.mouse.click(main.left + ROLL[0], main.top + ROLL[1]);
  const total = await waitFor('a total announced', () => announced(page), 30);
  check(`STEP 8 and ROLL show a total step 8 can give (${total})`, possible(8, total));
  await page.screenshot({ path: path.join(shots, 'desktop-main.png') });

  // What Chromium's accessibility tree holds: the page's own parts; Qt 6.4 adds none of its own.
  const tree = await page.accessibility.snapshot({ interestingOnly: false });
  const names = [];
  (function walk(node) { if (node.name) names.push(`${node.role}:${node.name}`); (node.children || []).forEach(walk); }(tree));
  check('a screen reader finds the total in the page\'s live region', names.includes(`paragraph:${total}`) || names.some((n) => n.endsWith(`:${total}`)));
  console.log(`accessibility tree: ${names.join(' | ')}`);

  // A right-click opens the window's menu, and the page keeps running: the menu pops up
  // without a nested event loop, which a browser cannot run.
  await page.mouse.click(main.left + 20, main.top + 20, { button: 'right' });
  const menu = await waitFor('the menu', () => page.evaluate(() =>
    [...document.querySelectorAll('#mirror [role=menuitem]')].map((item) => item.textContent).join(', ')), 30)
    .catch(() => '');
  await page.keyboard.press('Escape');
  const closed = await waitFor('the menu closed', () => page.evaluate(() =>
    document.querySelector('#mirror [role=menuitem]') === null), 30).catch(() => false);
  check(`a right-click opens the menu (${menu}), and Escape closes it`, menu === 'Roll log, Copy last roll, Test against a difficulty' && closed);

  await page.mouse.click(main.left + EXIT[0], main.top + EXIT[1]);
  await waitFor('the program to end', async () => (await state(page)) === 'ended', 30);
  const ended = await page.evaluate(() => [document.getElementById('status').textContent, !document.getElementById('again').hidden]);
  check('after EXIT the page says Dicewright has ended and offers to start again', ended[0] === 'Dicewright has ended.' && ended[1]);
  await page.screenshot({ path: path.join(shots, 'desktop-ended.png') });

  // Started again from the page: Space or Enter on the splash's focused button opens the main
  // window, as on any button; every other character key ends the program.
  for (const key of ['Space', 'Enter', 'q', '7', 'Escape', 'Backspace']) {
    await Promise.all([page.waitForNavigation(), page.click('#again')]);
    await splashBox(page, `desktop-again-${key}`);
    await page.keyboard.press(key);
    if (key === 'Space' || key === 'Enter') {
      const opened = await mainBox(page).then(() => true, () => false);
      check(`${key} on the splash's button opens the main window`, opened && (await state(page)) === 'running');
      await page.mouse.click(EXIT[0], EXIT[1]);
      await waitFor('the program to end', async () => (await state(page)) === 'ended', 30);
    } else {
      const ended = await waitFor(`the program to end after ${key}`, async () => (await state(page)) === 'ended', 30)
        .then(() => true, () => false);
      check(`${key} on the splash window ends the program, and the page says so`, ended);
    }
  }
  await page.close();
}

// A desktop browser too narrow for the designed window, with a mouse: the steps stand in their
// scrolling area, but a mouse dragged over them scrolls nothing and its click chooses at once,
// as anywhere on a desktop; only a finger drags them.
async function narrowWithAMouse(browser, origin) {
  // A browser window the size of a small phone's screen, too small for every step at a
  // thumb's size.
  const page = await open(browser, origin, { width: 360, height: 560 });
  const button = await waitFor('the splash\'s button', () => rectOf(page, 'button', 'TIME TO ROLL THE DICE'), 60);
  await page.mouse.click(button.x + button.width / 2, button.y + button.height / 2);
  const third = await waitFor('STEP 3 in its area', () => rectOf(page, 'radio', 'STEP 3'), 30);
  const hidden = await rectOf(page, 'radio', 'STEP 10');
  check(`in a narrow window the steps scroll in their area (STEP 10 shows ${hidden.shown.height} of ${hidden.height} px)`,
        hidden.shown.height < hidden.height);
  const [x, y] = [third.x + third.width / 2, third.y + third.height / 2];
  await page.mouse.move(x, y);
  await page.mouse.down();
  for (let moved = 10; moved <= 150; moved += 10) {
    await page.mouse.move(x, y - moved);
    await new Promise((resolve) => setTimeout(resolve, 16));
  }
  await page.mouse.up();
  // A drag would have moved the steps at once, and a fling on for a while after.
  const settled = await waitFor('the steps at rest', async () => {
    const before = JSON.stringify(await rectOf(page, 'radio', 'STEP 3'));
    await new Promise((resolve) => setTimeout(resolve, 300));
    return before === JSON.stringify(await rectOf(page, 'radio', 'STEP 3')) ? before : null;
  }, 20);
  const second = await rectOf(page, 'radio', 'STEP 2');
  await page.mouse.click(second.x + second.width / 2, second.y + second.height / 2);
  const chosen = await waitFor('STEP 2 chosen', () => page.evaluate(() =>
    [...document.querySelectorAll('#mirror [role=radio][aria-checked=true]')].map((o) => o.textContent).join()), 10)
    .catch(() => '');
  await page.screenshot({ path: path.join(shots, 'narrow-mouse.png') });
  check(`in a narrow window a mouse dragged over the steps scrolls nothing (${settled}), and a click chooses (${chosen})`,
        settled === JSON.stringify(third) && chosen === 'STEP 2');
  await page.close();
}

(async () => {
  const server = await serve(site);
  const browser = await launch();
  try {
    for (const run of [desktop, narrowWithAMouse]) {
      await run(browser, server.origin).catch((error) => check(`${run.name}: ${error.message}`, false));
    }
    check(`the page asks for nothing beyond its own files (${foreign.join(', ') || 'none else'})`,
          foreign.length === 0);
  } finally {
    await browser.close();
    await server.close();
  }
  finish();
})();
