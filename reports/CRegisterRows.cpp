#include "CRegisterRows.h"

namespace {
enum Field
{
    kTransactionID,
    kTransDate,
    kTransType,
    kInvoiceNum,
    kProductID,
    kCompanyName,
    kUnitCost,
    kQuantity,
    kLineTotal,
    kSplit
};
} // namespace

CRegisterRows::CRegisterRows(CDbConnection& connection) : m_cursor(connection) {}

// Rows of one second and item order keep the order their transactions were made in, which is the order the
// running value is summed in, so each balance follows from the one above it.
QString CRegisterRows::Statement()
{
    return QStringLiteral("SELECT TransactionID,TransDate,TransType,InvoiceNum,ProductID,CompanyName,UnitCost,"
                          "Quantity,LineTotal,Split,ItemOrder ") +
           QStringLiteral("FROM TransItem order by TransDate,ItemOrder,TransactionID,rowid");
}

bool CRegisterRows::Open()
{
    m_count = 0;
    if (!m_cursor.Open(Statement(), CDbRecordset::kOpenStatic, CDbRecordset::kLockReadOnly)) {
        m_cursor.Close();
        return false;
    }
    m_cursor.MoveFirst();
    if (!m_cursor.GetRecordCount(m_count)) {
        m_count = 0;
    }
    return true;
}

void CRegisterRows::Close()
{
    m_cursor.Close();
    m_count = 0;
}

bool CRegisterRows::IsOpen()
{
    return m_cursor.IsOpen();
}

long CRegisterRows::Count()
{
    return IsOpen() ? m_count : 0;
}

std::optional<RegisterRow> CRegisterRows::Read(long index)
{
    if (index < 0 || index >= Count() || !m_cursor.MoveFirst() || !m_cursor.Move(index)) {
        return std::nullopt;
    }
    // A null text (a row written by another program) reads as empty, not as the store's null marker.
    const auto text = [this](int field) {
        const CDbVariant value = m_cursor.GetFieldValue(field);
        return value.IsNull() ? QString() : value.ToText();
    };
    RegisterRow row;
    row.TransactionID = m_cursor.GetFieldValue(kTransactionID).ToInt32();
    row.TransDate = m_cursor.GetFieldValue(kTransDate).ToDateTime();
    row.TransType = m_cursor.GetFieldValue(kTransType).ToInt32();
    row.InvoiceNum = text(kInvoiceNum);
    row.ProductID = text(kProductID);
    row.CompanyName = text(kCompanyName);
    row.UnitCost = m_cursor.GetFieldValue(kUnitCost).ToDouble();
    row.Quantity = m_cursor.GetFieldValue(kQuantity).ToDouble();
    row.LineTotal = m_cursor.GetFieldValue(kLineTotal).ToDouble();
    row.Split = m_cursor.GetFieldValue(kSplit).ToInt32();
    return row;
}
