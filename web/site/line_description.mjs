// A quote line's description and the captions of its cells. The description is one line in
// the table, ending in "…" where it is longer, and opens in place to be read whole (a
// disclosure per line): a tooltip alone never shows on a touch screen. A line opened stays
// open while the table is drawn again. On a phone each line is laid out as a card, whose
// cells are captioned with the table's own column headings.
export function lineDescriptions(rowOf) {
  const opened = new Set();  // "row\ntext" of the lines opened
  const key = (row, text) => `${row}\n${text}`;
  return {
    // The description's cell of line `row`.
    cell(tr, row, text) {
      const td = tr.insertCell();
      td.className = 'description';
      const details = document.createElement('details');
      const summary = document.createElement('summary');
      summary.textContent = text;
      summary.title = text;
      details.append(summary);
      details.open = opened.has(key(row, text));
      // A click on another line draws the table again under the pointer: the line as drawn
      // now follows what was opened or closed.
      details.addEventListener('toggle', () => {
        if (details.open) opened.add(key(row, text));
        else opened.delete(key(row, text));
        const drawn = details.isConnected ? null : rowOf(row)?.querySelector('td.description details');
        if (drawn && drawn.firstChild.textContent === text) drawn.open = details.open;
      });
      td.append(details);
      return td;
    },
    // Each cell captioned with its column's heading, for the cards a phone shows.
    caption(tr, headings) {
      [...tr.cells].forEach((td, c) => { if (headings[c]) td.dataset.caption = headings[c]; });
    },
  };
}
