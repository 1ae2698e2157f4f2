// Two tabs on one quote: the browser keeps one quote for the site, and every tab shows it with
// every tab's changes, however they interleave: edits in turn, edits at once (both made before
// either write lands, held back by a transaction of a third page), a reload between them, a
// tab closed while a quantity is being typed. A tab opened afterwards shows the same quote.
// Each test runs in a browser context of its own, whose pages share one storage.
import assert from 'node:assert/strict';
import test from 'node:test';
import { openWindow, startForTests } from './browser.mjs';

const { server, browser } = await startForTests();

const A310 = 'A310-MX2-2A-MXFX-VS';
const J310 = 'J310-MX2-2A-MXFX-VS-BK-LS';

// A tab in a window of its own, as two windows side by side: both are drawn.
const tab = (context, hash = '') => openWindow(browser, `${server.url}${hash}`, context);

// What a tab shows of the quote: each line's part number, quantity and discount, and the header.
const shown = (page) => page.evaluate(() => {
  const value = (id) => document.getElementById(id).value;
  return {
    lines: [...document.querySelectorAll('#quoteLines tbody tr[data-row]')].map((tr) =>
      [tr.cells[1].textContent, ...[...tr.querySelectorAll('input')].map((box) => box.value)].join(' ')),
    customer: value('txtQuoteCustomer'), reference: value('txtQuoteReference'), number: value('txtQuoteNumber'),
  };
});
const kept = (page) => page.evaluate(() => window.tarvekPages.quote.quote.document());

// Every tab shows `expected` (lines and the fields named), and holds the same document.
async function agree(pages, expected) {
  for (const page of pages) {
    try {
      await page.waitForFunction(async (want) => {
        const value = (id) => document.getElementById(id).value;
        const lines = [...document.querySelectorAll('#quoteLines tbody tr[data-row]')].map((tr) =>
          [tr.cells[1].textContent, ...[...tr.querySelectorAll('input')].map((box) => box.value)].join(' '));
        return JSON.stringify(lines) === JSON.stringify(want.lines) &&
          Object.entries(want.fields).every(([id, v]) => value(id) === v);
      }, { timeout: 10000, polling: 100 }, expected);
    } catch {
      assert.deepEqual(await shown(page), expected, 'every tab shows every change');
    }
  }
  const documents = await Promise.all(pages.map(kept));
  for (const document of documents) assert.equal(document, documents[0], 'every tab holds the same quote');
}

async function addFromConfigurator(page, partNumber) {
  await page.evaluate((hash) => { location.hash = hash; }, partNumber);
  await page.waitForFunction((n) => document.getElementById('lblPartNumber').textContent === n, {}, partNumber);
  await page.click('#tabConfiguratorButton');
  await page.click('#cmdAddToQuote');
  await page.click('#tabQuoteButton');
}

// Types into a header field with the keyboard and leaves it with Tab.
async function typeField(page, id, text) {
  await page.click(`#${id}`, { clickCount: 3 });
  await page.keyboard.type(text);
  await page.keyboard.press('Tab');
}

// A line's quantity or discount, typed over what the box holds and taken with `leave` (Enter
// or Tab), then left with a click beside the table (a tab takes the others' changes once its
// boxes are left); or typed and not left (`leave` null). `line`: its row, or the part number
// of the first line that has it, once one has.
async function typeCell(page, line, edit, text, leave = 'Enter') {
  const row = typeof line === 'number' ? line : await page.waitForFunction((part) => [...document.querySelectorAll(
    '#quoteLines tbody tr[data-row]')].find((tr) => tr.cells[1].textContent === part)?.dataset.row, {}, line).then((h) => h.jsonValue());
  const box = `#quoteLines tr[data-row="${row}"] input[data-edit=${edit}]`;
  await page.click(box, { clickCount: 3 });
  await page.keyboard.type(text);
  if (leave) await page.keyboard.press(leave);
  if (leave) await page.click('#lblQuoteTotals');
}

// Writes wait while a third page holds the kept quote's store in a transaction of its own,
// until `release`: so two tabs can both change the quote before either write lands.
async function holdStorage(context) {
  const holder = await openWindow(browser, `${server.url}gases.txt`, context, false);  // the site's origin, no catalogue
  await holder.evaluate(() => new Promise((held) => {
    const open = indexedDB.open('tarvek-catalog');
    open.onsuccess = () => {
      const store = open.result.transaction('quote', 'readwrite').objectStore('quote');
      const spin = () => { if (!window.released) store.get('current').onsuccess = spin; };
      spin();
      held();
    };
  }));
  return { release: async () => { await holder.evaluate(() => { window.released = true; }); await holder.close(); } };
}

test('two tabs on an empty quote: A adds a valve and a customer, B another valve seven times; every tab keeps both', async () => {
  const context = await browser.createBrowserContext();
  const a = await tab(context);
  const b = await tab(context);
  await addFromConfigurator(a, A310);
  await typeField(a, 'txtQuoteCustomer', 'Nordgas Ltd.');
  await addFromConfigurator(b, J310);
  await typeCell(b, J310, 'quantity', '7');
  const expected = { lines: [`${A310} 1 `, `${J310} 7 `], fields: { txtQuoteCustomer: 'Nordgas Ltd.' } };
  await agree([a, b], expected);
  await b.reload();
  await b.waitForSelector('body.settled');
  const third = await tab(context);
  await agree([a, b, third], expected);
  for (const page of [a, b, third]) assert.deepEqual(page.problems, []);
  await context.close();
});

