// An icon whose picture file is read the first time it is drawn, not when it is set:
// the document buttons' pictures would otherwise be decoded at start-up, before the
// window shows, although they sit on pages the user may never open.
#pragma once

#include <QIcon>
#include <QString>

namespace tarvek {

QIcon deferredIcon(const QString& path);

}  // namespace tarvek
