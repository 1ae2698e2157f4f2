// The gas list when no gas database could be read: still empty, but saying so in the list
// itself, with the folder the database was looked for in, and in its tooltip how to
// provide one.
#pragma once

class QComboBox;
class QString;

namespace tarvek {

// Shows the notice when the database could not be read, and clears it when it was.
void explainGasList(QComboBox* list, const QString& databasePath, bool databaseRead);

}  // namespace tarvek
