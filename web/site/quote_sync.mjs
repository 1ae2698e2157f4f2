// One quote in every tab of the site: each change is written to the browser's storage over the
// version this tab last read or wrote, and the other tabs are told (BroadcastChannel). A tab
// told of a newer version, or finding one when it writes, takes it: what it changed since is
// merged into it by the rules (one step to undo) and written again, so no tab writes over
// another's work. A tab that closes before its last change is written leaves that change
// beside the quote, and the next tab to look takes it in the same way. While a box of the
// quote is being typed in, the tab takes nothing until it is left.
const CHANNEL = 'tarvek-quote';

// `storage`: quote_storage.mjs. `page`: current() the quote as kept ({ document, fileName,
// modified }); take(kept, base) a kept quote merged with what the page changed since `base`,
// false when it cannot be read; typing() whether a box of the quote is being typed in;
// problem(reason) the storage's problem to show, '' once it is solved.
export function quoteSync(storage, page) {
  let known = null;      // the kept quote the page's quote is based on
  let edits = 0;         // changes not yet in a write that committed
  let waiting = false;   // another tab's changes wait for the box being typed in
  let writing = null;    // the kept quote being written, once its write is asked for
  let closing = false;   // the page is going: no write may start, what is not written is left
  let begin;
  let queue = new Promise((begun) => { begin = begun; });  // nothing is written before start()
  const channel = typeof BroadcastChannel === 'function' ? new BroadcastChannel(CHANNEL) : null;
  // One step at a time; a step that fails is told, and the next still runs.
  const run = (work) => (queue = queue.then(work).catch((error) => page.problem(error.message || String(error))));

  const isKnown = (kept) => kept.version === known.version && (kept.version > 0 || kept.document === known.document);
  const same = (a, b) => a.document === b.document && a.fileName === b.fileName && a.modified === b.modified;
  const store = async () => {
    while (edits > 0 && !closing) {
      const count = edits;
      const kept = page.current();
      let answer;
      try {
        answer = await storage.write(kept, known, () => { writing = { ...kept, version: known.version + 1 }; });
      } catch (error) {
        if (!closing) page.problem(error.message);  // the next change tries again
        return;
      } finally {
        writing = null;
      }
      if (answer.newer) {
        if (!page.take(answer.newer, known)) return;
        known = answer.newer;
        continue;
      }
      known = { ...kept, version: answer.version };
      edits -= count;
      page.problem('');
      if (channel) channel.postMessage({ version: answer.version });
    }
  };
  // The kept quote if another tab wrote it since, then what closed tabs left; written back
  // when this tab has changes the kept quote lacks.
  const follow = async () => {
    if (page.typing()) {
      waiting = true;
      return;
    }
    const kept = await storage.load().catch(() => null);  // a failed read: the next write says why
    if (page.typing()) {
      waiting = true;
      return;
    }
    if (kept && !isKnown(kept)) {
      if (!page.take(kept, known)) return;
      known = kept;
    }
    const left = await storage.takeLeft().catch(() => []);
    for (const changes of left) if (page.take(changes, changes.base)) edits += 1;
    storage.tookIn();
    await store();
  };
  const check = () => run(follow);
  if (channel) channel.onmessage = (e) => { if (!known || !e.data || e.data.version !== known.version) check(); };
  // A tab that was hidden, frozen or kept in the back-forward cache may have missed a message.
  document.addEventListener('visibilitychange', () => { if (document.visibilityState === 'visible') check(); });
  window.addEventListener('pageshow', (e) => {
    if (!e.persisted) return;
    closing = false;
    check();
  });

  return {
    // The kept quote the page opened, or the new one it started (version 0) when none was kept.
    start(kept) {
      known = kept;
      begin();
      check();
    },
    // After every change of the page's quote: written, over the version known.
    changed() {
      edits += 1;
      return run(store);
    },
    // The box being typed in was left: another tab's changes that waited are taken now.
    typed() {
      if (!waiting) return;
      waiting = false;
      check();
    },
    // The page is closing (or going into the back-forward cache): what is not written yet is
    // left beside the kept quote, over the write already asked for, and the other tabs told.
    leave() {
      closing = true;
      if (!known) return;
      const base = writing || known;
      const kept = edits > 0 ? page.current() : null;
      if (storage.leave(kept && !same(kept, base) ? kept : null, base) && channel) channel.postMessage({ left: true });
    },
    // Once every write asked for is done: whether every change is in the browser's storage.
    settled: () => run(() => edits === 0),
  };
}
