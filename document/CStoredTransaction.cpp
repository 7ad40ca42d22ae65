#include "CStoredTransaction.h"

#include "CDbRecordset.h"
#include "CInventoryDoc.h"
#include "CPrompter.h"

namespace {
QString TextOf(CDbRecordset& row, int index)
{
    const CDbVariant value = row.GetFieldValue(index);
    return value.IsNull() ? QString() : value.ToText();
}
} // namespace

bool CStoredTransaction::Load(int32_t transactionID)
{
    m_lines.clear();
    CDbRecordset rows(m_doc.Connection());
    if (!rows.Open(QString::asprintf("SELECT * FROM TransItem where TransactionID=%ld", long{transactionID}),
                   CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockReadOnly)) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command(TransItem)"));
        return false;
    }
    for (rows.MoveFirst(); !rows.IsEOF() && rows.FieldCount() >= 1; rows.MoveNext()) {
        if (m_lines.isEmpty()) {
            m_transDate = rows.GetFieldDate(1);
            m_transType = rows.GetFieldValue(2).ToInt32();
            m_invoiceNum = TextOf(rows, 3);
            m_companyName = TextOf(rows, 6);
            m_split = rows.GetFieldValue(17).ToInt32();
        }
        TransactionLine line;
        line.TransactionID = rows.GetFieldValue(0).ToInt32();
        line.ProductID = TextOf(rows, 4);
        line.ProductName = TextOf(rows, 5);
        line.Quantity = rows.GetFieldValue(7).ToDouble();
        line.Discount = rows.GetFieldValue(8).ToDouble();
        line.UnitCost = rows.GetFieldValue(9).ToDouble();
        line.Price = rows.GetFieldValue(10).ToDouble();
        line.TaxID = rows.GetFieldValue(11).ToInt32();
        line.TaxName = TextOf(rows, 12);
        line.TaxRate = rows.GetFieldValue(13).ToDouble();
        line.ItemTotal = rows.GetFieldValue(14).ToDouble();
        line.TaxTotal = rows.GetFieldValue(15).ToDouble();
        line.CategoryName = TextOf(rows, 20);
        const int product = m_doc.FindProduct(line.ProductID, Qt::CaseInsensitive);
        line.OnHand = product >= 0 ? m_doc.Products()[product].UnitsOnHand : 0.0;
        m_lines.append(line);
    }
    m_payeeID = 0;
    // Only the party's identifier is wanted from the Transaction row; without it the party is
    // found by name, as it always was, so a failure here needs no message.
    CDbRecordset total(m_doc.Connection());
    if (total.Open(QString::asprintf("SELECT PayeeID FROM Transaction where TransactionID=%ld", long{transactionID}),
                   CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockReadOnly)) {
        total.MoveFirst();
        if (!total.IsEOF() && total.FieldCount() >= 1 && !total.GetFieldValue(0).IsNull()) {
            m_payeeID = total.GetFieldValue(0).ToInt32();
        }
    }
    return true;
}
