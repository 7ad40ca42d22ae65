#include "CTransactionDeletion.h"

#include "AsciiFold.h"
#include "CDbRecordset.h"
#include "CDocOperation.h"
#include "CInventoryDoc.h"
#include "CPrompter.h"
#include "TransactionTypes.h"

#include <QSet>

QString CTransactionDeletion::Question(int32_t transType, int32_t split)
{
    if (transType == kTransPurchase || transType == kTransSale) {
        const char* kind = transType == kTransPurchase ? "purchase" : "sale";
        if (split >= 2) {
            return QString::asprintf("Delete the whole %s transaction with %d Sub Items?", kind, split);
        }
        return QString::asprintf("Delete the %s transaction?", kind);
    }
    return QStringLiteral("Delete the adjustment transaction?");
}

bool CTransactionDeletion::DeleteRows(CInventoryDoc& doc, int32_t transactionID)
{
    if (!Execute(doc.Connection(),
                 QString::asprintf("delete from Transaction where TransactionID = %d ", transactionID))) {
        doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command(Delete Transaction)"));
        return false;
    }
    if (!Execute(doc.Connection(),
                 QString::asprintf("delete from TransItem where TransactionID = %d ", transactionID))) {
        doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command(Delete TransItem)"));
        return false;
    }
    return true;
}

bool CTransactionDeletion::Run(int32_t transactionID, const QDateTime& date)
{
    CDocOperation operation(m_doc);
    if (!operation.Started()) {
        return false;
    }
    QStringList products;
    // The rows as stored now decide what is re-derived and from when; the caller's date may be
    // older than a change another program made.
    QDateTime fromTime = date;
    {
        CDbRecordset items(m_doc.Connection());
        if (items.Open(QString::asprintf("SELECT * FROM TransItem where TransactionID=%d", transactionID),
                       CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockReadOnly)) {
            for (items.MoveFirst(); !items.IsEOF() && items.FieldCount() >= 1; items.MoveNext()) {
                products << items.GetFieldValue(4).ToText();
                const QDateTime stored = items.GetFieldDate(1);
                if (stored.isValid() && (!fromTime.isValid() || stored < fromTime)) {
                    fromTime = stored;
                }
            }
        } else {
            m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command(TransItem)"));
        }
    }
    if (!DeleteRows(m_doc, transactionID)) {
        return false;
    }
    // The histories first: the running value is computed from the unit costs they rewrite.
    QSet<QString> replayed;
    for (const QString& product : products) {
        if (!replayed.contains(AsciiFolded(product))) {
            replayed.insert(AsciiFolded(product));
            m_doc.RecomputeProductHistory(product, -1, fromTime);
        }
    }
    m_doc.RecomputeAssetBalance(fromTime);
    return operation.Commit();
}
