// The page agrees with the window: random walks of events applied to the page's controls
// and, afterwards, to the same Configurator in a native program (walk_oracle); after every
// event the part number, the prices, the banner, the lists (enabled, chosen entry, how many
// entries) and the options (enabled, checked) must be the same.
//   node walks.test.mjs [first walk] [walks] [input]   (TARVEK_WALK_ORACLE names the native program)
// Walks fire their events inside the page, as the browser fires them for a user's choice;
// with "input" they go through chromium's mouse and keyboard instead, one at a time. A list's
// chosen entry chosen again is among the events (the window's list runs its handler then):
// through the mouse (the list opened, its chosen entry clicked) and the keyboard (Enter opens
// the list, Enter on its chosen entry).
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import test from 'node:test';
import { openCatalogue, startBrowser, startServer, untilOpen } from './browser.mjs';
import { pageSnapshot } from './configurator_snapshot.mjs';

const ORACLE = process.env.TARVEK_WALK_ORACLE;
const [first = 0, walks = 200] = process.argv.slice(2, 4).map(Number);
const withInput = process.argv[4] === 'input';
const EVENTS = 100;

// Runs in the page: picks the next event at random among what the page offers (an enabled
// list's other entry or its chosen one again, an enabled option, a discount typed, the brand
// picture double-clicked).
// `a` is the random generator's state (mulberry32: the same walk for the same seed).
function planInPage(a) {
  const random = () => {
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
  for (;;) {
    const r = random();
    if (r < 0.04 && !$('txtDiscount').disabled && !$('txtDiscount').hidden) {
      const text = pick(discounts);
      return { a, kind: 'discount', id: 'txtDiscount', text, line: `discount ${text}` };
    }
    if (r < 0.06) return { a, kind: 'prices', id: 'Image2', line: 'prices' };
    if (r < 0.3) {
      const open = options.map((id, i) => [id, i]).filter(([id]) => !$(id).disabled && ($(id).type === 'checkbox' || !$(id).checked));
      if (open.length === 0) continue;
      const [id, i] = pick(open);
      return { a, kind: 'click', id, line: `click ${i}` };
    }
    if (r < 0.36) {
      const chosen = lists.map((id, i) => [id, i]).filter(([id]) => !$(id).disabled && $(id).selectedIndex >= 0);
      if (chosen.length === 0) continue;
      const [id, i] = pick(chosen);
      const k = $(id).selectedIndex;
      return { a, kind: 'rechoose', id, k, by: random() < 0.5 ? 'mouse' : 'keyboard', line: `choose ${i} ${k}` };
    }
    const open = lists.map((id, i) => [id, i]).filter(([id]) => !$(id).disabled && $(id).options.length > ($(id).selectedIndex >= 0 ? 1 : 0));
    const [id, i] = pick(open);
    const list = $(id);
    const k = pick([...Array(list.options.length).keys()].filter((e) => e !== list.selectedIndex));
    const value = list.options[k].value;
    const unique = [...list.options].filter((o) => o.value === value).length === 1;
    return { a, kind: 'choose', id, k, value: unique ? value : null, line: `choose ${i} ${k}` };
  }
}

// Fires a planned event as the browser fires it for a user, inside the page.
function performInPage(event) {
  const element = document.getElementById(event.id);
  if (event.kind === 'discount') {
    element.value = event.text;
    element.dispatchEvent(new Event('input', { bubbles: true }));
  } else if (event.kind === 'prices') {
    element.dispatchEvent(new MouseEvent('dblclick', { bubbles: true, detail: 2 }));
  } else if (event.kind === 'click') {
    element.click();
  } else if (event.kind === 'rechoose') {
    element.dispatchEvent(new MouseEvent('mousedown', { bubbles: true }));
    element.options[event.k].dispatchEvent(new MouseEvent('click', { bubbles: true }));
  } else {
    element.selectedIndex = event.k;
    element.dispatchEvent(new Event('change', { bubbles: true }));
  }
}

// A whole walk inside the page, for speed: plan, fire, read what the page shows.
function walkInPage(seed, events) {
  let a = seed;
  const applied = [], shown = [];
  while (applied.length < events) {
    const event = window.planInPage(a);
    a = event.a;
    window.performInPage(event);
    applied.push(event.line);
    shown.push(window.pageSnapshot());
  }
  return { applied, shown };
}

// The same walk with the mouse and the keyboard through chromium's input, event by event.
async function walkWithInput(page, seed, events) {
  let a = seed;
  const applied = [], shown = [];
  while (applied.length < events) {
    const event = await page.evaluate(planInPage, a);
    a = event.a;
    if (event.kind === 'discount') {
      await page.click('#txtDiscount', { clickCount: 3 });
      if (event.text === '') await page.keyboard.press('Backspace');
      else await page.keyboard.type(event.text);
    } else if (event.kind === 'prices') {
      await page.click('#Image2', { clickCount: 2 });
    } else if (event.kind === 'click') {
      await page.click(`#${event.id}`);
    } else if (event.kind === 'rechoose' && event.by === 'mouse') {
      await page.click(`#${event.id}`);
      await untilOpen(page, `#${event.id}`);
      await page.click(`#${event.id} option:checked`);
    } else if (event.kind === 'rechoose') {
      await page.focus(`#${event.id}`);
      await page.keyboard.press('Enter');
      await untilOpen(page, `#${event.id}`);
      await page.keyboard.press('Enter');
    } else if (event.value !== null) {
      await page.select(`#${event.id}`, event.value);
    } else {
      await page.evaluate(performInPage, event);  // an entry whose text the list holds twice
    }
    applied.push(event.line);
    shown.push(await page.evaluate(() => window.pageSnapshot()));
  }
  return { applied, shown };
}

test(`walks ${first} to ${first + walks - 1} of ${EVENTS} events${withInput ? ', by mouse and keyboard,' : ''} agree with the Configurator`, async () => {
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
      // The walk's own functions, put into the page as the tools' scripts are (not as code
      // made from strings, which the site's policy refuses).
      await page.evaluate(`window.pageSnapshot = ${pageSnapshot}; window.planInPage = ${planInPage}; ` +
        `window.performInPage = ${performInPage};`);
      const { applied, shown } = withInput
        ? await walkWithInput(page, 20130205 + walk, EVENTS)
        : await page.evaluate(walkInPage, 20130205 + walk, EVENTS);
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
