// The site under its own strict Content-Security-Policy (no 'unsafe-eval', no inline code or
// style, nothing from elsewhere): the page carries it, the server sends it, and every tab is
// used as a person uses it (the configurator and its picture, the documents, the calculator
// with its curve and a warning, the quote with a CSV and an XLSX export, the search in its
// worker, the offline copy) without one refusal, console error or page error.
import assert from 'node:assert/strict';
import { existsSync } from 'node:fs';
import { mkdtemp, readFile, readdir, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import test from 'node:test';
import { SITE, startForTests } from './browser.mjs';

const { server, browser } = await startForTests();
const folder = await mkdtemp(join(tmpdir(), 'tarvek-policy-'));
test.after(() => rm(folder, { recursive: true, force: true }));

const pagePolicy = async () => {
  const page = await readFile(join(SITE, 'index.html'), 'utf8');
  return page.match(/<meta http-equiv="Content-Security-Policy" content="([^"]*)"/)[1];
};
const directives = (policy) => Object.fromEntries(policy.split(';').map((d) => d.trim().split(/\s+/)).filter((d) => d[0])
  .map(([name, ...sources]) => [name, sources]));

test('the page carries a strict policy, and the server sends it as a header', async () => {
  const policy = directives(await pagePolicy());
  assert.deepEqual(policy['default-src'], ["'none'"]);
  assert.deepEqual(policy['script-src'], ["'self'", "'wasm-unsafe-eval'"]);
  assert.deepEqual(policy['object-src'], ["'none'"]);
  assert.ok(['\'none\'', '\'self\''].includes(policy['base-uri'][0]));
  for (const sources of Object.values(policy))
    for (const source of sources) assert.doesNotMatch(source, /^'unsafe-(eval|inline|hashes)'$|\*|^https?:|^data:|^blob:/, source);
  for (const path of ['', 'index.html', 'app.mjs', 'search_worker.mjs', 'sw.js']) {
    const response = await fetch(`${server.url}${path}`);
    assert.equal(response.headers.get('content-security-policy'), `${await pagePolicy()}; frame-ancestors 'self'`, path);
  }
});

