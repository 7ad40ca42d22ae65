#pragma once

#include <QTableView>

class CReportListModel;
class CReportRowDelegate;

// The report list: one-line rows painted by CReportRowDelegate, columns as wide as the report
// gives them (scaled), a header in the list's font that takes no clicks, and no grid or
// selection. It scrolls sideways when the columns are wider than the screen.
class CReportListCtrl final : public QTableView
{
    Q_OBJECT

public:
    explicit CReportListCtrl(CReportListModel* model, QWidget* parent = nullptr);

    // Up to this many rows every cell is measured for the column widths.
    static constexpr int kMeasuredRows = 5000;

private:
    void SetColumnWidths();

    CReportListModel* m_model;
};
