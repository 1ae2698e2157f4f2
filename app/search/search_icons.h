// The searches' icons, drawn rather than read from a file (a theme's icon would cost a search
// of the icon folders at every start): sharp at the sizes a desktop asks for, in the colour
// given, the button's text colour.
#pragma once

#include <QColor>
#include <QIcon>

namespace tarvek {

// The find field's magnifying glass.
QIcon magnifierIcon(const QColor& colour);
// Find by requirement's funnel.
QIcon funnelIcon(const QColor& colour);

}  // namespace tarvek
