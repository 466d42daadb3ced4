// Keeps every file of this release that the page's language needs in the browser from the
// first visit on, through the service worker, so that the program starts without the network. Where the browser cannot
// keep them (no service workers, storage full or blocked), the page says that the program will
// need the network next time, and runs on.
export function keepForOffline(showNote) {
  if (!('serviceWorker' in navigator)) {
    showNote();
    return;
  }
  // The worker is fetched once the program is up, so that it takes nothing from the start.
  const language = encodeURIComponent(document.documentElement.lang);
  navigator.serviceWorker.register(`service-worker.js?language=${language}`).then((registration) => {
    const watch = (worker) => worker && worker.addEventListener('statechange', () => {
      // A worker that ends up redundant kept nothing; one replaced by a newer worker while it
      // installed is no failure, so the note waits until no worker is left to keep the files.
      if (worker.state === 'redundant' && !registration.installing && !registration.waiting &&
          !registration.active) showNote();
    });
    watch(registration.installing || registration.waiting);
    registration.addEventListener('updatefound', () => watch(registration.installing));
  }, showNote);
  navigator.serviceWorker.ready.then(() => { document.body.dataset.offline = 'ready'; });
}
