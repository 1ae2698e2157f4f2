// What the quote's browser tests share: a page of the site whose saves and exports are
// downloads into a folder of its own, the table's rows as shown, and the quote's own actions
// as a user takes them.
import assert from 'node:assert/strict';
import { existsSync } from 'node:fs';
import { mkdtemp, readFile, readdir } from 'node:fs/promises';
import { join } from 'node:path';

export const text = (page, id) => page.$eval(`#${id}`, (e) => e.textContent);

// The rows drawn (the table draws those in view); lineCount: the lines the table holds.
export const rows = (page) => page.$$eval('#quoteLines tbody tr[data-row]', (trs) => trs.map((tr) => [...tr.cells].map((c) => {
  const input = c.querySelector('input');
  return input ? input.value : c.textContent;
})));

export const lineCount = (page) => page.$eval('#quoteLines', (table) => Number(table.getAttribute('aria-rowcount')) - 1);

// A page whose saves and exports are downloads into a folder of its own within `folder`.
export async function openQuotePage(browser, url, folder) {
  const page = await browser.newPage();
  await page.evaluateOnNewDocument(() => {
    delete window.showSaveFilePicker;
    delete window.showOpenFilePicker;
  });
  const problems = [];
  page.on('pageerror', (error) => problems.push(error.message));
  page.problems = problems;
  page.downloads = await mkdtemp(join(folder, 'downloads-'));
  const session = await page.createCDPSession();
  await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: page.downloads });
  await page.goto(url, { waitUntil: 'load' });
  await page.waitForSelector('body.settled');
  return page;
}

export async function downloaded(page, name) {
  const path = join(page.downloads, name);
  for (let i = 0; i < 200 && !existsSync(path); ++i) await new Promise((r) => setTimeout(r, 50));
  assert.ok(existsSync(path), `${name} downloaded (${(await readdir(page.downloads)).join(', ')})`);
  return readFile(path);
}

// The file a button's file chooser is given.
export async function chooseFile(page, button, path) {
  const [chooser] = await Promise.all([page.waitForFileChooser(), page.click(`#${button}`)]);
  await chooser.accept([path]);
}

export async function paste(page, lines) {
  if (!(await page.$eval('#quotePasteBox', (box) => box.open))) await page.click('#quotePasteBox summary');
  await page.$eval('#txtQuotePaste', (box, t) => { box.value = t; }, lines);
  await page.click('#cmdQuotePaste');
}

// A new quote on the quote's tab; one with unsaved changes is given up when asked.
export async function newQuote(page) {
  await page.click('#tabQuoteButton');
  page.once('dialog', (d) => d.accept());
  await page.click('#cmdQuoteNew');
  page.removeAllListeners('dialog');
}

// A header field typed into and left.
export function typeIntoHeader(page, id, value) {
  return page.$eval(`#${id}`, (box, v) => { box.value = v; box.dispatchEvent(new Event('change', { bubbles: true })); }, value);
}
