// Finds the letters each language of the site writes, from its texts (texts-LANGUAGE.json) and
// from what its locale writes through Intl (month and day names, times, digit groups, percent
// signs), and sorts them into the parts the faces are cut in: basic (what English writes), the
// other Latin letters and signs, and Cyrillic. Writes one list of code points per part, for
// pyftsubset, and the page's style sheet with the faces' rules first, each part named by its
// letters (unicode-range) so that a browser fetches only the parts a text needs, and which parts
// each language writes (parts.json), so that the service worker keeps only those.
//
//   node face_letters.mjs LETTERS_DIR STYLE_IN STYLE_OUT texts-en.json texts-de.json ...
import fs from 'node:fs';
import path from 'node:path';

const [lettersDir, styleIn, styleOut, ...files] = process.argv.slice(2);

// The faces the page draws with, by file, as the style sheet names them.
const FACES = [
  ['LiberationSansNarrow-Regular', 'Dicewright Narrow', 400],
  ['LiberationSansNarrow-Bold', 'Dicewright Narrow', 700],
  ['LiberationSans-Regular', 'Dicewright Sans', 400],
  ['LiberationSans-Bold', 'Dicewright Sans', 700],
  ['tahoma', 'Dicewright Dialog', 400],
];
// What the page writes in any language: ASCII, the dice texts' dot, dashes and minus, the
// no-break spaces of numbers, and the check mark of a chosen menu item.
const ALWAYS = [[0x20, 0x7e], [0xa0, 0xa0], [0xb7, 0xb7], [0x2010, 0x2027], [0x202f, 0x202f],
  [0x2212, 0x2212], [0x2713, 0x2713]];
const isCyrillic = (code) => code >= 0x400 && code <= 0x52f;

// What a locale writes of dates, times and numbers: every month and weekday in full.
function localeWriting(locale) {
  const day = new Intl.DateTimeFormat(locale, { dateStyle: 'full' });
  const time = new Intl.DateTimeFormat(locale, { timeStyle: 'medium' });
  const written = [];
  for (let month = 0; month < 12; ++month) {
    for (let date = 1; date <= 7; ++date) written.push(day.format(new Date(2026, month, date, 21)));
  }
  written.push(time.format(new Date(2026, 0, 1, 9)), time.format(new Date(2026, 0, 1, 21)));
  written.push(new Intl.NumberFormat(locale).format(-1152000.5),
    new Intl.NumberFormat(locale, { style: 'percent', minimumFractionDigits: 1 }).format(0.755));
  return written.join('');
}

function textsOf(file) {
  const texts = JSON.parse(fs.readFileSync(file, 'utf8'));
  const written = [];
  for (const [key, value] of Object.entries(texts)) {
    written.push(key.split('\u0004')[1]);
    written.push(...(typeof value === 'string' ? [value] : Object.values(value)));
  }
  return written.join('');
}

const codes = (text) => new Set([...text].map((letter) => letter.codePointAt(0)));

const parts = { basic: new Set(), latin: new Set(), cyrillic: new Set() };
for (const [low, high] of ALWAYS) for (let code = low; code <= high; ++code) parts.basic.add(code);
const written = new Map();
for (const file of files.filter((name) => /texts-[a-z]+\.json$/.test(name))) {
  const language = path.basename(file).match(/texts-([a-z]+)\.json$/)[1];
  written.set(language, codes(textsOf(file) + localeWriting(language)));
}
// English first: what it writes is the basic part, which every language fetches.
for (const code of written.get('en') || []) if (code >= 0x20) parts.basic.add(code);
const partsOf = {};
for (const [language, letters] of written) {
  const needed = new Set(['basic']);
  for (const code of letters) {
    if (code < 0x20 || parts.basic.has(code)) continue;
    const part = isCyrillic(code) ? 'cyrillic' : 'latin';
    parts[part].add(code);
    needed.add(part);
  }
  partsOf[language] = [...needed];
}
fs.mkdirSync(lettersDir, { recursive: true });
fs.writeFileSync(path.join(lettersDir, 'parts.json'), `${JSON.stringify(partsOf)}\n`);

// Code points as the fewest ranges: "U+0020-007E, U+00A0".
function ranges(set) {
  const sorted = [...set].sort((a, b) => a - b);
  const hex = (code) => code.toString(16).toUpperCase().padStart(4, '0');
  const found = [];
  for (const code of sorted) {
    const last = found[found.length - 1];
    if (last && code === last[1] + 1) last[1] = code; else found.push([code, code]);
  }
  return found.map(([low, high]) => (low === high ? `U+${hex(low)}` : `U+${hex(low)}-${hex(high)}`));
}

const rules = [];
for (const [part, letters] of Object.entries(parts)) {
  fs.writeFileSync(path.join(lettersDir, `${part}.txt`), `${ranges(letters).join('\n')}\n`);
  for (const [file, family, weight] of FACES) {
    rules.push(`@font-face { font-family: "${family}"; src: url("fonts/${file}-${part}.woff2") ` +
      `format("woff2"); font-weight: ${weight}; font-display: swap;\n` +
      `             unicode-range: ${ranges(letters).join(', ')}; }`);
  }
}
fs.writeFileSync(styleOut, `${rules.join('\n')}\n${fs.readFileSync(styleIn, 'utf8')}`);
