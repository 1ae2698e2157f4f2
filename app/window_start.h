// The window as the command line asks for it: set to a part number, and a saved quote open
// in the quote's window, as Open opens it.
#pragma once

class frmTarvekProducts;

namespace tarvek {

struct CommandLine;

// Shows the window; the quote opens once the window is up, so that a quote that cannot be
// read is told over it, with the message Open gives, and the window stays.
void startWindow(frmTarvekProducts& window, const CommandLine& command);

}  // namespace tarvek
