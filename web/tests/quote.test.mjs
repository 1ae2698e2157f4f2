// The quote of many lines in the browser: a .tquote written by the desktop opens and saves
// back byte for byte, and one the web edition saves is read and saved back identical by the
// desktop's rules (quote_roundtrip); a reload keeps the quote; the XLSX, read back with
// openpyxl, holds the CSV's numbers and its totals as formulas; hostile input (megabytes
// pasted, control characters, a damaged file) gets a clear message and loses nothing; the
// printed quote repeats the table's heading and numbers its pages.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtemp, readFile, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import test from 'node:test';
import { startForTests } from './browser.mjs';
import { chooseFile, downloaded, lineCount, newQuote, openQuotePage, paste, rows, text } from './quote_pages.mjs';

const PROGRAM = process.env.TARVEK_PROGRAM;
const ROUNDTRIP = process.env.TARVEK_QUOTE_ROUNDTRIP;
const { server, browser } = await startForTests();
const folder = await mkdtemp(join(tmpdir(), 'tarvek-quote-'));
test.after(() => rm(folder, { recursive: true, force: true }));

const quotePage = (hash = '') => openQuotePage(browser, `${server.url}${hash}`, folder);

// The fields of one CSV row (RFC 4180; no row of these breaks across lines).
function csvFields(row) {
  const fields = [];
  for (let i = 0; i <= row.length;) {
    if (row[i] === '"') {
      let field = '';
      for (++i; i < row.length; ++i) {
        if (row[i] === '"' && row[i + 1] === '"') field += row[i++];
        else if (row[i] === '"') break;
        else field += row[i];
      }
      fields.push(field);
      i += 2;
    } else {
      const end = row.indexOf(',', i) < 0 ? row.length : row.indexOf(',', i);
      fields.push(row.slice(i, end));
      i = end + 1;
    }
  }
  return fields;
}

const openFile = (page, path) => chooseFile(page, 'cmdQuoteOpen', path);

test('a quote saved on the desktop opens in the browser and saves back byte for byte', async () => {
  const lines = join(folder, 'lines.csv');
  await writeFile(lines, 'part_number,quantity,discount\nA310-MX2-2A-MXFX-VS,3,\nJ310-MX2-2A-MXFX-VS-BK-LS,2,5\nA310-MX3-4A-M8M8X,1,\n');
  const desktop = join(folder, 'TQ-desktop.tquote');
  execFileSync(PROGRAM, ['--quote', lines, '--output', desktop, '--discount', '10', '--customer', 'Nordgas Ltd. – Zürich'],
    { cwd: dirname(PROGRAM) });
  const page = await quotePage();
  await page.click('#tabQuoteButton');
  await openFile(page, desktop);
  await page.waitForFunction(() => document.getElementById('lblQuoteMessage').textContent.startsWith('Opened'));
  assert.equal(await text(page, 'lblQuoteMessage'), 'Opened "TQ-desktop.tquote": every line priced as saved.');
  const shown = await rows(page);
  assert.equal(shown.length, 3);
  assert.deepEqual(shown[1].slice(0, 2), ['2', 'J310-MX2-2A-MXFX-VS-BK-LS']);
  assert.deepEqual(shown[1].slice(3), ['2', '367.50', '5', '349.12', '698.24']);
  assert.equal(await page.$eval('#txtQuoteCustomer', (e) => e.value), 'Nordgas Ltd. – Zürich');
  await page.click('#cmdQuoteSave');
  const saved = await downloaded(page, 'TQ-desktop.tquote');
  assert.ok(saved.equals(await readFile(desktop)), 'the same bytes');
  assert.equal(await text(page, 'lblQuoteFile'), 'TQ-desktop.tquote');
  await page.close();
});

