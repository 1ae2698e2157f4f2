// Find by Requirement in the browser: for a set of requirements the page finds as many
// configurations as the desktop's price book lists (tarvek-catalog --list --filter ...), and
// each entry's count is what choosing it leaves there too; the filters travel in the address
// and come back from it; a configuration found sets the configurator; Valves for this Flow
// asks for the flow's minimums; axe-core finds nothing serious on the search.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFile } from 'node:fs/promises';
import { createRequire } from 'node:module';
import { dirname } from 'node:path';
import test from 'node:test';
import { openCatalogue, startForTests } from './browser.mjs';

const PROGRAM = process.env.TARVEK_PROGRAM;
const { server, browser } = await startForTests();

const MX2 = 'MX2 - Standard Series';
const J310 = 'J310 --- Manual, Tee Knob, LOTO';

// The desktop's price book: the rows its filters keep, header aside (a quoted field may hold
// line ends: only those outside quotes end a row).
function listedRows(filters, standardOnly = false) {
  const args = ['--list', ...filters.flatMap((f) => ['--filter', f]), ...(standardOnly ? ['--standard-only'] : [])];
  const out = execFileSync(PROGRAM, args, { cwd: dirname(PROGRAM), encoding: 'utf8', maxBuffer: 1 << 30 });
  let rows = 0, quoted = false;
  for (const c of out) {
    if (c === '"') quoted = !quoted;
    else if (c === '\n' && !quoted) ++rows;
  }
  return rows - 1;
}

const addressOf = (filters) => `${server.url}?${filters.map((f) => `filter=${encodeURIComponent(f)}`).join('&')}`;

// The page at an address, its search shown once the worker answered.
async function searchPage(url) {
  const page = await openCatalogue(browser, url);
  await page.waitForSelector('body.settled');
  if (await page.$eval('#tabSearch', (panel) => panel.hidden)) await page.click('#tabSearchButton');
  await page.waitForSelector('#searchForm:not([hidden])', { timeout: 60000 });
  return page;
}

// What the page says it found, as a number.
const found = (page) => page.$eval('#lblSearchCount', (e) => Number((e.textContent.match(/^[\d,]+/) || ['0'])[0].replace(/,/g, '')));
// The count beside a list's entry.
const entryCount = (page, list, name) => page.$eval(`#${list}`, (box, n) => {
  const label = [...box.querySelectorAll('label')].find((l) => l.textContent.startsWith(`${n}  (`));
  return label ? Number(label.textContent.slice(n.length).replace(/[^\d]/g, '')) : -1;
}, name);
// Waits for the page to show a new count after an event.
async function changed(page, before, act) {
  await act();
  await page.waitForFunction((b) => document.getElementById('lblSearchCount').textContent !== b, {}, before);
}

test('the page finds what the desktop\'s price book lists, and each entry\'s count is what choosing it leaves', async () => {
  const requirements = [
    { filters: [`body=${MX2}`, 'porting=2A', `model=${J310}`] },
    { filters: [`body=${MX2}`, 'porting=2A', `model=${J310}`], standardOnly: true },
    { filters: [`body=${MX2}`, `model=${J310}`, 'porting=2A', 'porting=4D'] },
  ];
  for (const { filters, standardOnly } of requirements) {
    const page = await searchPage(addressOf([...filters, ...(standardOnly ? ['standard_only=yes'] : [])]));
    assert.equal(await found(page), listedRows(filters, standardOnly), JSON.stringify(filters));
    await page.close();
  }
  // With the body and the model chosen, the porting 2A's entry says what choosing it leaves.
  const page = await searchPage(addressOf([`body=${MX2}`, `model=${J310}`]));
  assert.equal(await entryCount(page, 'lstSearchPorting', '2A'), listedRows([`body=${MX2}`, `model=${J310}`, 'porting=2A']));
  // An entry that would leave nothing cannot be ticked.
  const empty = await page.$$eval('#lstSearchActuator input', (boxes) => boxes.filter((b) => b.disabled).length);
  assert.ok(empty > 0, 'the actuators a manual J310 does not have are disabled');
  await page.close();
});

