#pragma once

#include "CReport.h"

#include <QAbstractTableModel>

#include <optional>

// The report list's rows: the cells of the report shown, one line each, with the column
// captions and alignments as the header. Number cells show in the locale's form. Empty (no columns) until a report is
// shown.
class CReportListModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The shade of a row, for the delegate (ReportRow::Shade as an int).
    static constexpr int ShadeRole = Qt::UserRole;

    explicit CReportListModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void SetReport(const std::optional<CReport>& report);
    const std::optional<CReport>& Report() const { return m_report; }
    // The width of a column in handheld pixels.
    int ColumnWidth(int column) const;
    // Number columns (right-aligned) show their texts in the locale's form.
    bool IsNumberColumn(int column) const;
    QString DisplayText(int column, const QString& text) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    static Qt::Alignment AlignmentOf(const ReportColumn& column);

    std::optional<CReport> m_report;
};
