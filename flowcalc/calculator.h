// The Cv / flow calculator of the technical page: the gas list and its data source, the
// six input boxes with their checks, the two modes and the flow calculation.
#pragma once

#include <QObject>
#include <QString>

class QWidget;
namespace Ui {
class frmTarvekProducts;
}

namespace tarvek {

class Calculator : public QObject {
    Q_OBJECT
public:
    Calculator(Ui::frmTarvekProducts& ui, QWidget* window);

    // Where the gas database is read from; set once at start-up.
    void setDatabasePath(const QString& path) { databasePath_ = path; }
    const QString& databasePath() const { return databasePath_; }

    // Fills the gas list from the database.
    void Populate_ListBox();

private:
    Ui::frmTarvekProducts& ui;
    QWidget* window_;
    QString databasePath_;
};

}  // namespace tarvek
