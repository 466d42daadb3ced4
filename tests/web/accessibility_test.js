'use strict';
// The web edition as a blind player meets it: through Chromium's accessibility tree alone (the
// DevTools protocol's Accessibility.getFullAXTree, as a screen reader gets it), acting on its
// nodes as a screen reader's activation does (a click on the node's element) or with the keys.
// The splash's button opens the main window; its 40 options stand in one radio group; a step
// chosen and ROLL pressed give a total read from the tree and spoken once; Tab follows the
// window's own tab order with the program's focus; Ctrl+L shows the roll log; EXIT ends it.
// On a phone's screen the same tree serves: the splash's button, STEP 26 and ROLL by touch
// reader (a tap on the node) roll. A test against a difficulty shows its fields on Alt+T, set
// by value and by keys, and speaks the total with its verdict.
//   node accessibility_test.js SITE_DIR WORK_DIR
const fs = require('fs');
const path = require('path');
const { serve, launch, waitFor, checks, readTree, find, activate } = require('./browser');

const [site, work] = process.argv.slice(2);
fs.mkdirSync(work, { recursive: true });

const { check, finish } = checks();

function possible(text) {
  return text === 'Rule of One' || (/^[0-9]+$/.test(text) && Number(text) >= 3);
}

// The text that follows a static text in reading order: a display after its caption.
function textAfter(tree, caption) {
  const at = tree.findIndex((n) => n.role === 'StaticText' && n.name === caption);
  return at < 0 ? null : tree.slice(at + 1).find((n) => n.role === 'StaticText')?.name;
}

// The program on a desktop-sized page, with what its live region speaks kept in window.spoken.
async function openPage(browser, origin) {
  const page = await browser.newPage();
  await page.setViewport({ width: 1024, height: 768 });
  const cdp = await page.target().createCDPSession();
  await page.goto(origin);
  await page.evaluate(() => {
    window.spoken = [];
    new MutationObserver(() => window.spoken.push(document.getElementById('announcement').textContent))
      .observe(document.getElementById('announcement'), { childList: true, subtree: true, characterData: true });
  });
  return { page, cdp };
}

