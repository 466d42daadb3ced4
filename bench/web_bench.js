'use strict';
// The web edition's figures in Debian's Chromium, each visit with an empty cache:
// - a first visit's bytes from a plain static server, until the program is ready for its first
//   roll, against a budget of 120 kB in English and 140 kB in each other language of the site
//   (each fetches its own texts and the parts of the faces it writes), and what the same files
//   come to as a server of their .gz and .br copies sends them; apart from them, what the browser
//   fetches for itself and what the service worker then keeps for offline use;
// - a phone on Chromium's "Slow 4G" with the CPU slowed four times: navigation to the splash,
//   and to a first total with the taps on the splash button, STEP 8 and ROLL;
// - a roll's press to its total on the page, and scrolling a log of 100,000 rolls, in frames;
// - the memory of this browser's renderers after 100,000 rolls.
//   NODE_PATH=... node web_bench.js SITE_DIR [RUNS]
const { execFileSync } = require('child_process');
const fs = require('fs');
const path = require('path');
const { serve, launch, waitFor, state, firstVisitBytes } = require('../tests/web/browser');

const [site, runsText] = process.argv.slice(2);
const runs = Number(runsText || 5);
const median = (values) => values.slice().sort((a, b) => a - b)[Math.floor(values.length / 2)];

async function slowPhone(browser, origin) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.emulate({ viewport: { width: 390, height: 664, deviceScaleFactor: 3, isMobile: true,
    hasTouch: true }, userAgent: await browser.userAgent() });
  const cdp = await page.target().createCDPSession();
  await cdp.send('Network.enable');
  await cdp.send('Network.emulateNetworkConditions', { offline: false, latency: 150,
    downloadThroughput: 1.6e6 / 8, uploadThroughput: 0.75e6 / 8 });
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: 4 });
  const start = Date.now();
  await page.goto(origin, { waitUntil: 'domcontentloaded' });
  await waitFor('the splash', async () => (await state(page)) === 'splash', 60);
  const splash = Date.now() - start;
  await page.tap('#cmdStart');
  await page.tap('#optStep8');
  await page.tap('#Command1');
  await waitFor('a total', () => page.$eval('#lblTotal', (total) => total.textContent !== ''), 60);
  const total = Date.now() - start;
  await context.close();
  return { splash, total };
}

