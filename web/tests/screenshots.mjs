// The README's pictures of the web edition at phone and at desktop width: a configuration,
// the calculator with its curve, a quote of several lines, and a search with a group opened.
//   node web/tests/screenshots.mjs <output folder>
import { startBrowser, startServer } from './browser.mjs';

const folder = process.argv[2] || 'docs';
const server = await startServer();
const browser = await startBrowser();
const WIDTHS = [['phone', { width: 360, height: 1400, deviceScaleFactor: 1 }, true],
  ['desktop', { width: 1100, height: 760, deviceScaleFactor: 1 }, false]];

const type = (page, id, text) => page.$eval(`#${id}`, (box, t) => {
  box.value = t;
  box.dispatchEvent(new Event(box.tagName === 'INPUT' && box.closest('#tabQuote') ? 'change' : 'input', { bubbles: true }));
}, text);

const PAGES = {
  async configurator(page) {
    await page.goto(`${server.url}#U310-MX1-2A-TX6X-VS`);
    await page.waitForSelector('body.settled');
    await page.click('#txtDiscount', { clickCount: 3 });
    await page.keyboard.type('10');
  },
  async calculator(page) {
    await page.goto(server.url);
    await page.waitForSelector('body.settled');
    await page.click('#tabTechnicalButton');
    await page.$eval('#lstGasName', (list) => { list.selectedIndex = 1; list.dispatchEvent(new Event('change')); });
    await type(page, 'txtInletPressure', '100');
    await type(page, 'txtOutletPressure', '20');
    await page.click('#optMethodIec');
    await page.$eval('#tabTechnical', (e) => e.querySelector('.technical').scrollIntoView());
  },
  async search(page) {
    const filters = ['product_type=Diaphragm Valves', 'actuator=Air-operated, normally closed', 'connection=Any male face seal',
      'connection_size=1/4 inch', 'place=on every port', 'standard_only=yes', 'price_to=400'];
    await page.goto(`${server.url}?${filters.map((f) => `filter=${encodeURIComponent(f)}`).join('&')}`);
    await page.waitForSelector('#searchResults tr.group button.open', { timeout: 60000 });
    await page.$eval('#lstSearchOrder', (list) => { list.selectedIndex = 2; list.dispatchEvent(new Event('change')); });
    await page.waitForFunction(() => new URLSearchParams(location.search).getAll('filter').length === 7);
    await page.click('#searchResults tr.group button.open');
    await page.waitForSelector('#searchResults tr.configuration');
  },
  async quote(page) {
    await page.goto(server.url);
    await page.waitForSelector('body.settled');
    await page.click('#tabQuoteButton');
    await page.evaluate(() => window.tarvekPages.quote.actions.paste(
      'A310-MX2-2A-MXFX-VS\t3\nJ310-MX2-2A-MXFX-VS-BK-LS\t2\t5\nU310-MX1-2A-TX6X\t4\nU310-MX1-2A-TX6X-VS\t1'));
    await type(page, 'txtQuoteCustomer', 'Nordgas Ltd.');
    await type(page, 'txtQuoteDiscount', '10');
  },
};

try {
  for (const [name, reach] of Object.entries(PAGES)) {
    for (const [width, viewport, full] of WIDTHS) {
      const context = await browser.createBrowserContext();  // a quote of its own
      const page = await context.newPage();
      await page.setViewport(viewport);
      await reach(page);
      await page.evaluate(() => Promise.all([...document.images].filter((i) => !i.hidden).map((i) => i.decode().catch(() => {}))));
      const file = name === 'configurator' ? `screenshot-web-${width}.png` : `screenshot-web-${name}-${width}.png`;
      await page.screenshot({ path: `${folder}/${file}`, fullPage: full });
      await context.close();
    }
  }
} finally {
  await browser.close();
  await server.close();
}