test('a quote made in the browser is what the desktop reads and saves back identical; a reload keeps it', async () => {
  const page = await quotePage('#A310-MX2-2A-MXFX-VS');
  await newQuote(page);
  await page.click('#tabConfiguratorButton');
  await page.click('#cmdAddToQuote');
  assert.equal(await text(page, 'lblCopied'), 'Added A310-MX2-2A-MXFX-VS as line 1.');
  await page.keyboard.down('Control');
  await page.keyboard.down('Shift');
  await page.keyboard.press('KeyQ');
  await page.keyboard.up('Shift');
  await page.keyboard.up('Control');
  assert.equal(await page.$eval('#tabQuote', (e) => e.hidden), false);
  await paste(page, 'J310-MX2-2A-MXFX-VS-BK-LS\t2\t5\nU310-MX1-2A-TX6X\t4\n');
  assert.equal(await text(page, 'lblQuoteMessage'), 'Added 2 lines.');
  for (const [id, value] of [['txtQuoteCustomer', 'Nordgas Ltd. – Zürich'], ['txtQuoteDiscount', '10'], ['txtQuoteReference', 'RFQ 7781']]) {
    await page.$eval(`#${id}`, (box, v) => { box.value = v; box.dispatchEvent(new Event('change', { bubbles: true })); }, value);
  }
  await page.$eval('#txtQuoteNotes', (box) => { box.value = 'Delivery ex works.\nPrices in US dollars.\t(net)'; box.dispatchEvent(new Event('change')); });
  // A quantity typed, one refused, undone and redone.
  const quantity = '#quoteLines tbody tr[data-row="0"] input';
  await page.$eval(quantity, (box) => { box.value = '3'; box.dispatchEvent(new Event('change', { bubbles: true })); });
  await page.$eval(quantity, (box) => { box.value = '0'; box.dispatchEvent(new Event('change', { bubbles: true })); });
  assert.match(await text(page, 'lblQuoteMessage'), /^Line 1: /);
  assert.equal((await rows(page))[0][3], '3');
  assert.equal(await text(page, 'lblQuoteTotals'), '3 lines, 9 pieces   Subtotal: US$ 2,985.00   Total: US$ 2,723.24');
  await page.click('#cmdQuoteUndo');
  assert.equal((await rows(page))[0][3], '1');
  await page.click('#cmdQuoteRedo');
  assert.equal((await rows(page))[0][3], '3');

  await page.click('#cmdQuoteSave');
  const name = (await page.$eval('#txtQuoteNumber', (e) => e.value)) + '.tquote';
  const web = join(page.downloads, name);
  await downloaded(page, name);
  const back = join(folder, 'back.tquote');
  execFileSync(ROUNDTRIP, [web, back]);
  assert.ok((await readFile(back)).equals(await readFile(web)), 'the desktop saves it back identical');

  // A reload, and the quote is there as it was, saved or not.
  await page.$eval(quantity, (box) => { box.value = '4'; box.dispatchEvent(new Event('change', { bubbles: true })); });
  const before = await rows(page);
  await page.reload();
  await page.waitForSelector('body.settled');
  assert.deepEqual(await rows(page), before);
  assert.equal(await page.$eval('#txtQuoteCustomer', (e) => e.value), 'Nordgas Ltd. – Zürich');
  assert.equal(await text(page, 'lblQuoteFile'), `${name} (changed)`);
  assert.deepEqual(page.problems, []);
  await page.close();
});

test('the workbook read back with openpyxl holds the CSV\'s numbers and the totals as formulas', async () => {
  const page = await quotePage();
  await newQuote(page);
  await paste(page, 'A310-MX2-2A-MXFX-VS,3\nJ310-MX2-2A-MXFX-VS-BK-LS,2,5\nU310-MX1-2A-TX6X,7,12.5\n');
  assert.equal(await text(page, 'lblQuoteMessage'), 'Added 3 lines.');
  await page.$eval('#txtQuoteDiscount', (box) => { box.value = '10'; box.dispatchEvent(new Event('change')); });
  const number = await page.$eval('#txtQuoteNumber', (e) => e.value);
  await page.click('#cmdQuoteExportCsv');
  const csv = (await downloaded(page, `${number}.csv`)).toString('utf8');
  await page.click('#cmdQuoteExportXlsx');
  await downloaded(page, `${number}.xlsx`);
  const read = execFileSync('/usr/bin/python3', ['-c', `
import json, sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
cached = openpyxl.load_workbook(sys.argv[1], data_only=True)
lines = [[c.value for c in row] for row in book['Lines'].iter_rows()]
quote = {row[0].value: [row[1].value, cached['Quote'][row[1].coordinate].value] for row in book['Quote'].iter_rows() if row[0].value}
print(json.dumps({'lines': lines, 'quote': quote}))`, join(page.downloads, `${number}.xlsx`)], { encoding: 'utf8' });
  const book = JSON.parse(read);
  const csvRows = csv.trim().split('\r\n').map(csvFields);
  assert.deepEqual(book.lines[0], csvRows[0], JSON.stringify([book.lines[0], csvRows[0]]));
  for (let i = 1; i < csvRows.length; ++i) {
    const [line, part, , quantity, list, discount, unitNet, extended] = csvRows[i];
    const cells = book.lines[i];
    assert.deepEqual([cells[0], cells[1], cells[3]], [Number(line), part, Number(quantity)]);
    assert.deepEqual(cells.slice(4).map((n) => typeof n), ['number', 'number', 'number', 'number']);
    assert.deepEqual(cells.slice(4), [Number(list), Number(discount), Number(unitNet), Number(extended)]);
  }
  assert.equal(book.quote['Total (net)'][0], '=SUM(Lines!H2:H4)');
  const total = csvRows.slice(1).reduce((sum, r) => sum + Math.round(Number(r[7]) * 100), 0) / 100;
  assert.equal(book.quote['Total (net)'][1], total);
  assert.equal(book.quote['Discount %'][1], 10);
  await page.close();
});

