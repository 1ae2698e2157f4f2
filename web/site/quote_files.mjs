// The quote's files: a .tquote or a file of part numbers chosen by the user is read as bytes; a
// quote or an export is saved where the browser lets the user choose (the File System Access
// API), or downloaded. The XLSX library is loaded the first time a workbook is exported or
// imported, never with the page.

const QUOTES = [{ description: 'Tarvek quotes', accept: { 'text/plain': ['.tquote'] } }];

// Bytes of a file the user picks (`types` as the file picker takes them); null when none was picked.
export async function pickFile(input, types = QUOTES) {
  if (typeof window.showOpenFilePicker === 'function') {
    try {
      const [handle] = await window.showOpenFilePicker({ types });
      const file = await handle.getFile();
      return { name: file.name, size: file.size, bytes: () => file.arrayBuffer() };
    } catch (error) {
      if (error && error.name === 'AbortError') return null;
      throw error;
    }
  }
  return new Promise((picked) => {
    input.value = '';
    input.onchange = () => {
      const file = input.files[0];
      picked(file ? { name: file.name, size: file.size, bytes: () => file.arrayBuffer() } : null);
    };
    input.click();
  });
}

// Saves the bytes under the name; resolves with the name saved as, or null when the user
// cancelled. A download where the browser has no file picker.
export async function saveFile(name, blob, description, extension) {
  if (typeof window.showSaveFilePicker === 'function') {
    let handle;
    try {
      handle = await window.showSaveFilePicker({ suggestedName: name, types: [{ description, accept: { [blob.type || 'application/octet-stream']: [extension] } }] });
    } catch (error) {
      if (error && error.name === 'AbortError') return null;
      throw error;
    }
    const writable = await handle.createWritable();
    await writable.write(blob);
    await writable.close();  // the file is replaced only now, whole
    return handle.name;
  }
  const link = document.createElement('a');
  link.href = URL.createObjectURL(blob);
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 60000);
  return name;
}

let excel = null;
// ExcelJS, from the site's own copy, loaded once.
function loadExcel() {
  excel ||= new Promise((loaded, failed) => {
    const script = document.createElement('script');
    script.src = 'vendor/exceljs.bare.min.js';
    script.onload = () => (window.ExcelJS ? loaded(window.ExcelJS) : failed(new Error('the workbook library did not start')));
    script.onerror = () => {
      excel = null;
      failed(new Error('the workbook library (vendor/exceljs.bare.min.js) could not be loaded'));
    };
    document.head.append(script);
  });
  return excel;
}

// The workbook the rules lay out, cell by cell, as XLSX bytes.
export async function workbookBlob(sheets, moneyFormat) {
  const ExcelJS = await loadExcel();
  const book = new ExcelJS.Workbook();
  for (const plan of sheets) {
    const sheet = book.addWorksheet(plan.name, plan.frozenRows > 0 ? { views: [{ state: 'frozen', ySplit: plan.frozenRows }] } : {});
    plan.columnWidths.forEach((width, i) => { sheet.getColumn(i + 1).width = width; });
    for (const c of plan.cells) {
      const cell = sheet.getCell(c.row + 1, c.column + 1);
      if (c.kind === 'text') cell.value = c.text;
      else if (c.kind === 'number') cell.value = c.number;
      else if (c.kind === 'formula') cell.value = { formula: c.text.replace(/^=/, ''), result: c.number };
      if (c.format === 'heading') cell.font = { bold: true };
      if (c.format === 'money') cell.numFmt = moneyFormat;
      if (c.format === 'wrapped') cell.alignment = { wrapText: true };
    }
  }
  const bytes = await book.xlsx.writeBuffer();
  return new Blob([bytes], { type: 'application/vnd.openxmlformats-officedocument.spreadsheetml.sheet' });
}

// A workbook refused for what it is, with the reason as the rules say it.
export class WorkbookRefused extends Error {}

// Whether each deflated part unpacks to no more than its archive says (which the rules
// checked against their limits): the browser's own inflater stops at the first byte more, so
// the workbook library never unpacks more than the rules allow.
async function unpacksAsSaid(bytes, parts) {
  for (const part of parts.filter((p) => p.method === 8)) {
    const packed = bytes.subarray(part.at, part.at + part.packedSize);
    const reader = new Blob([packed]).stream().pipeThrough(new DecompressionStream('deflate-raw')).getReader();
    let size = 0;
    try {
      for (let read = await reader.read(); !read.done; read = await reader.read()) {
        size += read.value.length;
        if (size > part.size) {
          reader.cancel().catch(() => {});
          return false;
        }
      }
    } catch {
      return false;  // not deflated data
    }
  }
  return true;
}

// The rows of a workbook's sheet named `sheetName` (else its first), for the rules' reader:
// [{number, cells}], a cell as ExcelJS holds its value: a text, {number, format} (the format
// code the sheet shows it in), {boolean}, or '' for none. A formula gives its last value.
// `archive`: the workbook's parts as the rules read them from its directory.
export async function workbookRows(bytes, sheetName, archive) {
  if (archive.problem) throw new WorkbookRefused(archive.problem);
  if (!(await unpacksAsSaid(bytes, archive.parts))) throw new WorkbookRefused(archive.damaged);
  const ExcelJS = await loadExcel();
  const book = new ExcelJS.Workbook();
  await book.xlsx.load(bytes);
  const sheet = book.getWorksheet(sheetName) || book.worksheets[0];
  if (!sheet) throw new Error('it has no sheet');
  const rows = [];
  sheet.eachRow((row, number) => {
    const cells = [];
    row.eachCell((cell, column) => { cells[column - 1] = valueOf(cell.value, cell.numFmt); });
    rows.push({ number, cells: Array.from(cells, (c) => c ?? '') });
  });
  return rows;
}

// Days from 1899-12-30, as a sheet counts them, of the dates ExcelJS makes of date cells.
const DAY = 86400000;
const SHEET_EPOCH = Date.UTC(1899, 11, 30);

function valueOf(value, format) {
  if (value === null || value === undefined) return '';
  if (typeof value === 'string') return value;
  if (typeof value === 'number') return { number: value, format: format || '' };
  if (typeof value === 'boolean') return { boolean: value };
  if (value instanceof Date) return { number: (value.getTime() - SHEET_EPOCH) / DAY, format: format || 'yyyy-mm-dd' };
  if (value.richText) return value.richText.map((run) => run.text).join('');
  if (value.error) return value.error;
  if ('result' in value) return valueOf(value.result, format);  // a formula, shared or not
  if (value.formula || value.sharedFormula) return '';  // a formula never calculated
  if ('text' in value) return valueOf(value.text, format);  // a link
  return '';
}
