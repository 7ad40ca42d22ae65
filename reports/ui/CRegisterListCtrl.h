#pragma once

#include <QTableView>

class CRegisterListModel;
class CRegisterRowDelegate;

// The register's control: fixed columns and two-line rows painted by CRegisterRowDelegate under
// CRegisterHeaderCtrl, bands below the last row, and taps reported with the row they hit. It
// selects nothing by itself; the view decides what is selected.
class CRegisterListCtrl final : public QTableView
{
    Q_OBJECT

public:
    explicit CRegisterListCtrl(CRegisterListModel* model, QWidget* parent = nullptr);

    const CRegisterRowDelegate& Delegate() const { return *m_delegate; }
    // Lays the rows out at once rather than later, so that scrolling right after a fill goes by
    // the new rows.
    void LayOutRows() { executeDelayedItemsLayout(); }

signals:
    // row: the row under the point, -1 when none.
    void Tapped(int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void SetColumnWidths();

    CRegisterRowDelegate* m_delegate;
};
