#include "app/quote/pdf_file.h"

#include <QIODevice>
#include <QPdfWriter>

#include "app/controls.h"
#include "platform/atomic_file.h"
#include "rules/quotes/quote.h"

namespace tarvek {
namespace {

// The PDF writer's bytes handed to the checked writer in blocks as the pages are drawn.
class SavedPages : public QIODevice {
  public:
    explicit SavedPages(AtomicFileWriter& file) : file_(file) { open(QIODevice::WriteOnly); }
    bool finish() { return pass() && !failed_; }

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        block_.append(data, qsizetype(size));
        if (block_.size() >= kBlock && !pass()) return -1;
        return failed_ ? -1 : size;
    }

  private:
    static constexpr qsizetype kBlock = 1 << 16;
    bool pass() {
        failed_ = failed_ || !file_.write(block_);
        block_.clear();
        return !failed_;
    }
    AtomicFileWriter& file_;
    QByteArray block_;
    bool failed_ = false;
};

}  // namespace

QString writePdfFile(const QString& path, const QString& title,
                     const std::function<int(QPagedPaintDevice&)>& paint) {
    AtomicFileWriter file(path);
    if (!file.begin()) return file.error();
    SavedPages pages(file);
    {
        QPdfWriter writer(&pages);
        writer.setTitle(title);
        writer.setCreator(qstr(kCatalogueEdition));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(300);
        if (paint(writer) == 0) return QStringLiteral("cannot draw the pages");
    }
    if (!pages.finish() || !file.commit()) return file.error();
    return {};
}

}  // namespace tarvek
