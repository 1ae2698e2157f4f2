// The pages as tabs: a click, Enter or Space shows a page; the arrow keys, Home and
// End move between the tabs, as in any tab list.
export function connectTabs(captions) {
  const tabs = [...document.querySelectorAll('[role=tab]')];
  const select = (chosen, focus) => {
    tabs.forEach((tab) => {
      const on = tab === chosen;
      tab.setAttribute('aria-selected', String(on));
      tab.tabIndex = on ? 0 : -1;
      document.getElementById(tab.getAttribute('aria-controls')).hidden = !on;
    });
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