test('the filters are kept in the address and a link opens the same search', async () => {
  const page = await searchPage(addressOf([`body=${MX2}`]));
  // Ticked by the keyboard: the porting list opened, its entry ticked with Space.
  await page.focus('#lstSearchPorting summary');
  await page.keyboard.press('Enter');
  const box = await page.evaluateHandle(() => [...document.querySelectorAll('#lstSearchPorting label')]
    .find((l) => l.textContent.startsWith('4D  (')).querySelector('input'));
  await box.focus();
  const before = await page.$eval('#lblSearchCount', (e) => e.textContent);
  await changed(page, before, () => page.keyboard.press('Space'));
  await page.type('#txtSearchWords', 'MXFX');
  await page.waitForFunction(() => new URLSearchParams(location.search).getAll('filter').includes('words=MXFX'));
  const address = await page.evaluate(() => location.href);
  assert.deepEqual(await page.evaluate(() => new URLSearchParams(location.search).getAll('filter')),
    [`body=${MX2}`, 'porting=4D', 'words=MXFX']);
  const count = await page.$eval('#lblSearchCount', (e) => e.textContent);
  await page.close();

  const opened = await searchPage(address);
  assert.equal(await opened.$eval('#lblSearchCount', (e) => e.textContent), count);
  assert.equal(await opened.$eval('#txtSearchWords', (e) => e.value), 'MXFX');
  assert.match(await opened.$eval('#lstSearchPorting summary', (e) => e.textContent), /4D {2}\(/);
  // Clear filters (Alt+Shift+F), from the words' box: every filter and box back to "Any" and empty.
  await opened.focus('#txtSearchWords');
  await opened.keyboard.down('Alt');
  await opened.keyboard.down('Shift');
  await opened.keyboard.press('KeyF');
  await opened.keyboard.up('Shift');
  await opened.keyboard.up('Alt');
  await opened.waitForFunction(() => document.getElementById('txtSearchWords').value === '' && location.search === '');
  assert.match(await opened.$eval('#lblSearchCount', (e) => e.textContent), /^1,857,542 configurations/);
  // A link asking for what the catalogue does not have says so, and uses the rest.
  await opened.goto(`${addressOf(['porting=ZZ9', `body=${MX2}`])}`);
  await opened.waitForSelector('#searchForm:not([hidden])');
  await opened.waitForFunction(() => document.getElementById('lblSearchMessage').textContent.includes('porting=ZZ9'));
  assert.match(await opened.$eval('#lstSearchBody summary', (e) => e.textContent), new RegExp(`${MX2} {2}\\(`));
  await opened.close();
});

// A megabyte pasted into Words: the search reads its first 200 characters, and the address
// holds those and no more, and opens the same search.
test('words longer than those searched go into the address only as far as they are searched', async () => {
  const page = await searchPage(server.url);
  const typed = 'MXFX '.repeat(40) + 'Ü'.repeat(1 << 20);
  const searched = typed.slice(0, 200);
  await page.$eval('#txtSearchWords', (box, t) => { box.value = t; box.dispatchEvent(new Event('input', { bubbles: true })); }, typed);
  await page.waitForFunction(() => new URLSearchParams(location.search).getAll('filter').some((f) => f.startsWith('words=')));
  assert.deepEqual(await page.evaluate(() => new URLSearchParams(location.search).getAll('filter')), [`words=${searched}`]);
  assert.ok(await page.evaluate(() => location.href.length) < 2000);
  assert.match(await page.$eval('#lblSearchMessage', (e) => e.textContent), /Only the first 200 characters/);
  const count = await page.$eval('#lblSearchCount', (e) => e.textContent);
  const opened = await searchPage(await page.evaluate(() => location.href));
  assert.equal(await opened.$eval('#txtSearchWords', (e) => e.value), searched);
  assert.equal(await opened.$eval('#lblSearchCount', (e) => e.textContent), count);
  await page.close();
  await opened.close();
});

test('a configuration found sets the configurator, and its rows copy as the price book\'s CSV', async () => {
  const context = await browser.createBrowserContext();
  await context.overridePermissions(server.url, ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
  const page = await context.newPage();
  await page.goto(addressOf([`body=${MX2}`, 'porting=2A', `model=${J310}`, 'standard_only=yes']));
  await page.waitForSelector('#searchForm:not([hidden])', { timeout: 60000 });
  await page.waitForSelector('#searchResults tr.group button.open');
  await page.click('#searchResults tr.group button.open');
  await page.waitForSelector('#searchResults tr.configuration a');
  const partNumber = await page.$eval('#searchResults tr.configuration a', (a) => a.textContent);
  // Ticked and copied: the header and its row, as --list writes them.
  await page.click('#searchResults tr.configuration input');
  await page.click('#cmdCopySearchResults');
  await page.waitForFunction(() => document.getElementById('lblSearchCopied').textContent !== '');
  const copied = await page.evaluate(() => navigator.clipboard.readText());
  const listed = execFileSync(PROGRAM, ['--list', '--filter', `catalogue_part_number=${partNumber}`],
    { cwd: dirname(PROGRAM), encoding: 'utf8' });
  assert.equal(copied, listed);
  await page.click('#searchResults tr.configuration a');
  await page.waitForFunction(() => !document.getElementById('tabConfigurator').hidden);
  await page.waitForFunction((p) => document.getElementById('lblPartNumber').textContent === p, {}, partNumber);
  assert.ok(await page.evaluate(() => location.search.includes('filter=')), 'the search stays in the address');
  await context.close();
});

test('Valves for this Flow asks for the Cv the flow needs and the inlet pressure', async () => {
  const page = await openCatalogue(browser, server.url);
  await page.waitForSelector('body.settled');
  await page.click('#tabTechnicalButton');
  await page.$eval('#lstGasName', (list) => {
    list.selectedIndex = [...list.options].findIndex((o) => o.textContent === 'Nitrogen');
    list.dispatchEvent(new Event('change', { bubbles: true }));
  });
  await page.click('#optCv');
  for (const [id, text] of [['txtTemperature', '70'], ['txtInletPressure', '100'], ['txtOutletPressure', '20'], ['txtMassFlow', '450.5']])
    await page.$eval(`#${id}`, (box, t) => { box.value = t; box.dispatchEvent(new Event('input', { bubbles: true })); }, text);
  assert.ok(await page.$eval('#cmdValvesForFlow', (b) => !b.hidden && !b.disabled));
  await page.click('#cmdValvesForFlow');
  await page.waitForFunction(() => !document.getElementById('tabSearch').hidden);
  await page.waitForFunction(() => document.getElementById('lstSearchCv').selectedIndex > 0);
  const chosen = (id) => page.$eval(`#${id}`, (list) => list.options[list.selectedIndex].textContent);
  assert.match(await chosen('lstSearchCv'), /^0\.2304 {2}\(/);
  assert.match(await chosen('lstSearchRatedPressure'), /^100 psig {2}\(/);
  // Many groups: the first screen of them, and more on asking.
  const groups = () => page.$$eval('#searchResults tr.group', (rows) => rows.length);
  const first = await groups();
  await page.click('#cmdSearchMore');
  await page.waitForFunction((n) => document.querySelectorAll('#searchResults tr.group').length > n, {}, first);
  assert.equal(await groups(), 2 * first);
  await page.close();
});

test('the search fits a phone and 200 % zoom, and axe-core finds no serious or critical violation on it', async () => {
  const axeSource = await readFile(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
  const problems = [];
  // A desktop, a phone, and 200 % zoom on a small window.
  const viewports = [{ width: 1280, height: 900 }, { width: 360, height: 900 }, { width: 640, height: 450, deviceScaleFactor: 2 }];
  for (const scheme of ['light', 'dark']) {
    for (const viewport of viewports) {
      const width = `${viewport.width}${viewport.deviceScaleFactor ? ' at 200 %' : ''}`;
      const page = await browser.newPage();
      await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: scheme }]);
      await page.setViewport(viewport);
      await page.goto(addressOf([`body=${MX2}`, 'porting=2A', 'price_from=abc']));
      await page.waitForSelector('#searchForm:not([hidden])', { timeout: 60000 });
      await page.click('#lstSearchPorting summary');
      await page.click('#searchResults tr.group button.open');
      await page.waitForSelector('#searchResults tr.configuration');
      assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= window.innerWidth), `fits ${width} px`);
      await page.evaluate(axeSource);
      const found = await page.evaluate(async () => (await window.axe.run(document)).violations
        .filter((v) => v.impact === 'serious' || v.impact === 'critical')
        .map((v) => `${v.id} (${v.impact}): ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
      for (const v of found) problems.push(`${scheme}, ${width} px: ${v}`);
      await page.close();
    }
  }
  assert.deepEqual(problems, []);
});
