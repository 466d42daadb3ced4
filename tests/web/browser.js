'use strict';
// Shared by the web edition's browser tests and its benchmark: a static server on 127.0.0.1 for
// a folder, Debian's Chromium started headless through puppeteer-core, bounded waits, and the
// accessibility tree as a screen reader reads it.
const fs = require('fs');
const http = require('http');
const path = require('path');
const puppeteer = require('puppeteer-core');

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.png': 'image/png', '.jpg': 'image/jpeg', '.svg': 'image/svg+xml', '.txt': 'text/plain',
  '.webmanifest': 'application/manifest+json', '.css': 'text/css', '.json': 'application/json',
  '.woff2': 'font/woff2',
};

// Serves `root` on a free port of 127.0.0.1; resolves to { origin, requests, sent, close }, where
// sent has the name and size of each file it sent (as sent, compressed or not), and whether the
// service worker asked for it (its own script, or a fetch of the worker's). With
// `compress`, a file's .gz copy goes to a browser that takes gzip, as servers that serve
// precompressed files do. A file named in `missing` is not found, as on a site copied in part.
// `onSent` is told the path of each file once it is sent, for a deploy in the middle of a visit.
// close() stops the server at once, as a network gone: the browser's open connections too.
function serve(root, { compress = false, missing = null, onSent = () => {} } = {}) {
  const requests = [];
  const sent = [];
  const server = http.createServer((request, response) => {
    const url = new URL(request.url, 'http://127.0.0.1');
    requests.push(url.pathname);
    const relative = decodeURIComponent(url.pathname).replace(/^\/+/, '') || 'index.html';
    const file = path.resolve(root, relative);
    if (!file.startsWith(path.resolve(root) + path.sep) || relative === missing || !fs.existsSync(file) ||
        !fs.statSync(file).isFile()) {
      response.writeHead(404).end();
      return;
    }
    const gzipped = compress && /\bgzip\b/.test(request.headers['accept-encoding'] || '') &&
      fs.existsSync(`${file}.gz`);
    const body = fs.readFileSync(gzipped ? `${file}.gz` : file);
    response.writeHead(200, {
      'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream',
      'Content-Length': body.length,
      ...(gzipped ? { 'Content-Encoding': 'gzip' } : {}),
    });
    response.end(body);
    const referrer = request.headers.referer ? new URL(request.headers.referer).pathname : '';
    sent.push({ name: url.pathname, bytes: body.length,
      worker: 'service-worker' in request.headers || referrer === '/service-worker.js' });
    onSent(url.pathname);
  });
  return new Promise((resolve) => {
    server.listen(0, '127.0.0.1', () => {
      resolve({
        origin: `http://127.0.0.1:${server.address().port}`,
        requests,
        sent,
        close: () => new Promise((done) => {
          server.close(done);
          server.closeAllConnections();
        }),
      });
    });
  });
}

// Headless Chromium with no GPU and no WebGL, and none of its own network traffic.
// `extra` adds arguments, such as --lang=de for a German browser.
function launch(extra = []) {
  return puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-webgl', '--disable-background-networking', '--disable-component-update', '--disable-sync',
      '--disable-quic', '--no-first-run', '--disable-default-apps', ...extra],
  });
}

// A page that is loading again has no context to evaluate in for a moment: ask again.
const reloading = /Execution context was destroyed|Cannot find context|context with specified id/;

