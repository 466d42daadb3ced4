// Starts Dicewright in the page: the player's language, the engine, the splash window, then the
// main window with its menu and roll log; and the program's end, with the offer to start again.
import { failureOf, startEngine } from './engine.js';
import { MainWindow } from './main_window.js';
import { Menu } from './menu.js';
import { keepForOffline } from './offline.js';
import { RollLog } from './roll_log.js';
import { arg, chooseLanguage, loadTexts, qsTranslate } from './texts.js';
import { chatLine } from './wording.js';
import './page_texts.js';

// A module that has not arrived by then is not coming: the page says so rather than wait.
const ENGINE_SECONDS = 20;
const KEEP_AFTER_MS = 5000;
const $ = (id) => document.getElementById(id);
const product = document.title;

// The page's own texts, beyond the windows'.
const PAGE = globalThis.dicewrightPageTexts;
const say = (text, ...values) => arg(qsTranslate(text.context, text.source), ...values);

function show(state, text) {
  document.body.dataset.state = state;
  $('frmSplash').hidden = state !== 'splash';
  $('Dicewright').hidden = state !== 'running';
  $('cover').hidden = state === 'splash' || state === 'running';
  if (text !== undefined) $('status').textContent = text;
  $('again').hidden = state !== 'ended' && state !== 'failed';
  if (!$('again').hidden) $('again').focus();
}

// The program ends: its windows go and the page offers to start it again.
function end(error) {
  if ($('frmRollLog').open) $('frmRollLog').close();
  if (error) {
    // The desktop's words for the same failure, from the engine's one table of them.
    const failure = failureOf(error);
    show('failed', say(PAGE.stopped, product, qsTranslate(failure.context, failure.words)));
  } else {
    show('ended', say(PAGE.ended, product));
  }
}

function translatePage(language) {
  document.documentElement.lang = language;
  for (const element of document.querySelectorAll('[data-text]')) {
    const [context, source] = element.dataset.text.split('|');
    const text = qsTranslate(context, source);
    // A menu item keeps its key beside its words.
    const key = element.querySelector('kbd');
    element.textContent = text;
    if (key) element.append(' ', key);
  }
  document.querySelector('meta[name="description"]').content = say(PAGE.description);
  if (language !== 'en') {
    document.querySelector('link[rel="manifest"]').href = `manifest-${language}.webmanifest`;
  }
  $('again').textContent = say(PAGE.again, product);
  $('offline-text').textContent = say(PAGE.offline, product);
}

// What was copied last stays on the page too, for a browser that refuses the clipboard.
function copy(text) {
  document.body.dataset.copied = text;
  navigator.clipboard?.writeText(text).catch(() => {});
}

function startSplash(startMain) {
  $('lblVersion').textContent = arg(qsTranslate('dicewright::SplashWindow', 'Version %1'),
    document.documentElement.dataset.version);
  $('imgLogo').alt = qsTranslate('dicewright::SplashWindow', 'Dicewright logo');
  show('splash');
  $('cmdStart').focus();
  $('cmdStart').addEventListener('click', startMain, { once: true });
  // A character key or a click on the frame's own surface ends the program; Space and Enter
  // press the button, as on any button.
  const onKey = (event) => {
    if (document.body.dataset.state !== 'splash') return;
    const character = event.key.length === 1 || ['Escape', 'Backspace'].includes(event.key);
    const pressesButton = [' ', 'Enter'].includes(event.key) && event.target === $('cmdStart');
    if (!character || pressesButton || event.ctrlKey || event.altKey || event.metaKey) return;
    event.preventDefault();
    end();
  };
  document.addEventListener('keydown', onKey);
  $('Frame1').addEventListener('click', (event) => {
    if (event.target === $('Frame1') && document.body.dataset.state === 'splash') end();
  });
}

async function start() {
  const chosen = chooseLanguage(navigator.languages?.length ? [...navigator.languages]
                                                             : [navigator.language || 'en']);
  let engine;
  try {
    // The loader speaks the player's language as soon as the texts are in.
    const texts = loadTexts(chosen).then(() => {
      if (document.body.dataset.state === 'loading') $('status').textContent = say(PAGE.loading);
    });
    [engine] = await Promise.all([startEngine(ENGINE_SECONDS), texts]);
  } catch (error) {
    translatePage(chosen.language);
    show('failed', say(PAGE.cannotStart, product, error.message || error));
    return;
  }
  translatePage(chosen.language);
  const announcement = $('announcement');
  const announce = (text) => {
    // The same words twice are news again: the region is emptied first.
    announcement.textContent = '';
    requestAnimationFrame(() => { announcement.textContent = text; });
  };
  const log = new RollLog(engine, { copy });
  const main = new MainWindow(engine, {
    announce,
    onError: (error) => end(error),
    onRoll: () => {
      $('actCopyLastRoll').disabled = false;
      if ($('actShareLastRoll')) $('actShareLastRoll').disabled = false;
      log.refresh();
    },
  });
  // A phone's own share sheet takes the line Copy gives; where the browser has none, the item
  // is not there at all.
  if (typeof navigator.share === 'function') {
    $('actShareLastRoll').addEventListener('click', () => {
      if (main.lastRoll) navigator.share({ text: chatLine(engine, main.lastRoll) }).catch(() => {});
    });
  } else {
    $('actShareLastRoll').remove();
  }
  const menu = new Menu($('mnuContext'), $('Dicewright'));
  const copyLast = () => main.lastRoll && copy(chatLine(engine, main.lastRoll));
  $('actRollLog').addEventListener('click', () => log.open());
  $('actCopyLastRoll').addEventListener('click', copyLast);
  $('actDifficulty').addEventListener('click', () => main.showDifficulty(!main.difficultyShown));
  $('cmdExit').addEventListener('click', () => end());
  // The desktop's keys. Ctrl+T is the browser's: Alt+T shows the test.
  document.addEventListener('keydown', (event) => {
    if (document.body.dataset.state !== 'running' || log.isOpen) return;
    const key = event.key.toLowerCase();
    const selected = String(window.getSelection() || '') !== '' ||
      (event.target.selectionStart !== undefined &&
       event.target.selectionStart !== event.target.selectionEnd);
    if (event.ctrlKey && !event.altKey && key === 'l') {
      event.preventDefault();
      menu.close(false);
      log.open();
    } else if (event.ctrlKey && !event.altKey && key === 'c' && !selected) {
      event.preventDefault();
      copyLast();
    } else if (event.altKey && !event.ctrlKey && event.code === 'KeyT') {
      event.preventDefault();
      main.showDifficulty(!main.difficultyShown);
    }
  });
  // The files for offline use are fetched once the program is up, or once the player has
  // lingered on the splash: never in the way of the start.
  let kept = false;
  const keep = () => {
    if (kept) return;
    kept = true;
    keepForOffline(() => {
      document.body.dataset.offline = 'unavailable';
      $('offline').hidden = false;
      announce($('offline-text').textContent);
    });
  };
  startSplash(() => {
    show('running');
    document.getElementById('optStep1').focus();
    keep();
  });
  setTimeout(keep, KEEP_AFTER_MS);
  $('offline-ok').addEventListener('click', () => { $('offline').hidden = true; });
}

$('again').addEventListener('click', () => window.location.reload());
start();
