#pragma once

// Command ids of the window's menus, toolbar, home buttons and bottom bar. The screen switch and
// the menus depend on them; features register their screen or handler under these ids.
namespace CommandId {

// Screens
inline constexpr int kVendorList = 32774;
inline constexpr int kInventoryAssets = 32781;
inline constexpr int kProductList = 32782;
inline constexpr int kCustomerList = 32785;
inline constexpr int kHome = 32779;
inline constexpr int kReports = 32842;
// The screen switch handles this range; ids in it that name no screen are passed on or ignored.
inline constexpr int kFirstScreen = 32774;
inline constexpr int kLastScreen = 32842;

// Dialogs and actions
inline constexpr int kPurchase = 32772;
inline constexpr int kSale = 32773;
inline constexpr int kSaleTaxList = 32815;
inline constexpr int kCategoryList = 32820;
inline constexpr int kSetupListsMenu = 32828;
inline constexpr int kPayeeListsMenu = 32835;
inline constexpr int kCalculator = 32836;
inline constexpr int kImportVendors = 32847;
inline constexpr int kImportCustomers = 32848;
inline constexpr int kImportProducts = 32849;
inline constexpr int kExportVendors = 32850;
inline constexpr int kExportCustomers = 32851;
inline constexpr int kExportProducts = 32852;
inline constexpr int kResetDatabase = 32853;
inline constexpr int kBackupDatabase = 32855;
inline constexpr int kRestoreDatabase = 32856;
inline constexpr int kMyCompany = 32863;
inline constexpr int kAbout = 57664;
inline constexpr int kExit = 57665;
inline constexpr int kHelp = 57670;

// The bottom bar's buttons, handled by the current screen.
inline constexpr int kNew = 1065;
inline constexpr int kEdit = 1066;
inline constexpr int kDelete = 1067;

} // namespace CommandId
