// Starts the web edition: loads the rules (WebAssembly), then shows the pages. Whatever
// stops the rules from loading is said on the page, never left as a blank one.
import { showCalculatorPage } from './calculator_view.mjs';
import { showConfigurator } from './configurator_view.mjs';
import { quoteStorage } from './quote_storage.mjs';
import { showQuotePage } from './quote_view.mjs';
import { filtersInAddress, showSearchPage } from './search_view.mjs';
import { showDocuments } from './literature_view.mjs';
import { connectTabs } from './tabs.mjs';

// What the site's Content-Security-Policy refused while the page started, as the browser
// reports it: a refusal is no damaged file, and the message says which.
const refusals = [];
document.addEventListener('securitypolicyviolation', (e) => {
  if (/^(script|connect|worker)-src/.test(e.effectiveDirective)) refusals.push(`${e.effectiveDirective} refused ${e.blockedURI || 'inline code'}`);
});
const REFUSAL = /Content.Security.Policy|blocked by CSP|Refused to (evaluate|compile|create|load)/i;
const nextTask = () => new Promise((done) => setTimeout(done, 0));

const problem = (text) => {
  document.getElementById('loading').hidden = true;
  const box = document.getElementById('loadError');
  box.textContent = text;
  box.hidden = false;
};

async function loadRules() {
  if (typeof WebAssembly !== 'object' || typeof WebAssembly.instantiate !== 'function')
    throw new Error('This browser cannot run WebAssembly, which the catalogue needs. ' +
                    'Please open it in a current browser (Firefox, Chrome, Edge or Safari), ' +
                    'or turn WebAssembly on if it was switched off.');
  try {
    const { default: createTarvek } = await import('./tarvek.mjs');
    return await createTarvek();
  } catch (error) {
    const said = error && error.message ? error.message : String(error);
    await nextTask();  // the browser reports a refusal in a task of its own
    if (refusals.length || REFUSAL.test(said))
      throw new Error('The catalogue\'s program (tarvek.mjs, tarvek.wasm) was refused by the Content-Security-Policy this ' +
                      'site is served with, so the catalogue cannot start. Whoever runs the site must allow ' +
                      'WebAssembly and the site\'s own scripts: script-src \'self\' \'wasm-unsafe-eval\'. ' +
                      `(${[...new Set(refusals)].join('; ') || said})`);
    throw new Error('The catalogue\'s program (tarvek.wasm) could not be loaded, so the catalogue ' +
                    'cannot start. Reload the page; if this message stays, the site is incomplete ' +
                    `or damaged. (${said})`);
  }
}

// The gas list the build read from its gas database; null when it cannot be had, which the
// calculator says beside its list.
const loadGasListing = () => fetch('gases.txt').then((r) => (r.ok ? r.text() : null)).catch(() => null);

async function start() {
  let rules;
  const gasListing = loadGasListing();
  // The quote kept from the last visit is read from the browser's storage while the rules load.
  const storage = quoteStorage();
  const keptQuote = storage.load();
  keptQuote.catch(() => {});  // the quote page says why, once it is shown
  try {
    rules = await loadRules();
  } catch (error) {
    problem(error.message);
    return;
  }
  const texts = rules.pageTexts();
  const tabs = connectTabs([...texts.tabs, rules.quoteTexts().title, rules.searchTexts().title]);
  let quote = null;
  const configurator = showConfigurator(rules, texts, (state) => quote && quote.follow(state));
  quote = showQuotePage(rules, configurator, tabs, storage);
  configurator.show();
  showDocuments(rules.documents());
  const search = showSearchPage(rules, tabs);
  const filters = filtersInAddress();
  if (filters.length) search.openFilters(filters);
  document.getElementById('loading').hidden = true;
  document.body.classList.add('ready');
  performance.mark('catalogue-ready');  // what the benchmark times from navigation
  // The calculator once its gas list is in, the quote once the browser's storage gave it back;
  // the configurator is in use meanwhile.
  showCalculatorPage(rules, await gasListing, search.findValves);
  await quote.restore(keptQuote);
  window.tarvekPages = { quote };  // for the benchmarks: the quote page's own actions
  document.body.classList.add('settled');
  // The decoder's index (links, the find field) is built while the user looks at the page,
  // not on the first click that composes a part number.
  (window.requestIdleCallback || setTimeout)(() => rules.decodeStatus(''));
  if ('serviceWorker' in navigator && location.protocol !== 'file:')
    navigator.serviceWorker.register('sw.js').catch(() => {});  // offline use is a bonus, never a hindrance
}

start();