(async () => {
  const server = await serve(site);
  const browser = await launch();
  try {
    const languages = fs.readFileSync(path.join(site, 'index.html'), 'utf8')
      .match(/data-languages="([^"]*)"/)[1].split(' ');
    for (const language of languages) {
      const speaking = await launch([`--lang=${language}`, `--accept-lang=${language}`]);
      const visit = await firstVisitBytes(speaking, server);
      const fonts = visit.files.filter(([file]) => file.includes('fonts/'))
        .reduce((sum, [, bytes]) => sum + bytes, 0);
      // A file as a server of the compressed copies sends it: the copy, where there is one.
      const compressed = (suffix) => visit.files.reduce((sum, [file, bytes]) => {
        const copy = path.join(site, file === '/' ? 'index.html' : file) + suffix;
        return sum + (fs.existsSync(copy) ? fs.statSync(copy).size : bytes);
      }, 0);
      const budget = language === 'en' ? 120000 : 140000;
      console.log(`first visit in ${language}: ${visit.bytes} bytes in ${visit.files.length} files ` +
        `(budget ${budget}${visit.bytes > budget ? ', OVER' : ''}), ${fonts} of them faces; ` +
        `${compressed('.gz')} gzip, ${compressed('.br')} brotli; besides, ${visit.browser} the browser's ` +
        `own (manifest, icons), then ${visit.kept} kept for offline use (largest: ` +
        `${visit.files.slice(0, 3).map(([file, bytes]) => `${file} ${bytes}`).join(', ')})`);
      await speaking.close();
    }

    const phones = [];
    for (let run = 0; run < runs; ++run) phones.push(await slowPhone(browser, server.origin));
    console.log(`Slow 4G, CPU x4, plain server: splash after ${median(phones.map((p) => p.splash))} ms ` +
      `(goal 1200), first total after ${median(phones.map((p) => p.total))} ms (goal 1600), median of ${runs}`);

    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.setViewport({ width: 1024, height: 768 });
    await page.goto(server.origin);
    await waitFor('the splash', async () => (await state(page)) === 'splash', 30);
    await page.click('#cmdStart');
    await page.click('#optStep40');
    // A press of ROLL to its total in the page, ready for the next frame.
    const press = await page.evaluate(() => {
      const times = [];
      for (let i = 0; i < 1000; ++i) {
        const start = performance.now();
        document.getElementById('Command1').click();
        times.push(performance.now() - start);
      }
      times.sort((a, b) => a - b);
      return { median: times[500], worst: times[999] };
    });
    console.log(`ROLL to its total on the page: median ${press.median.toFixed(3)} ms, worst ` +
      `${press.worst.toFixed(3)} ms of 1000 (a frame is 16.7 ms)`);
    // The renderers' resident memory, before and after: the module's memory is no part of the
    // JS heap. Only this browser's, found from its process down: other Chromiums may run on the
    // same machine.
    const resident = () => {
      const processes = execFileSync('ps', ['-e', '-o', 'pid=,ppid=,rss=,args='], { encoding: 'utf8' })
        .split('\n').filter(Boolean).map((line) => {
          const [pid, ppid, rss, ...args] = line.trim().split(/\s+/);
          return { pid: Number(pid), ppid: Number(ppid), rss: Number(rss), args: args.join(' ') };
        });
      const ours = new Set([browser.process().pid]);
      for (let grown = true; grown;) {
        grown = false;
        for (const { pid, ppid } of processes) {
          if (ours.has(ppid) && !ours.has(pid)) { ours.add(pid); grown = true; }
        }
      }
      return processes.filter(({ pid, args }) => ours.has(pid) && args.includes('--type=renderer'))
        .reduce((sum, { rss }) => sum + rss, 0) / 1024;
    };
    const cdp = await page.target().createCDPSession();
    await cdp.send('HeapProfiler.collectGarbage');
    const before = resident();
    // A thousand presses a frame, as fast as the page lets them come.
    await page.evaluate(async () => {
      for (let i = 0; i < 99; ++i) {
        for (let j = 0; j < 1000; ++j) document.getElementById('Command1').click();
        await new Promise((resolve) => requestAnimationFrame(resolve));
      }
    });
    await cdp.send('HeapProfiler.collectGarbage');
    const metrics = await page.metrics();
    const after = resident();
    console.log(`after 100,000 rolls: JS heap ${(metrics.JSHeapUsedSize / 1e6).toFixed(1)} MB, ` +
      `${metrics.Nodes} DOM nodes, the browser's renderers ${after.toFixed(0)} MB resident, ` +
      `${(after - before).toFixed(0)} MB more than after 1,000`);
    // Scrolling the log of 100,000 rolls: the frames while it moves 12 rows a frame for two seconds.
    await page.keyboard.down('Control');
    await page.keyboard.press('l');
    await page.keyboard.up('Control');
    const scroll = await page.evaluate(() => new Promise((resolve) => {
      const grid = document.getElementById('lstRolls');
      const frames = [];
      let last = performance.now();
      const end = last + 2000;
      (function frame(now) {
        frames.push(now - last);
        last = now;
        grid.scrollTop += 12 * 22;
        if (now < end) requestAnimationFrame(frame);
        else resolve({ count: frames.length, worst: Math.max(...frames.slice(1)),
          rows: Number(grid.getAttribute('aria-rowcount')) });
      }(last));
    }));
    console.log(`scrolling the log of ${scroll.rows} rolls: ${(scroll.count / 2).toFixed(0)} frames a ` +
      `second, worst frame ${scroll.worst.toFixed(1)} ms`);
    await context.close();
  } finally {
    await browser.close();
    await server.close();
  }
})().catch((error) => {
  console.error(error);
  process.exit(1);
});
