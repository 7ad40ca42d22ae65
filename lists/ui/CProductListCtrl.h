#pragma once

#include <QTableView>

class CProductListModel;
class CProductRowDelegate;

// The product list's control: fixed columns and two-line rows painted by CProductRowDelegate,
// the owner-drawn header, bands below the last row, and taps reported with whether they hit
// the on-hand icon. It selects nothing by itself; the view decides what is selected.
class CProductListCtrl final : public QTableView
{
    Q_OBJECT

public:
    explicit CProductListCtrl(CProductListModel* model, QWidget* parent = nullptr);

    const CProductRowDelegate& Delegate() const { return *m_delegate; }
    // Whether the point (in viewport coordinates) lies on the on-hand icon of the row: within the
    // icon's span across, in the row's lower half down.
    bool HitsOnHandIcon(int row, const QPoint& point) const;

signals:
    // row: the row under the point, -1 when none.
    void Tapped(int row, bool onHandIcon);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void SetColumnWidths();
    QRect RowBounds(int row) const;

    CProductRowDelegate* m_delegate;
};
