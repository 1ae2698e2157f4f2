// The configuration in the page's address ("#A310-MX2-2A-MXFX-VS"), so that it can be
// bookmarked and sent. The address follows each change without adding to the history.
export function linkInAddress() {
  try {
    return decodeURIComponent(location.hash.slice(1));
  } catch {
    return location.hash.slice(1);  // a hand-typed % that starts no escape
  }
}

export function followAddress(link) {
  if (link === linkInAddress()) return;
  const url = link ? `#${encodeURI(link)}` : `${location.pathname}${location.search}`;
  history.replaceState(null, '', url);
}