test('megabytes pasted, control characters and a damaged file are told, and nothing is lost', async () => {
  const page = await quotePage();
  await newQuote(page);
  await paste(page, 'A310-MX2-2A-MXFX-VS,2\n');
  const before = await rows(page);
  // Two megabytes: the rows the reader takes, and problems for the rest, each told.
  const noise = Array.from({ length: 40000 }, (_, i) => (i % 97 === 0 ? 'A310-MX2-2A-MXFX-VS' : `junk\u0007${i}\u0000;x`)).join('\n');
  await paste(page, `${noise}\n${'Z'.repeat(1 << 20)}`);
  assert.match(await text(page, 'lblQuoteMessage'), /^Added \d+ lines\. Not added \(\d+\):\nline 2: /);
  assert.ok((await lineCount(page)) > 400);
  await page.click('#cmdQuoteUndo');
  assert.deepEqual(await rows(page), before);
  // A control character in a header field is not taken, and the field shows what the quote holds.
  await page.$eval('#txtQuoteCustomer', (box) => { box.value = 'Nordgas\u001b Ltd.'; box.dispatchEvent(new Event('change')); });
  assert.equal(await text(page, 'lblQuoteMessage'), 'The customer was not taken: the text holds the control character U+001B.');
  assert.equal(await page.$eval('#txtQuoteCustomer', (e) => e.value), '');
  // A damaged file: refused with its line and problem, the open quote as it was.
  const damaged = join(folder, 'damaged.tquote');
  await writeFile(damaged, 'TARVEK-QUOTE\t1\nnumber\tTQ-1\ndate\t2013-02-05\nvalidity\t30\nprice-list\tx\nline\tA310-MX2-2A-MXFX-VS\t0\t\t350.00\tx\nend\t1\n');
  page.on('dialog', (d) => d.accept());
  await openFile(page, damaged);
  await page.waitForFunction(() => document.getElementById('lblQuoteMessage').textContent.includes('cannot be opened'));
  assert.match(await text(page, 'lblQuoteMessage'), /^The quote "damaged\.tquote" cannot be opened: line 6: /);
  assert.deepEqual(await rows(page), before);
  await writeFile(damaged, Buffer.from([0x54, 0x41, 0xff, 0xfe, 0x00, 0x0a]));
  await openFile(page, damaged);
  await page.waitForFunction(() => document.getElementById('lblQuoteMessage').textContent ===
    'The quote "damaged.tquote" cannot be opened: not a Tarvek quote document.');
  assert.deepEqual(await rows(page), before);
  assert.deepEqual(page.problems, []);
  await page.close();
});

test('the printed quote has the header, the table\'s heading on every page and page numbers', async () => {
  const page = await quotePage();
  await newQuote(page);
  await paste(page, Array.from({ length: 90 }, () => 'A310-MX2-2A-MXFX-VS').join('\n'));
  await page.$eval('#txtQuoteCustomer', (box) => { box.value = 'Nordgas Ltd.'; box.dispatchEvent(new Event('change')); });
  const pdf = join(folder, 'printed.pdf');
  await writeFile(pdf, await page.pdf({ format: 'A4', preferCSSPageSize: true }));
  const pages = execFileSync('pdftotext', ['-layout', pdf, '-'], { encoding: 'utf8' }).split('\f').filter((p) => p.trim());
  assert.ok(pages.length >= 2, `${pages.length} pages`);
  assert.match(pages[0], /Nordgas Ltd\./);
  pages.forEach((text, i) => {
    assert.match(text, /Part Number/, `page ${i + 1} repeats the heading`);
    assert.match(text, new RegExp(`Page ${i + 1} of ${pages.length}`), `page ${i + 1} is numbered`);
  });
  assert.doesNotMatch(pages.join('\n'), /Export CSV|Add these lines/);
  assert.match(pages.at(-1), /\b90\s+A310-MX2-2A-MXFX-VS/, 'every line is printed, the last one too');
  await page.close();
});

