// The page's side of the search worker: each call is a message, each answer a promise, in
// the order asked. Where the worker cannot start or stops, every call waiting and every
// later one is refused with the reason, which the page shows.
export function startSearchWorker() {
  const waiting = new Map();
  let next = 0;
  let broken = null;
  const refuseAll = (reason) => {
    broken = new Error(reason);
    for (const { reject } of waiting.values()) reject(broken);
    waiting.clear();
  };
  let worker;
  try {
    worker = new Worker(new URL('./search_worker.mjs', import.meta.url), { type: 'module' });
  } catch (error) {
    refuseAll(`This browser cannot run the search beside the page (${error.message}). Please open it in a current browser.`);
    return () => Promise.reject(broken);
  }
  worker.addEventListener('message', ({ data: { id, answer, error } }) => {
    const call = waiting.get(id);
    if (!call) return;
    waiting.delete(id);
    if (error === undefined) call.resolve(answer);
    else call.reject(new Error(error));
  });
  worker.addEventListener('error', (event) => {
    event.preventDefault();
    refuseAll(`The search could not be started (${event.message || 'its program did not load'}). Reload the page to try again.`);
  });
  return (call, ...args) => new Promise((resolve, reject) => {
    if (broken) {
      reject(broken);
      return;
    }
    const id = next++;
    waiting.set(id, { resolve, reject });
    worker.postMessage({ id, call, args });
  });
}