test('every tab works under the policy with nothing refused', async () => {
  const page = await browser.newPage();
  const problems = [];
  page.on('pageerror', (error) => problems.push(`page error: ${error.message}`));
  page.on('console', (message) => { if (message.type() === 'error') problems.push(`console: ${message.text()}`); });
  await page.evaluateOnNewDocument(() => {
    delete window.showSaveFilePicker;
    window.refused = [];
    document.addEventListener('securitypolicyviolation', (e) => window.refused.push(`${e.effectiveDirective}: ${e.blockedURI}`));
  });
  const downloads = await mkdtemp(join(folder, 'downloads-'));
  await (await page.createCDPSession()).send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
  const context = browser.defaultBrowserContext();
  await context.overridePermissions(server.url.replace(/\/$/, ''), ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
  await page.goto(`${server.url}#A310-MX2-2A-MXFX-VS`, { waitUntil: 'load' });
  await page.waitForSelector('body.settled, #loadError:not([hidden])', { timeout: 30000 });
  assert.equal(await page.$eval('#loadError', (e) => e.textContent), '');

  // The configurator: a list, an option, the picture, the find field, a copied link.
  assert.equal(await page.$eval('#lblPartNumber', (e) => e.textContent), 'A310-MX2-2A-MXFX-VS');
  await page.click('#optStd');
  assert.equal(await page.$eval('#lblPartNumber', (e) => e.textContent), 'A310-MX2-2A-MXFX');
  const porting = await page.$eval('#lstPorting', (l) => [...l.options].find((o) => o.textContent.startsWith('2A')).value);
  await page.select('#lstPorting', porting);
  await page.waitForFunction(() => document.getElementById('imgPicture').complete);
  assert.ok(await page.$eval('#imgPicture', (e) => !e.hidden && e.naturalWidth > 0), 'the porting drawing (SVG) shows');
  assert.ok(await page.$eval('#Image2 img', (e) => e.complete && e.naturalWidth > 0), 'the brand picture shows');
  await page.type('#txtFindPartNumber', 'J310-MX2-2A-MXFX-VS-BK-LS');
  await page.keyboard.press('Enter');
  assert.equal(await page.$eval('#lblFindResult', (e) => e.textContent), 'J310-MX2-2A-MXFX-VS-BK-LS is set.');
  await page.click('#cmdCopyLink');
  await page.waitForFunction(() => document.getElementById('lblCopied').textContent !== '');
  assert.equal(await page.evaluate(() => navigator.clipboard.readText()), `${server.url}#J310-MX2-2A-MXFX-VS-BK-LS`);

  // The literature: each first page shows, and a PDF can be had.
  await page.click('#tabLiteratureButton');
  await page.waitForFunction(() => [...document.querySelectorAll('#literatureDocuments img')].every((i) => i.complete));
  assert.ok(await page.$$eval('#literatureDocuments img', (pictures) => pictures.every((i) => i.naturalWidth > 0)));
  assert.equal(await page.evaluate(async () => (await fetch(document.querySelector('.documents a').href)).status), 200);

  // The calculator: a result, the standard's sizing with its curve, and a refused entry's warning.
  await page.click('#tabTechnicalButton');
  await page.$eval('#lstGasName', (list) => {
    list.selectedIndex = [...list.options].findIndex((o) => o.textContent === 'Nitrogen');
    list.dispatchEvent(new Event('change', { bubbles: true }));
  });
  for (const [id, value] of [['txtTemperature', '70'], ['txtInletPressure', '100'], ['txtOutletPressure', '80'], ['txtCv', '0.23']]) {
    await page.click(`#${id}`, { clickCount: 3 });
    await page.keyboard.type(value);
  }
  await page.click('#optCv');
  assert.match(await page.$eval('#lblMassFlow', (e) => e.textContent), /^\d/);
  await page.click('#optMethodIec');
  await page.waitForSelector('#flowCurve svg');
  await page.click('#txtTemperature', { clickCount: 3 });
  await page.keyboard.type('x');
  await page.waitForSelector('#dlgWarning[open]');
  await page.click('#cmdWarningOk');
  await page.waitForFunction(() => !document.getElementById('dlgWarning').open);

  // The quote: a line, then its CSV and its workbook (the workbook library loaded only now).
  await page.click('#tabConfiguratorButton');
  await page.click('#cmdAddToQuote');
  await page.click('#tabQuoteButton');
  await page.waitForSelector('#quoteLines tbody tr[data-row]');
  const number = await page.$eval('#txtQuoteNumber', (e) => e.value);
  await page.click('#cmdQuoteExportCsv');
  await page.click('#cmdQuoteExportXlsx');
  const workbook = join(downloads, `${number}.xlsx`);
  for (let i = 0; i < 200 && !existsSync(workbook); ++i) await new Promise((done) => setTimeout(done, 50));
  assert.ok(existsSync(workbook), `the workbook was written (${(await readdir(downloads)).join(', ')})`);
  assert.equal((await readFile(workbook)).subarray(0, 2).toString('latin1'), 'PK');
  assert.match(await page.$eval('#lblQuoteMessage', (e) => e.textContent), /^Exported /);
  assert.ok(existsSync(join(downloads, `${number}.csv`)));

  // The search: its index built in the worker, and a word searched.
  await page.click('#tabSearchButton');
  await page.waitForSelector('#searchForm:not([hidden])', { timeout: 60000 });
  const before = await page.$eval('#lblSearchCount', (e) => e.textContent);
  await page.type('#txtSearchWords', 'MXFX');
  await page.waitForFunction((b) => document.getElementById('lblSearchCount').textContent !== b, {}, before);
  assert.match(await page.$eval('#lblSearchCount', (e) => e.textContent), /^[1-9]/);

  // The offline copy: the service worker started and holds the site.
  assert.equal(await page.evaluate(async () => (await navigator.serviceWorker.ready).active !== null), true);

  assert.deepEqual(await page.evaluate(() => window.refused), []);
  assert.deepEqual(problems, []);
  await page.close();
});
