#include "ReportFeatures.h"

#include "CMainFrame.h"
#include "CReportView.h"
#include "CommandIds.h"

void RegisterReportFeatures(CMainFrame& frame)
{
    frame.RegisterScreen({CommandId::kReports, QStringLiteral("Reports"), false,
                          [](CMainFrame& owner) { return new CReportView(owner.Doc()); }});
}