async function run(browser, origin) {
  const { page, cdp } = await openPage(browser, origin);

  // The splash: a window named by its title, its texts read with it, and its button.
  let tree = await waitFor('the splash in the tree', async () => {
    const read = await readTree(cdp);
    return find(read, 'button', 'TIME TO ROLL THE DICE') ? read : null;
  });
  const splash = tree.find((n) => n.role === 'dialog');
  check(`the splash is a window named "${splash?.name}" whose texts are read with it (${splash?.description})`,
        splash && /Dicewright/.test(splash.description) && /Version 1\.0\.0/.test(splash.description));
  const splashFocus = await waitFor('the page\'s focus in the splash', async () => {
    const text = await page.evaluate(() => document.activeElement.textContent);
    return text === 'TIME TO ROLL THE DICE' ? text : null;
  }, 10).catch(() => page.evaluate(() => document.activeElement.outerHTML.slice(0, 80)));
  check(`the page's focus starts where the program's is, on the splash's button (${splashFocus})`,
        splashFocus === 'TIME TO ROLL THE DICE');
  // Each mirrored control stands where the program draws it, so a finger exploring the screen
  // meets it; yet it is unseen, and a tap goes through it to the program.
  const mirror = await page.evaluate(() => {
    const button = [...document.querySelectorAll('#mirror button')]
      .find((element) => element.textContent === 'TIME TO ROLL THE DICE');
    const box = button.getBoundingClientRect();
    const centre = [box.x + box.width / 2, box.y + box.height / 2];
    const hit = document.elementFromPoint(...centre);
    return { box: [box.x, box.y, box.width, box.height].map(Math.round), drawn: button.dataset.rect,
             opacity: getComputedStyle(document.getElementById('mirror')).opacity, hit: hit && hit.id };
  });
  check(`the splash's button stands where it is drawn (${JSON.stringify(mirror)})`,
        mirror.box.join(' ') === mirror.drawn && mirror.box[2] > 50 && mirror.box[3] > 20);
  check(`the mirror is unseen and a tap goes through it to the program (${JSON.stringify(mirror)})`,
        mirror.opacity === '0' && mirror.hit === 'screen');
  // An application, whose keys a screen reader passes on rather than take for its own commands.
  const application = find(tree, 'application');
  check(`the program is an application named "${application?.name}" to a screen reader`,
        application?.name === 'Dicewright');
  // Space on the focused button presses it, as a screen reader's user presses any button.
  await page.keyboard.press('Space');

  // The main window: one group of 40 options, named, with their odds.
  tree = await waitFor('the main window in the tree', async () => {
    const read = await readTree(cdp);
    return find(read, 'radiogroup') && find(read, 'button', 'ROLL') ? read : null;
  });
  const group = find(tree, 'radiogroup');
  const radios = tree.filter((n) => n.role === 'radio');
  const inGroup = radios.every((n) => n.depth === group.depth + 1);
  check(`the main window is named "${find(tree, 'dialog')?.name}"`, find(tree, 'dialog')?.name === 'Dicewright');
  check(`40 options in one group named "${group.name}", STEP 1 to STEP 40`,
        group.name === 'Steps' && radios.length === 40 && inGroup &&
        radios.every((n, i) => n.name === `STEP ${i + 1}`));
  check(`each option tells its odds ("${find(tree, 'radio', 'STEP 8').description}")`,
        /^2D6\b/.test(find(tree, 'radio', 'STEP 8').description) && /Rule of One: 1 in 36/.test(find(tree, 'radio', 'STEP 8').description));
  const focused = await page.evaluate(() => document.activeElement.textContent);
  check(`the page's focus is where the program's is, on STEP 1 (${focused})`, focused === 'STEP 1');

  // STEP 8 and ROLL, through the tree.
  await activate(cdp, find(tree, 'radio', 'STEP 8'));
  tree = await waitFor('STEP 8 checked', async () => {
    const read = await readTree(cdp);
    return find(read, 'radio', 'STEP 8').checked === 'true' ? read : null;
  });
  check('one option checked after a press: STEP 8',
        tree.filter((n) => n.role === 'radio' && n.checked === 'true').map((n) => n.name).join() === 'STEP 8');
  check(`the dice of step 8 are read beside STEP DICE (${textAfter(tree, 'STEP DICE')})`, textAfter(tree, 'STEP DICE') === '2D6');
  await activate(cdp, find(tree, 'button', 'ROLL'));
  await waitFor('a total spoken', () => page.evaluate(() => window.spoken.length > 0), 20);
  const total = textAfter(await readTree(cdp), 'TOTAL');
  const spoken = await page.evaluate(() => window.spoken);
  check(`the total read from the tree is one step 8 can give (${total})`, possible(total));
  check(`the live region spoke it once (${JSON.stringify(spoken)})`, spoken.length === 1 && spoken[0] === total);

  // Keys from the first control, as the window orders them: Tab stops once in the group of
  // options (at STEP 1, as Qt's desktop builds do), then at ROLL and EXIT; the arrows move
  // within the group; Space on ROLL rolls where the program's focus is.
  tree = await readTree(cdp);
  await cdp.send('DOM.focus', { backendNodeId: find(tree, 'radio', 'STEP 1').backend });
  const focusedNow = () => page.evaluate(() => document.activeElement.textContent);
  // Every time an element takes the page's focus, a screen reader speaks it: each key should
  // move the focus once, never away and back.
  await page.evaluate(() => {
    window.focusMoves = [];
    document.getElementById('mirror').addEventListener('focusin', (event) => window.focusMoves.push(event.target.textContent));
  });
  const visited = [];
  for (const key of ['Tab', 'Tab', 'Tab', 'ArrowDown', 'ArrowDown', 'Shift+Tab', 'Shift+Tab']) {
    const before = await focusedNow();
    const [modifier, name] = key.includes('+') ? key.split('+') : [null, key];
    if (modifier) await page.keyboard.down(modifier);
    await page.keyboard.press(name);
    if (modifier) await page.keyboard.up(modifier);
    visited.push(await waitFor('the focus to move', async () => {
      const now = await focusedNow();
      return now !== before ? now : null;
    }, 10).catch(() => '(stayed)'));
  }
  check(`Tab, the arrows and Shift+Tab move the page's focus as the window's order does (${visited.join(', ')})`,
        visited.join() === 'ROLL,EXIT,STEP 1,STEP 2,STEP 3,EXIT,ROLL');
  const moves = await page.evaluate(() => window.focusMoves);
  check(`each key moves the page's focus once (${moves.join(', ')})`, moves.join() === visited.join());
  console.log(`a screen reader says, from STEP 1: Tab ${visited[0]}, Tab ${visited[1]}, Tab ${visited[2]}, ` +
              `Down ${visited[3]}, Down ${visited[4]}, Shift+Tab ${visited[5]}, Shift+Tab ${visited[6]}`);
  // Enter on an option rolls, and the page's focus stays on the option: the mirror's update
  // after the roll does not take the focus away and give it back (a reader would repeat it).
  const press = async (key, modifier) => {
    if (modifier) await page.keyboard.down(modifier);
    await page.keyboard.press(key);
    if (modifier) await page.keyboard.up(modifier);
  };
  await press('Tab', 'Shift');
  const option = await waitFor('an option focused', async () => {
    const now = await focusedNow();
    return now.startsWith('STEP') ? now : null;
  }, 10);
  const movesBefore = await page.evaluate(() => window.focusMoves.length);
  await page.keyboard.press('Enter');
  await waitFor('a total spoken after Enter', () => page.evaluate(() => window.spoken.length === 2), 10);
  const movesAfter = await page.evaluate(() => window.focusMoves.slice(-1)[0]);
  check(`Enter on ${option} rolls and the focus stays put, spoken once (${movesAfter})`,
        (await page.evaluate(() => window.focusMoves.length)) === movesBefore && (await focusedNow()) === option);
  await press('Tab');
  await waitFor('ROLL focused', async () => (await focusedNow()) === 'ROLL', 10);

  // Enter on EXIT does nothing, as in the program: the browser does not press the element on
  // its own. (The Shift+Tab after it is handled after it, so its effect has shown by then.)
  await page.keyboard.press('Tab');
  await waitFor('EXIT focused', async () => (await focusedNow()) === 'EXIT', 10);
  await page.keyboard.press('Enter');
  await page.keyboard.down('Shift');
  await page.keyboard.press('Tab');
  await page.keyboard.up('Shift');
  await waitFor('ROLL focused again', async () => (await focusedNow()) === 'ROLL', 10);
  check('Enter with the focus on EXIT does not end the program',
        (await page.evaluate(() => document.body.dataset.state)) === 'running');
  await page.keyboard.press('Space');
  const again = await waitFor('a third total spoken', async () => {
    const said = await page.evaluate(() => window.spoken);
    return said.length === 3 ? said[2] : null;
  }, 10).catch(() => null);
  check(`Space with the page's focus on ROLL rolls, so the program's focus is there too (${again})`, again && possible(again));

  // The roll log, opened from the keyboard.
  await page.keyboard.down('Control');
  await page.keyboard.press('KeyL');
  await page.keyboard.up('Control');
  tree = await waitFor('the roll log in the tree', async () => {
    const read = await readTree(cdp);
    return find(read, 'dialog', 'Roll log') && read.some((n) => n.role === 'option') ? read : null;
  }, 20).catch(() => readTree(cdp));
  const rolls = tree.findIndex((n) => n.role === 'listbox' && n.name === 'Rolls, newest first');
  const newest = rolls < 0 ? undefined : tree.slice(rolls).find((n) => n.role === 'option')?.name;
  check(`Ctrl+L shows the roll log as a list box of options, the newest the last roll (${newest})`,
        newest !== undefined && newest.includes(`): ${again} \u2014`));
  // What a screen reader announces of the row that has the focus: an option, selected, the
  // first of three.
  const row = () => page.evaluate(() => {
    const active = document.activeElement;
    return { role: active.getAttribute('role'), text: active.textContent.replace(/\s+/g, ' '),
             selected: active.getAttribute('aria-selected'), at: active.getAttribute('aria-posinset'),
             of: active.getAttribute('aria-setsize') };
  });
  const onRow = await waitFor('the page\'s focus on the newest row', async () => {
    const now = await row();
    return now.text === newest ? now : null;
  }, 10).catch(row);
  check(`the page's focus is on the newest row, a selected option, 1 of 3 (${JSON.stringify(onRow)})`,
        newest !== undefined && onRow.role === 'option' && onRow.text === newest && onRow.selected === 'true' &&
        onRow.at === '1' && onRow.of === '3');
  const statistics = find(tree, 'listbox', 'What the dice have done so far');
  check('the log\'s statistics are read as a list box', statistics !== undefined);
  fs.writeFileSync(path.join(work, 'tree.txt'),
                   tree.map((n) => `${'  '.repeat(n.depth)}${n.role}${n.name ? `: ${n.name}` : ''}`).join('\n'));
  await page.keyboard.press('Escape');
  tree = await waitFor('the roll log closed', async () => {
    const read = await readTree(cdp);
    return find(read, 'dialog', 'Roll log') ? null : read;
  });

  // A long evening: past the first 200 rows every row is still reachable, and the page's focus
  // follows the program's to the oldest. Arrowing through all 450, the page's focus never falls
  // to the page itself: the mirror never takes the focused row out of the page, not even for a
  // moment as it moves its window of rows.
  await waitFor('ROLL focused once more', async () => (await focusedNow()) === 'ROLL', 10);
  for (let roll = 0; roll < 447; ++roll) await page.keyboard.press('Space');
  await waitFor('450 rolls spoken', () => page.evaluate(() => window.spoken.length === 450), 120);
  await press('KeyL', 'Control');
  await waitFor('the newest row focused', async () => (await row()).at === '1', 20);
  await page.evaluate(() => {
    window.focusDropped = [];
    for (const [owner, name] of [[Element.prototype, 'remove'], [Element.prototype, 'replaceChildren'],
      [Node.prototype, 'insertBefore'], [Node.prototype, 'removeChild'], [Node.prototype, 'appendChild']]) {
      const plain = owner[name];
      owner[name] = function (...args) {
        const before = document.activeElement;
        const result = plain.apply(this, args);
        if (before !== document.body && document.activeElement === document.body)
          window.focusDropped.push(before.getAttribute('aria-posinset'));
        return result;
      };
    }
  });
  for (let at = 2; at <= 450; ++at) {
    await page.keyboard.press('ArrowDown');
    if (at % 50 === 0) await waitFor(`row ${at} focused`, async () => (await row()).at === String(at), 20);
  }
  const last = await waitFor('the oldest row focused by the arrows', async () => {
    const now = await row();
    return now.at === '450' ? now : null;
  }, 20).catch(row);
  const dropped = await page.evaluate(() => window.focusDropped);
  check(`the arrows move the page's focus through all 450 rows (${last.at} of ${last.of}), never to the page (${dropped.length} times: ${dropped.slice(0, 5)})`,
        last.at === '450' && last.of === '450' && dropped.length === 0);
  await page.keyboard.press('Home');
  await waitFor('the newest row focused again', async () => (await row()).at === '1', 20);
  await page.keyboard.press('End');
  const oldest = await waitFor('the oldest row focused', async () => {
    const now = await row();
    return now.at === '450' ? now : null;
  }, 20).catch(row);
  check(`End in the log moves the page's focus to the oldest of 450 rolls (${JSON.stringify(oldest)})`,
        oldest.role === 'option' && oldest.at === '450' && oldest.of === '450' && oldest.selected === 'true' &&
        oldest.text.includes('Step 8 (2D6)'));
  await page.keyboard.press('Escape');
  tree = await waitFor('the roll log closed again', async () => {
    const read = await readTree(cdp);
    return find(read, 'dialog', 'Roll log') ? null : read;
  });

  // EXIT through the tree ends the program, and the page says so.
  await activate(cdp, find(tree, 'button', 'EXIT'));
  await waitFor('the program to end', () => page.evaluate(() => document.body.dataset.state === 'ended'), 30);
  tree = await readTree(cdp);
  check('EXIT through the tree ends the program and the page says so',
        tree.some((n) => n.name === 'Dicewright has ended.') && !find(tree, 'radio'));
  await page.close();
}

