// Value boxes: the sunken panels that show a price, the part number or a gas value. Like a
// text box they take background and text from the desktop palette's Base and Text, and
// their border lies on whole device pixels, so that no scale (125 %, 150 %) loses a side.
#pragma once

class QWidget;

namespace tarvek {

// Every label of the window drawn as a filled, sunken panel becomes a value box.
void showValueBoxes(QWidget& window);

}  // namespace tarvek
