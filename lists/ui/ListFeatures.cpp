#include "ListFeatures.h"

#include "CCategoryDlg.h"
#include "CCustomerView.h"
#include "CInventoryDoc.h"
#include "CMainFrame.h"
#include "CPayeeView.h"
#include "CProductView.h"
#include "CSaleTaxDlg.h"
#include "CVendorSetupDlg.h"
#include "CommandIds.h"

void RegisterListFeatures(CMainFrame& frame)
{
    frame.RegisterScreen({CommandId::kProductList, QStringLiteral("Product List"), true,
                          [](CMainFrame& owner) { return new CProductView(owner.Doc()); }});
    // Their saves may reload the catalogue (a renamed category reorders the product list, a book
    // another program changed is read afresh), so the screens show it afresh after them.
    frame.RegisterCommand(CommandId::kCategoryList, [&frame] {
        CCategoryDlg(frame.Doc(), &frame).exec();
        frame.RefreshScreens();
    });
    frame.RegisterCommand(CommandId::kSaleTaxList, [&frame] {
        CSaleTaxDlg(frame.Doc(), &frame).exec();
        frame.RefreshScreens();
    });
    frame.RegisterScreen({CommandId::kCustomerList, QStringLiteral("Customers List"), true,
                          [](CMainFrame& owner) { return new CCustomerView(owner.Doc()); }});
    frame.RegisterScreen({CommandId::kVendorList, QStringLiteral("Vendors List"), true,
                          [](CMainFrame& owner) { return new CPayeeView(owner.Doc()); }});
    frame.RegisterCommand(CommandId::kMyCompany,
                          [&frame] { CVendorSetupDlg(frame.Doc(), CInventoryDoc::kOwnCompanyPayeeID, &frame).exec(); });
}
