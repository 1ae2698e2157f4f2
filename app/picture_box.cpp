#include "app/picture_box.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/data_folder.h"

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent, false); }

void PictureBox::loadPicture(const QString& fileName) {
    name_ = fileName;
    setPicture(tarvek::Picture::fromFile(tarvek::dataFile(fileName), deviceSize()));
}

void PictureBox::setPicture(tarvek::Picture picture) {
    picture_ = std::move(picture);
    rendered_ = {};
    update();
}

QSize PictureBox::deviceSize() const { return size() * devicePixelRatio(); }

QImage PictureBox::renderedImage() const {
    if (rendered_.isNull() || rendered_.size() != deviceSize()) rendered_ = picture_.render(deviceSize());
    return rendered_;
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QImage image = renderedImage();
    if (image.isNull()) return;
    image.setDevicePixelRatio(devicePixelRatio());
    QPainter(this).drawImage(QPoint(0, 0), image);
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    rendered_ = {};
    QWidget::resizeEvent(event);
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
    emit doubleClicked();
    event->accept();
}
