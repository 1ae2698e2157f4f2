// Keeps the quote in the browser's storage (IndexedDB), so a reload or a closed tab loses
// nothing: the quote document itself, as a file would hold it, after every change, with a
// version. Every tab of the site keeps the same quote, so a write is a check and a write in one
// transaction (the browser runs one such transaction on the store at a time, in all tabs): it
// writes only over the version the tab last read or wrote, and otherwise hands back the newer
// one. A tab that closes with changes not yet written leaves them beside the quote, under a
// key of its own (a closing page cannot wait for the check), for another tab to take in.
// Where the browser refuses storage or it is full, the caller is told why.
const DATABASE = 'tarvek-catalog';
const STORE = 'quote';
const KEY = 'current';
const left = () => IDBKeyRange.bound('left-', 'left-\uffff');  // the keys of what closed pages left

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

// A kept quote as this page reads it: one kept before versions were kept is version 0.
const asKept = (record) => (record && typeof record.document === 'string'
  ? { document: record.document, fileName: record.fileName || '', modified: Boolean(record.modified), version: record.version || 0 }
  : null);

export function quoteStorage() {
  let database = null;
  let opened = null;  // the database once open, for a page that is closing and cannot wait
  let checking = null;  // a write's transaction while it reads the stored version
  let taking = [];      // what closed pages left, taken away and not yet in this page's quote
  const ready = () => (database ||= openDatabase().then((db) => (opened = db)));
  // `work(store, finish, t)` queues its requests; the answer is what it gives `finish`, once the
  // transaction has committed.
  const transaction = async (mode, work) => {
    const db = await ready();
    return new Promise((done, failed) => {
      const t = db.transaction(STORE, mode);
      let answer;
      work(t.objectStore(STORE), (value) => { answer = value; }, t);
      t.oncomplete = () => done(answer);
      t.onabort = t.onerror = () => failed(t.error || new Error('the browser gave up the write'));
    });
  };
  const attempt = async (work) => {
    try {
      return await work();
    } catch (error) {
      throw new Error(reason(error));
    }
  };
  return {
    // The kept quote ({ document, fileName, modified, version }), or null; throws with the reason.
    load: () => attempt(() => transaction('readonly', (store, finish) => {
      const read = store.get(KEY);
      read.onsuccess = () => finish(asKept(read.result));
    })),
    // Writes `kept` ({ document, fileName, modified }) as the version after `known` (the kept
    // quote this page last read or wrote): { version } once written; { newer } with the kept
    // quote, and nothing written, when another tab wrote since. A quote kept without a version
    // (by an earlier build of the site) is told by its document. `written()` is told as soon as
    // the write is asked for. Throws with the reason, or when the page gave the write up.
    write: (kept, known, written = () => {}) => attempt(() => transaction('readwrite', (store, finish, t) => {
      checking = t;
      const read = store.get(KEY);
      read.onsuccess = () => {
        checking = null;
        const stored = asKept(read.result);
        if (stored && (stored.version !== known.version || (!known.version && stored.document !== known.document))) {
          finish({ newer: stored });
          return;
        }
        store.put({ ...kept, version: known.version + 1 }, KEY);
        if (t.commit) t.commit();  // at once: the page may be closing
        written();
        finish({ version: known.version + 1 });
      };
    })),
    // A closing page's changes not yet written (`kept`, made from `base`, the kept quote it
    // had; null: none), left at once under a key of their own: a page that is closing gets no
    // answer to a read, so a write still reading is given up for this one. What other closed
    // pages left and this one took but had not yet taken in is left again. Whether anything
    // was left (false too when the storage is not open).
    leave(kept, base) {
      const records = [...taking, ...(kept ? [{ ...kept, base }] : [])];
      if (!opened || !records.length) return false;
      try {
        if (checking) checking.abort();
        checking = null;
        const t = opened.transaction(STORE, 'readwrite');
        const store = t.objectStore(STORE);
        for (const record of records) store.put(record, `left-${Date.now()}-${Math.random().toString(36).slice(2)}`);
        taking = [];
        if (t.commit) t.commit();
        return true;
      } catch {
        return false;
      }
    },
    // The changes closed pages left ({ document, fileName, modified, base } each, oldest
    // first), taken away so that one tab alone takes each in; `tookIn()` once they are in
    // this page's quote.
    takeLeft: () => attempt(() => transaction('readwrite', (store, finish, t) => {
      const read = store.getAll(left());
      read.onsuccess = () => {
        taking = read.result;
        store.delete(left());
        if (t.commit) t.commit();
        finish(taking.map((record) => ({ ...asKept(record), base: asKept(record.base) }))
          .filter((record) => record.document !== undefined && record.base));
      };
    })),
    tookIn() {
      taking = [];
    },
  };
}
