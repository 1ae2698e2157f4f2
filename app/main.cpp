// The Tarvek Products Catalog: one window, started from the folder that holds its pictures.
#include <QApplication>

#include "app/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    frmTarvekProducts window;
    window.show();
    return app.exec();
}
