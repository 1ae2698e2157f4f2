// axe-core over every kind of page state the tests reach, in light and dark colours, at
// desktop and phone width: no serious or critical violation.
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { createRequire } from 'node:module';
import test from 'node:test';
import { startBrowser, startServer } from './browser.mjs';

const axeSource = await readFile(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

async function violations(page) {
  if (!(await page.evaluate(() => typeof window.axe === 'object'))) await page.evaluate(axeSource);
  const found = await page.evaluate(async () => (await window.axe.run(document)).violations
    .filter((v) => v.impact === 'serious' || v.impact === 'critical')
    .map((v) => `${v.id} (${v.impact}): ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
  return found;
}

const STATES = [
  ['the opened page', '', async () => {}],
  ['a configuration with the banner', '#U310-MX1-2A-TX6X', async () => {}],
  ['an answer of the find field', '', async (page) => {
    await page.type('#txtFindPartNumber', 'A310-MX9');
    await page.keyboard.press('Enter');
  }],
  ['the prices hidden', '#J310-MX2-2A-MXFX-VS-BK-LS', async (page) => page.click('#Image2', { clickCount: 2 })],
  ['the literature', '', async (page) => page.click('#tabLiteratureButton')],
  ['the maintenance sheets and the calculator', '', async (page) => page.click('#tabTechnicalButton')],
  ['the sizing by the standard with a result and its curve', '', async (page) => {
    await page.click('#tabTechnicalButton');
    await page.$eval('#lstGasName', (list) => { list.selectedIndex = 1; list.dispatchEvent(new Event('change')); });
    for (const [id, value] of [['txtInletPressure', '100'], ['txtOutletPressure', '20']])
      await page.$eval(`#${id}`, (box, v) => { box.value = v; box.dispatchEvent(new Event('input')); }, value);
    await page.click('#optMethodIec');
  }],
  ['a refused entry\'s warning', '', async (page) => {
    await page.click('#tabTechnicalButton');
    await page.$eval('#txtTemperature', (box) => { box.value = 'x'; box.dispatchEvent(new Event('input')); });
    await page.waitForSelector('#dlgWarning[open]');
  }],
  // More lines than are drawn at once: the rows in view between the spacer rows.
  ['a quote of many lines', '#J310-MX2-2A-MXFX-VS-BK-LS', async (page) => {
    await page.click('#cmdAddToQuote');
    await page.click('#tabQuoteButton');
    await page.click('#quotePasteBox summary');
    await page.$eval('#txtQuotePaste', (box) => { box.value = 'A310-MX2-2A-MXFX-VS\t3\nnonsense\n' + 'U310-MX1-2A-TX6X\n'.repeat(300); });
    await page.click('#cmdQuotePaste');
  }],
  // The notices a page shows when a new build waits and when its storage may not last.
  ['a new version waiting, and storage that may not last', '', async (page) => {
    await page.click('#tabQuoteButton');
    await page.evaluate(() => {
      document.getElementById('newVersion').hidden = false;
      document.getElementById('lblQuoteLasting').hidden = false;
    });
  }],
];

test('no serious or critical violation in any state, scheme or width', async () => {
  const server = await startServer();
  const browser = await startBrowser();
  try {
    const problems = [];
    for (const scheme of ['light', 'dark']) {
      for (const width of [1280, 360]) {
        for (const [name, hash, reach] of STATES) {
          const page = await browser.newPage();
          await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: scheme }]);
          await page.setViewport({ width, height: 900 });
          await page.goto(`${server.url}${hash}`);
          await page.waitForSelector('body.settled');
          await reach(page);
          for (const v of await violations(page)) problems.push(`${name}, ${scheme}, ${width} px: ${v}`);
          await page.close();
        }
      }
    }
    assert.deepEqual(problems, []);
  } finally {
    await browser.close();
    await server.close();
  }
});
