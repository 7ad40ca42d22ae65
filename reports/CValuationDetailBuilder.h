#pragma once

#include "CReport.h"
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
    // Items dated at or after toBound are left out.
    static CReport Build(const ReportItemSource& items, const QDateTime& toBound);

private:
    explicit CValuationDetailBuilder(const QDateTime& toBound);

    void Add(const ReportItem& item);
    void StartGroup(const ReportItem& item);
    void CloseGroup();
    void Finish();

    CReport m_report;
    QDateTime m_toBound;
    bool m_inGroup = false;
    QString m_groupProduct;
    double m_running = 0.0;
    double m_lastOnHand = 0.0;
    double m_grandTotal = 0.0;
};
