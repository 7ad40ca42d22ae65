#include "SalesFeatures.h"

#include "CInventoryView.h"
#include "CMainFrame.h"
#include "CommandIds.h"
#include "TransactionTypes.h"

void RegisterSalesFeatures(CMainFrame& frame)
{
    frame.RegisterCommand(CommandId::kSale, [&frame] { CInventoryView::RunNew(frame.Doc(), kTransSale, &frame); });
    frame.RegisterCommand(CommandId::kPurchase,
                          [&frame] { CInventoryView::RunNew(frame.Doc(), kTransPurchase, &frame); });
}
