// The page's texts, numbers and dates in the player's language. The texts come from the
// program's own catalogues: the build turns each into texts-LANGUAGE.json, and the page fetches
// only the player's. Numbers and dates follow the browser's Intl for the player's language and
// region.

// The languages the site speaks, as the build lists them on the page.
const spoken = (document.documentElement.dataset.languages || 'en').split(' ');

// The first of the player's languages that the site speaks, with the first of the player's
// tags in that language for its region's forms ("de-AT"); English in American forms for
// anything else.
export function chooseLanguage(preferred) {
  const tags = preferred.map((tag) => String(tag).replace('_', '-'));
  const primary = (tag) => tag.toLowerCase().split('-')[0];
  const language = tags.map(primary).find((code) => spoken.includes(code)) || 'en';
  const locale = tags.find((tag) => primary(tag) === language) || 'en-US';
  return { language, locale };
}

let catalogue = {};
let locale = 'en-US';
let plurals = new Intl.PluralRules('en-US');
// The formats of the chosen locale, each made once.
const formats = new Map();

// Takes the language's catalogue (English has only its plural forms).
export async function loadTexts(chosen) {
  locale = chosen.locale;
  try {
    Intl.getCanonicalLocales(locale);
  } catch {
    locale = chosen.language;
  }
  plurals = new Intl.PluralRules(locale);
  formats.clear();
  const response = await fetch(`texts-${chosen.language}.json`);
  if (!response.ok) throw new Error(`texts-${chosen.language}.json: ${response.status}`);
  catalogue = await response.json();
}

// A text in the player's language, as Qt's tr() gives it: `context` is the class that shows it
// in the desktop program, `disambiguation` tells apart two meanings of one word, and a count
// `n` picks the plural form by the language's own rules (by category, never by position).
// Its name is the one Qt's lupdate looks for in JavaScript.
export function qsTranslate(context, source, disambiguation = '', n = undefined) {
  const key = disambiguation ? `${context}\u0004${source}\u0004${disambiguation}`
                             : `${context}\u0004${source}`;
  const found = catalogue[key];
  let text = source;
  if (typeof found === 'string') {
    text = found;
  } else if (found && n !== undefined) {
    text = found[plurals.select(n)] ?? found.other;
  }
  return n === undefined ? text : text.replace(/%n/g, formatCount(n));
}

// Puts arguments into a text's %1, %2... in one pass, in any order the language puts them.
export function arg(text, ...values) {
  return text.replace(/%(\d)/g, (all, n) => (n - 1 < values.length ? String(values[n - 1]) : all));
}

function format(key, make) {
  if (!formats.has(key)) formats.set(key, make());
  return formats.get(key);
}

// A whole number with the language's digit groups: "1,152,000", "1.152.000".
export function formatCount(value) {
  return format('count', () => new Intl.NumberFormat(locale, { maximumFractionDigits: 0 }))
    .format(value);
}

// A number to so many decimals: "8.58", "8,58".
export function formatFixed(value, decimals) {
  return format(`fixed${decimals}`, () => new Intl.NumberFormat(locale,
    { minimumFractionDigits: decimals, maximumFractionDigits: decimals })).format(value);
}

// A day as the roll log writes it: "Wednesday, December 9, 2026".
export function formatDay(date) {
  return format('day', () => new Intl.DateTimeFormat(locale, { dateStyle: 'full' })).format(date);
}

// A time of day with its seconds, on the region's clock: "9:07:45 PM", "21:07:45".
export function formatTime(date) {
  return format('time', () => new Intl.DateTimeFormat(locale, { timeStyle: 'medium' }))
    .format(date);
}
