#include "CRegister.h"

#include "CDbRecordset.h"
#include "CInventoryDoc.h"
#include "CPrompter.h"
#include "CStockAdjustment.h"
#include "CTransactionDeletion.h"
#include "CWaitCursor.h"
#include "ReportCellText.h"
#include "TransactionTypes.h"

namespace {
bool IsSaleOrPurchase(int32_t transType)
{
    return transType == kTransPurchase || transType == kTransSale;
}
} // namespace

CRegister::CRegister(CInventoryDoc& doc, EntryForm entryForm)
    : m_doc(doc), m_entryForm(std::move(entryForm)), m_rows(doc.Connection())
{}

bool CRegister::Refill()
{
    m_selected = -1;
    m_selectedType = -1;
    m_selectedRowId = -1;
    if (!m_rows.Open()) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command(Register Activate)"));
        return false;
    }
    return true;
}

void CRegister::Close()
{
    m_rows.Close();
}

QStringList CRegister::ExtremeAmountTexts()
{
    CDbRecordset recordset(m_doc.Connection());
    if (!recordset.Open(QStringLiteral("SELECT MIN(Quantity*UnitCost),MAX(Quantity*UnitCost),MIN(LineTotal),"
                                       "MAX(LineTotal) FROM TransItem"),
                        CDbRecordset::kOpenStatic, CDbRecordset::kLockReadOnly) ||
        recordset.IsEOF() || recordset.FieldCount() < 4) {
        return {};
    }
    QStringList texts;
    for (int field = 0; field < 4; ++field) {
        const CDbVariant value = recordset.GetFieldValue(field);
        if (value.IsNull()) {
            continue;
        }
        texts << MoneyText(value.ToDouble());
        if (field < 2) {
            texts << MoneyText(-value.ToDouble());
        }
    }
    return texts;
}

void CRegister::Select(long index)
{
    const std::optional<RegisterRow> row = m_rows.Read(index);
    m_selected = row ? index : -1;
    m_selectedType = row ? row->TransType : -1;
    m_selectedRowId = row ? row->RowId : -1;
}

bool CRegister::CanEditSelected() const
{
    return m_selected >= 0 && (HasEntryForm() || !IsSaleOrPurchase(m_selectedType));
}

std::optional<RegisterRow> CRegister::SelectedRow()
{
    // By its identity: rows another program wrote or deleted since may have moved it.
    std::optional<RegisterRow> row = m_selected >= 0 ? m_rows.ReadRowId(m_selectedRowId) : std::nullopt;
    if (!row) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Please Select Item First"));
    }
    return row;
}

bool CRegister::OpenEntryForm(int32_t transType, int32_t transactionID)
{
    if (!m_entryForm || !m_entryForm(transType, transactionID)) {
        return false;
    }
    Refill();
    return true;
}

bool CRegister::New(int32_t transType)
{
    return OpenEntryForm(transType, -1);
}

bool CRegister::EditSelected()
{
    const std::optional<RegisterRow> row = SelectedRow();
    if (!row) {
        return false;
    }
    if (row->TransType == kTransOpeningBalance) {
        m_doc.Prompter().ShowMessage(QStringLiteral("You can not edit Open/Close Transaction"));
        return false;
    }
    if (IsSaleOrPurchase(row->TransType)) {
        return OpenEntryForm(row->TransType, row->TransactionID);
    }
    return ChangeAdjustment(*row);
}

bool CRegister::ChangeAdjustment(const RegisterRow& row)
{
    const std::optional<double> quantity =
        m_doc.Prompter().RunNumberPad(QStringLiteral("Qty +/-"), row.ProductID, row.Quantity);
    if (!quantity) {
        return false;
    }
    const CStockAdjustment::Edit edit =
        CStockAdjustment(m_doc).EditQuantity(row.TransactionID, row.ProductID, row.TransDate, row.Quantity, *quantity);
    if (edit == CStockAdjustment::Edit::Unchanged || edit == CStockAdjustment::Edit::Refused) {
        return false;
    }
    // A failed change left the book as it was, but the row may be gone (another program).
    Refill();
    return true;
}

bool CRegister::DeleteSelected()
{
    const std::optional<RegisterRow> row = SelectedRow();
    if (!row) {
        return false;
    }
    if (!m_doc.Prompter().AskYesNo(CTransactionDeletion::Question(row->TransType, row->Split),
                                   CPrompter::Icon::Warning)) {
        return false;
    }
    {
        const CWaitCursor wait(m_doc.Prompter());
        m_rows.Close();
        m_doc.DeleteTransaction(row->TransactionID, row->TransDate);
    }
    Refill();
    return true;
}
