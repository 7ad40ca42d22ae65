#include "CAssetBalanceReplay.h"

#include "CDbConnection.h"
#include "CDbStatement.h"
#include "CInventoryDoc.h"
#include "CPrompter.h"
#include "DateText.h"
#include "LocaleNumber.h"
#include "RunningTotal.h"
#include "TransactionTypes.h"

namespace {
// A row's value in whole cents as CentsOf rounds it, in the same double arithmetic on either
// store: (Quantity * UnitCost) * 100 + 0.5, floored. An empty number counts as 0.
const QString kRowCents = QStringLiteral("floor(COALESCE(Quantity, 0) * COALESCE(UnitCost, 0) * 100 + 0.5)");

QString SignedRowCents()
{
    return QStringLiteral("CASE WHEN TransType = %1 THEN -%2 ELSE %2 END").arg(kTransSale).arg(kRowCents);
}
} // namespace

// The last row before fromTime in register order; rows without a date count as the earliest.
// Transactions of one second keep the order they were made in, also after one is re-saved.
// Without such a row the book's first row opens the running value with its own value rounded
// with its sign (a first sale of 0.125 gives -0.12, where a later one subtracts 0.13); the
// difference is folded into the start, so the statement treats every row alike.
CAssetBalanceReplay::Base CAssetBalanceReplay::ReadBase(const QString& from, double& cents)
{
    CDbStatement dated(m_doc.Connection(),
                       QStringLiteral("SELECT LineTotal FROM TransItem WHERE TransDate < ?1 "
                                      "ORDER BY TransDate DESC, ItemOrder DESC, TransactionID DESC, rowid DESC "
                                      "LIMIT 1"));
    if (!dated.IsValid()) {
        return Base::Unreadable;
    }
    if (dated.Bind(1, from).Next()) {
        cents = CentsOf(dated.Double(0));
        return Base::Found;
    }
    CDbStatement undated(m_doc.Connection(),
                         QStringLiteral("SELECT LineTotal FROM TransItem WHERE TransDate IS NULL "
                                        "ORDER BY ItemOrder DESC, TransactionID DESC, rowid DESC LIMIT 1"));
    if (undated.Next()) {
        cents = CentsOf(undated.Double(0));
        return Base::Found;
    }
    CDbStatement first(m_doc.Connection(),
                       QStringLiteral("SELECT TransType, Quantity, UnitCost FROM TransItem "
                                      "ORDER BY TransDate, ItemOrder, TransactionID, rowid LIMIT 1"));
    if (!first.IsValid()) {
        return Base::Unreadable;
    }
    if (!first.Next()) {
        return Base::Empty;
    }
    const double value = first.Double(1) * first.Double(2);
    const double sign = first.Int(0) == kTransSale ? -1.0 : 1.0;
    cents = CentsOf(sign * value) - sign * CentsOf(value);
    return Base::None;
}

void CAssetBalanceReplay::Run(const QDateTime& fromTime)
{
    const QString from = StoreDateText(fromTime);
    RunningTotal total;
    const Base base = ReadBase(from, total.start);
    if (base == Base::Empty) {
        return;
    }
    total.table = QStringLiteral("TransItem");
    total.column = QStringLiteral("LineTotal");
    total.amount = SignedRowCents();
    total.order = QStringList{QStringLiteral("TransDate"), QStringLiteral("ItemOrder"), QStringLiteral("TransactionID"),
                              QStringLiteral("rowid")};
    total.index = QStringLiteral("TransItem_RegisterOrder");
    if (base == Base::Found) {
        total.filter = QStringLiteral("TransDate >= ?1");
        total.parameters = {from};
    }
    total.divisor = 100;
    if (base == Base::Unreadable || !m_doc.Connection().WriteRunningTotal(total)) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command"));
    }
}
