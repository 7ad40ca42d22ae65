#include "ReportFeatures.h"

#include "CMainFrame.h"
#include "CRegisterView.h"
#include "CReportView.h"
#include "CommandIds.h"

void RegisterReportFeatures(CMainFrame& frame, CRegister::EntryForm entryForm)
{
    frame.RegisterScreen({CommandId::kReports, QStringLiteral("Reports"), false,
                          [](CMainFrame& owner) { return new CReportView(owner.Doc()); }});
    frame.RegisterScreen(
        {CommandId::kInventoryAssets, QStringLiteral("Inventory Assets"), true,
         [entryForm = std::move(entryForm)](CMainFrame& owner) { return new CRegisterView(owner.Doc(), entryForm); }});
}
