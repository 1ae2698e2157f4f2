#include "app/calculator/gas_list_notice.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>

namespace tarvek {

void explainGasList(QComboBox* list, const QString& databasePath, bool databaseRead) {
    if (databaseRead) {
        list->setPlaceholderText(QString());
        return;
    }
    const QFileInfo database(databasePath);
    const QString folder = QDir::toNativeSeparators(database.absolutePath());
    list->setPlaceholderText(QStringLiteral("No gas database found in %1").arg(folder));
    list->setToolTip(
        QStringLiteral("The gases are read from %1 in the folder the catalogue is started from, %2. "
                       "Put a gas database of that name there and start the catalogue again.")
            .arg(database.fileName(), folder));
}

}  // namespace tarvek