// Calls probe until it gives something truthy; fails after `seconds`.
async function waitFor(what, probe, seconds = 60) {
  const deadline = Date.now() + seconds * 1000;
  for (;;) {
    const found = await Promise.resolve().then(probe).catch((error) => {
      if (reloading.test(error.message) && Date.now() <= deadline) return null;
      throw error;
    });
    if (found) return found;
    if (Date.now() > deadline) throw new Error(`timed out waiting for ${what}`);
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
}

// The page's state: loading, splash, running, ended or failed.
const state = (page) => page.evaluate(() => document.body?.dataset.state);
// What the page has given screen readers to speak at once since it was opened (by open() in
// web_test.js), each text the announcement region was given, in order.
const listen = (page) => page.evaluate(() => {
  const region = document.getElementById('announcement');
  window.dicewrightSaid = [];
  new MutationObserver(() => {
    if (region.textContent) window.dicewrightSaid.push(region.textContent);
  }).observe(region, { childList: true, characterData: true, subtree: true });
});
const announced = (page) => page.evaluate(() => window.dicewrightSaid);

// A test's PASS and FAIL lines; finish() prints their count and ends the process, failing if any
// check failed.
function checks() {
  let passed = 0;
  let failed = 0;
  return {
    check(what, condition) {
      console.log(`${condition ? 'PASS' : 'FAIL'}: ${what}`);
      if (condition) ++passed; else ++failed;
    },
    finish() {
      console.log(`${passed} passed, ${failed} failed`);
      process.exit(failed === 0 ? 0 : 1);
    },
  };
}

// The tree a screen reader reads: its nodes in reading order, as { role, name, checked,
// focused, description, backend, depth, node }.
async function readTree(cdp) {
  const { nodes } = await cdp.send('Accessibility.getFullAXTree');
  const byId = new Map(nodes.map((node) => [node.nodeId, node]));
  const read = [];
  const property = (node, name) => (node.properties || []).find((p) => p.name === name)?.value?.value;
  (function walk(node, depth) {
    if (!node) return;
    if (!node.ignored) {
      read.push({
        role: node.role?.value, name: node.name?.value || '', description: node.description?.value || '',
        checked: property(node, 'checked'), focused: property(node, 'focused') === true,
        backend: node.backendDOMNodeId, depth, node,
      });
    }
    for (const child of node.childIds || []) walk(byId.get(child), depth + 1);
  }(nodes[0], 0));
  return read;
}
const find = (tree, role, name) => tree.find((n) => n.role === role && (name === undefined || n.name === name));

// What a screen reader's activation does: a click on the node's element.
async function activate(cdp, node) {
  const { object } = await cdp.send('DOM.resolveNode', { backendNodeId: node.backend });
  await cdp.send('Runtime.callFunctionOn', { objectId: object.objectId, functionDeclaration: 'function () { this.click(); }' });
}

module.exports = { serve, launch, waitFor, state, listen, announced, checks, readTree, find, activate };

// The bytes a first visit fetches from `server` (as serve gives it) with an empty cache: what the
// server sends for the page until the program is ready for its first roll (its main window up,
// with the faces it writes), and apart from that what the browser asks for itself (the manifest
// and the icons, for the tab and for installing) and what the service worker then keeps for
// offline use, once its cache is full. Each request is told apart by who asked for it, not by
// when it came, so that none is counted twice however early the worker starts. Gives { bytes,
// files: [[name, bytes]...] (the page's, largest first), browser, kept }.
async function firstVisitBytes(browser, server) {
  const from = server.sent.length;
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  const shown = () => page.evaluate(() => document.body.dataset.state);
  await page.goto(server.origin);
  await waitFor('the splash', async () => (await shown()) === 'splash', 30);
  await page.click('#cmdStart');
  await waitFor('the main window', async () => (await shown()) === 'running', 30);
  await page.evaluate(() => document.fonts.ready);
  const ready = server.sent.length;
  await waitFor('the files kept for offline use', () => page.evaluate(async () =>
    document.body.dataset.offline === 'ready' && (await caches.keys()).length === 1), 60);
  await context.close();
  const browsers = /^\/(manifest[^/]*\.webmanifest|icons\/)/;
  const sum = (sent) => sent.reduce((total, { bytes }) => total + bytes, 0);
  const visit = server.sent.slice(from, ready).filter(({ name, worker }) => !worker && !browsers.test(name));
  const fetched = new Map();
  for (const { name, bytes } of visit) fetched.set(name, (fetched.get(name) || 0) + bytes);
  return {
    bytes: sum(visit), files: [...fetched.entries()].sort((a, b) => b[1] - a[1]),
    browser: sum(server.sent.slice(from, ready).filter(({ name, worker }) => !worker && browsers.test(name))),
    kept: sum(server.sent.slice(from).filter(({ worker }) => worker)),
  };
}
module.exports.firstVisitBytes = firstVisitBytes;
