#pragma once

#include "CDayTexts.h"
#include "CReportRowSink.h"
#include "ReportColumn.h"
#include "ReportItem.h"

#include <QDateTime>

// "Inventory Valuation Item Detail Report": every movement of the range grouped by product, with
// the stock and its value after each, a total per product and the total value of all products.
class CValuationDetailBuilder
{
public:
    // The statement that reads the movements of a range (its bounds bound to ?1 and ?2), by
    // product and date.
    static QString Statement();
    static QList<ReportColumn> Columns();
    // Items dated at or after toBound are left out.
    static void Build(const ReportItemSource& items, const QDateTime& toBound, CReportRowSink& rows);

private:
    CValuationDetailBuilder(const QDateTime& toBound, CReportRowSink& rows);

    void Add(const ReportItem& item);
    void StartGroup(const ReportItem& item);
    void CloseGroup();
    void Finish();

    CReportRowSink& m_rows;
    QDateTime m_toBound;
    CDayTexts m_days;
    bool m_inGroup = false;
    QString m_groupProduct;
    double m_running = 0.0;
    double m_lastOnHand = 0.0;
    double m_grandTotal = 0.0;
};
