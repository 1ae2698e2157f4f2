// A list of the cascade chooses as the window's lists do: the entry already chosen, chosen
// again with the pointer or the keyboard, is a choice too (its handler resets what follows
// it), and the arrow keys on the closed list choose the next or previous entry at once.
// The list stays the browser's own <select>; where the browser draws its entries in the
// page (a customizable select), a click or Enter on the chosen entry is seen here, which a
// native list's "change" never reports.
const STEPS = { ArrowDown: 1, ArrowUp: -1, PageDown: 1, PageUp: -1 };  // as the window's lists move
// A list drawn in the page opens on an arrow key; a native one chooses at once already.
const DRAWN_IN_PAGE = typeof CSS !== 'undefined' && CSS.supports('appearance', 'base-select');

// `choose(entry)` is told each choice once: the browser's "change" and the re-choosings.
export function connectList(select, choose) {
  let before = select.selectedIndex;  // the entry chosen when the pointer was pressed
  const isOpen = () => { try { return select.matches(':open'); } catch { return false; } };

  select.addEventListener('change', () => choose(select.selectedIndex));
  select.addEventListener('mousedown', () => { before = select.selectedIndex; }, true);
  // The chosen entry clicked again: the list closes and nothing changed.
  select.addEventListener('click', (e) => {
    if (e.target instanceof HTMLOptionElement && e.target.index === before && e.target.selected) choose(e.target.index);
  });
  select.addEventListener('keydown', (e) => {
    if (e.altKey || e.ctrlKey || e.metaKey) return;
    // Enter or Space on the chosen entry of the opened list.
    if (e.target instanceof HTMLOptionElement) {
      if ((e.key === 'Enter' || e.key === ' ') && e.target.selected) choose(e.target.index);
      return;
    }
    if (!DRAWN_IN_PAGE || isOpen()) return;
    const count = select.options.length;
    const to = e.key === 'Home' ? 0 : e.key === 'End' ? count - 1
      : STEPS[e.key] === undefined ? undefined : Math.min(count - 1, Math.max(0, select.selectedIndex + STEPS[e.key]));
    if (to === undefined || count === 0) return;
    e.preventDefault();
    if (to === select.selectedIndex) return;
    select.selectedIndex = to;
    choose(to);
  });
}
