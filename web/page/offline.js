// Keeps every file of this release that the page's language needs in the browser from the
// first visit on, through the service worker, so that the program starts without the network. Where the browser cannot
// keep them (no service workers, storage full or blocked, a file missing or changed on the
// server), the page says that the program will need the network next time, and runs on.
export function keepForOffline(showNote) {
  if (!('serviceWorker' in navigator)) {
    showNote();
    return;
  }
  // The worker is fetched once the program is up, so that it takes nothing from the start.
  const language = document.documentElement.lang;
  // A worker keeps one language's files: one kept for another language starts this page only
  // with the network, so it is no copy of this one.
  const ours = (worker) => Boolean(worker) &&
    new URL(worker.scriptURL).searchParams.get('language') === language;
  navigator.serviceWorker.register(`service-worker.js?language=${encodeURIComponent(language)}`).then((registration) => {
    const kept = () => ours(registration.waiting) || ours(registration.active);
    const ready = () => {
      if (kept()) document.body.dataset.offline = 'ready';
    };
    const watch = (worker) => worker && worker.addEventListener('statechange', () => {
      ready();
      // A worker that ends up redundant kept nothing; one replaced by a newer worker while it
      // installed is no failure, so the note waits until no worker is left to keep the files.
      if (worker.state === 'redundant' && ours(worker) && !ours(registration.installing) && !kept()) {
        showNote();
      }
    });
    watch(registration.installing || registration.waiting);
    registration.addEventListener('updatefound', () => watch(registration.installing));
    ready();
  }, showNote);
}
