// The quote's files and header in the browser: part numbers imported from a file (a CSV, the
// desktop's workbook, the page's own) give the lines and message a paste of them gives, in one
// step to undo, and a damaged workbook is refused with the reason; the workbook the page
// exports has the desktop's cells, cell for cell, read back by openpyxl; the workbook is read
// under the site's strict content security policy; the header says what it did not take,
// until an entry is taken.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtemp, readFile, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import test from 'node:test';
import { startForTests } from './browser.mjs';
import { chooseFile, downloaded, newQuote, openQuotePage, paste, rows, text, typeIntoHeader } from './quote_pages.mjs';

const PROGRAM = process.env.TARVEK_PROGRAM;
const { server, browser } = await startForTests();
const folder = await mkdtemp(join(tmpdir(), 'tarvek-quote-files-'));
test.after(() => rm(folder, { recursive: true, force: true }));
const open = () => openQuotePage(browser, server.url, folder);

const LINES = 'part_number,quantity,discount\nA310-MX2-2A-MXFX-VS,3,\nJ310-MX2-2A-MXFX-VS-BK-LS,2,5\n1-4-VC-1,100,\n';
// The desktop's command line: a quote of `lines` written as `output`.
function desktopQuote(lines, output, ...options) {
  const input = join(folder, `${output}.csv`);
  return writeFile(input, lines).then(() => {
    execFileSync(PROGRAM, ['--quote', input, '--output', join(folder, output), ...options], { cwd: dirname(PROGRAM) });
    return join(folder, output);
  });
}
const shown = async (page) => (await rows(page)).map((r) => [r[1], r[3], r[5]]);  // part number, quantity, discount

test('a CSV file imported gives the lines and the message a paste of it gives, in one step', async () => {
  const page = await open();
  await newQuote(page);
  const lines = `${LINES}QQQ-1,1,\nA310-MX2-2A-MXFX-VS,0,\n`;
  await paste(page, lines);
  const pasted = [await shown(page), await text(page, 'lblQuoteMessage')];
  assert.equal(pasted[0].length, 3);
  assert.match(pasted[1], /^Added 3 lines\. Not added \(2\):\nline 5: "QQQ-1": /);
  await newQuote(page);
  const file = join(folder, 'lines.csv');
  await writeFile(file, lines);
  await chooseFile(page, 'cmdQuoteImport', file);
  await page.waitForFunction(() => document.getElementById('lblQuoteMessage').textContent.startsWith('Added'));
  assert.deepEqual([await shown(page), await text(page, 'lblQuoteMessage')], pasted);
  await page.click('#cmdQuoteUndo');
  assert.deepEqual(await rows(page), []);
  // Ctrl+I asks for the file too.
  const [chooser] = await Promise.all([page.waitForFileChooser(), (async () => {
    await page.keyboard.down('Control');
    await page.keyboard.press('KeyI');
    await page.keyboard.up('Control');
  })()]);
  await chooser.cancel();
  assert.deepEqual(page.problems, []);
  await page.close();
});

test('the desktop\'s workbook and the page\'s own are imported as their lines; a damaged one is refused', async () => {
  const desktop = await desktopQuote(LINES, 'desktop.xlsx', '--discount', '10');
  const page = await open();
  await newQuote(page);
  await chooseFile(page, 'cmdQuoteImport', desktop);
  await page.waitForFunction(() => document.getElementById('lblQuoteMessage').textContent.startsWith('Added'));
  assert.equal(await text(page, 'lblQuoteMessage'), 'Added 3 lines.');
  // The discounts the lines had become their own.
  const expected = [['A310-MX2-2A-MXFX-VS', '3', '10'], ['J310-MX2-2A-MXFX-VS-BK-LS', '2', '5'], ['1-4-VC-1', '100', '10']];
  assert.deepEqual(await shown(page), expected);

  // The page's own export, back.
  const number = await page.$eval('#txtQuoteNumber', (e) => e.value);
  await page.click('#cmdQuoteExportXlsx');
  const own = join(page.downloads, `${number}.xlsx`);
  const bytes = await downloaded(page, `${number}.xlsx`);
  await newQuote(page);
  await chooseFile(page, 'cmdQuoteImport', own);
  await page.waitForFunction(() => document.getElementById('lblQuoteMessage').textContent.startsWith('Added'));
  assert.deepEqual(await shown(page), expected);
  await page.click('#cmdQuoteUndo');
  assert.deepEqual(await rows(page), []);

  // Cut short: refused with the reason, the quote as it was.
  await paste(page, 'A310-MX2-2A-MXFX-VS\n');
  const cut = join(folder, 'cut.xlsx');
  await writeFile(cut, bytes.subarray(0, 400));
  await chooseFile(page, 'cmdQuoteImport', cut);
  await page.waitForFunction(() => document.getElementById('lblQuoteMessage').textContent.includes('not imported'));
  assert.equal(await text(page, 'lblQuoteMessage'), 'The file "cut.xlsx" was not imported: it is damaged: its zip archive cannot be read.');
  assert.deepEqual(await shown(page), [['A310-MX2-2A-MXFX-VS', '1', '']]);
  assert.deepEqual(page.problems, []);
  await page.close();
});

