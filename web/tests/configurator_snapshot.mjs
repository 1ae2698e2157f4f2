// What the configurator page shows, read from the page itself, as one line in the form the
// walk oracle writes for the model: part number, list and net price, discount, banner,
// prices shown; each list's enabled:chosen:count:chosen text; each option frame's enabled and
// bold (a "B" after them where an option's caption is bold too, which the window's never is);
// each option's enabled (its frame's too) and checked.
export function pageSnapshot() {
  const $ = (id) => document.getElementById(id);
  const lists = ['lstProductType', 'lstBody', 'lstModel', 'lstPorting', 'lstConn1', 'lstConn2', 'lstConn3', 'lstConn4'];
  const options = ['optStd', 'optVSKZ', 'optB5EP', 'optBL', 'optBK', 'optGR', 'optRD', 'optWH', 'optYW', 'chkLS'];
  const fields = [$('lblPartNumber').textContent, $('lblPrice').textContent, $('lblNetPrice').textContent,
    $('txtDiscount').value, $('lblNS1').hidden ? '0' : '1', $('lblPrice').hidden ? '0' : '1'];
  for (const id of lists) {
    const select = $(id);
    const chosen = select.selectedIndex;
    fields.push(`${select.disabled ? 0 : 1}:${chosen}:${select.options.length}:${chosen >= 0 ? select.options[chosen].textContent : ''}`);
  }
  const bold = (element) => Number(getComputedStyle(element).fontWeight) >= 600;
  for (const id of ['fraOptionsSeat', 'fraOptionsColor']) {
    const frame = $(id);
    const captions = [...frame.querySelectorAll('label span')].some(bold) ? 'B' : '';
    fields.push(`${frame.disabled ? 0 : 1}${bold(frame.querySelector('legend')) ? 1 : 0}${captions}`);
  }
  fields.push(options.map((id) => `${$(id).matches(':disabled') ? 0 : 1}${$(id).checked ? 1 : 0}`).join(''));
  return fields.join('\t');
}
