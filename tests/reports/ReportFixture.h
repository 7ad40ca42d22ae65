#pragma once

#include "CBookScenario.h"
#include "CReport.h"
#include "CReportBuilder.h"
#include "ReportLines.h"
#include "ReportRange.h"
#include "TransactionTypes.h"

#include <gtest/gtest.h>

// A test book for the reports: postings through the document (CBookScenario) and, where a test
// needs rows the postings never make, TransItem rows written as they are.
class ReportFixture : public testing::Test
{
protected:
    struct Movement
    {
        QString product;
        QDateTime date;
        int type = 0;
        QString name;
        double quantity = 0;
        double unitCost = 0;
        double avgCost = 0;
        double onHand = 0;
        double price = 0;
        QString category = QStringLiteral("Hardware");
    };

    void Insert(const Movement& m)
    {
        ASSERT_TRUE(m_scenario.Book().Exec(
            QStringLiteral("INSERT INTO TransItem (TransactionID, TransDate, TransType, InvoiceNum, ProductID, "
                           "CompanyName, Quantity, UnitCost, Price, AvgCost, UnitsOnHand, CategoryName, ItemOrder) "
                           "values (%1, '%2', %3, 'I%1', '%4', '%5', %6, %7, %8, %9, %10, '%11', 0)")
                .arg(++m_lastId)
                .arg(m.date.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")))
                .arg(m.type)
                .arg(m.product, m.name)
                .arg(m.quantity)
                .arg(m.unitCost)
                .arg(m.price)
                .arg(m.avgCost)
                .arg(m.onHand)
                .arg(m.category)));
    }

    // The report of the days first to last of January 2026.
    CReport Build(ReportKind kind, int first = 1, int last = 31)
    {
        return CReportBuilder(m_scenario.Doc())
            .Build(kind, ReportRange::Days(QDate(2026, 1, first), QDate(2026, 1, last)));
    }
    QStringList Lines(ReportKind kind, int first = 1, int last = 31) { return ReportLines(Build(kind, first, last)); }
    // One column of the movement or product rows.
    QStringList LineCells(ReportKind kind, int column, int first = 1, int last = 31)
    {
        const CReport report = Build(kind, first, last);
        QStringList cells;
        for (const ReportRow& row : report.Rows()) {
            if (row.RowKind() == ReportRow::Kind::Line) {
                cells << row.Cell(column);
            }
        }
        return cells;
    }

    CBookScenario m_scenario;
    int m_lastId = 1000;
};