// The splash's button pressed through the tree; gives the main window's tree.
async function toMainWindow(cdp) {
  const splash = await waitFor('the splash in the tree', async () => {
    const read = await readTree(cdp);
    return find(read, 'button', 'TIME TO ROLL THE DICE') ? read : null;
  });
  await activate(cdp, find(splash, 'button', 'TIME TO ROLL THE DICE'));
  return waitFor('the main window in the tree', async () => {
    const read = await readTree(cdp);
    return find(read, 'radio', 'STEP 40') ? read : null;
  });
}

// A field's value as a screen reader sets it: the value put on the element, and its events.
async function setValue(cdp, node, value) {
  const { object } = await cdp.send('DOM.resolveNode', { backendNodeId: node.backend });
  await cdp.send('Runtime.callFunctionOn', {
    objectId: object.objectId, arguments: [{ value }],
    functionDeclaration: `function (value) {
      this.value = value;
      this.dispatchEvent(new Event('input', { bubbles: true }));
      this.dispatchEvent(new Event('change', { bubbles: true }));
    }`,
  });
}
const fieldValue = (page, name) => page.evaluate(
  (name) => document.querySelector(`#mirror input[aria-label="${name}"]`)?.value, name);

// A test against a difficulty: no fields until Alt+T (the key browsers leave to the page);
// then two number fields, named, that a screen reader sets by value and the keys type into; a
// value out of range is refused; the chance is read as its text, and the total is spoken once
// with its verdict.
async function test(browser, origin) {
  const { page, cdp } = await openPage(browser, origin);
  let tree = await toMainWindow(cdp);
  check('no number fields until asked for', !find(tree, 'spinbutton'));
  await activate(cdp, find(tree, 'radio', 'STEP 8'));
  await page.keyboard.down('Alt');
  await page.keyboard.press('KeyT');
  await page.keyboard.up('Alt');
  tree = await waitFor('the test\'s fields in the tree', async () => {
    const read = await readTree(cdp);
    return find(read, 'spinbutton', 'Difficulty') && find(read, 'spinbutton', 'Bonus step') ? read : null;
  }, 20).catch(() => readTree(cdp));
  check('Alt+T shows two number fields named "Difficulty" and "Bonus step"',
        find(tree, 'spinbutton', 'Difficulty') && find(tree, 'spinbutton', 'Bonus step'));
  if (!find(tree, 'spinbutton', 'Difficulty')) return page.close();

  await setValue(cdp, find(tree, 'spinbutton', 'Difficulty'), '9');
  await setValue(cdp, find(tree, 'spinbutton', 'Bonus step'), '4');
  const chanceText = async () => (await readTree(cdp))
    .find((n) => n.role === 'StaticText' && n.name.startsWith('Chance of success'))?.name;
  const chance = await waitFor('the chance read', async () => {
    const text = await chanceText();
    return text && text.includes('without') ? text : null;
  }, 20).catch(chanceText);
  check(`values set by a screen reader reach the program, whose chance is read (${chance})`,
        chance === 'Chance of success: 75.5% (without the bonus: 38.0%)');
  // And spoken, once the two changes have settled: the chance of the test as set, alone.
  const chancesSpoken = () => page.evaluate(() => window.spoken.filter((w) => w.startsWith('Chance of success')));
  const heard = await waitFor('the chance spoken', async () => {
    const words = await chancesSpoken();
    return words.length > 0 ? words : null;
  }, 20).catch(chancesSpoken);
  check(`the chance is spoken once the values settle (${JSON.stringify(heard)})`,
        heard.length === 1 && heard[0] === chance);
  // From here on the words spoken are the rolls'.
  await page.evaluate(() => { window.spoken = []; });
  // Out of range: refused, and the page shows the field's own value again.
  await setValue(cdp, find(tree, 'spinbutton', 'Bonus step'), '41');
  const kept = await waitFor('the bonus step shown again', async () => {
    const value = await fieldValue(page, 'Bonus step');
    return value === '4' ? value : null;
  }, 10).catch(() => fieldValue(page, 'Bonus step'));
  check(`a bonus step of 41 is refused and 4 kept (${kept})`, kept === '4');
  // Keys typed in a field go to the program's field.
  await cdp.send('DOM.focus', { backendNodeId: find(tree, 'spinbutton', 'Difficulty').backend });
  await page.keyboard.press('End');
  await page.keyboard.press('Backspace');
  await page.keyboard.type('12');
  const typed = await waitFor('the difficulty typed', async () => {
    const value = await fieldValue(page, 'Difficulty');
    return value === '12' ? value : null;
  }, 10).catch(() => fieldValue(page, 'Difficulty'));
  check(`keys typed in the difficulty field set it to 12 (${typed})`, typed === '12');

  // Enter in the field rolls: the total is spoken once, with its verdict.
  await page.keyboard.press('Enter');
  const rollsSpoken = () => page.evaluate(() => window.spoken.filter((w) => !w.startsWith('Chance of success')));
  const said = await waitFor('a total spoken', async () => {
    const words = await rollsSpoken();
    return words.length > 0 ? words : null;
  }, 20).catch(() => []);
  const [total, verdict] = (said[0] || '').split('. ');
  const reached = /^[0-9]+$/.test(total) && Number(total) >= 12;
  const extra = Math.floor((Number(total) - 12) / 5);
  const expected = !reached ? 'Failure' : extra === 0 ? 'Success'
    : `Success, ${extra} extra ${extra === 1 ? 'success' : 'successes'}`;
  check(`the total is spoken once with its verdict (${JSON.stringify(said)})`,
        said.length === 1 && (total === 'Rule of One' || /^[0-9]+$/.test(total)) && verdict === expected);
  const after = async () => textAfter(await readTree(cdp), total);
  const shown = await waitFor('the verdict after the total', async () => {
    const text = await after();
    return text === verdict ? text : null;
  }, 20).catch(after);
  check(`the verdict is read after the total (${shown})`, shown === verdict);

  // The verdict goes with its total and its test: a new difficulty takes it away, and a plain
  // roll while the fields are hidden shows none when they come back.
  await setValue(cdp, find(await readTree(cdp), 'spinbutton', 'Difficulty'), '30');
  const cleared = await waitFor('the verdict taken away', async () => {
    const read = await readTree(cdp);
    return read.some((n) => n.role === 'StaticText' && n.name === verdict) ? null : read;
  }, 20).then(() => true, () => false);
  check(`a new difficulty takes the verdict away (${verdict})`, cleared);
  await setValue(cdp, find(await readTree(cdp), 'spinbutton', 'Difficulty'), '2');
  await page.keyboard.press('Enter');
  const judged = await waitFor('a second total spoken', async () => {
    const words = await rollsSpoken();
    return words.length === 2 ? words[1] : null;
  }, 20).catch(() => null);
  const altT = async () => {
    await page.keyboard.down('Alt');
    await page.keyboard.press('KeyT');
    await page.keyboard.up('Alt');
  };
  await altT();
  await waitFor('the fields hidden', async () => !find(await readTree(cdp), 'spinbutton'), 20);
  await activate(cdp, find(await readTree(cdp), 'button', 'ROLL'));
  const plain = await waitFor('a plain total spoken', async () => {
    const words = await rollsSpoken();
    return words.length === 3 ? words[2] : null;
  }, 20).catch(() => null);
  await altT();
  const back = await waitFor('the fields back', async () => {
    const read = await readTree(cdp);
    return find(read, 'spinbutton', 'Difficulty') ? read : null;
  }, 20).catch(() => readTree(cdp));
  const afterPlain = textAfter(back, plain);
  check(`after a plain roll (${plain}; the test before it: ${judged}) the fields come back with no verdict (${afterPlain})`,
        judged !== null && judged.includes('. ') && plain !== null && !plain.includes('. ') &&
        !/^(Success|Failure)/.test(afterPlain || ''));
  await page.close();
}

async function phone(browser, origin) {
  const page = await browser.newPage();
  await page.setViewport({ width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true });
  const cdp = await page.target().createCDPSession();
  await page.goto(origin);
  const tree = await toMainWindow(cdp);
  await activate(cdp, find(tree, 'radio', 'STEP 26'));
  await activate(cdp, find(tree, 'button', 'ROLL'));
  const total = await waitFor('a total in the tree', async () => {
    const text = textAfter(await readTree(cdp), 'TOTAL');
    return text && text !== 'ROLL' ? text : null;
  }, 20).catch(() => null);
  check(`on a phone STEP 26 and ROLL through the tree give a total (${total})`,
        total !== null && /^[0-9]+$/.test(total) && Number(total) >= 5);
  await page.close();
}

(async () => {
  const server = await serve(site);
  const browser = await launch();
  try {
    await run(browser, server.origin).catch((error) => check(`accessibility: ${error.message}`, false));
    await phone(browser, server.origin).catch((error) => check(`phone: ${error.message}`, false));
    await test(browser, server.origin).catch((error) => check(`test: ${error.message}`, false));
  } finally {
    await browser.close();
    await server.close();
  }
  finish();
})();
