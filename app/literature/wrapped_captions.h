// Document buttons show their whole caption under the picture, wrapped onto a second line
// where one is too narrow: a plain tool button would cut "Actuator Adjustment  E310" short
// with an ellipsis. The caption text itself is left exactly as it is.
#pragma once

#include <QObject>
#include <QRect>

class QToolButton;

namespace tarvek {

class WrappedCaptions : public QObject {
  public:
    explicit WrappedCaptions(QObject* parent) : QObject(parent) {}

    void wrap(QToolButton* button);

    // Where the caption goes: the width of the button, under its picture.
    static QRect captionRect(const QToolButton& button);
    // The caption's words fit there without being cut.
    static bool captionFits(const QToolButton& button);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    static void paint(QToolButton& button);
};

}  // namespace tarvek
