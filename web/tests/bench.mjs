// The web edition's figures for `make bench` (scripts/run-benchmarks prints them beside the
// native ones): site size, navigation to a usable configurator, one event to its result,
// one part number decoded in WebAssembly, a calculator keystroke, a 1,000-line quote, the
// search's index built in its worker and a filter change. Prints "name value" lines.
import { readdir, readFile, stat } from 'node:fs/promises';
import { join, relative } from 'node:path';
import { gzipSync } from 'node:zlib';
import { SITE, startBrowser, startServer } from './browser.mjs';

const median = (values) => {
  const s = [...values].sort((a, b) => a - b);
  return s.length % 2 ? s[(s.length - 1) / 2] : (s[s.length / 2 - 1] + s[s.length / 2]) / 2;
};

async function* files(folder) {
  for (const entry of await readdir(folder, { withFileTypes: true })) {
    const path = join(folder, entry.name);
    if (entry.isDirectory()) yield* files(path);
    else yield path;
  }
}

// The site without its pictures and documents: pages, scripts, styles and the module.
// The workbook library is counted apart: it is loaded only when a workbook is exported.
let raw = 0, gzipped = 0, vendorRaw = 0, vendorGzipped = 0;
for await (const file of files(SITE)) {
  const name = relative(SITE, file);
  if (name.startsWith('pictures') || name.startsWith('documents') || name.endsWith('.png')) continue;
  const size = (await stat(file)).size, packed = gzipSync(await readFile(file), { level: 9 }).length;
  if (name.startsWith('vendor')) {
    vendorRaw += size;
    vendorGzipped += packed;
  } else {
    raw += size;
    gzipped += packed;
  }
}
console.log(`site_kb ${(raw / 1024).toFixed(1)}`);
console.log(`site_gzip_kb ${(gzipped / 1024).toFixed(1)}`);
console.log(`xlsx_library_on_export_kb ${(vendorRaw / 1024).toFixed(1)}`);
console.log(`xlsx_library_on_export_gzip_kb ${(vendorGzipped / 1024).toFixed(1)}`);

