// The document buttons of the literature and technical pages: each opens its document
// from the program's own folder in the desktop's PDF viewer.
#pragma once

#include <QObject>
#include <initializer_list>
#include <string_view>

class QWidget;

namespace tarvek {

struct Document;

class Literature : public QObject {
    Q_OBJECT
  public:
    // The pages that hold the buttons; each button is found by its object name.
    explicit Literature(std::initializer_list<QWidget*> pages);

    // The pictures of the buttons: first pages of their documents, stored as resources.
    static QString buttonPicturePath(const Document& document);

    void cmdOpenMXpdf_Click();
    void cmdOpenMX2pdf_Click();
    void cmdOpenMX3pdf_Click();
    void cmdOpenMX4pdf_Click();
    void cmdOpenHMX2pdf_Click();
    void cmdOpenHMX3pdf_Click();
    void cmdOpenT400pdf_Click();
    void cmdOpenBMX2_Click();
    void cmdOpenKLpdf_Click();
    void cmdOpenWNpdf_Click();
    void cmdOpenLNQpdf_Click();
    void cmdOpenE310_Click();
    void cmdOpenMaintenanceValveSeatpdf_Click();
    void cmdOpenMaintenanceDiaphragmpdf_Click();
    void cmdOpenMaintenanceA310pdf_Click();
    void cmdOpenMaintenanceE310pdf_Click();
    void cmdOpenMaintenanceN350pdf_Click();
    void cmdOpenMaintenanceJ310pdf_Click();

  private:
    // What every handler does, for the table row of the button it is named after.
    void openDocumentOfHandler(std::string_view handlerName);
};

}  // namespace tarvek
