// The configurator page: sends the user's choices to the rules and shows the state they
// answer with. It keeps no state of its own beyond what the controls hold, and touches a
// control only where the state differs from what it shows.
import { followAddress, linkInAddress } from './address.mjs';
import { copyText } from './clipboard.mjs';
import { connectList } from './list_choice.mjs';

// The form's controls, by the window's names, in the order of the model's lists and options.
const LISTS = ['lstProductType', 'lstBody', 'lstModel', 'lstPorting', 'lstConn1', 'lstConn2', 'lstConn3', 'lstConn4'];
const CAPTIONS = ['lblProductType', 'lblBody', 'lblModel', 'lblPorting', 'lblConn1', 'lblConn2', 'lblConn3', 'lblConn4'];
const OPTIONS = ['optStd', 'optVSKZ', 'optB5EP', 'optBL', 'optBK', 'optGR', 'optRD', 'optWH', 'optYW', 'chkLS'];
const LEVER_HANDLE = 9;

const $ = (id) => document.getElementById(id);
const setText = (element, text) => { if (element.textContent !== text) element.textContent = text; };
const setShown = (element, shown) => { if (element.hidden === shown) element.hidden = !shown; };
const isTextBox = (element) => element && (element.tagName === 'TEXTAREA' || element.isContentEditable ||
  (element.tagName === 'INPUT' && !['radio', 'checkbox', 'button'].includes(element.type)));

// Porting drawings are metafiles, which browsers cannot show: the build renders each to SVG.
const pictureUrl = (name) => `pictures/${encodeURIComponent(name.replace(/\.wmf$/i, '.svg'))}`;

function showList(select, list, shown, i) {
  if (shown[i] === null || shown[i].length !== list.entries.length || shown[i].some((e, k) => e !== list.entries[k])) {
    select.replaceChildren(...list.entries.map((entry) => new Option(entry)));
    shown[i] = list.entries;
  }
  if (select.selectedIndex !== list.chosen) select.selectedIndex = list.chosen;
  select.disabled = !list.enabled;
  const caption = $(CAPTIONS[i]);
  setText(caption, list.caption);
  caption.classList.toggle('active', list.captionActive);
}

function showOptions(s) {
  // An inactive frame is disabled with its buttons, and its title is not bold, as in the window.
  for (const [id, active] of [['fraOptionsSeat', s.seatFrameActive], ['fraOptionsColor', s.colourFrameActive]]) {
    $(id).classList.toggle('active', active);
    $(id).disabled = !active;
  }
  OPTIONS.forEach((id, i) => {
    const input = $(id), option = s.options[i];
    setText(input.nextElementSibling, option.caption);
    input.disabled = !option.enabled;
    if (input.checked !== option.checked) input.checked = option.checked;
  });
}

function showPrices(s) {
  setText($('lblPartNumber'), s.partNumber);
  setText($('lblPrice'), s.listPrice);
  setText($('lblNetPrice'), s.netPrice);
  const discount = $('txtDiscount');
  if (discount.value !== s.discount) discount.value = s.discount;
  discount.disabled = !s.discountEnabled;
  for (const id of ['Label3', 'lblPrice', 'Label6', 'txtDiscount', 'Label4', 'lblNetPrice']) setShown($(id), s.pricesShown);
  $('Image2').setAttribute('aria-pressed', String(!s.pricesShown));
}

function showNotices(s) {
  setShown($('lblNS1'), s.banner);
  setText($('lblNS1Explanation'), s.explanation);
  setText($('lblValveDescription'), s.valveDescription);
  setShown($('lblValveDescription'), s.valveDescriptionShown);
  setShown($('lblVBlock'), s.vBlockNoteShown);
  setShown($('lblCompartFittings'), s.compartFittingsNoteShown);
  setShown($('lblWikaGauges'), s.wikaGaugesNoteShown);
}

function showPicture(s) {
  setText($('fraPictureTitle'), s.pictureCaption);
  const img = $('imgPicture');
  const url = s.picture ? pictureUrl(s.picture) : '';
  if (img.getAttribute('src') !== url) {
    if (url) img.src = url; else img.removeAttribute('src');
    img.alt = s.pictureCaption || s.picture.replace(/\.[^.]*$/, '');
  }
  setShown(img, s.pictureShown && url !== '');
}

function fillTexts(texts) {
  setText($('Label3'), texts.listPrice);
  setText($('Label6'), texts.discount);
  setText($('Label4'), texts.netPrice);
  setText($('lblPartNumberCaption'), texts.partNumber);
  setText($('fraOptionsSeatTitle'), texts.seatFrame);
  setText($('fraOptionsColorTitle'), texts.colourFrame);
  setText($('lblNS1Text'), texts.banner);
  setText($('lblVBlock'), texts.vBlockNote);
  setText($('lblWikaGauges'), texts.wikaGaugesNote);
  setText($('lblCompartFittings'), texts.compartFittingsNote);
  setText($('lblFindPartNumber'), texts.find);
  $('txtFindPartNumber').placeholder = texts.findHint;
  setText($('edition'), texts.edition);
}

