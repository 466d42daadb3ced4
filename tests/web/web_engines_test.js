'use strict';
// The web edition in the two other engines players use: Firefox ESR (headless, through
// WebDriver BiDi, with no WebGL) and WebKitGTK, Safari's engine (its MiniBrowser driven by
// WebKitWebDriver on the virtual screen that xvfb-run gives the test). In each the page starts
// under its security policy, the splash leads to the main window, a step is chosen by the
// keyboard and rolled, the chance shows, and the roll log opens as a dialog.
//   web_engines_test.js SITE_DIR WORK_DIR
const { spawn } = require('child_process');
const fs = require('fs');
const net = require('net');
const path = require('path');
const puppeteer = require('puppeteer-core');
const { serve, waitFor, checks } = require('./browser.js');

const [site, work] = process.argv.slice(2);
fs.mkdirSync(work, { recursive: true });
const { check, finish } = checks();

// What a player does, as script run in the page; gives what the page then shows.
const PLAY = `
  const $ = (id) => document.getElementById(id);
  const wait = (probe) => new Promise((resolve, reject) => {
    const deadline = Date.now() + 20000;
    (function poll() {
      if (probe()) resolve(); else if (Date.now() > deadline) reject(new Error('timed out'));
      else setTimeout(poll, 50);
    }());
  });
  const violations = [];
  document.addEventListener('securitypolicyviolation', (event) => violations.push(event.violatedDirective));
  await wait(() => document.body.dataset.state === 'splash');
  $('cmdStart').click();
  $('optStep8').click();
  $('Command1').click();
  const total = $('lblTotal').textContent;
  $('actDifficulty').click();
  const field = $('txtDifficulty');
  field.value = '9';
  field.dispatchEvent(new Event('input', { bubbles: true }));
  const chance = $('lblChance').textContent;
  $('actRollLog').click();
  return { state: document.body.dataset.state, total, chance, violations,
    logOpen: $('frmRollLog').open, rows: $('lstRolls').getAttribute('aria-rowcount'),
    webgl: Boolean(document.createElement('canvas').getContext('webgl')) };
`;

function judge(browser, shown) {
  check(`${browser}: the program runs`, shown.state === 'running');
  check(`${browser}: ROLL shows a total (${shown.total})`, /^\d+$|^Rule of One$/.test(shown.total));
  check(`${browser}: the chance shows (${shown.chance})`, /^Chance of success: [\d.]+%/.test(shown.chance));
  check(`${browser}: the roll log opens with its roll`, shown.logOpen && shown.rows === '1');
  check(`${browser}: nothing breaks the page's policy (${shown.violations})`, shown.violations.length === 0);
}

async function firefox(origin) {
  const browser = await puppeteer.launch({
    browser: 'firefox', executablePath: process.env.FIREFOX || '/usr/bin/firefox-esr',
    headless: true, extraPrefsFirefox: { 'webgl.disabled': true, 'intl.accept_languages': 'en-US' },
  });
  try {
    const page = await browser.newPage();
    await page.goto(`${origin}/`);
    const shown = await page.evaluate(`(async () => { ${PLAY} })()`);
    check('Firefox: without WebGL', !shown.webgl);
    judge('Firefox', shown);
    await page.screenshot({ path: path.join(work, 'firefox.png') });
  } finally {
    await browser.close();
  }
}

const freePort = () => new Promise((resolve) => {
  const server = net.createServer().listen(0, '127.0.0.1', () => {
    const { port } = server.address();
    server.close(() => resolve(port));
  });
});

async function webkit(origin) {
  if (!process.env.DISPLAY) throw new Error('WebKitGTK needs a screen: run this test under xvfb-run');
  const port = await freePort();
  const driver = spawn('WebKitWebDriver', [`--port=${port}`], { stdio: 'ignore' });
  const url = `http://127.0.0.1:${port}`;
  const call = async (method, where, body) => {
    const response = await fetch(`${url}${where}`, {
      method, headers: { 'Content-Type': 'application/json' },
      body: body && JSON.stringify(body),
    });
    const answer = await response.json();
    if (!response.ok) throw new Error(JSON.stringify(answer.value));
    return answer.value;
  };
  try {
    await waitFor('WebKitWebDriver', () => fetch(`${url}/status`).then((r) => r.ok, () => false), 30);
    const miniBrowser = fs.readdirSync('/usr/lib').flatMap((arch) => ['4.1', '4.0']
      .map((api) => `/usr/lib/${arch}/webkit2gtk-${api}/MiniBrowser`)).find(fs.existsSync);
    const session = await call('POST', '/session', { capabilities: { alwaysMatch: {
      'webkitgtk:browserOptions': { binary: miniBrowser, args: ['--automation'] } } } });
    const id = session.sessionId;
    await call('POST', `/session/${id}/url`, { url: `${origin}/` });
    const shown = await call('POST', `/session/${id}/execute/async`, {
      script: `const done = arguments[arguments.length - 1];
        (async () => { ${PLAY} })().then(done, (error) => done({ error: String(error) }));`,
      args: [],
    });
    judge('WebKitGTK', shown);
    const shot = await call('GET', `/session/${id}/screenshot`);
    fs.writeFileSync(path.join(work, 'webkit.png'), Buffer.from(shot, 'base64'));
    await call('DELETE', `/session/${id}`);
  } finally {
    driver.kill();
  }
}

(async () => {
  const server = await serve(site);
  try {
    await firefox(server.origin);
    await webkit(server.origin);
  } finally {
    await server.close();
  }
  finish();
})().catch((error) => {
  console.error(error);
  process.exit(1);
});
