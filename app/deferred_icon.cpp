#include "app/deferred_icon.h"

#include <QIconEngine>
#include <QImageReader>
#include <QPainter>

namespace tarvek {
namespace {

class DeferredIconEngine : public QIconEngine {
  public:
    explicit DeferredIconEngine(QString path) : path_(std::move(path)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal ratio = painter->device()->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        if (picture_.isNull() && !failed_) {
            picture_ = QPixmap::fromImage(QImageReader(path_).read());
            failed_ = picture_.isNull();
        }
        if (picture_.isNull()) return {};
        QPixmap scaled = picture_.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (mode == QIcon::Disabled) {
            QPixmap faded(scaled.size());
            faded.fill(Qt::transparent);
            QPainter painter(&faded);
            painter.setOpacity(0.4);
            painter.drawPixmap(0, 0, scaled);
            return faded;
        }
        return scaled;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine* clone() const override { return new DeferredIconEngine(path_); }
    QString key() const override { return QStringLiteral("tarvek-deferred"); }

  private:
    QString path_;
    QPixmap picture_;
    bool failed_ = false;
};

}  // namespace

QIcon deferredIcon(const QString& path) { return QIcon(new DeferredIconEngine(path)); }

}  // namespace tarvek
