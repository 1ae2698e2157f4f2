// The technical page's calculator and sizing: sends each keystroke, choice and click to the
// rules' calculator and shows the state it answers with, the flow curve included. A refused
// entry's warning comes first, while the box still shows what was typed, as in the window.
import { drawFlowCurve } from './flow_curve_svg.mjs';
import { showWarning } from './warning.mjs';

// The form's controls, by the window's names, in the order of the model's boxes.
const BOXES = ['txtTemperature', 'txtInletPressure', 'txtOutletPressure', 'txtCv', 'txtMassFlow'];
const SIZING_BOXES = ['txtIecTemperature', 'txtIecInletPressure', 'txtIecOutletPressure', 'txtIecCv', 'txtIecFlow',
  'txtIecXt', 'txtIecZ', 'txtIecViscosity', 'txtIecDiameter', 'txtIecFd', 'txtIecFl'];
const SIZING_CAPTIONS = ['lblIecTemperature', 'lblIecInletPressure', 'lblIecOutletPressure', 'lblIecCv', 'lblIecFlow',
  'lblIecXt', 'lblIecZ', 'lblIecViscosity', 'lblIecDiameter', 'lblIecFd', 'lblIecFl'];
const MASS_FLOW = 1, CV = 2;  // the model's modes
const METHODS = ['optMethodCatalogue', 'optMethodIec'];
const UNIT_LISTS = [['lstTemperatureUnit', 'temperatureUnits', 'chooseTemperatureUnit', 'temperatureUnit'],
  ['lstPressureUnit', 'pressureUnits', 'choosePressureUnit', 'pressureUnit'],
  ['lstFlowUnit', 'flowUnits', 'chooseFlowUnit', 'flowUnit']];

const $ = (id) => document.getElementById(id);
const setText = (element, text) => { if (element.textContent !== text) element.textContent = text; };
const setShown = (element, shown) => { if (element.hidden === shown) element.hidden = !shown; };
const setValue = (box, text) => { if (box.value !== text) box.value = text; };

function fill(select, entries) {
  select.replaceChildren(...entries.map((entry) => new Option(entry)));
}

function fillTexts(t) {
  const captions = { Frame3Title: t.calculatorFrame, Frame2Title: t.gasFrame, lblGasName: t.gas, Label14: t.specificGravity,
    Label16: t.temperature, Label17: t.inletPressure, Label15: t.outletPressure, Frame1Title: t.calculateFrame,
    lblChokedFlow: t.chokedFlow, lblIecChokedFlow: t.chokedFlow, optMassFlowText: t.massFlow, optCvText: t.cv,
    fraMethodTitle: t.methodFrame, fraSizingTitle: t.sizingFrame, lblSolveFor: t.solveFor, cmdValvesForFlow: t.valvesForFlow };
  for (const [id, text] of Object.entries(captions)) setText($(id), text);
  setText($('optMethodCatalogue').nextElementSibling, t.catalogueMethod);
  setText($('optMethodIec').nextElementSibling, t.iecMethod);
  $('cmdValvesForFlow').title = t.valvesForFlowHint;
  SIZING_CAPTIONS.forEach((id, i) => setText($(id), t.sizingCaptions[i]));
  SIZING_BOXES.forEach((id, i) => $(id).setAttribute('aria-label', t.sizingNames[i]));
  fill($('lstSolveFor'), t.unknowns);
  for (const [id, entries] of UNIT_LISTS) fill($(id), t[entries]);
  [...$('lstFlowUnit').options].forEach((option, i) => { option.title = t.flowUnitConditions[i]; });
  $('lstTemperatureUnit').setAttribute('aria-label', 'Temperature unit');
  $('lstPressureUnit').setAttribute('aria-label', 'Pressure unit');
  $('lstFlowUnit').setAttribute('aria-label', 'Flow unit');
  $('lblIecOutletUnit').setAttribute('aria-label', 'Outlet pressure unit');
  $('flowCurve').setAttribute('aria-label', t.flowCurve);
}

function showGases(s, shown) {
  const list = $('lstGasName');
  if (shown.gases === null || shown.gases.length !== s.gases.length || shown.gases.some((g, i) => g !== s.gases[i])) {
    fill(list, s.gases);
    shown.gases = s.gases;
  }
  if (list.selectedIndex !== s.chosenGas) list.selectedIndex = s.chosenGas;
}

