#include "CRegisterListCtrl.h"

#include "CRegisterHeaderCtrl.h"
#include "CRegisterListModel.h"
#include "CRegisterRowDelegate.h"

CRegisterListCtrl::CRegisterListCtrl(CRegisterListModel* model, QWidget* parent)
    : CRegisterListCtrl(model, new CRegisterRowDelegate, parent)
{}

// The header paints from the delegate's geometry.
CRegisterListCtrl::CRegisterListCtrl(CRegisterListModel* model, CRegisterRowDelegate* delegate, QWidget* parent)
    : COwnerDrawnListCtrl(model, delegate, new CRegisterHeaderCtrl(*delegate), parent), m_delegate(delegate)
{}

void CRegisterListCtrl::FitAmounts(const QStringList& amounts)
{
    m_delegate->FitAmounts(amounts);
}
