#pragma once

#include "COwnerDrawnListCtrl.h"

class CRegisterListModel;
class CRegisterRowDelegate;

// The register's control: fixed columns and two-line rows painted by CRegisterRowDelegate under
// CRegisterHeaderCtrl, over bands below the last row.
class CRegisterListCtrl final : public COwnerDrawnListCtrl
{
    Q_OBJECT

public:
    explicit CRegisterListCtrl(CRegisterListModel* model, QWidget* parent = nullptr);

    const CRegisterRowDelegate& Delegate() const { return *m_delegate; }
    // The number columns hold these amount texts from the next fill of the rows on.
    void FitAmounts(const QStringList& amounts);

private:
    CRegisterListCtrl(CRegisterListModel* model, CRegisterRowDelegate* delegate, QWidget* parent);

    CRegisterRowDelegate* m_delegate;
};