function showCalculator(s) {
  setText($('lblSpecificGravity'), s.specificGravity);
  BOXES.forEach((id, i) => {
    setValue($(id), s.boxes[i]);
    setShown($(id), s.shown[i]);
  });
  if ($('optMassFlow').checked !== (s.mode === MASS_FLOW)) $('optMassFlow').checked = s.mode === MASS_FLOW;
  if ($('optCv').checked !== (s.mode === CV)) $('optCv').checked = s.mode === CV;
  setShown($('lblMassFlow'), s.mode === MASS_FLOW);
  setShown($('lblCv'), s.mode === CV);
  setText($('lblMassFlow'), s.massFlowResult);
  setText($('lblCv'), s.cvResult);
  setShown($('lblChokedFlow'), s.choked);
  setText($('lblOtherUnits'), s.otherUnits);
  $('lblOtherUnits').title = s.otherUnitsExplanation;
  $('cmdValvesForFlow').disabled = !s.valvesForFlow;
}

function showSizing(s) {
  const z = s.sizing;
  METHODS.forEach((id, i) => { if ($(id).checked !== (s.method === i)) $(id).checked = s.method === i; });
  $('fraSizing').disabled = s.method !== 1;
  if ($('lstSolveFor').selectedIndex !== z.unknown) $('lstSolveFor').selectedIndex = z.unknown;
  for (const [id, , , field] of UNIT_LISTS) if ($(id).selectedIndex !== z[field]) $(id).selectedIndex = z[field];
  setText($('lblIecOutletUnit'), z.outletUnit);
  SIZING_BOXES.forEach((id, i) => {
    const box = $(id);
    setValue(box, z.boxes[i]);
    // The unknown's box shows the result: read and copied, not typed, and passed over by Tab.
    const result = !z.typed[i];
    if (box.readOnly !== result) {
      box.readOnly = result;
      box.tabIndex = result ? -1 : 0;
      box.classList.toggle('result', result);
    }
  });
  setShown($('lblIecChokedFlow'), z.choked);
  setText($('lblIecDetails'), z.details);
  setText($('lblIecEquivalents'), z.equivalents.join('\n'));
}

export function showCalculatorPage(rules, gasListing, openSearchForValves) {
  const model = new rules.Calculator();
  const shown = { gases: null };
  fillTexts(rules.calculatorTexts());
  let waiting = Promise.resolve();

  const render = (s) => {
    showGases(s, shown);
    showCalculator(s);
    showSizing(s);
    drawFlowCurve($('flowCurve'), model);
    if (s.focus >= 0 && s.focus < BOXES.length) $(BOXES[s.focus]).focus();
    if (s.sizingFocus >= 0) $(SIZING_BOXES[s.sizingFocus]).focus();
  };
  // The warning of a refused entry first, and the rest of the state once it is closed.
  const show = (s) => {
    if (!s.warning) {
      render(s);
      return;
    }
    waiting = showWarning(s.warning.title, s.warning.prompt).then(() => render(s));
  };

  $('lstGasName').addEventListener('change', (e) => show(model.chooseGas(e.target.selectedIndex)));
  BOXES.forEach((id, i) => $(id).addEventListener('input', (e) => show(model.type(i, e.target.value))));
  $('optMassFlow').addEventListener('change', (e) => { if (e.target.checked) show(model.chooseMode(MASS_FLOW)); });
  $('optCv').addEventListener('change', (e) => { if (e.target.checked) show(model.chooseMode(CV)); });
  METHODS.forEach((id, i) => $(id).addEventListener('change', (e) => { if (e.target.checked) show(model.chooseMethod(i)); }));
  $('lstSolveFor').addEventListener('change', (e) => show(model.chooseUnknown(e.target.selectedIndex)));
  for (const [id, , event] of UNIT_LISTS) $(id).addEventListener('change', (e) => show(model[event](e.target.selectedIndex)));
  SIZING_BOXES.forEach((id, i) => $(id).addEventListener('input', (e) => {
    if (!e.target.readOnly) show(model.typeSizing(i, e.target.value));
  }));
  // Valves for this Flow where the page has a search to open.
  $('cmdValvesForFlow').hidden = !openSearchForValves;
  $('cmdValvesForFlow').addEventListener('click', () => {
    const needed = model.valveRequirement();
    if (needed && openSearchForValves) openSearchForValves(needed.cv, needed.inletPsig);
  });
  // The curve follows the page's width.
  new ResizeObserver(() => drawFlowCurve($('flowCurve'), model)).observe($('fraFlowCurve'));

  const listed = gasListing !== null && model.setGasListing(gasListing);
  if (!listed) {
    const list = $('lstGasName');
    list.title = 'The gas list (gases.txt) could not be loaded with the page: reload it to try again.';
    list.setAttribute('aria-description', list.title);
  }
  render(model.view());
  return { model, settled: () => waiting };
}
