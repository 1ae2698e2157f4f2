// The README's pictures of the web edition: a configuration at phone and at desktop width.
//   node web/tests/screenshots.mjs <output folder>
import { startBrowser, startServer } from './browser.mjs';

const folder = process.argv[2] || 'docs';
const server = await startServer();
const browser = await startBrowser();
try {
  for (const [name, viewport, full] of [['phone', { width: 360, height: 1400, deviceScaleFactor: 1 }, true],
    ['desktop', { width: 1100, height: 760, deviceScaleFactor: 1 }, false]]) {
    const page = await browser.newPage();
    await page.setViewport(viewport);
    await page.goto(`${server.url}#U310-MX1-2A-TX6X-VS`);
    await page.waitForSelector('body.ready');
    await page.click('#txtDiscount', { clickCount: 3 });
    await page.keyboard.type('10');
    await page.evaluate(() => Promise.all([...document.images].filter((i) => !i.hidden).map((i) => i.decode().catch(() => {}))));
    await page.screenshot({ path: `${folder}/screenshot-web-${name}.png`, fullPage: full });
    await page.close();
  }
} finally {
  await browser.close();
  await server.close();
}
