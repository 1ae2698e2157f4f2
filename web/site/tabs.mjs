// The pages as tabs: a click, Enter or Space shows a page; the arrow keys, Home and
// End move between the tabs, as in any tab list. The tabs are one row, which scrolls where
// the screen is too narrow for them.
export function connectTabs(captions) {
  const tabs = [...document.querySelectorAll('[role=tab]')];
  const select = (chosen, focus) => {
    tabs.forEach((tab) => {
      const on = tab === chosen;
      tab.setAttribute('aria-selected', String(on));
      tab.tabIndex = on ? 0 : -1;
      document.getElementById(tab.getAttribute('aria-controls')).hidden = !on;
    });
    // On a narrow screen the row of tabs scrolls: the chosen one is brought into it (the row
    // alone scrolls, never the page).
    const row = chosen.parentElement, bar = row.getBoundingClientRect(), tab = chosen.getBoundingClientRect();
    if (tab.left < bar.left) row.scrollLeft -= bar.left - tab.left;
    else if (tab.right > bar.right) row.scrollLeft += tab.right - bar.right;
    if (focus) chosen.focus();
  };
  tabs.forEach((tab, i) => {
    tab.textContent = captions[i];
    tab.addEventListener('click', () => select(tab, false));
    tab.addEventListener('keydown', (event) => {
      const to = { ArrowRight: i + 1, ArrowLeft: i - 1, Home: 0, End: tabs.length - 1 }[event.key];
      if (to === undefined) return;
      event.preventDefault();
      select(tabs[(to + tabs.length) % tabs.length], true);
    });
  });
  select(tabs[0], false);
  return {
    showConfigurator: () => select(tabs[0], false),
    show: (panel) => select(tabs.find((tab) => tab.getAttribute('aria-controls') === panel), true),
  };
}
