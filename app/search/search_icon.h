// The search's icon, a funnel, drawn rather than read from a file: sharp at any screen
// scale and in the palette's own text colour, like the quote buttons' icons.
#pragma once

#include <QColor>
#include <QIcon>

namespace tarvek {

QIcon funnelIcon(const QColor& colour);

}  // namespace tarvek