test('a long quote draws the rows in view; scrolled, reached by keys and edited, it loses nothing', async () => {
  const page = await quotePage();
  await newQuote(page);
  // Quantities 1 to 9 in turn: 3,000 lines, 14,991 pieces.
  await paste(page, Array.from({ length: 3000 }, (_, i) => `A310-MX2-2A-MXFX-VS\t${(i % 9) + 1}`).join('\n'));
  assert.equal(await lineCount(page), 3000);
  const drawn = await rows(page);
  assert.ok(drawn.length < 200, `${drawn.length} rows drawn`);
  assert.deepEqual(drawn[0].slice(0, 4), ['1', 'A310-MX2-2A-MXFX-VS', drawn[0][2], '1']);
  const pieces = async () => (await text(page, 'lblQuoteTotals')).match(/^3000 lines, (\d+) pieces/)[1];
  assert.equal(await pieces(), '14991');

  // A quantity typed into line 1 and not yet left, then the table scrolled to its end: the
  // quote takes the quantity as the row goes, and the last line is drawn where it belongs.
  await page.$eval('#quoteLines tr[data-row="0"] input', (box) => { box.focus(); box.select(); });
  await page.keyboard.type('5');
  await page.$eval('#quoteTableBox', (box) => { box.scrollTop = box.scrollHeight; });
  await page.waitForFunction(() => document.querySelector('#quoteLines tr[data-row="2999"]'));
  assert.equal(await pieces(), '14995');
  const last = (await rows(page)).at(-1);
  assert.deepEqual([last[0], last[1], last[3]], ['3000', 'A310-MX2-2A-MXFX-VS', '3']);
  const gap = await page.$eval('#quoteTableBox', (box) => {
    const row = document.querySelector('#quoteLines tr[data-row="2999"]');
    return box.getBoundingClientRect().bottom - row.getBoundingClientRect().bottom;
  });
  assert.ok(Math.abs(gap) < 3, `the last row ends at the table's foot (${gap} px apart)`);

  // Home and End from a row: the line is drawn, shown and focused.
  await page.focus('#quoteLines tr[data-row="2999"]');
  await page.keyboard.press('Home');
  const focused = () => page.evaluate(() => [document.activeElement.dataset.row, document.activeElement.getAttribute('aria-current')]);
  assert.deepEqual(await focused(), ['0', 'true']);
  assert.equal(await page.$eval('#quoteLines tr[data-row="0"] input', (box) => box.value), '5');
  await page.keyboard.press('End');
  assert.deepEqual(await focused(), ['2999', 'true']);
  await page.$eval('#quoteLines tr[data-row="2999"] input', (box) => { box.value = '10'; box.dispatchEvent(new Event('change', { bubbles: true })); });
  assert.equal(await pieces(), '15002');
  assert.deepEqual(page.problems, []);
  await page.close();
});

test('a click or Tab into a quantity or discount selects what it holds, so typing replaces it; the click draws nothing again', async () => {
  const page = await quotePage();
  await newQuote(page);
  await paste(page, 'A310-MX2-2A-MXFX-VS\nJ310-MX2-2A-MXFX-VS-BK-LS\nU310-MX1-2A-TX6X\t1\t5\n');
  await page.click('#quoteLines tr[data-row="0"] td.part');
  assert.equal(await page.$eval('#quoteLines tr[data-row="0"]', (tr) => tr.getAttribute('aria-current')), 'true');
  // Line 3's quantity, clicked while line 1 is current: the box under the pointer is the one typed in.
  const quantity = '#quoteLines tr[data-row="2"] input[data-edit=quantity]';
  await page.$eval(quantity, (box) => { window.clickedBox = box; });
  const { x, y } = await page.$eval(quantity, (box) => {
    const r = box.getBoundingClientRect();
    return { x: r.left + r.width / 2, y: r.top + r.height / 2 };
  });
  await page.mouse.click(x, y);
  assert.equal(await page.evaluate(() => document.activeElement === window.clickedBox && window.clickedBox.isConnected), true);
  assert.equal(await page.$eval('#quoteLines tr[data-row="2"]', (tr) => tr.getAttribute('aria-current')), 'true');
  assert.equal(await page.$eval('#cmdQuoteLineDown', (button) => button.disabled), true);
  await page.keyboard.type('5');
  // Tab to its discount (5 %): typed over too; the change of the quantity drew nothing under the keys.
  await page.keyboard.press('Tab');
  assert.equal(await page.evaluate(() => document.activeElement.dataset.edit), 'discount');
  await page.keyboard.type('12');
  await page.keyboard.press('Enter');
  assert.deepEqual((await rows(page))[2].slice(3, 6), ['5', '300.00', '12']);
  assert.equal(await text(page, 'lblQuoteTotals'), '3 lines, 7 pieces   Subtotal: US$ 2,217.50   Total: US$ 2,037.50');
  // Back with Shift+Tab to the quantity, and a click on line 1's discount while line 3 is current.
  await page.keyboard.down('Shift');
  await page.keyboard.press('Tab');
  await page.keyboard.up('Shift');
  await page.keyboard.type('2');
  await page.click('#quoteLines tr[data-row="0"] input[data-edit=discount]');
  await page.keyboard.type('10');
  await page.keyboard.press('Enter');
  assert.deepEqual((await rows(page)).map((row) => row.slice(3, 6)), [['1', '350.00', '10'], ['1', '367.50', ''], ['2', '300.00', '12']]);
  assert.equal(await text(page, 'lblQuoteMessage'), '');
  assert.deepEqual(page.problems, []);
  await page.close();
});