// Workbooks of one sheet of 300 MiB of blanks packed into a few hundred KiB, by Python's
// zipfile: one whose directory says so, one whose directory says 1,000 bytes.
function bombs() {
  const honest = join(folder, 'bomb.xlsx'), liar = join(folder, 'liar.xlsx');
  execFileSync('/usr/bin/python3', ['-c', `
import sys, zipfile
with zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED) as z:
    with z.open('xl/worksheets/sheet1.xml', 'w', force_zip64=True) as f:
        for i in range(300):
            f.write(b' ' * (1 << 20))
data = bytearray(open(sys.argv[1], 'rb').read())
size = (300 << 20).to_bytes(4, 'little')
directory = data.rfind(b'PK\\x01\\x02')
assert data[directory + 24:directory + 28] == size
data[directory + 24:directory + 28] = (1000).to_bytes(4, 'little')
open(sys.argv[2], 'wb').write(data)`, honest, liar]);
  return [honest, liar];
}

test('a workbook that would unpack to more than the rules allow is refused before it is unpacked', async () => {
  const [honest, liar] = bombs();
  const page = await open();
  await newQuote(page);
  for (const [file, said] of [
    [honest, 'The file "bomb.xlsx" was not imported: its part xl/worksheets/sheet1.xml is larger than 256 MiB unpacked.'],
    [liar, 'The file "liar.xlsx" was not imported: it is damaged: its zip archive cannot be read.']]) {
    await page.$eval('#lblQuoteMessage', (e) => { e.textContent = ''; });
    await chooseFile(page, 'cmdQuoteImport', file);
    await page.waitForFunction(() => document.getElementById('lblQuoteMessage').textContent.includes('not imported'));
    assert.equal(await text(page, 'lblQuoteMessage'), said);
  }
  assert.deepEqual(await rows(page), []);
  assert.deepEqual(page.problems, []);
  await page.close();
});

// Each sheet's cells, as openpyxl reads them: value, type, bold, number format, wrapped.
function workbookCells(...paths) {
  return JSON.parse(execFileSync('/usr/bin/python3', ['-c', `
import json, sys, openpyxl
def cells(path):
    book = openpyxl.load_workbook(path)
    sheets = {'names': book.sheetnames}
    for sheet in book.worksheets:
        found = {}
        for row in sheet.iter_rows():
            for c in row:
                if c.value is None and not c.has_style:
                    continue
                found[c.coordinate] = [c.value, c.data_type, bool(c.font.b), c.number_format, bool(c.alignment.wrap_text)]
        sheets[sheet.title] = {'cells': found, 'frozen': sheet.freeze_panes}
    return sheets
print(json.dumps([cells(p) for p in sys.argv[1:]]))`, ...paths], { encoding: 'utf8' }));
}

test('the page\'s workbook has the desktop\'s cells, an empty contact, reference and notes none', async () => {
  const desktop = await desktopQuote(LINES, 'parity.xlsx', '--discount', '10', '--customer', 'Nordgas Ltd.');
  const page = await open();
  await newQuote(page);
  await paste(page, LINES);
  await typeIntoHeader(page, 'txtQuoteDiscount', '10');
  await typeIntoHeader(page, 'txtQuoteCustomer', 'Nordgas Ltd.');
  const number = await page.$eval('#txtQuoteNumber', (e) => e.value);
  await page.click('#cmdQuoteExportXlsx');
  await downloaded(page, `${number}.xlsx`);
  const [ofDesktop, ofPage] = workbookCells(desktop, join(page.downloads, `${number}.xlsx`));
  // The quote's number, date and so its end of validity are the moment's, each its own.
  for (const book of [ofDesktop, ofPage]) {
    for (const coordinate of ['B1', 'B5', 'B6']) {
      assert.equal(typeof book.Quote.cells[coordinate][0], 'string');
      book.Quote.cells[coordinate][0] = '(of the moment)';
    }
  }
  assert.deepEqual(ofPage.names, ['Lines', 'Quote']);
  for (const sheet of ofDesktop.names) {
    for (const coordinate of new Set([...Object.keys(ofDesktop[sheet].cells), ...Object.keys(ofPage[sheet].cells)])) {
      assert.deepEqual(ofPage[sheet].cells[coordinate], ofDesktop[sheet].cells[coordinate], `${sheet}!${coordinate}`);
    }
    assert.equal(ofPage[sheet].frozen, ofDesktop[sheet].frozen, sheet);
  }
  assert.deepEqual(ofDesktop, ofPage);
  assert.deepEqual(ofDesktop.Quote.cells.B3, [null, 'n', false, 'General', true]);  // the contact: a format, no value
  await page.close();
});

