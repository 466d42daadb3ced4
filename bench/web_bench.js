'use strict';
// The web edition's size, raw and gzipped, and the time from navigation to the splash window
// drawn, each against a bare Qt Widgets window built the same way (Qt's own page and loader),
// measured in the same run, in Debian's Chromium; then the splash on a slow phone network, and
// from the service worker's cache with the network off. Each visit starts with an empty cache.
//   NODE_PATH=... node web_bench.js SITE_DIR BARE_WINDOW_DIR [RUNS]
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const { serve, launch, waitFor, pixels, box, colourAt } = require('../tests/web/browser');

const [site, bareDir, runsText] = process.argv.slice(2);
const runs = Number(runsText || 5);

// Every file of a folder, or the named ones.
function files(dir, names) {
  if (names) return names.map((name) => path.join(dir, name));
  return fs.readdirSync(dir, { withFileTypes: true }).flatMap((entry) =>
    entry.isDirectory() ? files(path.join(dir, entry.name)) : [path.join(dir, entry.name)]);
}
function sizes(list) {
  let raw = 0, gzipped = 0;
  for (const file of list) {
    const data = fs.readFileSync(file);
    raw += data.length;
    gzipped += zlib.gzipSync(data, { level: 9 }).length;
  }
  return { raw, gzipped };
}

// Milliseconds from navigation until the program's first window is drawn: once the page shows
// Qt's canvas (`started`), the first screenshot that `drawn` accepts.
async function firstWindow(browser, url, started, drawn, prepare) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({ width: 1024, height: 768 });
  if (prepare) await prepare(page);
  const start = Date.now();
  await page.goto(url);
  await waitFor('the canvas shown', () => page.evaluate(started), 120);
  await waitFor('a window drawn', async () => drawn((await pixels(page)).png), 120);
  const elapsed = Date.now() - start;
  await context.close();
  return elapsed;
}

// The splash window: 492 pixels of something that stands out from Qt's empty screen.
function splashDrawn(png) {
  const [r0, g0, b0] = colourAt(png, 1, 1);
  const found = box(png, (r, g, b) => Math.abs(r - r0) + Math.abs(g - g0) + Math.abs(b - b0) > 24);
  return found && found.width >= 489;
}
// The bare window, which Qt gives the whole page: its grey instead of the page's white.
function bareDrawn(png) {
  const [r, g, b] = colourAt(png, png.width >> 1, png.height >> 1);
  return r < 250 && Math.abs(r - g) < 4 && Math.abs(g - b) < 4;
}
const median = (values) => values.slice().sort((a, b) => a - b)[Math.floor(values.length / 2)];

(async () => {
  const bareFiles = ['bare_window.html', 'bare_window.js', 'bare_window.wasm', 'qtloader.js', 'qtlogo.svg'];
  // What a player downloads: every file but the precompressed copies, which a server sends in
  // place of the file.
  const ours = sizes(files(site).filter((file) => !/\.(gz|br)$/.test(file)));
  const bare = sizes(files(bareDir, bareFiles));
  const ourWasm = sizes([path.join(site, 'dicewright.wasm')]);
  const bareWasm = sizes([path.join(bareDir, 'bare_window.wasm')]);
  for (const kind of ['raw', 'gzipped']) {
    console.log(`site ${kind}: ${ours[kind]} bytes   bare window ${bare[kind]} bytes   ratio ${(ours[kind] / bare[kind]).toFixed(2)}`);
    console.log(`  .wasm ${kind}: ${ourWasm[kind]} bytes   bare window ${bareWasm[kind]} bytes   ratio ${(ourWasm[kind] / bareWasm[kind]).toFixed(2)}`);
  }

  const siteServer = await serve(site);
  const bareServer = await serve(bareDir);
  const browser = await launch();
  try {
    const times = { ours: [], bare: [] };
    for (let run = 0; run < runs; ++run) {
      times.ours.push(await firstWindow(browser, siteServer.origin,
        () => document.body.dataset.state === 'running', splashDrawn));
      times.bare.push(await firstWindow(browser, `${bareServer.origin}/bare_window.html`,
        () => getComputedStyle(document.getElementById('qtspinner')).display === 'none', bareDrawn));
    }
    const ourMedian = median(times.ours);
    const bareMedian = median(times.bare);
    console.log(`navigation to splash drawn: ${ourMedian} ms   bare window ${bareMedian} ms   ratio ${(ourMedian / bareMedian).toFixed(2)}   (median of ${runs})`);

    // A phone on a slow network: Chromium's "Slow 4G" with the CPU slowed four times, from a
    // plain server and from one that serves the precompressed copies.
    const slow = async (page) => {
      const cdp = await page.target().createCDPSession();
      await cdp.send('Network.enable');
      await cdp.send('Network.emulateNetworkConditions', { offline: false, latency: 150,
        downloadThroughput: 1.6e6 / 8, uploadThroughput: 0.75e6 / 8 });
      await cdp.send('Emulation.setCPUThrottlingRate', { rate: 4 });
    };
    const running = () => document.body.dataset.state === 'running';
    const plain = await firstWindow(browser, siteServer.origin, running, splashDrawn, slow);
    console.log(`Slow 4G, CPU x4, plain server: splash drawn after ${plain} ms`);
    const gzipServer = await serve(site, { compress: true });
    try {
      const gzipped = await firstWindow(browser, gzipServer.origin, running, splashDrawn, slow);
      console.log(`Slow 4G, CPU x4, gzip served: splash drawn after ${gzipped} ms`);
    } finally {
      await gzipServer.close();
    }

    // Once visited, from the service worker's cache with the network off.
    const offline = [];
    for (let run = 0; run < runs; ++run) {
      offline.push(await firstWindow(browser, siteServer.origin, running, splashDrawn, async (page) => {
        await page.goto(siteServer.origin);
        await waitFor('the service worker', () => page.evaluate(async () =>
          (await navigator.serviceWorker.getRegistration())?.active?.state === 'activated'), 120);
        await page.setOfflineMode(true);
      }));
    }
    console.log(`offline, from the service worker's cache: splash drawn after ${median(offline)} ms   (median of ${runs})`);
  } finally {
    await browser.close();
    await siteServer.close();
    await bareServer.close();
  }
})();
