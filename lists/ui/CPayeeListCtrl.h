#pragma once

#include <QTableView>

class CPayeeListModel;
class CPayeeRowDelegate;

// The control of a payee list: the name and phone columns under a CListHeaderCtrl, one-line rows
// painted by CPayeeRowDelegate over bands that continue them below the last row, and taps
// reported with the row they hit. It selects nothing by itself; the view decides what is selected.
class CPayeeListCtrl final : public QTableView
{
    Q_OBJECT

public:
    static inline const QColor kHeaderBackground = QColor(198, 239, 206);

    explicit CPayeeListCtrl(CPayeeListModel* model, QWidget* parent = nullptr);

    const CPayeeRowDelegate& Delegate() const { return *m_delegate; }
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

    CPayeeRowDelegate* m_delegate;
};
