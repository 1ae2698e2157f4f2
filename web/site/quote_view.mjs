// The quote page: a quotation of many lines for one customer, as the rules' quote holds it.
// Lines come from the configurator ("Add to quote", Ctrl+Enter there), from pasted part
// numbers or from a saved quote; every edit is the rules' own and can be undone. The quote is
// kept in the browser's storage after every change, saved and opened as the desktop's .tquote
// document, exported as CSV and XLSX, and printed with the page's print style sheet.
import { lineDescriptions } from './line_description.mjs';
import { lineTable } from './line_table.mjs';
import { pickFile, saveFile, workbookBlob } from './quote_files.mjs';

const $ = (id) => document.getElementById(id);
const setText = (element, text) => { if (element.textContent !== text) element.textContent = text; };
const HEADER_FIELDS = { txtQuoteCustomer: 'customer', txtQuoteContact: 'contact', txtQuoteReference: 'reference',
  txtQuoteNumber: 'number', txtQuoteDiscount: 'discount', dtpQuoteDate: 'date', spnQuoteValidity: 'validity',
  txtQuoteNotes: 'notes' };
const isTextBox = (element) => element && (element.tagName === 'TEXTAREA' ||
  (element.tagName === 'INPUT' && !['radio', 'checkbox', 'button'].includes(element.type)) || element.tagName === 'SELECT');

function now() {
  const d = new Date();
  return [d.getFullYear(), d.getMonth() + 1, d.getDate(), d.getHours(), d.getMinutes(), d.getSeconds()];
}

