// The quote's files: a .tquote chosen by the user is read as bytes; a quote or an export is
// saved where the browser lets the user choose (the File System Access API), or downloaded.
// The XLSX library is loaded the first time a workbook is exported, never with the page.

// Bytes of a file the user picks; null when none was picked.
export async function pickFile(input) {
  if (typeof window.showOpenFilePicker === 'function') {
    try {
      const [handle] = await window.showOpenFilePicker({ types: [{ description: 'Tarvek quotes', accept: { 'text/plain': ['.tquote'] } }] });
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
      else cell.value = { formula: c.text.replace(/^=/, ''), result: c.number };
      if (c.format === 'heading') cell.font = { bold: true };
      if (c.format === 'money') cell.numFmt = moneyFormat;
      if (c.format === 'wrapped') cell.alignment = { wrapText: true };
    }
  }
  const bytes = await book.xlsx.writeBuffer();
  return new Blob([bytes], { type: 'application/vnd.openxmlformats-officedocument.spreadsheetml.sheet' });
}
