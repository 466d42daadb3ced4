'use strict';
// The page's accessibility mirror while a finger scrolls the steps on a short phone: how often it
// rewrites the page and how long it takes, per second of the fling, beside all the script time
// of the page in that second (the program's own drawing included), in Debian's Chromium.
//   NODE_PATH=... node mirror_fling_bench.js SITE_DIR [RUNS]
const { serve, launch, waitFor, rectOf } = require('../tests/web/browser');

const [site, runsText] = process.argv.slice(2);
const runs = Number(runsText || 5);
const median = (values) => values.slice().sort((a, b) => a - b)[Math.floor(values.length / 2)];

// A finger kept moving on the steps for a second, up and down their scrolling range as a
// player looking for a step does, and what that second costs.
async function fling(browser, origin) {
  const page = await browser.newPage();
  await page.setViewport({ width: 360, height: 560, deviceScaleFactor: 1.5, isMobile: true, hasTouch: true });
  await page.goto(origin);
  await waitFor('the program to run', () => page.evaluate(() => document.body.dataset.state === 'running'), 120);
  const splash = await waitFor('the splash', () => rectOf(page, 'button', 'TIME TO ROLL THE DICE'), 60);
  await page.touchscreen.tap(splash.x + splash.width / 2, splash.y + splash.height / 2);
  const step = await waitFor('the main window', () => rectOf(page, 'radio', 'STEP 12'), 60);
  await page.evaluate(() => {
    const mirror = window.dicewrightMirror;
    const render = mirror.render;
    mirror.render = (json) => {
      const start = performance.now();
      render(json);
      window.mirrorTime += performance.now() - start;
      window.mirrorCalls += 1;
    };
  });
  // Let the page settle, then count from the finger's touch.
  await new Promise((resolve) => setTimeout(resolve, 500));
  const cdp = await page.target().createCDPSession();
  const x = step.x + step.width / 2;
  const y = step.y + step.height;
  const before = await page.metrics();
  await page.evaluate(() => { window.mirrorTime = 0; window.mirrorCalls = 0; });
  const start = Date.now();
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x, y, id: 1 }] });
  for (let elapsed = 0; elapsed < 1000; elapsed = Date.now() - start) {
    const at = y - 60 + 60 * Math.cos((2 * Math.PI * elapsed) / 500);
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: [{ x, y: at, id: 1 }] });
    await new Promise((resolve) => setTimeout(resolve, 8));
  }
  const seconds = (Date.now() - start) / 1000;
  const after = await page.metrics();
  const mirror = await page.evaluate(() => ({ time: window.mirrorTime, calls: window.mirrorCalls }));
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  await page.close();
  return {
    calls: mirror.calls / seconds,
    mirrorMs: mirror.time / seconds,
    scriptMs: (1000 * (after.ScriptDuration - before.ScriptDuration)) / seconds,
  };
}

(async () => {
  const server = await serve(site);
  const browser = await launch();
  try {
    const results = [];
    for (let run = 0; run < runs; ++run) results.push(await fling(browser, server.origin));
    const of = (name) => median(results.map((r) => r[name])).toFixed(1);
    console.log(`a finger scrolling the steps at 360x560: the mirror rewrites the page ${of('calls')} times a second, ` +
                `${of('mirrorMs')} ms a second in its page side; all the page's script ${of('scriptMs')} ms a second ` +
                `(median of ${runs})`);
  } finally {
    await browser.close();
    await server.close();
  }
})();
