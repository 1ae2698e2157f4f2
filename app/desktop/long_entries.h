// Lists whose chosen entry is longer than the closed box: the box ends it with an ellipsis
// rather than cutting it off unmarked, and its tooltip, which is also what a screen reader
// gives as its description, holds the whole entry.
#pragma once

class QWidget;

namespace tarvek {

void showLongEntries(QWidget& window);

}  // namespace tarvek
