#pragma once

#include <QString>

class CInventoryDoc;

// One operation of the write path: asks the file (not the list, which may lack another program's
// rows) whether usersSql finds any row; if so shows usedMessage and writes nothing, otherwise runs
// deleteSql. True only when the delete was committed; failures show their message.
bool DeleteUnlessInUse(CInventoryDoc& doc, const QString& usersSql, const QString& usedMessage,
                       const QString& deleteSql);
