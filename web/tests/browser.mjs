// What every browser test shares: the built site served on 127.0.0.1 and Debian's
// chromium, headless, through puppeteer-core (no browser of its own is ever downloaded).
import { mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';
import { serve } from '../serve.mjs';

export const SITE = process.env.TARVEK_WEB_SITE || 'build/web';
const CHROMIUM = process.env.TARVEK_CHROMIUM || '/usr/bin/chromium';

// Without these chromium, run as root in a sandbox with no network, stalls on refused
// connections or will not start at all.
const FLAGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
  '--disable-dev-shm-usage', '--hide-scrollbars', '--mute-audio'];

export async function startBrowser() {
  const profile = await mkdtemp(join(tmpdir(), 'tarvek-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: CHROMIUM, headless: true, args: [...FLAGS, `--user-data-dir=${profile}`],
    defaultViewport: { width: 1280, height: 900 }, protocolTimeout: 120000,
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    await rm(profile, { recursive: true, force: true });
  };
  return browser;
}

export async function startServer(folder = SITE) {
  const server = await serve(folder, 0);
  server.url = `http://127.0.0.1:${server.address().port}/`;
  const close = server.close.bind(server);
  server.close = () => new Promise((done) => { server.closeAllConnections(); close(done); });
  return server;
}

// For a test file: the built site served and the browser started once for all its tests,
// both closed after them.
export async function startForTests() {
  const { after } = await import('node:test');
  const server = await startServer();
  const browser = await startBrowser();
  after(async () => {
    await browser.close();
    await server.close();
  });
  return { server, browser };
}

// Whatever the site's Content-Security-Policy refuses on the page is one of its problems: the
// site runs under its own policy, and every test holds it to that.
export async function watchPolicy(page, problems) {
  await page.exposeFunction('tarvekRefused', (what) => problems.push(`refused by the policy: ${what}`));
  await page.evaluateOnNewDocument(() => document.addEventListener('securitypolicyviolation',
    (e) => window.tarvekRefused(`${e.effectiveDirective} ${e.blockedURI} (${e.sourceFile}:${e.lineNumber})`)));
}

// A page of the site, ready: the rules loaded and the configurator shown.
export async function openCatalogue(browser, url) {
  const page = await browser.newPage();
  const problems = [];
  page.on('pageerror', (error) => problems.push(error.message));
  page.problems = problems;
  await watchPolicy(page, problems);
  await page.goto(url, { waitUntil: 'load' });
  await page.waitForSelector('body.ready, #loadError:not([hidden])', { timeout: 30000 });
  return page;
}

// A page in a window of its own (in `context`, the browser's own by default), ready (`settled`:
// the catalogue's, with the quote restored): pages in tabs of one window are hidden behind the
// front one, and a hidden page draws no frames.
export async function openWindow(browser, url, context = browser.defaultBrowserContext(), settled = true) {
  const before = new Set(context.targets());
  const session = await browser.target().createCDPSession();
  await session.send('Target.createTarget', { url: 'about:blank', newWindow: true, browserContextId: context.id });
  await session.detach();
  const target = await context.waitForTarget((t) => t.type() === 'page' && !before.has(t));
  const page = await target.page();
  const problems = [];
  page.on('pageerror', (error) => problems.push(error.message));
  page.problems = problems;
  await page.goto(url, { waitUntil: 'load' });
  if (settled) await page.waitForSelector('body.settled');
  return page;
}

// Until a list drawn in the page (a customizable select) is open: its state asked for from
// here every 10 ms, not by a selector's wait, which looks again only on the page's animation
// frames, and those wait on the page being drawn, which a loaded machine holds back.
export async function untilOpen(page, selector) {
  for (let tries = 0; tries < 3000; ++tries) {
    if (await page.$eval(selector, (list) => list.matches(':open'))) return;
    await new Promise((next) => setTimeout(next, 10));
  }
  throw new Error(`${selector} did not open`);
}
