// A warning box, as the window's: a modal dialog with its title, its prompt and OK, which
// keeps every other control from input until it is closed. Resolves once it is.
export function showWarning(title, prompt) {
  const dialog = document.getElementById('dlgWarning');
  document.getElementById('lblWarningTitle').textContent = title;
  document.getElementById('lblWarningPrompt').textContent = prompt;
  return new Promise((closed) => {
    dialog.addEventListener('close', () => closed(), { once: true });
    dialog.showModal();
  });
}
