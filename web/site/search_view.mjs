// Find by Requirement: sends each choice and keystroke to the search in its worker and shows
// the state it answers with: every list with the count each entry would leave, the results
// grouped by model and porting, the filters in the address (?filter=name=value, repeated).
// A configuration's part number is its link: it sets the configurator. Copy puts the price
// book's rows of the rows ticked on the clipboard.
import { startSearchWorker } from './search_client.mjs';

// The window's lists in the window's order: the model's attribute, the control's name, the
// caption and the accessible name.
const LISTS = [
  [0, 'lstSearchProductType', 'Product type:', 'Product type'],
  [1, 'lstSearchBody', 'Body / series:', 'Body / series'],
  [2, 'lstSearchModel', 'Model:', 'Model'],
  [3, 'lstSearchActuator', 'Actuator:', 'Actuator'],
  [4, 'lstSearchPorting', 'Porting:', 'Porting'],
  [9, 'lstSearchSeat', 'Seat / seal:', 'Seat or seal'],
  [7, 'lstSearchConnectionKind', 'Connection:', 'Connection kind'],
  [8, 'lstSearchConnectionSize', 'Connection size:', 'Connection size'],
  [10, 'lstSearchHandleColor', 'Handle color:', 'Handle color'],
  [11, 'lstSearchLeverHandle', 'Lever handle:', 'Lever handle'],
  [5, 'lstSearchCv', 'Cv at least:', 'Cv at least'],
  [6, 'lstSearchRatedPressure', 'Rated at least:', 'Rated pressure at least'],
];
const GROUPS_AT_ONCE = 50;           // groups shown first (the worker's first screen), and added by "Show more groups"
const CONFIGURATIONS_SHOWN = 500;    // of an opened group
const ADDRESS_PAUSE_MS = 250;        // the address follows once the user pauses: writing it costs the browser a frame

const $ = (id) => document.getElementById(id);
const setText = (element, text) => { if (element.textContent !== text) element.textContent = text; };
const setValue = (box, text) => { if (box.value !== text) box.value = text; };
const element = (tag, properties = {}, ...children) => {
  const made = Object.assign(document.createElement(tag), properties);
  made.append(...children);
  return made;
};

// A list that takes several entries: its entries with a check box each, opened in place.
function facetOfSeveral(id, caption, name) {
  const summary = element('summary', {}, element('span', { className: 'visually-hidden' }, `${name}: `),
    element('span', { className: 'closed' }));
  const entries = element('fieldset', {}, element('legend', { className: 'visually-hidden' }, name));
  const details = element('details', { id }, summary, entries);
  return { box: element('div', { className: 'facet' }, element('span', { className: 'caption', ariaHidden: 'true' }, caption), details),
    details, summary, entries };
}

function facetOfOne(id, caption, name) {
  const list = element('select', { id });
  list.setAttribute('aria-label', name);
  return { box: element('div', { className: 'facet' }, element('label', { className: 'caption', htmlFor: id }, caption), list), list };
}

function showFacet(facet, state, key) {
  const { rows } = state;
  if (facet.list) {
    if (facet.shownKey !== key || facet.list.options.length !== rows.length) {
      facet.list.replaceChildren(...rows.map((row) => new Option(row.text)));
      facet.shownKey = key;
    }
    rows.forEach((row, r) => {
      const option = facet.list.options[r];
      if (option.text !== row.text) option.text = row.text;
      option.disabled = !row.enabled;
    });
    if (facet.list.selectedIndex !== state.current) facet.list.selectedIndex = state.current;
    return;
  }
  setText(facet.summary.lastChild, state.closedText);
  if (facet.boxes === undefined || facet.boxes.length !== rows.length) {
    facet.boxes = rows.map((_, r) => element('input', { type: 'checkbox', value: String(r) }));
    facet.labels = rows.map(() => element('span'));
    facet.entries.replaceChildren(facet.entries.firstChild,
      ...rows.map((_, r) => element('label', { className: 'check' }, facet.boxes[r], facet.labels[r])));
  }
  rows.forEach((row, r) => {
    setText(facet.labels[r], row.text);
    if (facet.boxes[r].checked !== row.chosen) facet.boxes[r].checked = row.chosen;
    if (facet.boxes[r].disabled === row.enabled) facet.boxes[r].disabled = !row.enabled;
  });
}

// The filters in the address, so that the search can be sent as a link.
function followFilters(filters) {
  const query = new URLSearchParams();
  for (const filter of filters) query.append('filter', filter);
  const search = query.toString() ? `?${query}` : '';
  if (search !== location.search) history.replaceState(null, '', `${location.pathname}${search}${location.hash}`);
}

export const filtersInAddress = () => new URLSearchParams(location.search).getAll('filter');

