// An image control: shows one picture stretched to its own size; reports double-clicks.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include "pictures/picture.h"

class PictureBox : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString pictureName READ pictureName)
    Q_PROPERTY(bool hasPicture READ hasPicture)
  public:
    explicit PictureBox(QWidget* parent = nullptr);

    // Loads a picture by its bare file name from the program's data folder; the empty name
    // clears it. Visibility is not changed. A file that cannot be read shows nothing.
    void loadPicture(const QString& fileName);
    void setPicture(tarvek::Picture picture);

    // The name last loaded, and what is on screen (empty when nothing could be decoded).
    const QString& pictureName() const { return name_; }
    bool hasPicture() const { return !picture_.isNull(); }
    QImage renderedImage() const;

  signals:
    void doubleClicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    QSize deviceSize() const;

    tarvek::Picture picture_;
    QString name_;
    mutable QImage rendered_;  // the picture at the current device size, made on first paint
};