// The reading path (quote_files.mjs and the workbook library it loads) on a page of the site's
// origin under the policy the site is served with, run by a module of the page itself (code
// the test's own evaluation runs is not the page's): nothing it runs needs eval.
const POLICY_CHECK = `
const refused = [];
document.addEventListener('securitypolicyviolation', (e) => refused.push(e.violatedDirective + ' ' + e.sourceFile + ':' + e.lineNumber));
let evalRuns = true;
try {
  (0, eval)('1');
} catch {
  evalRuns = false;
}
const { workbookRows } = await import('./quote_files.mjs');
const bytes = new Uint8Array(await (await fetch('policy.xlsx')).arrayBuffer());
try {
  const sheet = await workbookRows(bytes, 'Lines', { problem: '', parts: [] });
  window.policyCheck = { evalRuns, refused, sheet };
} catch (error) {
  window.policyCheck = { evalRuns, refused, error: String(error) };
}`;

test('a workbook is read under the site\'s strict content security policy', async () => {
  const workbook = await readFile(await desktopQuote(LINES, 'policy.xlsx'));
  // A context of its own: the site's service worker, installed by the other tests, would
  // answer the requests made up here.
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  const policy = "script-src 'self' 'wasm-unsafe-eval'";
  const made = {
    'policy.html': ['text/html', '<!doctype html><title>Policy</title><script>window.inlineRan = true;</script>' +
      '<script type="module" src="policy_check.mjs"></script>'],
    'policy_check.mjs': ['text/javascript', POLICY_CHECK],
    'policy.xlsx': ['application/octet-stream', workbook],
  };
  await page.setRequestInterception(true);
  page.on('request', (request) => {
    const name = request.url().slice(server.url.length);
    if (!made[name]) return request.continue();
    const [contentType, body] = made[name];
    return request.respond({ status: 200, contentType, headers: { 'Content-Security-Policy': policy }, body });
  });
  await page.goto(`${server.url}policy.html`);
  // Polled by the test's own evaluation: puppeteer's waiting makes functions of texts, which
  // the policy refuses.
  let read;
  for (let i = 0; i < 300 && !read; ++i) {
    read = await page.evaluate(() => window.policyCheck && { ...window.policyCheck, inlineRan: Boolean(window.inlineRan) });
    if (!read) await new Promise((r) => setTimeout(r, 100));
  }
  assert.ok(read, 'the check ran');
  assert.equal(read.inlineRan, false, 'the policy is in force');
  assert.equal(read.evalRuns, false, 'the policy is in force');
  assert.equal(read.error, undefined);
  assert.deepEqual(read.refused.filter((r) => !r.includes('policy_check.mjs')), []);
  assert.deepEqual(read.sheet.map((row) => [row.number, row.cells[1], row.cells[3]]),
    [[1, 'part_number', 'quantity'], [2, 'A310-MX2-2A-MXFX-VS', { number: 3, format: '' }],
      [3, 'J310-MX2-2A-MXFX-VS-BK-LS', { number: 2, format: '' }], [4, '1-4-VC-1', { number: 100, format: '' }]]);
  await context.close();
});

test('the header says what it did not take and why, until an entry is taken', async () => {
  const page = await open();
  await newQuote(page);
  const cases = [
    ['spnQuoteValidity', '99999999', 'The validity "99999999" was not taken: a quote is valid for 0 to 3650 days.', '30'],
    ['dtpQuoteDate', '', 'The date was not taken: a quote always has a date.', null],
    ['txtQuoteNumber', '  ', 'The quote number was not taken: a quote always has a number.', null],
  ];
  for (const [id, typed, said, kept] of cases) {
    const before = await page.$eval(`#${id}`, (e) => e.value);
    await typeIntoHeader(page, id, typed);
    assert.equal(await text(page, 'lblQuoteMessage'), said, id);
    assert.equal(await page.$eval(`#${id}`, (e) => e.value), kept ?? before, id);
  }
  // An old refusal goes once an entry is taken, whichever field it was.
  await typeIntoHeader(page, 'txtQuoteCustomer', 'Nordgas\u001b Ltd.');
  assert.match(await text(page, 'lblQuoteMessage'), /^The customer was not taken/);
  await typeIntoHeader(page, 'spnQuoteValidity', '60');
  assert.equal(await text(page, 'lblQuoteMessage'), '');
  assert.equal(await page.$eval('#spnQuoteValidity', (e) => e.value), '60');
  assert.deepEqual(page.problems, []);
  await page.close();
});
