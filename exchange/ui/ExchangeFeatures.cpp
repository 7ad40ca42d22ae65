#include "ExchangeFeatures.h"

#include "CListExchange.h"
#include "CMainFrame.h"
#include "CScreenView.h"
#include "CommandIds.h"

namespace {

using List = CListExchange::List;

// The screens that show what an import of the list changes.
QList<int> ScreensShowing(List list)
{
    switch (list) {
    case List::Customers:
        return {CommandId::kCustomerList};
    case List::Vendors:
        return {CommandId::kVendorList};
    case List::Products:
        break;
    }
    return {CommandId::kProductList, CommandId::kInventoryAssets};
}

// The screen showing the list does not repaint half-imported rows (the progress dialog lets the
// window paint); it shows the list afresh at the end.
void Import(CMainFrame& frame, List list)
{
    CScreenView* held = ScreensShowing(list).contains(frame.CurrentScreen()) ? frame.CurrentView() : nullptr;
    if (held != nullptr) {
        held->setUpdatesEnabled(false);
    }
    CListExchange::Import(frame.Doc(), list);
    if (held != nullptr) {
        held->setUpdatesEnabled(true);
    }
    frame.RefreshScreens();
}

} // namespace

void RegisterExchangeFeatures(CMainFrame& frame)
{
    const std::pair<int, List> imports[] = {{CommandId::kImportVendors, List::Vendors},
                                            {CommandId::kImportCustomers, List::Customers},
                                            {CommandId::kImportProducts, List::Products}};
    for (const auto& [commandId, list] : imports) {
        frame.RegisterCommand(commandId, [&frame, list = list] { Import(frame, list); });
    }
    const std::pair<int, List> exports[] = {{CommandId::kExportVendors, List::Vendors},
                                            {CommandId::kExportCustomers, List::Customers},
                                            {CommandId::kExportProducts, List::Products}};
    for (const auto& [commandId, list] : exports) {
        frame.RegisterCommand(commandId, [&frame, list = list] { CListExchange::Export(frame.Doc(), list); });
    }
}
