// Keeps the quote in the browser's storage (IndexedDB), so a reload or a closed tab loses
// nothing: the quote document itself, as a file would hold it, after every change. Where the
// browser refuses storage or it is full, the caller is told why.
const DATABASE = 'tarvek-catalog';
const STORE = 'quote';
const KEY = 'current';

function openDatabase() {
  return new Promise((opened, failed) => {
    if (typeof indexedDB === 'undefined') {
      failed(new Error('this browser keeps no storage for pages'));
      return;
    }
    const request = indexedDB.open(DATABASE, 1);
    request.onupgradeneeded = () => request.result.createObjectStore(STORE);
    request.onsuccess = () => opened(request.result);
    request.onerror = () => failed(request.error || new Error('storage was refused'));
    request.onblocked = () => failed(new Error('another tab of the catalogue holds the storage'));
  });
}

function reason(error) {
  if (error && error.name === 'QuotaExceededError') return 'the browser\'s storage for this site is full';
  return (error && error.message) || String(error);
}

export function quoteStorage() {
  let database = null;
  const ready = () => (database ||= openDatabase());
  const transaction = async (mode, work) => {
    const db = await ready();
    return new Promise((done, failed) => {
      const t = db.transaction(STORE, mode);
      const result = work(t.objectStore(STORE));
      t.oncomplete = () => done(result.result);
      t.onabort = t.onerror = () => failed(t.error || result.error);
    });
  };
  return {
    // The kept quote ({ document, fileName, modified }), or null; throws with the reason.
    async load() {
      try {
        return (await transaction('readonly', (store) => store.get(KEY))) ?? null;
      } catch (error) {
        throw new Error(reason(error));
      }
    },
    async keep(kept) {
      try {
        await transaction('readwrite', (store) => store.put(kept, KEY));
      } catch (error) {
        throw new Error(reason(error));
      }
    },
  };
}
