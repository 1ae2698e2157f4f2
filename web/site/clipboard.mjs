// Puts a text on the clipboard and says so; where the browser refuses (a page not served
// over https or from this machine), shows the text to copy by hand.
export async function copyText(text, done) {
  const status = document.getElementById('lblCopied');
  try {
    await navigator.clipboard.writeText(text);
    status.textContent = done;
  } catch {
    status.textContent = `The browser did not allow copying. Copy this by hand: ${text}`;
  }
}
