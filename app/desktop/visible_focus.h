// The keyboard's focus, shown from the start: a user who starts with the keyboard sees
// where typing goes before pressing any key.
#pragma once

class QWidget;

namespace tarvek {

// Gives the control the focus, and has its window show the focus whenever it appears
// (showing a window makes Qt forget that focus is to be drawn until a key moves it).
void showFocusFromStart(QWidget* control);

}  // namespace tarvek
