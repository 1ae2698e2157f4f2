// A picture button with its caption underneath, word-wrapped when it is long
// ("Actuator Adjustment A310/A370/A371" does not fit on one line of a button).
#pragma once

#include <QToolButton>

class DocumentButton : public QToolButton {
    Q_OBJECT
public:
    explicit DocumentButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
