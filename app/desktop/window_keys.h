// The keys of a window's actions reach the window from every box in it. A text box claims
// some keys for itself before any shortcut sees them (Ctrl+E, Ctrl+D and Ctrl+U move or delete
// in a line edit on Linux): in the window they mean its actions. The keys that edit text
// (undo, redo, cut, copy, paste, delete, select all) stay the box's.
#pragma once

class QWidget;

namespace tarvek {

void giveActionKeysToWindow(QWidget& window);

}  // namespace tarvek
