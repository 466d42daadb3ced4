'use strict';
// The web edition in a German and in a French browser (Chromium started with --lang and, since a
// headless one takes the page's navigator.languages from it alone, --accept-lang): the page's
// own texts, <html lang> and its manifest in the language, and the program as a screen reader
// meets it through Chromium's accessibility tree: its captions, the dice with the language's
// letter, a roll spoken, and the page's word when the program has ended. Screenshots of each
// language, on a desktop page and on a phone, are kept.
//   node language_test.js SITE_DIR WORK_DIR
const fs = require('fs');
const path = require('path');
const { serve, launch, waitFor, checks, readTree, find, activate } = require('./browser');

const [site, work] = process.argv.slice(2);
fs.mkdirSync(work, { recursive: true });
const { check, finish } = checks();

const LANGUAGES = {
  de: {
    start: 'ZEIT ZU WÜRFELN', step8: 'STUFE 8', dice: '2W6', roll: 'WÜRFELN', exit: 'BEENDEN',
    total: /^([0-9]+|Regel der Eins)$/, again: 'Dicewright erneut starten',
    ended: 'Dicewright wurde beendet.', description: 'Stufenwürfel für Pen-and-Paper-Rollenspiele',
  },
  fr: {
    start: 'À VOS DÉS\u00a0!', step8: 'ÉCHELON 8', dice: '2D6', roll: 'LANCER', exit: 'QUITTER',
    total: /^([0-9]+|Règle du un)$/, again: 'Relancer Dicewright',
    ended: 'Dicewright est terminé.',
    description: 'Lanceur de dés par échelon pour jeux de rôle sur table',
  },
};

async function run(origin, language, words) {
  const browser = await launch([`--lang=${language}`, `--accept-lang=${language}`]);
  try {
    const page = await browser.newPage();
    await page.setViewport({ width: 1024, height: 768 });
    const cdp = await page.target().createCDPSession();
    await page.goto(origin);
    const languages = await page.evaluate(() => navigator.languages);
    check(`[${language}] the browser's first language is ${language} (${languages})`,
      String(languages[0]).startsWith(language));
    check(`[${language}] <html lang> follows it`,
      await page.evaluate(() => document.documentElement.lang) === language);
    const manifest = await page.evaluate(async () => {
      const link = document.querySelector('link[rel="manifest"]');
      return (await fetch(link.href)).json();
    });
    check(`[${language}] the manifest is the language's, its description translated`,
      manifest.lang === language && manifest.description === words.description);
    check(`[${language}] the page's own texts are translated`,
      await page.evaluate(() => document.getElementById('again').textContent) === words.again);

    let tree = await waitFor('the splash in the tree', async () => {
      const read = await readTree(cdp);
      return find(read, 'button', words.start) ? read : null;
    });
    await page.screenshot({ path: path.join(work, `${language}-splash.png`) });
    await activate(cdp, find(tree, 'button', words.start));
    tree = await waitFor('the main window in the tree', async () => {
      const read = await readTree(cdp);
      return find(read, 'radio', words.step8) ? read : null;
    });
    const step8 = find(tree, 'radio', words.step8);
    check(`[${language}] the steps are named and described in the language`,
      step8.description.startsWith(words.dice));
    await page.evaluate(() => {
      window.spoken = [];
      new MutationObserver(() => window.spoken.push(document.getElementById('announcement').textContent))
        .observe(document.getElementById('announcement'), { childList: true, subtree: true, characterData: true });
    });
    await activate(cdp, step8);
    await waitFor('the dice of step 8', async () => find(await readTree(cdp), 'StaticText', words.dice));
    await activate(cdp, find(await readTree(cdp), 'button', words.roll));
    const said = await waitFor('a spoken total', () => page.evaluate(() => window.spoken.at(-1)));
    check(`[${language}] a roll is spoken in the language: ${said}`, words.total.test(said));
    await page.screenshot({ path: path.join(work, `${language}-main.png`) });
    await activate(cdp, find(await readTree(cdp), 'button', words.exit));
    await waitFor('the end', () => page.evaluate(() => document.body.dataset.state === 'ended'));
    check(`[${language}] the page says in the language that the program has ended`,
      await page.evaluate(() => document.getElementById('status').textContent) === words.ended);

    // On a phone held upright, with the bars drawn: the same program laid out for a thumb.
    const phone = await browser.newPage();
    await phone.emulate({ viewport: { width: 375, height: 548, deviceScaleFactor: 2, isMobile: true,
      hasTouch: true }, userAgent: await browser.userAgent() });
    const phoneCdp = await phone.target().createCDPSession();
    await phone.goto(origin);
    const splash = await waitFor('the splash on the phone', async () =>
      find(await readTree(phoneCdp), 'button', words.start));
    await activate(phoneCdp, splash);
    await waitFor('the steps on the phone', async () => find(await readTree(phoneCdp), 'radio', words.step8));
    await phone.screenshot({ path: path.join(work, `${language}-phone.png`) });
  } finally {
    await browser.close();
  }
}

(async () => {
  const server = await serve(site);
  try {
    for (const [language, words] of Object.entries(LANGUAGES)) await run(server.origin, language, words);
  } catch (error) {
    check(`the run ends without an error: ${error.message}`, false);
  } finally {
    await server.close();
  }
  finish();
})();
