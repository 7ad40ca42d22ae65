#include "SalesFeatures.h"

#include "CInventoryView.h"
#include "CMainFrame.h"
#include "CommandIds.h"
#include "TransactionTypes.h"

// A save re-derives stock and costs, and "New" may add a customer or vendor: the screens show the
// catalogue afresh after the form.
void RegisterSalesFeatures(CMainFrame& frame)
{
    for (const auto& [command, type] :
         {std::pair{CommandId::kSale, kTransSale}, std::pair{CommandId::kPurchase, kTransPurchase}}) {
        frame.RegisterCommand(command, [&frame, type] {
            CInventoryView::RunNew(frame.Doc(), type, &frame);
            frame.RefreshScreens();
        });
    }
}
