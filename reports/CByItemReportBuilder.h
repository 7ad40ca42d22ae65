#pragma once

#include "CDayTexts.h"
#include "CReportRowSink.h"
#include "ReportColumn.h"
#include "ReportItem.h"
#include "ReportKind.h"

#include <QDateTime>

// "Sales Report by Item" and "Purchases Report by Item": every sale (or purchase) line of the
// range grouped by product, with quantity and amount totals per product and the total amount.
class CByItemReportBuilder
{
public:
    // kind: ReportKind::SalesByItem or ReportKind::PurchasesByItem. The statement reads the
    // lines of a range (its bounds bound to ?1 and ?2) by product and date.
    static QString Statement(ReportKind kind);
    static QList<ReportColumn> Columns(ReportKind kind);
    // Only sales (or purchases) dated before toBound are taken.
    static void Build(ReportKind kind, const ReportItemSource& items, const QDateTime& toBound, CReportRowSink& rows);

private:
    CByItemReportBuilder(ReportKind kind, CReportRowSink& rows);

    bool Takes(const ReportItem& item, const QDateTime& toBound) const;
    void Add(const ReportItem& item);
    void StartGroup(const QString& product);
    void CloseGroup();
    void Finish();

    CReportRowSink& m_rows;
    bool m_sales;
    CDayTexts m_days;
    bool m_inGroup = false;
    QString m_groupProduct;
    double m_groupQuantity = 0.0;
    double m_groupAmount = 0.0;
    double m_grandTotal = 0.0;
};
