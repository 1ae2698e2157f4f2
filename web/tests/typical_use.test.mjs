// The web edition used as a sales engineer uses it: the cascade, the options, the prices,
// hidden prices, the non-standard banner, the find field, the links, the documents, the
// pictures, a second visit without a network, and all of it from the keyboard alone.
// Expected values are the catalogue's own examples.
import assert from 'node:assert/strict';
import { cp, mkdtemp, readFile, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import test from 'node:test';
import { SITE, openCatalogue, startForTests, startServer } from './browser.mjs';

const { server, browser } = await startForTests();

const text = (page, id) => page.$eval(`#${id}`, (e) => e.textContent);
const shown = (page, id) => page.$eval(`#${id}`, (e) => !e.hidden && e.getClientRects().length > 0);
const hash = (page) => page.evaluate(() => decodeURIComponent(location.hash));

// Chooses the first entry that begins with `start`, as a user picks it from the list.
async function choose(page, list, start) {
  const value = await page.$eval(`#${list}`, (select, s) => {
    const option = [...select.options].find((o) => o.textContent.startsWith(s));
    return option ? option.value : null;
  }, start);
  assert.ok(value !== null, `${list} offers ${start}`);
  await page.select(`#${list}`, value);
}

async function configureA310(page) {
  await choose(page, 'lstProductType', 'Diaphragm Valves');
  await choose(page, 'lstBody', 'MX2 - Standard Series');
  await choose(page, 'lstModel', 'A310 ---');
  await choose(page, 'lstPorting', '2A');
  await choose(page, 'lstConn1', 'M - Male Face Seal, 1/4 inch');
  await choose(page, 'lstConn3', 'F - Female Face Seal, 1/4 inch');
  await page.click('#optVSKZ');
}

test('the cascade, the options and the prices give the catalogue\'s part number and price', async () => {
  const page = await openCatalogue(browser, server.url);
  assert.equal(await page.$eval('#lstBody', (e) => e.disabled), true);
  await configureA310(page);
  assert.equal(await text(page, 'lblPartNumber'), 'A310-MX2-2A-MXFX-VS');
  assert.equal(await text(page, 'lblPrice'), '350');
  await page.click('#txtDiscount', { clickCount: 3 });
  await page.keyboard.type('10');
  assert.equal(await text(page, 'lblNetPrice'), '315');
  assert.equal(await hash(page), '#A310-MX2-2A-MXFX-VS');
  assert.equal(await shown(page, 'lblNS1'), false);
  // The porting drawing, rendered to SVG by the build, shows under its frame's title.
  await choose(page, 'lstPorting', '2A');
  assert.equal(await text(page, 'fraPictureTitle'), 'Porting (Top View)');
  await page.waitForFunction(() => document.getElementById('imgPicture').complete);
  assert.match(await page.$eval('#imgPicture', (e) => e.src), /pictures\/2A\.svg$/);
  assert.ok(await page.$eval('#imgPicture', (e) => e.naturalWidth > 0));
  assert.deepEqual(page.problems, []);
  await page.close();
});

test('the brand picture hides the prices and shows them again', async () => {
  const page = await openCatalogue(browser, server.url);
  await configureA310(page);
  assert.equal(await shown(page, 'lblPrice'), true);
  await page.click('#Image2', { clickCount: 2 });
  for (const id of ['Label3', 'lblPrice', 'Label6', 'txtDiscount', 'Label4', 'lblNetPrice'])
    assert.equal(await shown(page, id), false, id);
  assert.equal(await text(page, 'lblPartNumber'), 'A310-MX2-2A-MXFX-VS');
  await page.click('#Image2', { clickCount: 2 });
  assert.equal(await shown(page, 'lblPrice'), true);
  await page.close();
});

test('a configuration that is not standard shows the banner and why', async () => {
  const page = await openCatalogue(browser, `${server.url}#U310-MX1-2A-TX6X`);
  assert.equal(await text(page, 'lblPartNumber'), 'U310-MX1-2A-TX6X');
  assert.equal(await text(page, 'lblPrice'), '300');
  assert.equal(await shown(page, 'lblNS1'), true);
  assert.equal(await text(page, 'lblNS1Text'), 'NON-STANDARD - Consult supplier for availability');
  assert.match(await text(page, 'lblNS1Explanation'), /^Connection 3: "6 - Tube Stub, 3\/8 inch"/);
  await page.close();
});

test('the find field answers as the window\'s does and sets the configuration', async () => {
  const page = await openCatalogue(browser, server.url);
  await page.type('#txtFindPartNumber', ' j310-mx2-2a-mxfx-vs-bk-ls ');
  await page.keyboard.press('Enter');
  assert.equal(await text(page, 'lblFindResult'), 'J310-MX2-2A-MXFX-VS-BK-LS is set.');
  assert.equal(await text(page, 'lblPrice'), '367.5');
  assert.equal(await page.$eval('#chkLS', (e) => e.checked), true);
  await page.click('#txtFindPartNumber', { clickCount: 3 });
  await page.keyboard.type('A310-MX3-4A-M8M8X');
  await page.keyboard.press('Enter');
  assert.equal(await text(page, 'lblFindResult'),
    '2 configurations give A310-MX3-4A-M8M8X; the one with the fewest choices is set.');
  assert.equal(await text(page, 'lblPartNumber'), 'A310-MX3-4A-M8M8X');
  await page.click('#txtFindPartNumber', { clickCount: 3 });
  await page.keyboard.type('nonsense');
  await page.keyboard.press('Enter');
  assert.match(await text(page, 'lblFindResult'), /ONSENSE/);  // how far it was understood
  assert.equal(await text(page, 'lblPartNumber'), 'A310-MX3-4A-M8M8X');  // nothing changed
  await page.close();
});

test('a link opens its configuration, the second of an ambiguous number too, and is copied', async () => {
  const context = browser.defaultBrowserContext();
  await context.overridePermissions(server.url.replace(/\/$/, ''), ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
  const connections = (page) => page.$$eval('select', (lists) => lists.slice(4, 7).map((l) =>
    (l.selectedIndex >= 0 ? l.options[l.selectedIndex].textContent.split(' ')[0] : '')).join(' '));
  const page = await openCatalogue(browser, `${server.url}#A310-MX3-4A-M8M8X~2`);
  assert.equal(await text(page, 'lblPartNumber'), 'A310-MX3-4A-M8M8X');
  const second = await connections(page);
  assert.ok(['M8 M 8', 'M 8 M8'].includes(second), second);  // the catalogue's two readings
  assert.equal(await hash(page), '#A310-MX3-4A-M8M8X~2');
  await page.click('#cmdCopyLink');
  await page.waitForFunction(() => document.getElementById('lblCopied').textContent !== '');
  assert.equal(await page.evaluate(() => navigator.clipboard.readText()), `${server.url}#A310-MX3-4A-M8M8X~2`);
  // The first of the two is named by the number alone; a new address opens it.
  const before = await page.$eval('#lstConn1', (e) => e.selectedIndex);
  await page.evaluate(() => { location.hash = 'A310-MX3-4A-M8M8X'; });
  await page.waitForFunction((n) => document.getElementById('lstConn1').selectedIndex !== n, {}, before);
  assert.ok(['M8 M 8', 'M 8 M8'].includes(await connections(page)));
  assert.notEqual(await connections(page), second);
  await page.click('#cmdCopyQuote');
  await page.waitForFunction(() => document.getElementById('lblCopied').textContent === 'The quote was copied.');
  assert.match(await page.evaluate(() => navigator.clipboard.readText()), /^Part Number: A310-MX3-4A-M8M8X$/m);
  await page.close();
});

test('the eighteen documents open as the build\'s PDFs', async () => {
  const page = await openCatalogue(browser, server.url);
  await page.click('#tabLiteratureButton');
  assert.equal(await page.$$eval('#literatureDocuments a', (a) => a.length), 12);
  await page.click('#tabTechnicalButton');
  assert.equal(await page.$$eval('#technicalDocuments a', (a) => a.length), 6);
  assert.equal(await page.$eval('#cmdDocument2 span', (e) => e.textContent), 'MX2  Valves');
  const answers = await page.$$eval('.documents a', (links) => Promise.all(links.map(async (a) => {
    const response = await fetch(a.href);
    const start = new Uint8Array(await response.arrayBuffer()).slice(0, 5);
    const picture = a.querySelector('img');
    await picture.decode();
    return `${response.status} ${response.headers.get('content-type')} ${String.fromCharCode(...start)} ${picture.naturalWidth > 0}`;
  })));
  assert.equal(answers.length, 18);
  for (const answer of answers) assert.equal(answer, '200 application/pdf %PDF- true');
  await page.close();
});

test('the keyboard alone configures, finds and toggles the prices', async () => {
  const page = await openCatalogue(browser, server.url);
  const focused = () => page.evaluate(() => document.activeElement.id);
  for (let i = 0; i < 10 && (await focused()) !== 'lstProductType'; ++i) await page.keyboard.press('Tab');
  assert.equal(await focused(), 'lstProductType');
  await page.keyboard.press('ArrowDown');
  assert.notEqual(await page.$eval('#lstProductType', (e) => e.selectedIndex), -1);
  // The list below opens, as after a click.
  assert.equal(await page.$eval('#lstBody', (e) => !e.disabled) || await page.$eval('#lstModel', (e) => !e.disabled), true);
  await page.keyboard.down('Control');
  await page.keyboard.press('f');
  await page.keyboard.up('Control');
  assert.equal(await focused(), 'txtFindPartNumber');
  await page.keyboard.type('A310-MX2-2A-MXFX-VS');
  await page.keyboard.press('Enter');
  assert.equal(await text(page, 'lblPartNumber'), 'A310-MX2-2A-MXFX-VS');
  await page.keyboard.press('Escape');
  assert.equal(await focused(), 'lstProductType');
  await page.focus('#Image2');
  await page.keyboard.press('Enter');
  assert.equal(await shown(page, 'lblPrice'), false);
  await page.keyboard.press('Space');
  assert.equal(await shown(page, 'lblPrice'), true);
  // The tabs: arrow keys move between the pages.
  await page.focus('#tabConfiguratorButton');
  await page.keyboard.press('ArrowRight');
  assert.equal(await focused(), 'tabLiteratureButton');
  assert.equal(await shown(page, 'tabLiterature'), true);
  await page.close();
});

test('on a 360 px phone and at 200 % nothing runs off the side', async () => {
  for (const viewport of [{ width: 360, height: 740, deviceScaleFactor: 3 }, { width: 640, height: 450, deviceScaleFactor: 2 }]) {
    const page = await browser.newPage();
    await page.setViewport(viewport);
    await page.goto(`${server.url}#U310-MX1-2A-TX6X`);
    await page.waitForSelector('body.ready');
    for (const tab of ['tabConfiguratorButton', 'tabLiteratureButton', 'tabTechnicalButton', 'tabQuoteButton']) {
      await page.click(`#${tab}`);
      assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= window.innerWidth),
        `${tab} fits ${viewport.width} px`);
    }
    await page.close();
  }
});

