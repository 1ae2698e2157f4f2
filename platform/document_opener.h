// Handing a document to the desktop's PDF viewer. The opener is replaceable, so tests can
// record what would be opened instead of starting a viewer.
#pragma once

#include <QString>
#include <functional>
#include <string_view>

namespace tarvek {

// Opens the file at this path without waiting; false when it could not be handed over.
using DocumentOpener = std::function<bool(const QString& path)>;

// The program's folder followed by the document name, whose leading backslash becomes the
// platform's separator.
QString documentPath(const QString& programFolder, std::string_view documentName);

bool openDocument(const QString& path);

// Installs another opener and returns the one it replaces; an empty one restores the default.
DocumentOpener replaceDocumentOpener(DocumentOpener opener);

// The default: a file that is not there is never handed over (the viewer would only
// complain about it); an existing one goes to the application the desktop registered.
bool openInDesktopViewer(const QString& path);

}  // namespace tarvek