// `follow` is told every state shown (the quote follows the prices and the configuration).
export function showConfigurator(rules, texts, follow = () => {}) {
  const model = new rules.Configurator();
  const shownEntries = LISTS.map(() => null);
  fillTexts(texts);

  const show = (s) => {
    s.lists.forEach((list, i) => showList($(LISTS[i]), list, shownEntries, i));
    showOptions(s);
    showPrices(s);
    showNotices(s);
    showPicture(s);
    $('cmdCopyQuote').disabled = !s.canQuote;
    followAddress(s.link);
    follow(s);
  };
  // The answer beside the find field; after a link, those of the other configurations that
  // give its number, each a link that opens it.
  const answer = (text, others = []) => {
    const box = $('lblFindResult');
    if (!others.length) {
      if (box.children.length) box.replaceChildren();
      setText(box, text);
      return;
    }
    box.replaceChildren(text, ...others.flatMap((other) => {
      const link = document.createElement('a');
      link.href = `#${encodeURI(other.link)}`;
      link.textContent = other.text;
      return [document.createElement('br'), link];
    }));
  };
  // A paste of part numbers looks up the first and says how many more it held.
  const lookUpPaste = (text) => {
    const found = model.findPasted(text);
    if (!found.number) return false;
    find.value = found.number;
    show(found.state);
    answer(found.answer);
    return true;
  };

  // A list's choice (the chosen entry chosen again too), an option's click: the user's own
  // events, each sent once.
  LISTS.forEach((id, i) => connectList($(id), (entry) => show(model.choose(i, entry))));
  OPTIONS.forEach((id, i) => $(id).addEventListener('change', (e) => {
    if (e.target.checked || i === LEVER_HANDLE) show(model.click(i));
    else show(model.view());
  }));
  $('txtDiscount').addEventListener('input', (e) => show(model.typeDiscount(e.target.value)));
  // The brand picture hides and shows the prices: a double-click, as in the window, or
  // Enter or Space on the keyboard.
  const brand = $('Image2');
  brand.addEventListener('dblclick', () => show(model.togglePrices()));
  brand.addEventListener('click', (e) => { if (e.detail === 0) show(model.togglePrices()); });

  const find = $('txtFindPartNumber');
  let before = null;
  find.addEventListener('keydown', (e) => {
    if (e.key === 'Enter') {
      const found = model.find(find.value);
      show(found.state);
      answer(found.answer);
    } else if (e.key === 'Escape') {
      answer('');
      (before && before.isConnected && !before.disabled ? before : $('lstProductType')).focus();
      e.preventDefault();
    }
  });
  find.addEventListener('input', () => answer(''));
  // Lines pasted into the field are not joined into one number: the first is looked up at
  // once, as the window's field does.
  find.addEventListener('paste', (e) => {
    const text = e.clipboardData ? e.clipboardData.getData('text') : '';
    if (!/[\r\n]/.test(text)) return;
    e.preventDefault();
    lookUpPaste(text);
  });
  // Ctrl+V on the page, outside a text box, looks up the clipboard's part number.
  document.addEventListener('paste', (e) => {
    if ($('tabConfigurator').hidden || isTextBox(document.activeElement)) return;
    if (lookUpPaste(e.clipboardData ? e.clipboardData.getData('text') : '')) e.preventDefault();
  });
  document.addEventListener('keydown', (e) => {
    if (e.ctrlKey && !e.altKey && !e.shiftKey && e.key.toLowerCase() === 'f' && !$('tabConfigurator').hidden) {
      e.preventDefault();
      if (document.activeElement !== find) before = document.activeElement;
      find.focus();
      find.select();
    }
  });

  $('cmdCopyLink').addEventListener('click', () => copyText(location.href, 'The link to this configuration was copied.'));
  $('cmdCopyQuote').addEventListener('click', () => copyText(model.quoteText(), 'The quote was copied.'));

  // An address with a configuration opens it; so does a new one typed or pasted later.
  const open = (link) => {
    const opened = model.open(link);
    show(opened.state);
    answer(opened.answer, opened.others);
  };
  window.addEventListener('hashchange', () => {
    const link = linkInAddress();
    if (link && link !== model.view().link) open(link);
  });
  // The address is read before anything is shown, which would write the empty page's own.
  const first = linkInAddress();
  if (first) open(first);
  else show(model.view());
  const status = (text) => setText($('lblCopied'), text);
  return { model, open, status, show: () => show(model.view()) };
}
