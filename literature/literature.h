// The document buttons of the literature and technical pages.
#pragma once

#include <QObject>

namespace Ui {
class frmTarvekProducts;
}

namespace tarvek {

class Literature : public QObject {
    Q_OBJECT
public:
    explicit Literature(Ui::frmTarvekProducts& ui);

private:
    Ui::frmTarvekProducts& ui;
};

}  // namespace tarvek