// Where the browser may clear the kept quote, the page asks for storage that lasts once the
// quote holds something, and says so quietly when the answer is no.
test('storage that lasts only for the session is asked to last, and said when it does not', async () => {
  const lasting = (page) => page.$eval('#lblQuoteLasting', (note) => (note.hidden ? '' : note.textContent.replace(/\s+/g, ' ')));
  const NOTE = 'This browser may not keep the quote for long: in a private window it is lost when the window closes, ' +
    'and otherwise the browser may clear it when it needs the space. Save it as a file (Save, Ctrl+S) to keep it.';
  for (const { persisted, persist, asked, said } of [
    { persisted: false, persist: false, asked: 1, said: NOTE },
    { persisted: false, persist: true, asked: 1, said: '' },
    { persisted: true, persist: false, asked: 0, said: '' },
  ]) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.evaluateOnNewDocument((answers) => {
      window.persistAsked = 0;
      Object.defineProperty(navigator, 'storage', { configurable: true, value: {
        persisted: async () => answers.persisted,
        persist: async () => { window.persistAsked += 1; return answers.persist; },
      } });
    }, { persisted, persist });
    await page.goto(server.url, { waitUntil: 'load' });
    await page.waitForSelector('body.settled');
    await page.click('#tabQuoteButton');
    assert.equal(await lasting(page), '', 'nothing said of an empty quote');
    await paste(page, 'A310-MX2-2A-MXFX-VS\n');
    await page.evaluate(() => window.tarvekPages.quote.storeAll());
    assert.equal(await page.evaluate(() => window.persistAsked), asked, JSON.stringify({ persisted, persist }));
    assert.equal(await lasting(page), said, JSON.stringify({ persisted, persist }));
    await context.close();
  }
  // A private window of chromium: its storage does not last, and the page says so.
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.goto(server.url, { waitUntil: 'load' });
  await page.waitForSelector('body.settled');
  assert.equal(await page.evaluate(() => navigator.storage.persisted()), false);
  await page.click('#tabQuoteButton');
  await paste(page, 'A310-MX2-2A-MXFX-VS\n');
  await page.waitForFunction(() => !document.getElementById('lblQuoteLasting').hidden);
  assert.equal(await lasting(page), NOTE);
  await context.close();
});

test('a quantity typed and not left is part of the quote Ctrl+S saves', async () => {
  const page = await quotePage();
  await newQuote(page);
  await paste(page, 'A310-MX2-2A-MXFX-VS\n');
  await page.click('#quoteLines tr[data-row="0"] input[data-edit=quantity]');
  await page.keyboard.type('4');
  await page.keyboard.down('Control');
  await page.keyboard.press('KeyS');
  await page.keyboard.up('Control');
  const name = (await page.$eval('#txtQuoteNumber', (e) => e.value)) + '.tquote';
  assert.match((await downloaded(page, name)).toString('utf8'), /^line\tA310-MX2-2A-MXFX-VS\t4\t/m);
  assert.equal((await rows(page))[0][3], '4');
  assert.equal(await text(page, 'lblQuoteFile'), name);
  await page.close();
});
