#include "CPayeeListCtrl.h"

#include "CListHeaderCtrl.h"
#include "CPayeeListModel.h"
#include "CPayeeRowDelegate.h"

CPayeeListCtrl::CPayeeListCtrl(CPayeeListModel* model, QWidget* parent)
    : COwnerDrawnListCtrl(model, new CPayeeRowDelegate, new CListHeaderCtrl(kHeaderBackground), parent),
      m_delegate(static_cast<CPayeeRowDelegate*>(itemDelegate()))
{
    // The phone column takes what the name leaves of the width, so the list never scrolls sideways.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}
