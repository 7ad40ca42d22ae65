#pragma once

#include <QString>

class CInventoryDoc;

// One operation of the write path: asks the file (not the list, which may lack another program's
// rows) whether usersSql finds any row; if so shows usedMessage and writes nothing, otherwise runs
// deleteSql. True only when the delete was committed; failures show their message.
bool DeleteUnlessInUse(CInventoryDoc& doc, const QString& usersSql, const QString& usedMessage,
                       const QString& deleteSql);

// Asked before the question "delete?", so that a record in use is refused before the user says
// Yes: true, after usedMessage (or the failure's message), when usersSql finds a row or cannot run.
// DeleteUnlessInUse asks again inside its operation, as another program may add a use meanwhile.
bool RefusedAsInUse(CInventoryDoc& doc, const QString& usersSql, const QString& usedMessage);

// The question before deleting a record, naming it: "Delete the product 'Tape Measure'?".
QString DeleteQuestion(const QString& noun, const QString& name);
