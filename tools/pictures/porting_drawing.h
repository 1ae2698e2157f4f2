// The porting drawings: a valve body seen from the top, a port at each position the
// porting uses, positions labelled 1 to 4, and the porting code. Written as Windows
// Metafiles with our own writer.
#pragma once

#include <QByteArray>

#include "rules/catalogue/portings.h"

namespace tarvek::art {

QByteArray portingDrawing(const Porting& porting);

}  // namespace tarvek::art
