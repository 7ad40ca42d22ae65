#pragma once

#include "COwnerDrawnListCtrl.h"

class CPayeeListModel;
class CPayeeRowDelegate;

// The control of a payee list: the name and phone columns under a CListHeaderCtrl, one-line rows
// painted by CPayeeRowDelegate over bands that continue them below the last row.
class CPayeeListCtrl final : public COwnerDrawnListCtrl
{
    Q_OBJECT

public:
    static inline const QColor kHeaderBackground = QColor(198, 239, 206);

    explicit CPayeeListCtrl(CPayeeListModel* model, QWidget* parent = nullptr);

    const CPayeeRowDelegate& Delegate() const { return *m_delegate; }

private:
    CPayeeRowDelegate* m_delegate;
};
