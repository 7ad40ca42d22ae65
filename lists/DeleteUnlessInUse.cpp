#include "DeleteUnlessInUse.h"

#include "CDbRecordset.h"
#include "CDocOperation.h"
#include "CInventoryDoc.h"
#include "CPrompter.h"

bool RefusedAsInUse(CInventoryDoc& doc, const QString& usersSql, const QString& usedMessage)
{
    CDbRecordset users(doc.Connection());
    long count = 0;
    if (!users.Open(usersSql, CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockReadOnly) ||
        !users.GetRecordCount(count)) {
        doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command"));
        return true;
    }
    users.Close();
    if (count > 0) {
        doc.Prompter().ShowMessage(usedMessage);
        return true;
    }
    return false;
}

QString DeleteQuestion(const QString& noun, const QString& name)
{
    return QStringLiteral("Delete the %1 '%2'?").arg(noun, name);
}

bool DeleteUnlessInUse(CInventoryDoc& doc, const QString& usersSql, const QString& usedMessage,
                       const QString& deleteSql)
{
    CDocOperation operation(doc);
    if (!operation.Started()) {
        return false;
    }
    if (RefusedAsInUse(doc, usersSql, usedMessage)) {
        return false;
    }
    if (!Execute(doc.Connection(), deleteSql)) {
        doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command"));
        return false;
    }
    return operation.Commit();
}