const server = await startServer();
const browser = await startBrowser();
try {
  // A first visit each time (a context of its own: no cache, no service worker).
  const ready = [];
  for (let i = 0; i < 15; ++i) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.goto(server.url);
    await page.waitForSelector('body.ready');
    ready.push(await page.evaluate(() => performance.getEntriesByName('catalogue-ready')[0].startTime));
    await context.close();
  }
  console.log(`navigation_to_ready_ms ${median(ready.slice(2)).toFixed(1)}`);

  // One event to its result on the page: the handler, the rules and the page's update,
  // with the style and layout the browser then needs, over a walk through the cascade.
  const page = await browser.newPage();
  await page.goto(server.url);
  await page.waitForSelector('body.ready');
  await page.waitForSelector('body.settled');
  // As a user's first click comes: after the page has built the decoder's index while idle.
  await page.evaluate(() => new Promise((done) => setTimeout(() => requestIdleCallback(done), 1000)));
  const clicks = await page.evaluate(() => {
    const lists = [...document.querySelectorAll('select')].filter((l) => !l.closest('#tabSearch'));
    const times = [];
    let seed = 7;
    const random = () => ((seed = (seed * 16807) % 2147483647) / 2147483647);
    for (let i = 0; i < 600; ++i) {
      const open = lists.filter((l) => !l.disabled && l.options.length > 1);
      const list = open[Math.floor(random() * open.length)];
      const t0 = performance.now();
      list.selectedIndex = (list.selectedIndex + 1 + Math.floor(random() * (list.options.length - 1))) % list.options.length;
      list.dispatchEvent(new Event('change', { bubbles: true }));
      void document.body.offsetHeight;  // style and layout done
      times.push(performance.now() - t0);
    }
    times.sort((a, b) => a - b);
    return { median: times[times.length >> 1], max: times[times.length - 1] };
  });
  console.log(`click_median_ms ${clicks.median.toFixed(3)}`);
  console.log(`click_max_ms ${clicks.max.toFixed(2)}`);

  // Decoding in WebAssembly, as the find field and the links ask the rules.
  const decode = await page.evaluate(async () => {
    const { default: createTarvek } = await import('./tarvek.mjs');
    const rules = await createTarvek();
    const numbers = ['A310-MX2-2A-MXFX-VS', 'J310-MX2-2A-MXFX-VS-BK-LS', 'T403-GN1-2A-MXFX', '70-806-01', 'KL-01-KZ',
      'A310-MX3-4A-M8M8X', 'LNQ-01', '3-EP-4MW-9', 'E310-MX1-3B-6F6X-B5-YW-LS', 'not-a-part-number'];
    for (const n of numbers) rules.decodeStatus(n);  // the index is built on first use
    const rounds = 300;
    const t0 = performance.now();
    for (let i = 0; i < rounds; ++i) for (const n of numbers) rules.decodeStatus(n);
    return ((performance.now() - t0) * 1000) / (rounds * numbers.length);
  });
  console.log(`decode_one_us ${decode.toFixed(1)}`);

  // A keystroke in the calculator: the model's checks and calculation, the page's update and
  // the flow curve drawn again, with the style and layout the browser then needs.
  await page.click('#tabTechnicalButton');
  const keystrokes = await page.evaluate(() => {
    const type = (id, text) => {
      const box = document.getElementById(id);
      box.value = text;
      box.dispatchEvent(new Event('input', { bubbles: true }));
    };
    const list = document.getElementById('lstGasName');
    list.selectedIndex = 1;
    list.dispatchEvent(new Event('change', { bubbles: true }));
    type('txtOutletPressure', '20');
    const times = [];
    const inlets = ['1', '10', '100', '10', '1', '15', '150', '15'];
    for (let i = 0; i < 400; ++i) {
      const t0 = performance.now();
      type('txtInletPressure', inlets[i % inlets.length]);
      void document.body.offsetHeight;
      times.push(performance.now() - t0);
    }
    times.sort((a, b) => a - b);
    return { median: times[times.length >> 1], max: times[times.length - 1] };
  });
  console.log(`calculator_keystroke_median_ms ${keystrokes.median.toFixed(3)}`);
  console.log(`calculator_keystroke_max_ms ${keystrokes.max.toFixed(2)}`);

  // A quote of 1,000 lines pasted and kept in the browser's storage; then the page opened
  // again, which reads it back and prices every line again, until the page is ready.
  await page.click('#tabQuoteButton');
  const pasted = await page.evaluate(async () => {
    const numbers = ['A310-MX2-2A-MXFX-VS', 'J310-MX2-2A-MXFX-VS-BK-LS', 'U310-MX1-2A-TX6X', 'U310-MX1-2A-TX6X-VS'];
    const text = Array.from({ length: 1000 }, (_, i) => `${numbers[i % numbers.length]}\t${(i % 9) + 1}`).join('\n');
    const t0 = performance.now();
    await window.tarvekPages.quote.actions.paste(text);
    return performance.now() - t0;
  });
  const t0 = Date.now();
  await page.reload();
  await page.waitForSelector('body.settled');
  const reopened = Date.now() - t0;
  const lines = await page.evaluate(() => window.tarvekPages.quote.quote.view(false).lineCount);
  console.log(`quote_1000_lines_pasted_and_stored_ms ${pasted.toFixed(0)}`);
  console.log(`quote_1000_lines_reopened_ms ${reopened}`);
  if (lines !== 1000) console.error(`bench: the reopened quote has ${lines} lines, not 1000`);

  // Find by Requirement: the index built in the worker (the rules loaded aside), then filter
  // changes, each from the click until the counts and the first screen of results are shown
  // and laid out: entries ticked and unticked in turn, each leaving other counts.
  const searchIndexMs = [];
  for (let i = 0; i < 5; ++i) {
    const context = await browser.createBrowserContext();
    const fresh = await context.newPage();
    await fresh.goto(server.url);
    await fresh.waitForSelector('body.settled');
    await fresh.click('#tabSearchButton');
    await fresh.waitForSelector('#searchForm:not([hidden])', { timeout: 60000 });
    searchIndexMs.push(await fresh.evaluate(() => window.tarvekSearchIndexMs));
    await context.close();
  }
  console.log(`search_index_in_worker_ms ${median(searchIndexMs).toFixed(1)}`);
  await page.click('#tabSearchButton');
  await page.waitForSelector('#searchForm:not([hidden])', { timeout: 60000 });
  const filterChanges = await page.evaluate(async () => {
    const results = document.querySelector('#searchResults tbody');
    const shown = () => new Promise((done) => {
      const watch = new MutationObserver(() => {
        watch.disconnect();
        void document.body.offsetHeight;  // style and layout done
        done();
      });
      watch.observe(results, { childList: true });
    });
    const tick = (list, name) => {
      const box = [...document.querySelectorAll(`#${list} label`)].find((l) => l.textContent.startsWith(`${name}  (`)).querySelector('input');
      box.checked = !box.checked;
      box.dispatchEvent(new Event('change', { bubbles: true }));
    };
    const changes = [['lstSearchProductType', 'Diaphragm Valves'], ['lstSearchPorting', '2A'], ['lstSearchSeat', 'VS - Vespel Seat'],
      ['lstSearchConnectionSize', '1/4 inch'], ['lstSearchSeat', 'VS - Vespel Seat'], ['lstSearchPorting', '2A'],
      ['lstSearchConnectionSize', '1/4 inch'], ['lstSearchProductType', 'Diaphragm Valves']];
    const times = [];
    for (let i = 0; i < 80; ++i) {
      const t0 = performance.now();
      const done = shown();
      tick(...changes[i % changes.length]);
      await done;
      times.push(performance.now() - t0);
    }
    times.sort((a, b) => a - b);
    return { median: times[times.length >> 1], max: times[times.length - 1] };
  });
  console.log(`search_filter_change_median_ms ${filterChanges.median.toFixed(2)}`);
  console.log(`search_filter_change_max_ms ${filterChanges.max.toFixed(2)}`);
} finally {
  await browser.close();
  await server.close();
}
