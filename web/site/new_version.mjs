// A newer build of the site, installed by the browser and waiting while a page of this one is
// open (the service worker lets one build serve a page at a time): said at the top of the page,
// with a button that loads it. Nothing unsaved is lost: before a page loads again, the quote
// takes the box being typed in and its write to the browser's storage has committed.
const $ = (id) => document.getElementById(id);

// `registration`: the site's service worker's; `storeAll()`: whether every change is kept.
export function offerNewVersion(registration, storeAll) {
  const container = navigator.serviceWorker;
  const controlled = Boolean(container.controller);  // a first visit's page is not, and is never taken over
  const say = (text) => { $('lblNewVersion').textContent = text; };
  const offer = () => {
    if (registration.waiting && container.controller) $('newVersion').hidden = false;
  };
  registration.addEventListener('updatefound', () => {
    const installing = registration.installing;
    if (installing) installing.addEventListener('statechange', () => { if (installing.state === 'installed') offer(); });
  });
  offer();
  // This page asked the new build to take over, or another page of the site did: each page
  // loads again once what it holds is kept.
  let loading = false;
  container.addEventListener('controllerchange', async () => {
    if (!controlled || loading) return;
    loading = true;
    if (await storeAll()) {
      location.reload();
      return;
    }
    loading = false;
    $('newVersion').hidden = false;
    $('cmdLoadNewVersion').hidden = true;
    say('A new version of the catalogue was loaded in another tab, but the browser did not keep this quote: save it (Save, Ctrl+S), then reload the page.');
  });
  $('cmdLoadNewVersion').addEventListener('click', async () => {
    $('cmdLoadNewVersion').disabled = true;
    const kept = await storeAll();
    $('cmdLoadNewVersion').disabled = false;
    if (!kept) {
      say('The new version was not loaded: the browser did not keep this quote. Save it (Save, Ctrl+S), then try again.');
      return;
    }
    if (registration.waiting) registration.waiting.postMessage('take-over');
  });
  // A page left open looks for a newer build when it is shown again, as opening it would.
  document.addEventListener('visibilitychange', () => {
    if (document.visibilityState === 'visible') registration.update().catch(() => {});
  });
}
