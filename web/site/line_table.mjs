// The quote's table of lines, drawn only where it is seen: the rows in view and a screen's
// worth more each way. A quote holds up to 100,000 lines, and a row with its two boxes costs
// the browser far more to lay out than the rules take to price it. A spacer row above and one
// below stand for the rows not drawn, so the scroll bar, the sticky heading and a screen
// reader's row count (aria-rowcount, aria-rowindex) are those of the whole table. Printing
// draws every row.
const EXTRA = 20;            // rows drawn beyond each edge of the view
const FIRST_GUESS = 40;      // a row's height in pixels until one is measured

// `linesIn(first, count)`: the lines' views from the quote; `fillRow(tr, line)`: a row's cells.
export function lineTable(table, box, { linesIn, fillRow }) {
  let count = 0;         // the quote's lines
  let current = -1;      // the line the page's buttons act on
  let first = 0;         // the rows drawn: first to end - 1
  let end = 0;
  let rowHeight = 0;     // measured from the rows drawn

  const body = () => table.tBodies[0];
  const drawnRows = () => body().querySelectorAll('tr[data-row]');
  const height = () => rowHeight || FIRST_GUESS;

  const spacer = () => {
    const tr = document.createElement('tr');
    tr.className = 'spacer';
    tr.setAttribute('aria-hidden', 'true');
    tr.insertCell().colSpan = table.tHead.rows[0].cells.length || 1;
    return tr;
  };
  const sizeSpacers = () => {
    const rows = body().rows;
    const [above, below] = [rows[0], rows[rows.length - 1]];
    for (const [tr, lines] of [[above, first], [below, count - end]]) {
      tr.hidden = lines === 0;
      tr.style.height = `${lines * height()}px`;
    }
  };
  const row = (line, i) => {
    const tr = document.createElement('tr');
    tr.dataset.row = i;
    tr.setAttribute('aria-rowindex', String(i + 2));  // the heading is row 1
    if (i === current) tr.setAttribute('aria-current', 'true');
    fillRow(tr, line);
    return tr;
  };
  const rowsOf = (from, to) => linesIn(from, to - from).map((line, k) => row(line, from + k));
  // One row is reached with Tab: the current line's, or the first drawn.
  const settleTabStop = () => {
    const rows = [...drawnRows()];
    const stop = rows.find((tr) => Number(tr.dataset.row) === current) || rows[0];
    for (const tr of rows) tr.tabIndex = tr === stop ? 0 : -1;
  };

  // The rows in view, with the extra each way.
  const inView = () => {
    const top = box.scrollTop - table.tHead.offsetHeight;
    const to = Math.min(count, Math.ceil((top + box.clientHeight) / height()) + EXTRA);
    return [Math.max(0, Math.min(to, Math.floor(top / height()) - EXTRA)), to];
  };
  const draw = (from, to) => {
    const drawn = document.createElement('tbody');
    drawn.append(spacer(), ...rowsOf(from, to), spacer());
    body().replaceWith(drawn);
    [first, end] = [from, to];
    sizeSpacers();
    settleTabStop();
  };
  // A row's height as drawn, once the table is seen (a hidden page measures nothing).
  const measure = () => {
    const rows = drawnRows();
    if (!rows.length) return false;
    const last = rows[rows.length - 1];
    const measured = (last.offsetTop + last.offsetHeight - rows[0].offsetTop) / rows.length;
    if (!(measured > 0) || Math.abs(measured - rowHeight) < 0.5) return false;
    rowHeight = measured;
    sizeSpacers();
    return true;
  };

  // After a scroll or a new size: rows that come into view are drawn, those far out of it go.
  // A box being typed in takes its text as when it is left, before its row goes.
  const follow = () => {
    const [from, to] = inView();
    if (from === first && to === end) return;
    const active = document.activeElement;
    const activeRow = active && body().contains(active) ? active.closest('tr[data-row]') : null;
    if (activeRow && (Number(activeRow.dataset.row) < from || Number(activeRow.dataset.row) >= to)) {
      active.blur();  // may edit the quote, which draws the table again
      follow();
      return;
    }
    if (to <= first || from >= end) {
      draw(from, to);
      return;
    }
    for (const tr of drawnRows()) {
      const i = Number(tr.dataset.row);
      if (i < from || i >= to) tr.remove();
    }
    const rows = body().rows;
    if (from < first) rows[0].after(...rowsOf(from, first));
    if (to > end) rows[rows.length - 1].before(...rowsOf(end, to));
    [first, end] = [from, to];
    sizeSpacers();
    settleTabStop();
  };
  box.addEventListener('scroll', follow, { passive: true });
  new ResizeObserver(() => {
    measure();
    follow();
  }).observe(box);

  return {
    // The quote as it now is: its number of lines and the current one, every drawn row anew.
    show(lines, currentLine) {
      [count, current] = [lines, currentLine];
      table.setAttribute('aria-rowcount', String(count + 1));
      draw(...inView());
      if (measure()) follow();
    },
    // Scrolls a line into view (below the sticky heading) and draws it.
    reveal(i) {
      const heading = table.tHead.offsetHeight;
      const top = heading + i * height();
      if (top < box.scrollTop + heading) box.scrollTop = top - heading;
      else if (top + height() > box.scrollTop + box.clientHeight) box.scrollTop = top + height() - box.clientHeight;
      follow();
    },
    rowOf: (i) => body().querySelector(`tr[data-row="${i}"]`),
    // Another current line, marked where the rows are: nothing is drawn again.
    mark(currentLine) {
      current = currentLine;
      for (const tr of drawnRows()) {
        if (Number(tr.dataset.row) === current) tr.setAttribute('aria-current', 'true');
        else tr.removeAttribute('aria-current');
      }
      settleTabStop();
    },
    // One line changed in its place (a quantity or a discount): its cells filled anew, its boxes
    // kept, so the focus and the pointer stay where they are.
    refresh(i) {
      const tr = body().querySelector(`tr[data-row="${i}"]`);
      const [line] = linesIn(i, 1);
      if (!tr || !line) return;
      const fresh = row(line, i);
      if (fresh.cells.length !== tr.cells.length) {
        tr.replaceWith(fresh);
        return;
      }
      [...fresh.cells].forEach((cell, c) => {
        const [box, freshBox] = [tr.cells[c]?.querySelector('input'), cell.querySelector('input')];
        if (!box || !freshBox) {
          tr.cells[c].replaceWith(cell);
          return;
        }
        for (const name of ['value', 'placeholder', 'title', 'aria-label']) {
          if (freshBox.hasAttribute(name)) box.setAttribute(name, freshBox.getAttribute(name));
          else box.removeAttribute(name);
        }
        box.value = freshBox.value;
      });
    },
    // Every row, for printing; show() goes back to the rows in view. A box being typed in
    // takes its text first, as when it is left.
    drawAll() {
      if (body().contains(document.activeElement)) document.activeElement.blur();
      draw(0, count);
    },
  };
}
