// Option buttons and check boxes whose round or square outline stands out from the page on
// any desktop: at least 3 to 1 against the window colour, light or dark.
#pragma once

class QWidget;

namespace tarvek {

// Gives every option button and check box of the window an outline in a colour read from
// the desktop's palette whenever it is drawn, so that it follows a change of palette too.
void showIndicatorOutlines(QWidget& window);

}  // namespace tarvek
