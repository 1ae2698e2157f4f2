// Find by Requirement off the page's thread: loads the rules (WebAssembly) once more, builds
// the search over every orderable configuration and answers each of the page's events with
// the search's new state, so the page never waits while the index is built or counts are made.
// A message is { id, call, args }: the search's function and its arguments; the answer is
// { id, answer } or { id, error }. "start" answers how long the index took to build (ms).
import createTarvek from './tarvek.mjs';

const search = (async () => {
  const rules = await createTarvek();
  const t0 = performance.now();
  const built = new rules.Search();
  return { built, buildMs: performance.now() - t0 };
})();

self.addEventListener('message', async ({ data: { id, call, args } }) => {
  try {
    const { built, buildMs } = await search;
    const answer = call === 'start' ? { buildMs, state: built.view() } : built[call](...args);
    self.postMessage({ id, answer });
  } catch (error) {
    self.postMessage({ id, error: String(error && error.message ? error.message : error) });
  }
});
