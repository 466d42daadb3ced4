'use strict';
// Shared by the web edition's browser test and its benchmark: a static server on 127.0.0.1 for
// a folder, Debian's Chromium started headless through puppeteer-core, and screenshots read as
// pixels, so that what Qt draws on its canvas can be found and measured.
const fs = require('fs');
const http = require('http');
const path = require('path');
const puppeteer = require('puppeteer-core');
const { PNG } = require('pngjs');

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.png': 'image/png', '.jpg': 'image/jpeg', '.svg': 'image/svg+xml', '.txt': 'text/plain',
  '.webmanifest': 'application/manifest+json',
};

// Serves `root` on a free port of 127.0.0.1; resolves to { origin, requests, close }. With
// `compress`, a file's .gz copy goes to a browser that takes gzip, as servers that serve
// precompressed files do. A file named in `missing` is not found, as on a site copied in part.
function serve(root, { compress = false, missing = null } = {}) {
  const requests = [];
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
  });
  return new Promise((resolve) => {
    server.listen(0, '127.0.0.1', () => {
      resolve({
        origin: `http://127.0.0.1:${server.address().port}`,
        requests,
        close: () => new Promise((done) => server.close(done)),
      });
    });
  });
}

// Headless Chromium with software WebGL (Qt draws its windows through WebGL), and none of its
// own network traffic.
// `extra` adds arguments, such as --lang=de for a German browser.
function launch(extra = []) {
  return puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      '--disable-quic', '--no-first-run', '--disable-default-apps', ...extra],
  });
}

// A page that is loading again has no context to evaluate in for a moment: ask again.
const reloading = /Execution context was destroyed|Cannot find context|context with specified id/;

// Calls probe until it gives something truthy; fails after `seconds`.
async function waitFor(what, probe, seconds = 60) {
  const deadline = Date.now() + seconds * 1000;
  for (;;) {
    const found = await probe().catch((error) => {
      if (reloading.test(error.message) && Date.now() <= deadline) return null;
      throw error;
    });
    if (found) return found;
    if (Date.now() > deadline) throw new Error(`timed out waiting for ${what}`);
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
}

// The page as pixels: { png, scale }, scale being screenshot pixels per CSS pixel.
async function pixels(page, file) {
  const buffer = await page.screenshot(file ? { path: file } : {});
  const png = PNG.sync.read(buffer);
  const cssWidth = await page.evaluate(() => window.innerWidth);
  return { png, scale: png.width / cssWidth };
}

// The bounding box, in screenshot pixels, of the pixels for which matches(r, g, b) holds.
function box(png, matches) {
  let left = Infinity, top = Infinity, right = -1, bottom = -1;
  for (let y = 0; y < png.height; ++y) {
    for (let x = 0; x < png.width; ++x) {
      const i = 4 * (y * png.width + x);
      if (!matches(png.data[i], png.data[i + 1], png.data[i + 2])) continue;
      left = Math.min(left, x); right = Math.max(right, x);
      top = Math.min(top, y); bottom = Math.max(bottom, y);
    }
  }
  if (right < 0) return null;
  return { left, top, right, bottom, width: right - left + 1, height: bottom - top + 1 };
}

// The colour at a pixel, as [r, g, b].
function colourAt(png, x, y) {
  const i = 4 * (y * png.width + x);
  return [png.data[i], png.data[i + 1], png.data[i + 2]];
}

// The main window's dark green, RGB(0, 64, 0), as a screenshot shows it.
const isGreen = (r, g, b) => r < 12 && g > 52 && g < 76 && b < 12;

// What the program's page says: its state (loading, running, ended...) and the total last
// announced to screen readers.
const state = (page) => page.evaluate(() => document.body.dataset.state);
const announced = (page) => page.evaluate(() => document.getElementById('announcement').textContent);

// A control's place in CSS pixels, { x, y, width, height }, from the program's own geometry:
// the mirror element named `name` (its text, or its label) with the role given.
function rectOf(page, role, name) {
  return page.evaluate((role, name) => {
    const all = [...document.querySelectorAll('#mirror [data-rect]')];
    const roleOf = (element) => element.getAttribute('role') || element.localName;
    const found = all.find((element) => roleOf(element) === role &&
      (element.textContent === name || element.getAttribute('aria-label') === name));
    if (!found) return null;
    const [x, y, width, height] = found.dataset.rect.split(' ').map(Number);
    const [sx, sy, swidth, sheight] = (found.dataset.shown || found.dataset.rect).split(' ').map(Number);
    return { x, y, width, height, shown: { x: sx, y: sy, width: swidth, height: sheight } };
  }, role, name);
}
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

module.exports = {
  serve, launch, waitFor, pixels, box, colourAt, isGreen, state, announced, checks, rectOf, readTree, find,
  activate,
};
