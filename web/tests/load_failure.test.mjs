// When the rules cannot run (the .wasm missing or damaged, or a browser without
// WebAssembly) the page says so clearly instead of staying blank.
import assert from 'node:assert/strict';
import { cp, mkdtemp, readFile, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import test from 'node:test';
import { SITE, openCatalogue, startBrowser, startServer } from './browser.mjs';

const browser = await startBrowser();
test.after(() => browser.close());

async function messageOf(site, beforeLoad = async () => {}) {
  const server = await startServer(site);
  try {
    const page = await browser.newPage();
    await beforeLoad(page);
    await page.goto(server.url);
    await page.waitForSelector('#loadError:not([hidden]), body.ready', { timeout: 30000 });
    const state = await page.evaluate(() => ({
      ready: document.body.classList.contains('ready'),
      message: document.getElementById('loadError').textContent,
      visible: document.getElementById('loadError').getClientRects().length > 0,
      loading: !document.getElementById('loading').hidden,
    }));
    await page.close();
    return state;
  } finally {
    await server.close();
  }
}

async function siteWith(change) {
  const copy = await mkdtemp(join(tmpdir(), 'tarvek-site-'));
  await cp(SITE, copy, { recursive: true });
  await change(copy);
  return copy;
}

test('a missing .wasm is said so', async () => {
  const site = await siteWith((s) => rm(join(s, 'tarvek.wasm')));
  const state = await messageOf(site);
  await rm(site, { recursive: true });
  assert.equal(state.ready, false);
  assert.equal(state.visible, true);
  assert.equal(state.loading, false);
  assert.match(state.message, /tarvek\.wasm\) could not be loaded/);
});

test('a damaged .wasm is said so', async () => {
  const site = await siteWith((s) => writeFile(join(s, 'tarvek.wasm'), Buffer.from('\0asm\x01\0\0\0garbage that is no module')));
  const state = await messageOf(site);
  await rm(site, { recursive: true });
  assert.equal(state.ready, false);
  assert.equal(state.visible, true);
  assert.match(state.message, /could not be loaded/);
});

// A host or proxy whose policy allows no WebAssembly: the page names the policy, not a
// damaged site.
test('a policy that refuses the program is named as the cause', async () => {
  const site = await siteWith(async (s) => {
    const page = await readFile(join(s, 'index.html'), 'utf8');
    await writeFile(join(s, 'index.html'), page.replace(" 'wasm-unsafe-eval'", ''));
  });
  const state = await messageOf(site);
  await rm(site, { recursive: true });
  assert.equal(state.ready, false);
  assert.equal(state.visible, true);
  assert.match(state.message, /refused by the Content-Security-Policy/);
  assert.match(state.message, /script-src 'self' 'wasm-unsafe-eval'/);
  assert.doesNotMatch(state.message, /damaged/);
});

test('a browser without WebAssembly is told so', async () => {
  const state = await messageOf(SITE, (page) => page.evaluateOnNewDocument(() => { delete globalThis.WebAssembly; }));
  assert.equal(state.ready, false);
  assert.equal(state.visible, true);
  assert.match(state.message, /cannot run WebAssembly/);
});

test('the whole site loads as it should (the three above are no accident)', async () => {
  const server = await startServer();
  const page = await openCatalogue(browser, server.url);
  assert.equal(await page.evaluate(() => document.body.classList.contains('ready')), true);
  await page.close();
  await server.close();
});
