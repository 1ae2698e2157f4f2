// The web edition used as a sales engineer uses it: the cascade, the options, the prices,
// hidden prices, the non-standard banner, the find field, the links, the documents, the
// pictures, a second visit without a network, and all of it from the keyboard alone.
// Expected values are the catalogue's own examples.
import assert from 'node:assert/strict';
import { cp, mkdtemp, readFile, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import test from 'node:test';
import { SITE, openCatalogue, startForTests, startServer, untilOpen } from './browser.mjs';

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

// A paste of several lines into the field, or onto the page outside a text box: the first
// number is looked up and the answer says how many lines were left, as in the window.
test('several part numbers pasted look up the first and say how many were left', async () => {
  const context = browser.defaultBrowserContext();
  await context.overridePermissions(server.url.replace(/\/$/, ''), ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
  const page = await openCatalogue(browser, server.url);
  const pasteInto = async (selector, clipboard) => {
    await page.evaluate((t) => navigator.clipboard.writeText(t), clipboard);
    await page.focus(selector);
    await page.$eval(selector, (e) => { if (e.select) e.select(); });  // a box's text replaced
    await page.keyboard.down('Control');
    await page.keyboard.press('v');
    await page.keyboard.up('Control');
  };
  await pasteInto('#txtFindPartNumber', 'A310-MX2-2A-MXFX\n\nKL-01-KZ\r\nT403-GN1\n');
  assert.equal(await page.$eval('#txtFindPartNumber', (e) => e.value), 'A310-MX2-2A-MXFX');
  assert.equal(await text(page, 'lblPartNumber'), 'A310-MX2-2A-MXFX');
  assert.equal(await text(page, 'lblFindResult'),
    'A310-MX2-2A-MXFX is set. 2 more lines of the paste were left: the field looks up one number.');
  // Onto the page, a list focused: the clipboard's number; a copied quote gives its own.
  await pasteInto('#lstModel', 'T403-GN1-2A-MXFX');
  assert.equal(await text(page, 'lblPartNumber'), 'T403-GN1-2A-MXFX');
  assert.equal(await page.$eval('#txtFindPartNumber', (e) => e.value), 'T403-GN1-2A-MXFX');
  assert.equal(await text(page, 'lblFindResult'), 'T403-GN1-2A-MXFX is set.');
  await pasteInto('#lstProductType', 'Tarvek quote\nPart Number: A310-MX2-2A-MXFX\nBody Type: MX2');
  assert.equal(await text(page, 'lblPartNumber'), 'A310-MX2-2A-MXFX');
  await pasteInto('#Image2', 'J310-MX2-2A-MXFX-VS-BK-LS\nA310-MX2-2A-MXFX');
  assert.equal(await text(page, 'lblPartNumber'), 'J310-MX2-2A-MXFX-VS-BK-LS');
  assert.match(await text(page, 'lblFindResult'), /1 more line of the paste was left/);
  // Into a text box other than the field, a paste is that box's own.
  await pasteInto('#txtDiscount', '12');
  assert.equal(await page.$eval('#txtDiscount', (e) => e.value), '12');
  assert.equal(await text(page, 'lblPartNumber'), 'J310-MX2-2A-MXFX-VS-BK-LS');
  assert.deepEqual(page.problems, []);
  await page.close();
});

// A number two configurations give: the page says which is shown and links the other; a rank
// the number does not have is named.
test('an ambiguous link says which configuration is shown and offers the other', async () => {
  const answer = (page) => page.$eval('#lblFindResult', (e) => (e.firstChild ? e.firstChild.textContent : ''));
  const others = (page) => page.$$eval('#lblFindResult a', (links) => links.map((a) => [decodeURIComponent(a.hash), a.textContent]));
  const first = 'configuration 1 of 2: Connection 1 \u201cM - Male Face Seal, 1/4 inch Hi Flo\u201d, ' +
    'Connection 2 \u201c8 - Tube Stub, 1/2 inch\u201d, Connection 3 \u201cM8 - Male Face Seal, 1/2 inch\u201d';
  const page = await openCatalogue(browser, `${server.url}#A310-MX3-4A-M8M8X`);
  assert.equal(await answer(page), `2 configurations give A310-MX3-4A-M8M8X; this is ${first}.`);
  const [[link, offer]] = await others(page);
  assert.equal(link, '#A310-MX3-4A-M8M8X~2');
  assert.match(offer, /^Show configuration 2 of 2: Connection 1 \u201cM8 - /);
  const shown = await page.$eval('#lstConn1', (l) => l.options[l.selectedIndex].textContent);
  // The other one, from its link; and back.
  await page.click('#lblFindResult a');
  await page.waitForFunction(() => decodeURIComponent(location.hash) === '#A310-MX3-4A-M8M8X~2');
  await page.waitForFunction((s) => { const l = document.getElementById('lstConn1'); return l.options[l.selectedIndex].textContent !== s; }, {}, shown);
  assert.match(await answer(page), /^2 configurations give A310-MX3-4A-M8M8X; this is configuration 2 of 2: /);
  assert.deepEqual(await others(page), [['#A310-MX3-4A-M8M8X', `Show ${first}`]]);
  for (const rank of ['0', '3']) {
    await page.evaluate((r) => { location.hash = `A310-MX3-4A-M8M8X~${r}`; }, rank);
    await page.waitForFunction((r) => document.getElementById('lblFindResult').textContent.includes(`~${r}`), {}, rank);
    assert.equal(await answer(page), `A310-MX3-4A-M8M8X has no configuration ~${rank}: 2 configurations give it; this is ${first}.`);
    assert.deepEqual((await others(page)).map(([l]) => l), ['#A310-MX3-4A-M8M8X~2']);
  }
  await page.evaluate(() => { location.hash = 'A310-MX2-2A-MXFX~4'; });
  await page.waitForFunction(() => document.getElementById('lblPartNumber').textContent === 'A310-MX2-2A-MXFX');
  assert.equal(await answer(page), 'A310-MX2-2A-MXFX has no configuration ~4: one configuration gives it, and it is shown.');
  assert.deepEqual(page.problems, []);
  await page.close();
});

// The option frames as the window shows them: an inactive frame disabled and its title not
// bold; an active one's title bold, its buttons' captions regular.
test('an inactive option frame is neither enabled nor bold', async () => {
  const page = await openCatalogue(browser, server.url);
  const frames = () => page.evaluate(() => ['fraOptionsSeat', 'fraOptionsColor'].map((id) => {
    const frame = document.getElementById(id);
    const bold = (e) => Number(getComputedStyle(e).fontWeight) >= 600;
    return { enabled: !frame.disabled, title: bold(frame.querySelector('legend')),
      captions: [...frame.querySelectorAll('label span')].some(bold),
      buttons: [...frame.querySelectorAll('input')].some((i) => !i.matches(':disabled')) };
  }));
  const off = { enabled: false, title: false, captions: false, buttons: false };
  assert.deepEqual(await frames(), [off, off]);
  await configureA310(page);
  const [seat] = await frames();
  assert.deepEqual(seat, { enabled: true, title: true, captions: false, buttons: true });
  await page.close();
});

// Choosing a list's chosen entry again runs its handler, as in the window: what follows the
// list is reset. By the pointer (the list opened, its entry clicked) and by the keyboard.
test('choosing the chosen entry again resets what follows, by the pointer and the keyboard', async () => {
  for (const by of ['pointer', 'keyboard']) {
    const page = await openCatalogue(browser, server.url);
    await configureA310(page);
    assert.equal(await text(page, 'lblPartNumber'), 'A310-MX2-2A-MXFX-VS');
    if (by === 'pointer') {
      await page.click('#lstModel');
      await untilOpen(page, '#lstModel');
      await page.click('#lstModel option:checked');
    } else {
      await page.focus('#lstModel');
      await page.keyboard.press('Enter');
      await untilOpen(page, '#lstModel');
      await page.keyboard.press('Enter');
    }
    assert.equal(await page.$eval('#lstModel', (l) => l.options[l.selectedIndex].textContent.startsWith('A310 ---')), true, by);
    assert.equal(await page.$eval('#lstPorting', (l) => l.selectedIndex), -1, by);
    assert.equal(await page.$eval('#lstConn1', (l) => l.disabled), true, by);
    assert.equal(await page.$eval('#optVSKZ', (o) => o.checked), false, by);
    assert.notEqual(await text(page, 'lblPartNumber'), 'A310-MX2-2A-MXFX-VS', by);
    // Dismissed with Escape, the list changes nothing.
    await choose(page, 'lstPorting', '2A');
    const before = await text(page, 'lblPartNumber');
    await page.focus('#lstModel');
    await page.keyboard.press('Enter');
    await untilOpen(page, '#lstModel');
    await page.keyboard.press('Escape');
    assert.equal(await text(page, 'lblPartNumber'), before, by);
    assert.equal(await page.$eval('#lstPorting', (l) => l.selectedIndex >= 0), true, by);
    assert.deepEqual(page.problems, []);
    await page.close();
  }
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
    await page.waitForSelector('body.settled');  // the calculator shown: its curve drawn while its tab is hidden
    // Measured in the same task as the click, before any observer of the page's sizes has
    // answered (the flow curve is redrawn at its box's width by one), and again once it has.
    for (const tab of ['tabConfiguratorButton', 'tabLiteratureButton', 'tabTechnicalButton', 'tabQuoteButton', 'tabSearchButton']) {
      assert.ok(await page.evaluate((id) => {
        document.getElementById(id).click();
        return document.documentElement.scrollWidth <= window.innerWidth;
      }, tab), `${tab} fits ${viewport.width} px at once`);
      await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
      assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= window.innerWidth),
        `${tab} fits ${viewport.width} px`);
    }
    await page.close();
  }
});

