// The two files each document becomes: the PDF itself and the picture of its first page
// that its button shows.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include "tools/documents/page_layout.h"

namespace tarvek::documents {

// The whole document as PDF bytes. Two runs give the same bytes: the creation date is the
// catalogue's date, not the time of the build.
QByteArray pdfBytes(const DocumentLayout& layout, const DocumentContent& content);

// The top of the first page, drawn by the same code, scaled to this size.
QImage firstPagePicture(const DocumentLayout& layout, QSize size);

// Replaces the date QPdfWriter stamps into the document with the catalogue's date, keeping
// the length so the cross-reference offsets stay right.
QByteArray withCatalogueCreationDate(QByteArray pdf);

// The picture for a document, in proportion and no bigger than it needs to be in print;
// a null image when the file is missing or not a picture.
QImage documentPicture(const QString& path);

}  // namespace tarvek::documents