export function showSearchPage(rules, tabs) {
  const texts = rules.searchTexts();
  let ask = null;
  let latest = 0;        // the last call made: only its answer is shown
  let shown = null;      // the state shown
  const facets = new Map();
  let addressTimer = 0;

  // The form, built once from the lists' names.
  const lists = $('searchLists');
  for (const [attribute, id, caption, name] of LISTS) {
    const facet = attribute === 5 || attribute === 6 ? facetOfOne(id, caption, name) : facetOfSeveral(id, caption, name);
    facets.set(attribute, facet);
    lists.append(facet.box);
    if (attribute === 8) {
      const place = facetOfOne('lstSearchConnectionPlace', 'Where:', 'Where the connection is');
      place.list.replaceChildren(...texts.places.map((p) => new Option(p)));
      place.list.addEventListener('change', () => send('chooseScope', place.list.selectedIndex));
      lists.append(place.box);
    }
    if (facet.list) facet.list.addEventListener('change', () => send('chooseRow', attribute, facet.list.selectedIndex));
    else facet.entries.addEventListener('change', (e) => {
      const row = Number(e.target.value);
      send(row === 0 ? 'chooseRow' : 'toggleRow', attribute, row);
    });
  }
  $('lstSearchOrder').replaceChildren(...texts.orders.map((o) => new Option(o)));
  $('searchResults').tHead.rows[0].replaceChildren(...texts.columns.map((c) => element('th', { scope: 'col' }, c)));

  const status = (text) => setText($('lblSearchCopied'), text);
  const problem = (error) => {
    $('lblSearchLoading').hidden = false;
    $('lblSearchLoading').className = 'problem';
    setText($('lblSearchLoading'), error.message);
  };

  const worker = () => {
    if (!ask) {
      ask = startSearchWorker();
      ask('start').then(({ buildMs, state }) => {
        window.tarvekSearchIndexMs = buildMs;  // for the benchmark
        if (latest === 0) render(state);
      }, problem);
    }
    return ask;
  };
  // An event for the search; its answer is shown unless a later event was sent meanwhile.
  const send = (call, ...args) => {
    const mine = ++latest;
    return worker()(call, ...args).then((answer) => {
      const state = answer.state || answer;
      if (mine === latest) render(state);
      return answer;
    }, problem);
  };

  function showGroupRow(group) {
    const open = element('button', { type: 'button', className: 'open', title: group.fullDescription }, group.partNumber);
    open.setAttribute('aria-expanded', 'false');
    const tick = element('input', { type: 'checkbox', value: String(group.group), className: 'copy-group' });
    tick.setAttribute('aria-label', `Copy the ${group.configurations} configurations of ${group.partNumber}`);
    const row = element('tr', { className: 'group' },
      element('td', { className: 'part-number' }, tick, open),
      element('td', { className: 'description', title: group.fullDescription }, group.description),
      element('td', { className: 'number' }, group.configurations),
      element('td', { className: 'number' }, group.listPrice),
      element('td', {}, group.nonStandard));
    open.addEventListener('click', () => toggleGroup(row, open, group));
    return row;
  }

  async function toggleGroup(row, open, group) {
    const opened = open.getAttribute('aria-expanded') === 'true';
    open.setAttribute('aria-expanded', String(!opened));
    if (opened) {
      while (row.nextSibling && !row.nextSibling.classList.contains('group')) row.nextSibling.remove();
      return;
    }
    const configurations = await worker()('configurations', group.group, CONFIGURATIONS_SHOWN).catch(problem);
    if (!configurations || open.getAttribute('aria-expanded') !== 'true' || !row.isConnected) return;
    const rows = configurations.map((c) => {
      const tick = element('input', { type: 'checkbox', value: String(c.id), className: 'copy-configuration' });
      tick.setAttribute('aria-label', `Copy ${c.partNumber}`);
      const link = element('a', { href: `#${encodeURI(c.link)}`, title: 'Show in configurator' }, c.partNumber);
      link.addEventListener('click', () => tabs.showConfigurator());
      return element('tr', { className: 'configuration' },
        element('td', {}, tick, link),
        element('td', { className: 'description', title: c.fullDescription }, c.description),
        element('td'), element('td', { className: 'number' }, c.listPrice), element('td', {}, c.nonStandard));
    });
    if (group.count > configurations.length)
      rows.push(element('tr', { className: 'configuration' }, element('td', { colSpan: 5 },
        `The first ${configurations.length} of ${group.configurations} configurations are shown; ` +
        'tick the group to copy them all.')));
    row.after(...rows);
  }

  function showResults(state) {
    $('searchResults').tBodies[0].replaceChildren(...state.groups.map(showGroupRow));
    $('cmdSearchMore').hidden = state.groupCount <= state.groups.length;
    updateCopy();
  }

  // The next groups, unless the search changed meanwhile.
  async function showMore() {
    const asked = latest;
    const body = $('searchResults').tBodies[0];
    const from = body.querySelectorAll('tr.group').length;
    const more = await worker()('groups', from, GROUPS_AT_ONCE).catch(problem);
    if (!more || asked !== latest) return;
    body.append(...more.map(showGroupRow));
    $('cmdSearchMore').hidden = shown.groupCount <= from + more.length;
  }

  function render(state) {
    shown = state;
    $('lblSearchLoading').hidden = true;
    $('searchForm').hidden = false;
    for (const [attribute, facet] of facets) showFacet(facet, state.lists[attribute], attribute);
    const place = $('lstSearchConnectionPlace');
    if (place.selectedIndex !== state.scope) place.selectedIndex = state.scope;
    // Only the answer to the last event is shown, so a box's text is never older than its typing.
    setValue($('txtSearchWords'), state.words);
    setValue($('txtSearchPriceFrom'), state.priceFrom);
    setValue($('txtSearchPriceTo'), state.priceTo);
    $('txtSearchPriceFrom').placeholder = state.lowestPrice;
    $('txtSearchPriceTo').placeholder = state.highestPrice;
    $('chkSearchStandardOnly').checked = state.standardOnly;
    setText($('lblSearchStandardOnly'), `Standard products only  (${state.standardOnlyCount})`);
    setText($('lblSearchCount'), state.found);
    setText($('lblSearchMessage'), state.notes.join(' '));
    if ($('lstSearchOrder').selectedIndex !== state.order) $('lstSearchOrder').selectedIndex = state.order;
    showResults(state);
    clearTimeout(addressTimer);
    addressTimer = setTimeout(() => followFilters(state.filters), ADDRESS_PAUSE_MS);
  }

  const ticked = (kind) => [...$('searchResults').querySelectorAll(`input.${kind}:checked`)].map((box) => Number(box.value));
  const updateCopy = () => {
    $('cmdCopySearchResults').disabled = ticked('copy-group').length + ticked('copy-configuration').length === 0;
  };
  $('searchResults').addEventListener('change', updateCopy);

  async function copy() {
    const rows = await worker()('copyRows', ticked('copy-group'), ticked('copy-configuration')).catch(problem);
    if (!rows || rows.copied === 0) return;
    try {
      await navigator.clipboard.writeText(rows.csv);
    } catch {
      status('The browser did not allow copying: it allows it only on a page served over https or from this machine.');
      return;
    }
    status(rows.copied < rows.wanted
      ? `The first ${rows.copied.toLocaleString('en-US')} of ${rows.wanted.toLocaleString('en-US')} configurations were copied as CSV; tarvek-catalog --list writes any number.`
      : `${rows.copied === 1 ? '1 configuration' : `${rows.copied.toLocaleString('en-US')} configurations`} copied as CSV.`);
  }

  $('txtSearchWords').addEventListener('input', (e) => send('typeWords', e.target.value));
  $('txtSearchPriceFrom').addEventListener('input', (e) => send('typePriceFrom', e.target.value));
  $('txtSearchPriceTo').addEventListener('input', (e) => send('typePriceTo', e.target.value));
  $('chkSearchStandardOnly').addEventListener('change', (e) => send('chooseStandardOnly', e.target.checked));
  $('cmdClearFilters').addEventListener('click', () => send('clear'));
  $('lstSearchOrder').addEventListener('change', (e) => send('chooseOrder', e.target.selectedIndex));
  $('cmdCopySearchResults').addEventListener('click', copy);
  $('cmdSearchMore').addEventListener('click', showMore);
  document.addEventListener('keydown', (e) => {
    const key = e.key.toLowerCase();
    if (e.ctrlKey && e.shiftKey && !e.altKey && key === 'f') {
      e.preventDefault();
      open();
      $('txtSearchWords').focus();
    } else if (e.altKey && !e.ctrlKey && key === 'c' && !$('tabSearch').hidden && !$('cmdCopySearchResults').disabled) {
      e.preventDefault();
      copy();
    } else if (e.altKey && e.shiftKey && !e.ctrlKey && key === 'f' && !$('tabSearch').hidden) {
      e.preventDefault();
      send('clear');
    }
  });

  const open = () => tabs.show('tabSearch');
  // The worker and its index start the first time the page is shown, however it is reached.
  new MutationObserver(() => { if (!$('tabSearch').hidden) worker(); })
    .observe($('tabSearch'), { attributes: true, attributeFilter: ['hidden'] });
  return {
    // The search of the address's filters, shown.
    openFilters: async (filters) => {
      open();
      const answer = await send('openFilters', filters);
      if (answer && answer.unused.length)
        setText($('lblSearchMessage'), `This link asks for what the catalogue does not have: ${answer.unused.join('; ')}.`);
    },
    // The valves that pass a flow: Valves for this Flow on the calculator.
    findValves: (cv, inletPsig) => {
      open();
      return send('findValves', cv, inletPsig);
    },
  };
}