test('a second visit works without a network', async () => {
  const own = await startServer();
  const page = await openCatalogue(browser, own.url);
  await page.evaluate(async () => {
    const registration = await navigator.serviceWorker.ready;
    return registration.active.state;
  });
  await own.close();
  await page.goto('about:blank');
  await page.goto(`${own.url}#A310-MX2-2A-MXFX-VS`, { waitUntil: 'load' });
  await page.waitForSelector('body.ready', { timeout: 10000 });
  assert.equal(await text(page, 'lblPartNumber'), 'A310-MX2-2A-MXFX-VS');
  await page.click('#tabLiteratureButton');
  const pdf = await page.evaluate(async () => (await fetch(document.querySelector('.documents a').href)).status);
  assert.equal(pdf, 200);
  await page.close();
});

test('a new build replaces the offline copy whole, once no page of the old one is open', async () => {
  const site = await mkdtemp(join(tmpdir(), 'tarvek-site-'));
  await cp(SITE, site, { recursive: true });
  const own = await startServer(site);
  const caches = (page) => page.evaluate(async () => (await caches.keys()).sort());
  try {
    let page = await openCatalogue(browser, own.url);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.reload();  // a second visit: the page is the worker's now
    await page.waitForSelector('body.ready');
    assert.equal(await page.evaluate(() => navigator.serviceWorker.controller !== null), true);
    const [old] = await caches(page);
    assert.match(old, /^tarvek-[0-9a-f]{16}$/);
    // The next build: another style sheet, and so another name for its cache.
    await writeFile(join(site, 'style.css'), `${await readFile(join(site, 'style.css'), 'utf8')}\n/* next build */\n`);
    const worker = await readFile(join(site, 'sw.js'), 'utf8');
    await writeFile(join(site, 'sw.js'), worker.replace(old, `${old}next`));
    await page.evaluate(async () => (await navigator.serviceWorker.getRegistration()).update());
    // Filled beside the old one, which still serves the open page.
    await page.waitForFunction(async () => (await caches.keys()).length === 2, { polling: 100, timeout: 30000 });
    assert.doesNotMatch(await page.evaluate(async () => (await fetch('style.css')).text()), /next build/);
    // With the old build's last page closed, the new one takes over: a later visit finds
    // its cache alone (each try closes its page again, so the browser can switch).
    let names = [];
    for (let attempt = 0; attempt < 20 && names.join() !== `${old}next`; ++attempt) {
      await page.close();
      await new Promise((done) => setTimeout(done, 500));
      page = await browser.newPage();
      await page.goto(own.url);
      names = await caches(page);
    }
    assert.deepEqual(names, [`${old}next`]);
    assert.match(await page.evaluate(async () => (await fetch('style.css')).text()), /next build/);
    await page.close();
  } finally {
    await own.close();
    await rm(site, { recursive: true, force: true });
  }
});
