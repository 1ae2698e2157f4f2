// A newer build of the site put online while pages of the old one are open: the browser
// installs it and it waits, so reloading still shows the old build; every page says so, with a
// button that loads it. The button loads the new build in every tab, and nothing of the quote
// is lost: a quantity being typed in the other tab is taken before it loads again.
import assert from 'node:assert/strict';
import { createHash } from 'node:crypto';
import { cp, mkdtemp, readdir, readFile, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join, relative } from 'node:path';
import test from 'node:test';
import { SITE, openWindow, startBrowser, startServer } from './browser.mjs';

const browser = await startBrowser();
test.after(() => browser.close());

const sha256 = (bytes) => createHash('sha256').update(bytes).digest('hex');

// A build's name as the build makes it: the digest of each file's name and digest, sorted,
// the service worker that carries the name left out.
async function buildName(site) {
  const files = [];
  const walk = async (folder) => {
    for (const entry of await readdir(folder, { withFileTypes: true })) {
      const path = join(folder, entry.name);
      if (entry.isDirectory()) await walk(path);
      else files.push(relative(site, path));
    }
  };
  await walk(site);
  let digests = '';
  for (const name of files.filter((file) => file !== 'sw.js').sort()) digests += `${name} ${sha256(await readFile(join(site, name)))}\n`;
  return sha256(digests).slice(0, 16);
}

const open = (url) => openWindow(browser, url);  // windows side by side: both are drawn
const build = (page) => page.$eval('meta[name=build]', (meta) => meta.content).catch(() => 'first');
const quantity = (page) => page.evaluate(() => window.tarvekPages.quote.quote.lines(false, 0, 1)[0].quantity);

test('a newer build waiting is said with a button that loads it in every tab, and the quote survives', async () => {
  const site = await mkdtemp(join(tmpdir(), 'tarvek-site-'));
  await cp(SITE, site, { recursive: true });
  const server = await startServer(site);
  try {
    // A second visit: the page is the service worker's.
    const a = await open(server.url);
    await a.evaluate(() => navigator.serviceWorker.ready);
    await a.reload();
    await a.waitForSelector('body.settled');
    assert.equal(await a.evaluate(() => navigator.serviceWorker.controller !== null), true);
    await a.click('#tabQuoteButton');
    await a.$eval('#txtQuotePaste', (box) => { box.value = 'A310-MX2-2A-MXFX-VS\t2\nJ310-MX2-2A-MXFX-VS-BK-LS\n'; });
    await a.click('#quotePasteBox summary');
    await a.click('#cmdQuotePaste');
    const b = await open(server.url);
    assert.equal(await a.$eval('#newVersion', (notice) => notice.hidden), true);

    // The next build: another page, and so another name, written into its service worker.
    const worker = await readFile(join(site, 'sw.js'), 'utf8');
    const first = await buildName(site);
    assert.ok(worker.includes(`'tarvek-${first}'`), 'the build\'s own name, made here as the build makes it');
    const index = await readFile(join(site, 'index.html'), 'utf8');
    await writeFile(join(site, 'index.html'), index.replace('<title>', '<meta name="build" content="next">\n<title>'));
    const next = await buildName(site);
    await writeFile(join(site, 'sw.js'), worker.replace(`'tarvek-${first}'`, `'tarvek-${next}'`));

    // A reload finds it; it installs and waits, and the reloaded page is still the old build.
    await b.reload();
    await b.waitForSelector('body.settled');
    assert.equal(await build(b), 'first');
    for (const page of [a, b]) await page.waitForSelector('#newVersion:not([hidden])', { timeout: 60000 });
    assert.equal(await a.$eval('#lblNewVersion', (label) => label.textContent), 'A new version of the catalogue is ready.');
    assert.deepEqual(await a.$eval('#cmdLoadNewVersion', (button) => [button.textContent, button.getAttribute('aria-label'),
      button.accessKey, button.getAttribute('aria-keyshortcuts')]),
    ['Update now', 'Update now: load the new version of the catalogue', 'u', 'Alt+U']);

    // A quantity typed in A and not left; the button pressed in B: both load the new build.
    await a.click('#quoteLines tr[data-row="0"] input[data-edit=quantity]');
    await a.keyboard.type('7');
    const reloaded = [a, b].map((page) => page.waitForNavigation({ waitUntil: 'load', timeout: 60000 }));
    await b.click('#cmdLoadNewVersion');
    await Promise.all(reloaded);
    for (const page of [a, b]) {
      await page.waitForSelector('body.settled');
      assert.equal(await build(page), 'next');
      assert.equal(await page.$eval('#newVersion', (notice) => notice.hidden), true);
      assert.deepEqual(await page.evaluate(async () => (await caches.keys()).sort()), [`tarvek-${next}`]);
      assert.equal(await page.evaluate(() => window.tarvekPages.quote.quote.view(false).lineCount), 2);
      assert.equal(await quantity(page), '7');
      assert.deepEqual(page.problems, []);
    }
    await a.close();
    await b.close();
  } finally {
    await server.close();
    await rm(site, { recursive: true, force: true });
  }
});