// `storage`: the browser's storage for the quote (quote_storage.mjs).
export function showQuotePage(rules, configurator, tabs, storage) {
  const texts = rules.quoteTexts();
  const quote = new rules.Quote();
  let pricesShown = true;
  let current = -1;           // the line the line buttons act on
  let fileName = '';          // the file the quote was opened from or saved as
  let saving = Promise.resolve();
  let restored = null;  // the quote kept from the last visit, once it is back

  const message = (text, details = '') => {
    setText($('lblQuoteMessage'), text);
    $('lblQuoteMessage').title = details;
  };
  const storageProblem = (problem) => {
    const box = $('lblQuoteStorage');
    box.hidden = !problem;
    setText(box, problem ? `The browser did not keep this quote (${problem}): it stays on this page only ` +
      'until it is saved as a file (Save, Ctrl+S).' : '');
  };
  // After every change: the quote document, as a file holds it, in the browser's storage.
  const keep = () => {
    const kept = { document: quote.document(), fileName, modified: quote.view(false).modified };
    saving = saving.then(() => storage.keep(kept)).then(() => storageProblem(''), (error) => storageProblem(error.message));
    return saving;
  };

  const shownColumns = () => texts.columns.filter((_, c) => pricesShown || c < texts.firstPriceColumn);
  const headings = () => {
    const row = $('quoteLines').tHead.rows[0];
    row.replaceChildren(...shownColumns().map((caption) => {
      const th = document.createElement('th');
      th.scope = 'col';
      th.textContent = caption;
      return th;
    }));
  };

  const cell = (tr, text, className = '') => {
    const td = tr.insertCell();
    td.textContent = text;
    if (className) td.className = className;
    return td;
  };
  const box = (tr, value, label, placeholder = '') => {
    const td = tr.insertCell();
    td.className = 'number';
    const input = document.createElement('input');
    input.type = 'text';
    input.inputMode = 'decimal';
    input.value = value;
    input.placeholder = placeholder;
    input.setAttribute('aria-label', label);
    td.append(input);
    return input;
  };

  const fillRow = (tr, line) => {
    cell(tr, String(line.number), 'number');
    const part = cell(tr, line.partNumber, `part${line.nonStandard ? ' non-standard' : ''}${line.change ? ' changed' : ''}`);
    if (line.change) part.title = line.change;
    descriptions.cell(tr, Number(tr.dataset.row), line.description);
    box(tr, line.quantity, `Quantity of line ${line.number}`).dataset.edit = 'quantity';
    if (pricesShown) {
      cell(tr, line.listPrice, 'number');
      const discount = box(tr, line.discountTyped, `Discount % of line ${line.number}`, line.ownDiscount ? '' : line.discount);
      discount.dataset.edit = 'discount';
      if (!line.ownDiscount) discount.title = texts.quotationDiscountTip;
      cell(tr, line.unitNet, 'number');
      cell(tr, line.extended, 'number');
    }
    descriptions.caption(tr, shownColumns());
  };
  const descriptions = lineDescriptions((row) => lines.rowOf(row));
  const lines = lineTable($('quoteLines'), $('quoteTableBox'),
    { linesIn: (first, count) => quote.lines(pricesShown, first, count), fillRow });

  function showHeader(view) {
    const h = view.header;
    const values = { txtQuoteCustomer: h.customer, txtQuoteContact: h.contact, txtQuoteReference: h.reference,
      txtQuoteNumber: h.number, txtQuoteDiscount: h.discount, dtpQuoteDate: h.date, spnQuoteValidity: String(h.validity),
      txtQuoteNotes: h.notes };
    for (const [id, value] of Object.entries(values)) if ($(id).value !== value) $(id).value = value;
    setText($('lblQuotePriceList'), h.priceList);
    $('txtQuoteDiscount').hidden = !pricesShown;
    $('lblQuoteDiscount').hidden = !pricesShown;
  }

  function render() {
    const view = quote.view(pricesShown);
    if (current >= view.lineCount) current = view.lineCount - 1;
    showHeader(view);
    headings();
    lines.show(view.lineCount, current);
    setText($('lblQuoteTotals'), view.totals);
    setText($('lblQuoteFile'), (fileName || 'Not saved yet') + (view.modified && fileName ? ' (changed)' : ''));
    $('cmdQuoteUndo').disabled = !view.canUndo;
    $('cmdQuoteRedo').disabled = !view.canRedo;
    $('cmdQuoteUndo').title = view.canUndo ? `Undo ${view.undoText} (Ctrl+Z)` : 'Undo (Ctrl+Z)';
    $('cmdQuoteRedo').title = view.canRedo ? `Redo ${view.redoText} (Ctrl+Shift+Z)` : 'Redo (Ctrl+Shift+Z)';
    const hasLine = current >= 0;
    for (const id of ['cmdQuoteDelete', 'cmdQuoteDuplicate', 'cmdQuoteShowLine']) $(id).disabled = !hasLine;
    $('cmdQuoteLineUp').disabled = !hasLine || current === 0;
    $('cmdQuoteLineDown').disabled = !hasLine || current + 1 >= view.lineCount;
    $('cmdQuoteUpdateLine').disabled = !hasLine || !configurator.model.view().link;
    $('tabQuoteButton').textContent = `${texts.title}${view.lineCount ? ` (${view.lineCount})` : ''}`;
    return view;
  }
  // An edit of the rules' quote: shown, and kept.
  const edited = (said) => {
    if (said !== undefined) message(said);
    render();
    return keep();
  };
  const select = (row) => {
    current = row;
    render();
    lines.reveal(row);
    const tr = lines.rowOf(row);
    if (tr) tr.focus();
  };

  // What may be lost: asked before a new or opened quote replaces one with unsaved changes.
  const mayDiscard = () => !quote.view(false).modified ||
    window.confirm(`The quote ${fileName ? `"${fileName}"` : quote.view(false).header.number} has changes that are not saved. ` +
      'Discard them?');

  const actions = {
    async add() {
      await restored;  // an add in the page's first moments goes onto the kept quote
      const link = configurator.model.view().link;
      if (!link) return;
      const said = quote.add(link);
      current = quote.view(false).lineCount - 1;
      edited(said);
      configurator.status(said);
    },
    paste(text) {
      if (!text.trim()) {
        message(texts.nothingToPaste);
        return null;
      }
      const first = quote.view(false).lineCount;
      const pasted = quote.paste(text);
      if (pasted.added > 0) current = first;
      message(pasted.message, pasted.details);
      render();
      return keep();
    },
    newQuote() {
      if (!mayDiscard()) return;
      quote.start(...now());
      fileName = '';
      current = -1;
      edited('');
    },
    async open() {
      let file;
      try {
        file = await pickFile($('fileQuoteOpen'));
      } catch (error) {
        message(`No quote was opened: ${error.message}.`);
        return;
      }
      if (!file) return;
      await actions.openFile(file);
    },
    async openFile(file) {
      if (file.size > texts.largestDocument) {
        message(`The quote "${file.name}" cannot be opened: it is larger than any quote (${Math.round(file.size / 1048576)} MB).`);
        return false;
      }
      const bytes = new Uint8Array(await file.bytes());
      // A refused file leaves the quote open as it is, and asks nothing.
      const problem = rules.Quote.problemOf(bytes);
      if (problem) {
        message(`The quote "${file.name}" cannot be opened: ${problem}.`);
        return false;
      }
      if (!mayDiscard()) return false;
      const opened = quote.open(bytes, file.name, false);
      fileName = file.name;
      current = -1;
      message(opened.message, opened.details);
      render();
      await keep();
      return true;
    },
    async save() {
      const name = fileName && fileName.toLowerCase().endsWith(texts.extension) ? fileName : quote.fileName();
      const blob = new Blob([quote.document()], { type: 'text/plain' });
      try {
        const saved = await saveFile(name, blob, 'Tarvek quotes', texts.extension);
        if (!saved) return;
        quote.markSaved();
        fileName = saved;
        edited(`Saved as "${saved}".`);
      } catch (error) {
        message(`The quote was not saved: ${error.message}. The file as it was is unchanged.`);
      }
    },
    async exportCsv() {
      const name = quote.fileName().replace(/\.tquote$/, '.csv');
      try {
        const saved = await saveFile(name, new Blob([quote.csv(pricesShown)], { type: 'text/csv' }), 'CSV', '.csv');
        if (saved) message(`Exported "${saved}".`);
      } catch (error) {
        message(`"${name}" was not written: ${error.message}`);
      }
    },
    async exportXlsx() {
      const name = quote.fileName().replace(/\.tquote$/, '.xlsx');
      try {
        message(`Writing "${name}"...`);
        const blob = await workbookBlob(quote.workbook(pricesShown), texts.moneyFormat);
        const saved = await saveFile(name, blob, 'Excel workbook', '.xlsx');
        message(saved ? `Exported "${saved}".` : '');
      } catch (error) {
        message(`"${name}" was not written: ${error.message}`);
      }
    },
    print() {
      document.body.classList.add('printing-quote');
      window.print();
      document.body.classList.remove('printing-quote');
    },
    undo() { quote.undo(); edited(''); },
    redo() { quote.redo(); edited(''); },
    remove() { if (current >= 0) { quote.remove([current]); edited(''); } },
    duplicate() {
      if (current < 0) return;
      const said = quote.duplicate(current);  // empty when duplicated
      if (!said) current += 1;
      edited(said);
    },
    move(by) { if (current >= 0 && quote.move(current, by)) { current += by; edited(''); select(current); } },
    showLine() {
      if (current < 0) return;
      const { link, message: gone } = quote.lineLink(current);
      if (!link) {
        message(gone);
        return;
      }
      configurator.open(link);
      tabs.showConfigurator();
    },
    updateLine() {
      const link = configurator.model.view().link;
      if (current >= 0 && link) edited(quote.updateLine(current, link));
    },
  };

  // Printing shows every line, whichever way it is asked for; then the rows in view again.
  let printedAll = false;
  window.addEventListener('beforeprint', () => {
    printedAll = !$('tabQuote').hidden || document.body.classList.contains('printing-quote');
    if (printedAll) lines.drawAll();
  });
  window.addEventListener('afterprint', () => {
    if (printedAll) render();
    printedAll = false;
  });

  const buttons = { cmdQuoteNew: actions.newQuote, cmdQuoteOpen: actions.open, cmdQuoteSave: actions.save,
    cmdQuoteExportCsv: actions.exportCsv, cmdQuoteExportXlsx: actions.exportXlsx, cmdQuotePrint: actions.print,
    cmdQuoteUndo: actions.undo, cmdQuoteRedo: actions.redo, cmdQuoteDelete: actions.remove,
    cmdQuoteDuplicate: actions.duplicate, cmdQuoteLineUp: () => actions.move(-1), cmdQuoteLineDown: () => actions.move(1),
    cmdQuoteShowLine: actions.showLine, cmdQuoteUpdateLine: actions.updateLine, cmdAddToQuote: actions.add,
    cmdQuotePaste: () => {
      const kept = actions.paste($('txtQuotePaste').value);
      if (kept) $('txtQuotePaste').value = '';
    } };
  for (const [id, act] of Object.entries(buttons)) $(id).addEventListener('click', () => act());

  // The header's fields are taken when they are left (or Enter is pressed): one step to undo.
  for (const [id, field] of Object.entries(HEADER_FIELDS)) {
    $(id).addEventListener('change', (e) => {
      const refusal = quote.setHeader(field, e.target.value);
      if (refusal) message(refusal);
      render();
      keep();
    });
  }
  // The table: a click chooses a line; a quantity or discount cell takes what is typed when left.
  const table = $('quoteLines');
  table.addEventListener('click', (e) => {
    const tr = e.target.closest('tr[data-row]');
    if (tr && Number(tr.dataset.row) !== current) {
      current = Number(tr.dataset.row);
      const focused = e.target.dataset.edit ? e.target : null;
      render();
      if (focused) lines.rowOf(current)?.querySelector(`[data-edit=${focused.dataset.edit}]`).focus();
    }
  });
  table.addEventListener('dblclick', (e) => { if (!e.target.dataset.edit && e.target.closest('tr[data-row]')) actions.showLine(); });
  table.addEventListener('change', (e) => {
    const row = Number(e.target.closest('tr[data-row]').dataset.row);
    const refusal = e.target.dataset.edit === 'quantity' ? quote.setQuantity(row, e.target.value) : quote.setDiscount(row, e.target.value);
    current = row;
    edited(refusal);
  });
  table.addEventListener('keydown', (e) => {
    const tr = e.target.closest('tr[data-row]');
    if (!tr || e.target !== tr) return;
    const rows = quote.view(false).lineCount;
    const to = { ArrowDown: current + 1, ArrowUp: current - 1, Home: 0, End: rows - 1 }[e.key];
    if (to !== undefined && !e.altKey && to >= 0 && to < rows) {
      e.preventDefault();
      select(to);
    } else if (e.key === 'Delete') {
      e.preventDefault();
      actions.remove();
    } else if (e.key === 'Enter') {
      actions.showLine();
    }
  });

  // The page's keys, as the window's: while the quote shows (Ctrl+Shift+Q shows it from anywhere).
  document.addEventListener('keydown', (e) => {
    const key = e.key.toLowerCase();
    if (e.ctrlKey && e.shiftKey && key === 'q') {
      e.preventDefault();
      tabs.show('tabQuote');
      return;
    }
    if (!$('tabConfigurator').hidden && e.ctrlKey && e.key === 'Enter') {
      e.preventDefault();
      actions.add();
      return;
    }
    if ($('tabQuote').hidden || document.querySelector('dialog[open]')) return;
    const inText = isTextBox(document.activeElement);
    const keys = [
      [e.ctrlKey && !e.shiftKey && key === 's', actions.save],
      [e.ctrlKey && !e.shiftKey && key === 'o', actions.open],
      [e.ctrlKey && !e.shiftKey && key === 'e', actions.exportXlsx],
      [e.ctrlKey && e.shiftKey && key === 'e', actions.exportCsv],
      [e.ctrlKey && !e.shiftKey && key === 'p', actions.print],
      [e.ctrlKey && !e.shiftKey && key === 'd', actions.duplicate],
      [e.ctrlKey && !e.shiftKey && key === 'g', actions.showLine],
      [e.ctrlKey && !e.shiftKey && key === 'u', actions.updateLine],
      [e.altKey && e.key === 'ArrowUp', () => actions.move(-1)],
      [e.altKey && e.key === 'ArrowDown', () => actions.move(1)],
      [e.altKey && key === 'n', actions.newQuote],
      // In a text box the box's own undo.
      [!inText && e.ctrlKey && !e.shiftKey && key === 'z', actions.undo],
      [!inText && e.ctrlKey && e.shiftKey && key === 'z', actions.redo],
    ];
    const found = keys.find(([matches]) => matches);
    if (found) {
      e.preventDefault();
      found[1]();
    }
  });
  // Ctrl+V on the page, outside a text box: the clipboard's part numbers.
  document.addEventListener('paste', (e) => {
    if ($('tabQuote').hidden || isTextBox(document.activeElement)) return;
    e.preventDefault();
    actions.paste(e.clipboardData ? e.clipboardData.getData('text') : '');
  });

  const follow = (state) => {
    $('cmdAddToQuote').disabled = !state.canQuote;
    if (state.pricesShown !== pricesShown) {
      pricesShown = state.pricesShown;
      render();
    } else if (!$('tabQuote').hidden) {
      $('cmdQuoteUpdateLine').disabled = current < 0 || !state.link;
    }
  };

  // The quote kept from the last visit, or a new one: `loading` is storage.load()'s answer,
  // asked for while the page started.
  const restore = (loading) => (restored ||= restoreKept(loading));
  const restoreKept = async (loading) => {
    let kept = null;
    try {
      kept = await loading;
    } catch (error) {
      storageProblem(error.message);
    }
    const opened = kept && typeof kept.document === 'string' ? quote.open(kept.document, kept.fileName || '', Boolean(kept.modified)) : null;
    if (opened && !opened.problem) {
      fileName = kept.fileName || '';
      if (opened.details) message(opened.message, opened.details);
    } else {
      quote.start(...now());
    }
    render();
  };
  return { follow, restore, actions, quote };
}
