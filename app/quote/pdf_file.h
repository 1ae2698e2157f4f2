// A PDF file written by QPdfWriter atomically and page by page: its bytes handed to the
// program's checked writer in blocks as the pages are drawn, so that a PDF of thousands of pages
// is never held whole, and a failure leaves the old file as it was.
#pragma once

#include <QString>
#include <functional>

class QPagedPaintDevice;

namespace tarvek {

// `paint` draws every page on the writer (A4, margins of 15 mm) and says how many it drew; an
// empty text when the file was written, else why not.
QString writePdfFile(const QString& path, const QString& title,
                     const std::function<int(QPagedPaintDevice&)>& paint);

}  // namespace tarvek
