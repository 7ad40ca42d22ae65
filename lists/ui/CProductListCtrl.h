#pragma once

#include "COwnerDrawnListCtrl.h"

class CProductListModel;
class CProductRowDelegate;

// The product list's control: fixed columns and two-line rows painted by CProductRowDelegate
// under the two-line header, over bands below the last row; a tap on a row's on-hand icon is
// reported besides the tap itself.
class CProductListCtrl final : public COwnerDrawnListCtrl
{
    Q_OBJECT

public:
    explicit CProductListCtrl(CProductListModel* model, QWidget* parent = nullptr);

    const CProductRowDelegate& Delegate() const { return *m_delegate; }
    // Whether the point (in viewport coordinates) lies on the on-hand icon of the row: within the
    // icon's span across, in the row's lower half down.
    bool HitsOnHandIcon(int row, const QPoint& point) const;

signals:
    // After Tapped for the same row.
    void OnHandIconTapped(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    CProductListCtrl(CProductListModel* model, CProductRowDelegate* delegate, QWidget* parent);
    QRect RowBounds(int row) const;

    CProductRowDelegate* m_delegate;
};
