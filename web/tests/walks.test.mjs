// The page agrees with the window: random walks of events applied to the page's controls
// and, afterwards, to the same Configurator in a native program (walk_oracle); after every
// event the part number, the prices, the banner, the lists (enabled, chosen entry, how many
// entries) and the options (enabled, checked) must be the same.
//   node walks.test.mjs [first walk] [walks]   (TARVEK_WALK_ORACLE names the native program)
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import test from 'node:test';
import { openCatalogue, startBrowser, startServer } from './browser.mjs';
import { pageSnapshot } from './configurator_snapshot.mjs';

const ORACLE = process.env.TARVEK_WALK_ORACLE;
const [first = 0, walks = 200] = process.argv.slice(2).map(Number);
const EVENTS = 100;

// Runs in the page: picks each event at random among what the page offers (an enabled
// list's other entry, an enabled option, a discount typed, the brand picture double-clicked),
// fires it as the browser does for a user, and reads what the page then shows.
function walkInPage(seed, events) {
  let a = seed >>> 0;
  const random = () => {  // mulberry32: the same walk for the same seed
    a = (a + 0x6d2b79f5) | 0;
    let t = Math.imul(a ^ (a >>> 15), 1 | a);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
  const pick = (items) => items[Math.floor(random() * items.length)];
  const $ = (id) => document.getElementById(id);
  const lists = ['lstProductType', 'lstBody', 'lstModel', 'lstPorting', 'lstConn1', 'lstConn2', 'lstConn3', 'lstConn4'];
  const options = ['optStd', 'optVSKZ', 'optB5EP', 'optBL', 'optBK', 'optGR', 'optRD', 'optWH', 'optYW', 'chkLS'];
  const discounts = ['10', '0', '25.5', 'abc', '', '7e1', '-5', ' 12 %', '1e400', '99.999', '100', '3.33333'];
  const applied = [], shown = [];
  while (applied.length < events) {
    const r = random();
    if (r < 0.04 && !$('txtDiscount').disabled) {
      const text = pick(discounts);
      $('txtDiscount').value = text;
      $('txtDiscount').dispatchEvent(new Event('input', { bubbles: true }));
      applied.push(`discount ${text}`);
    } else if (r < 0.06) {
      $('Image2').dispatchEvent(new MouseEvent('dblclick', { bubbles: true, detail: 2 }));
      applied.push('prices');
    } else if (r < 0.3) {
      const open = options.map((id, i) => [$(id), i]).filter(([o]) => !o.disabled && (o.type === 'checkbox' || !o.checked));
      if (open.length === 0) continue;
      const [option, i] = pick(open);
      option.click();
      applied.push(`click ${i}`);
    } else {
      const open = lists.map((id, i) => [$(id), i]).filter(([l]) => !l.disabled && l.options.length > (l.selectedIndex >= 0 ? 1 : 0));
      const [list, i] = pick(open);
      const others = [...Array(list.options.length).keys()].filter((k) => k !== list.selectedIndex);
      list.selectedIndex = pick(others);
      list.dispatchEvent(new Event('change', { bubbles: true }));
      applied.push(`choose ${i} ${list.selectedIndex}`);
    }
    shown.push(window.pageSnapshot());
  }
  return { applied, shown };
}

test(`walks ${first} to ${first + walks - 1} of ${EVENTS} events agree with the Configurator`, async () => {
  assert.ok(ORACLE, 'TARVEK_WALK_ORACLE names the native walk program');
  const server = await startServer();
  const browser = await startBrowser();
  try {
    const page = await openCatalogue(browser, server.url);
    await page.setBypassServiceWorker(true);  // each walk from the network: no cache filled 200 times
    let compared = 0;
    for (let walk = first; walk < first + walks; ++walk) {
      await page.goto(server.url, { waitUntil: 'domcontentloaded' });
      await page.waitForSelector('body.ready');
      await page.evaluate(`window.pageSnapshot = ${pageSnapshot.toString()}`);
      const { applied, shown } = await page.evaluate(walkInPage, 20130205 + walk, EVENTS);
      const oracle = spawnSync(ORACLE, { input: applied.join('\n') + '\n', encoding: 'utf8' });
      assert.equal(oracle.status, 0, oracle.stderr);
      const expected = oracle.stdout.split('\n').slice(0, -1);
      assert.equal(expected.length, applied.length);
      for (let i = 0; i < applied.length; ++i) {
        assert.equal(shown[i], expected[i], `walk ${walk}, event ${i + 1} (${applied[i]}) after ${applied.slice(0, i).join('; ')}`);
        ++compared;
      }
    }
    assert.deepEqual(page.problems, []);
    assert.equal(compared, walks * EVENTS);
  } finally {
    await browser.close();
    await server.close();
  }
});
