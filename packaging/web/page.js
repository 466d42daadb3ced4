// Starts Dicewright in the page: shows the logo and the download's progress while the program
// loads, hands the page to the program, and says so when the program has ended, offering to
// start it again. Everything it fetches is the site's own.
'use strict';

(function () {
  const program = 'dicewright';
  // The product's name, as the build gives it to the page.
  const product = document.body.dataset.product;
  const cover = document.getElementById('cover');
  const status = document.getElementById('status');
  const progress = document.getElementById('progress');
  const again = document.getElementById('again');
  const screen = document.getElementById('screen');

  // The page speaks the program's language: the first of the browser's languages that the
  // program speaks (its test language aside), else English. A screen reader takes its voice
  // from <html lang>.
  const translations = window.dicewrightPageTranslations || {};
  const language = (navigator.languages || [navigator.language || 'en'])
    .map((tag) => String(tag).toLowerCase().split(/[-_]/)[0])
    .find((tag) => tag === 'en' || tag in translations) || 'en';
  const texts = translations[language] || {};
  function text(name, ...values) {
    const english = window.dicewrightPageTexts[name];
    return (texts[english] || english).replace(/%(\d)/g, (all, n) => values[n - 1]);
  }
  document.documentElement.lang = language;
  if (language !== 'en') {
    document.querySelector('link[rel="manifest"]').href = `manifest-${language}.webmanifest`;
    document.querySelector('meta[name="description"]').content = text('description');
    status.textContent = text('loading');
    progress.setAttribute('aria-label', text('loading').replace(/…$/, ''));
    again.textContent = text('again', product);
    document.getElementById('offline-text').textContent = text('offline', product);
    document.getElementById('offline-ok').textContent = text('ok');
  }

  function show(state, text) {
    document.body.dataset.state = state;
    const running = state === 'running';
    cover.hidden = running;
    screen.hidden = !running;
    if (text !== undefined) status.textContent = text;
    progress.hidden = state !== 'loading';
    again.hidden = state !== 'ended' && state !== 'failed';
  }

  // The download of the program, counted as it arrives, for the progress bar. The bytes counted
  // are the file's own; a server that compresses gives the compressed length in Content-Length,
  // so the file's size comes from the release's own list.
  const sizes = (window.dicewrightRelease || { sizes: {} }).sizes;
  const plainFetch = window.fetch.bind(window);
  window.fetch = async function (resource, options) {
    const response = await plainFetch(resource, options);
    const name = String(resource).split('/').pop().split('?')[0];
    const encoding = response.headers.get('Content-Encoding') || 'identity';
    const total = sizes[name] ||
      (encoding === 'identity' ? Number(response.headers.get('Content-Length')) : 0);
    if (!name.endsWith('.wasm') || !response.body || !total) return response;
    let received = 0;
    const counted = response.body.pipeThrough(new TransformStream({
      transform(chunk, controller) {
        received += chunk.byteLength;
        progress.value = received / total;
        status.textContent = text('progress', Math.round(100 * received / total));
        controller.enqueue(chunk);
      },
    }));
    return new Response(counted, { status: response.status, headers: response.headers });
  };

  again.addEventListener('click', () => window.location.reload());

  // A finger held on the program opens the program's own menu, not the browser's.
  screen.addEventListener('contextmenu', (event) => event.preventDefault());

  // Every file kept from this visit on, so that the next one starts without the network. Where
  // the browser cannot keep them (no service workers, or a file the worker could not fetch), the
  // page says that the program will need the network next time, until the player dismisses it.
  // The note stands below the program, which lays itself out in what is left: it covers nothing.
  const offline = document.getElementById('offline');
  function showNote(shown) {
    offline.hidden = !shown;
    const height = shown ? `${offline.offsetHeight}px` : '0px';
    if (document.documentElement.style.getPropertyValue('--note-height') === height) return;
    document.documentElement.style.setProperty('--note-height', height);
    // The program takes the canvas's new size as it takes a window's.
    window.dispatchEvent(new Event('resize'));
  }
  function notOffline() {
    document.body.dataset.offline = 'unavailable';
    showNote(true);
  }
  document.getElementById('offline-ok').addEventListener('click', () => showNote(false));
  // A phone turned round wraps the note anew.
  new ResizeObserver(() => { if (!offline.hidden) showNote(true); }).observe(offline);

  // A worker that ends up redundant kept nothing; but one replaced by a newer worker while it
  // installed is no failure, so the note waits until no worker is left to keep the files.
  function watchWorkers(registration, unavailable) {
    const watch = (worker) => worker && worker.addEventListener('statechange', () => {
      if (worker.state === 'redundant' && !registration.installing && !registration.waiting &&
          !registration.active) unavailable();
    });
    watch(registration.installing || registration.waiting);
    registration.addEventListener('updatefound', () => watch(registration.installing));
  }
  window.dicewrightWatchWorkers = watchWorkers;
  if ('serviceWorker' in navigator) {
    navigator.serviceWorker.register('service-worker.js')
      .then((registration) => watchWorkers(registration, notOffline), notOffline);
    // Once a worker holds every file, whenever that is.
    navigator.serviceWorker.ready.then(() => { document.body.dataset.offline = 'ready'; });
  } else {
    notOffline();
  }

  // The program's end, told by the program itself (its windows closed), or by the runtime.
  // The program leaves the text of an error that ended it on the page.
  function ended(status) {
    const error = document.body.dataset.error;
    const failed = status !== 0 || Boolean(error);
    show(failed ? 'failed' : 'ended',
         failed ? text('stopped', product, error || text('unknownError'))
                : text('ended', product));
    again.focus();
  }
  window.addEventListener('dicewright-ended', (event) => ended(event.detail));

  const loader = QtLoader({
    canvasElements: [screen],
    showLoader(state) {
      const said = { Loading: 'loading', Compiling: 'compiling' }[state];
      show('loading', said ? text(said) : `${state}…`);
    },
    showCanvas() {
      show('running');
      screen.focus();
    },
    showExit() {
      ended(loader.crashed || loader.exitCode ? 1 : 0);
    },
    showError(error) {
      show('failed', text('cannotStart', product, error));
    },
  });
  loader.loadEmscriptenModule(program);
}());
