// Lays a document's blocks out on pages and draws any page of it with a QPainter: the same
// drawing writes the PDF and the button picture of its first page.
#pragma once

#include <QImage>
#include <QPainter>
#include <functional>
#include <vector>

#include "assets/documents/document_content.h"

namespace tarvek::documents {

class DocumentLayout {
  public:
    // picture: the series picture, or a null image for the framed placeholder.
    DocumentLayout(const DocumentContent& content, QImage picture);

    int pageCount() const { return int(pages_.size()); }

    // Draws page `page` (from 0) in page coordinates: points, origin at the top left.
    void paintPage(QPainter& painter, int page) const;

  private:
    struct Piece {
        double height;
        double spaceBefore;
        bool keepWithNext;  // a heading or table header stays with what follows it
        int tableHeader;    // a table row: the piece of its table's header, repeated on a new page
        std::function<void(QPainter&, double top)> paint;
    };
    struct Placed {
        std::size_t piece;
        double top;
    };

    void addBlock(const Block& block);
    void addTable(const TextTable& table);
    void paginate();
    double heroHeight() const;
    double titleBlockHeight() const;
    QString documentName() const;
    void paintFirstPageHead(QPainter& painter) const;
    void paintLaterPageHead(QPainter& painter) const;
    void paintFooter(QPainter& painter, int page) const;
    void paintHero(QPainter& painter, double top) const;
    void paintTitleBlock(QPainter& painter, QRectF box) const;

    const DocumentContent& content_;
    QImage picture_;
    double titleHeight_ = 0;
    double subtitleHeight_ = 0;
    double firstPageContentTop_ = 0;
    std::vector<Piece> pieces_;
    std::vector<std::vector<Placed>> pages_;
};

}  // namespace tarvek::documents