// On a phone: the tabs one row (a tab list still, which the keys move along, the chosen tab in
// view), and each quote line's part number, quantity and amount in view without scrolling
// sideways; its description opens in place. At a desktop's width the quote stays a table.
test('on a 360 px phone the tabs are one row and each quote line shows its number, quantity and amount', async () => {
  const page = await browser.newPage();
  await page.setViewport({ width: 360, height: 740, deviceScaleFactor: 2 });
  await page.goto(`${server.url}#J310-MX2-2A-MXFX-VS-BK-LS`);
  await page.waitForSelector('body.settled');
  const tabs = () => page.$$eval('[role=tab]', (all) => all.map((t) => t.getBoundingClientRect().top));
  const tops = await tabs();
  assert.equal(tops.length, 5);
  assert.ok(tops.every((top) => Math.abs(top - tops[0]) < 1), `one row: ${tops}`);
  assert.equal(await page.$eval('[role=tablist]', (l) => l.getBoundingClientRect().right <= window.innerWidth), true);
  // Along the row with the keys: each tab chosen is wholly in view.
  const inView = () => page.evaluate(() => {
    const tab = document.activeElement, row = tab.parentElement.getBoundingClientRect(), r = tab.getBoundingClientRect();
    return `${tab.id} ${tab.getAttribute('aria-selected')} ${r.left >= row.left - 0.5 && r.right <= row.right + 0.5}`;
  });
  await page.focus('#tabConfiguratorButton');
  for (const id of ['tabLiteratureButton', 'tabTechnicalButton', 'tabQuoteButton', 'tabSearchButton']) {
    await page.keyboard.press('ArrowRight');
    assert.equal(await inView(), `${id} true true`);
  }
  await page.keyboard.press('Home');
  assert.equal(await inView(), 'tabConfiguratorButton true true');
  await page.keyboard.press('End');
  assert.equal(await inView(), 'tabSearchButton true true');

  // Three lines, one of them with a long description.
  await page.click('#tabConfiguratorButton');
  await page.click('#cmdAddToQuote');
  await page.evaluate(() => { location.hash = 'U310-MX1-2A-TX6X'; });
  await page.waitForFunction(() => document.getElementById('lblPartNumber').textContent === 'U310-MX1-2A-TX6X');
  await page.click('#cmdAddToQuote');
  await page.click('#cmdAddToQuote');
  await page.click('#tabQuoteButton');
  await page.waitForFunction(() => document.querySelectorAll('#quoteLines tbody tr[data-row]').length === 3);
  const lines = await page.$$eval('#quoteLines tbody tr[data-row]', (rows) => {
    const box = document.getElementById('quoteTableBox').getBoundingClientRect();
    const within = (e) => { const r = e.getBoundingClientRect(); return r.width > 0 && r.left >= box.left - 0.5 && r.right <= box.right + 0.5; };
    return rows.map((tr) => [within(tr.cells[1]), within(tr.querySelector('[data-edit=quantity]')), within(tr.cells[tr.cells.length - 1]),
      tr.cells[tr.cells.length - 1].textContent !== '']);
  });
  assert.deepEqual(lines, Array(3).fill([true, true, true, true]));
  assert.equal(await page.$eval('#quoteTableBox', (b) => b.scrollWidth <= b.clientWidth), true, 'no sideways scrolling');
  // The description, opened in place, shows whole.
  const description = await page.$eval('#quoteLines tr[data-row="0"] td.description details', (d) => {
    const s = d.querySelector('summary');
    return { open: d.open, cut: s.scrollWidth > s.clientWidth };
  });
  assert.deepEqual(description, { open: false, cut: true });
  await page.click('#quoteLines tr[data-row="0"] td.description summary');
  await page.waitForFunction(() => document.querySelector('#quoteLines tr[data-row="0"] td.description details').open);
  assert.equal(await page.$eval('#quoteLines tr[data-row="0"] td.description summary', (s) => s.scrollWidth <= s.clientWidth &&
    s.getBoundingClientRect().height > 40), true, 'opened, the description wraps whole');
  assert.equal(await page.evaluate(() => document.documentElement.scrollWidth <= window.innerWidth), true);

  // At a desktop's width the lines are a table's rows again, every column in one row.
  await page.setViewport({ width: 1280, height: 900 });
  const row = await page.$eval('#quoteLines tr[data-row="1"]', (tr) => {
    const tops = [...tr.cells].map((c) => Math.round(c.getBoundingClientRect().top));
    return { cells: tr.cells.length, oneRow: tops.every((t) => t === tops[0]), display: getComputedStyle(tr).display };
  });
  assert.deepEqual(row, { cells: 8, oneRow: true, display: 'table-row' });
  await page.close();
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
