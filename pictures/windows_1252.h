// Text in metafiles is Windows-1252: the Latin-1 code points except 0x80 to 0x9F, which hold
// the euro sign, curly quotes, dashes and a few letters.
#pragma once

#include <QByteArray>
#include <QString>

namespace tarvek {

QString fromWindows1252(const char* bytes, qsizetype length);
// Characters the code page lacks become '?'.
QByteArray toWindows1252(const QString& text);

}  // namespace tarvek