test('edits at once: both tabs change the quote before either write lands, and nothing is lost', async () => {
  const context = await browser.createBrowserContext();
  const a = await tab(context);
  await addFromConfigurator(a, A310);
  await addFromConfigurator(a, J310);
  const b = await tab(context);
  await agree([a, b], { lines: [`${A310} 1 `, `${J310} 1 `], fields: {} });
  await b.click('#tabQuoteButton');
  const storage = await holdStorage(context);
  await typeCell(a, A310, 'quantity', '3');
  await typeField(a, 'txtQuoteCustomer', 'Nordgas Ltd.');
  await typeCell(b, J310, 'discount', '10');
  await typeField(b, 'txtQuoteReference', 'RFQ 7781');
  await addFromConfigurator(b, 'U310-MX1-2A-TX6X');
  await storage.release();
  const expected = { lines: [`${A310} 3 `, `${J310} 1 10`, 'U310-MX1-2A-TX6X 1 '],
    fields: { txtQuoteCustomer: 'Nordgas Ltd.', txtQuoteReference: 'RFQ 7781' } };
  await agree([a, b], expected);
  // Undo in B says what it undoes: the other tab's changes it took, or its own last one.
  assert.match(await b.$eval('#cmdQuoteUndo', (button) => button.title), /^Undo (take another tab's changes|add U310-MX1-2A-TX6X) \(Ctrl\+Z\)$/);
  await agree([a, b, await tab(context)], expected);
  await context.close();
});

test('edits in turn with a reload between them', async () => {
  const context = await browser.createBrowserContext();
  const a = await tab(context);
  const b = await tab(context);
  await addFromConfigurator(a, A310);
  await agree([a, b], { lines: [`${A310} 1 `], fields: {} });
  await addFromConfigurator(b, J310);
  await b.reload();
  await b.waitForSelector('body.settled');
  await b.click('#tabQuoteButton');
  await typeCell(b, A310, 'quantity', '4', 'Tab');
  await agree([a, b], { lines: [`${A310} 4 `, `${J310} 1 `], fields: {} });
  await typeCell(a, J310, 'quantity', '2');
  await agree([a, b], { lines: [`${A310} 4 `, `${J310} 2 `], fields: {} });
  await typeField(b, 'txtQuoteCustomer', 'Nordgas Ltd.');
  await agree([a, b], { lines: [`${A310} 4 `, `${J310} 2 `], fields: { txtQuoteCustomer: 'Nordgas Ltd.' } });
  await a.click('#quoteLines tr[data-row="1"] td.part');
  await a.click('#cmdQuoteDuplicate');
  const expected = { lines: [`${A310} 4 `, `${J310} 2 `, `${J310} 2 `], fields: { txtQuoteCustomer: 'Nordgas Ltd.' } };
  await agree([a, b], expected);
  // Undo in A takes back its own duplicate, in every tab; in B, what it took from A.
  assert.equal(await a.$eval('#cmdQuoteUndo', (button) => button.title), 'Undo duplicate the line (Ctrl+Z)');
  assert.equal(await b.$eval('#cmdQuoteUndo', (button) => button.title), 'Undo take another tab\'s changes (Ctrl+Z)');
  await a.click('#cmdQuoteUndo');
  await agree([a, b], { lines: expected.lines.slice(0, 2), fields: expected.fields });
  await context.close();
});

test('a tab closed while a quantity is being typed: the other tabs and the next one get it', async () => {
  const context = await browser.createBrowserContext();
  const a = await tab(context);
  await addFromConfigurator(a, A310);
  const b = await tab(context);
  await b.click('#tabQuoteButton');
  await typeCell(b, A310, 'quantity', '9', null);  // typed, not left
  await b.close();
  const expected = { lines: [`${A310} 9 `], fields: {} };
  await agree([a], expected);
  await agree([a, await tab(context)], expected);
  await context.close();
});

test('a box being typed in keeps its text while another tab changes the quote; the change shows once it is left', async () => {
  const context = await browser.createBrowserContext();
  const a = await tab(context);
  await addFromConfigurator(a, A310);
  const b = await tab(context);
  await b.click('#tabQuoteButton');
  await typeCell(b, A310, 'quantity', '6', null);
  await addFromConfigurator(a, J310);
  await a.waitForFunction(() => document.querySelectorAll('#quoteLines tr[data-row]').length === 2);
  await new Promise((done) => setTimeout(done, 300));
  assert.equal(await b.$eval('#quoteLines tr[data-row="0"] input', (box) => [box === document.activeElement, box.value].join()), 'true,6');
  await b.keyboard.press('Enter');
  await b.keyboard.press('Tab');
  await agree([a, b], { lines: [`${A310} 6 `, `${J310} 1 `], fields: {} });
  await context.close();
});
