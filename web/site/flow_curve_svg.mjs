// The flow curve as SVG, at the size it is shown: the rules give the points, the axes with
// their ticks' texts and titles, the choked span and the operating point; this only places
// them. The line is clipped to the plot, where the Cv needed runs off its top.
const SVG = 'http://www.w3.org/2000/svg';
const FONT = 12;           // px, the tick texts and titles
const CHARACTER = 6.8;     // px, a generous average advance of the font at that size
const GAP = 4;

function element(name, attributes, text) {
  const e = document.createElementNS(SVG, name);
  for (const [key, value] of Object.entries(attributes)) e.setAttribute(key, value);
  if (text !== undefined) e.textContent = text;
  return e;
}

const textWidth = (text) => Math.ceil(text.length * CHARACTER);

export function drawFlowCurve(container, model) {
  const width = Math.max(240, Math.floor(container.clientWidth || 480));
  const height = Math.round(Math.min(340, Math.max(220, width * 0.5)));
  const pressureTicks = Math.max(2, Math.min(9, Math.floor(width / 70)));
  const curve = model.curve(pressureTicks, 5);
  const svg = element('svg', { width, height, viewBox: `0 0 ${width} ${height}`, role: 'img',
    'aria-label': curve.summary, class: 'curve' });
  svg.append(element('title', {}, curve.summary));
  if (!curve.drawn) {
    svg.append(element('text', { x: width / 2, y: height / 2, 'text-anchor': 'middle', class: 'gap' }, curve.gap));
    container.replaceChildren(svg);
    return curve;
  }
  const line = FONT + 4;
  const gutter = Math.min(width / 3, Math.max(...curve.valueAxis.ticks.map((t) => textWidth(t.text))) + 2 * GAP);
  const plot = { left: gutter, top: line * 1.5, right: width - CHARACTER * 2, bottom: height - 2 * (line + GAP) };
  const p = curve.pressureAxis, v = curve.valueAxis;
  const x = (pressure) => plot.left + ((pressure - curve.vacuum) / (curve.inlet - curve.vacuum)) * (plot.right - plot.left);
  const y = (value) => plot.bottom - ((value - v.low) / (v.high - v.low)) * (plot.bottom - plot.top);

  const clip = `plot-${Math.random().toString(36).slice(2)}`;
  const defs = element('defs', {});
  const clipPath = element('clipPath', { id: clip });
  clipPath.append(element('rect', { x: plot.left, y: plot.top, width: plot.right - plot.left, height: plot.bottom - plot.top }));
  defs.append(clipPath);
  svg.append(defs);
  svg.append(element('rect', { x: plot.left, y: plot.top, width: plot.right - plot.left, height: plot.bottom - plot.top, class: 'plot' }));

  // The choked region: every outlet pressure from vacuum up to where the flow chokes.
  if (curve.chokedOutlet >= curve.vacuum) {
    const right = Math.max(plot.left + 1, Math.min(x(Math.min(curve.chokedOutlet, curve.inlet)), plot.right));
    svg.append(element('rect', { x: plot.left, y: plot.top, width: right - plot.left, height: plot.bottom - plot.top, class: 'choked-area' }));
    const labelWidth = textWidth(curve.chokedLabel);
    const labelX = right - plot.left >= labelWidth + 6 ? (plot.left + right) / 2 - labelWidth / 2 : right + 3;
    const labelY = curve.mode === 2 ? plot.top + FONT + 1 : plot.bottom - 4;
    svg.append(element('text', { x: Math.min(labelX, plot.right - labelWidth), y: labelY, class: 'choked-label' }, curve.chokedLabel));
  }
  for (const tick of v.ticks) {
    const at = y(tick.value);
    svg.append(element('line', { x1: plot.left, x2: plot.right, y1: at, y2: at, class: 'grid' }));
    svg.append(element('text', { x: plot.left - 2 * GAP, y: at + FONT / 3, 'text-anchor': 'end', class: 'tick' }, tick.text));
  }
  let lastRight = -Infinity;
  for (const tick of p.ticks) {
    const at = x(tick.value);
    svg.append(element('line', { x1: at, x2: at, y1: plot.top, y2: plot.bottom, class: 'grid' }));
    const half = textWidth(tick.text) / 2;
    const centre = Math.min(Math.max(at, half), width - half);
    if (centre - half < lastRight + 8) continue;  // no text over another
    lastRight = centre + half;
    svg.append(element('text', { x: centre, y: plot.bottom + GAP + FONT, 'text-anchor': 'middle', class: 'tick' }, tick.text));
  }
  svg.append(element('text', { x: 0, y: FONT, class: 'axis-title' }, curve.valueTitle));
  svg.append(element('text', { x: (plot.left + plot.right) / 2, y: height - GAP, 'text-anchor': 'middle', class: 'axis-title' },
    curve.pressureTitle));
  const points = curve.points.map(([outlet, value]) => `${x(outlet).toFixed(2)},${y(value).toFixed(2)}`).join(' ');
  svg.append(element('polyline', { points, class: 'line', 'clip-path': `url(#${clip})` }));
  const marker = { cx: x(curve.operatingPoint.outlet), cy: y(curve.operatingPoint.value) };
  if (marker.cy >= plot.top - 0.5 && marker.cy <= plot.bottom + 0.5) {
    const circle = element('circle', { ...marker, r: 4, class: 'marker' });
    circle.append(element('title', {}, curve.operatingPoint.text));
    svg.append(circle);
  }
  container.replaceChildren(svg);
  return curve;
}
