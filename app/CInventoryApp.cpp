#include "CInventoryApp.h"

#include "CAboutDlg.h"
#include "CIconFactory.h"
#include "CInventoryView.h"
#include "CMainFrame.h"
#include "CPrintPeer.h"
#include "CScaledStyle.h"
#include "CommandIds.h"
#include "DataFilePaths.h"
#include "ExchangeFeatures.h"
#include "ListFeatures.h"
#include "ReportFeatures.h"
#include "SalesFeatures.h"
#include "UiScale.h"

CInventoryApp::CInventoryApp(int& argc, char** argv)
    : QApplication(argc, argv), m_prompter(CMainFrame::kApplicationTitle), m_doc(m_connection, m_prompter)
{
    setApplicationName(QStringLiteral("quillet"));
    // Ties the window to its installed desktop entry and icon (the task bar, the dock, Wayland).
    setDesktopFileName(QStringLiteral(QUILLET_APP_ID));
    setWindowIcon(CIconFactory::Icon(CIconFactory::Kind::Program));
    ReadCommandLine();
    m_connection.Open(m_dataFile);
    m_doc.SetDataFilePath(m_dataFile);

    // One look on every desktop, in the program's own font and scale.
    setStyle(new CScaledStyle);
    setFont(ScaledFont(10));

    m_frame = std::make_unique<CMainFrame>(m_doc);
    m_prompter.SetParent(m_frame.get());
    RegisterFeatures();
}

CInventoryApp::~CInventoryApp() = default;

void CInventoryApp::ReadCommandLine()
{
    m_dataFile = DefaultDataFilePath();
    bool scaleRead = false;
    const int environmentScale = qEnvironmentVariableIntValue("QUILLET_UI_SCALE", &scaleRead);
    if (scaleRead) {
        SetUiScale(environmentScale);
    }
    const QStringList words = arguments().mid(1);
    for (int i = 0; i + 1 < words.size(); ++i) {
        if (words[i] == QLatin1String("--data")) {
            m_dataFile = words[++i];
        } else if (words[i] == QLatin1String("--scale")) {
            SetUiScale(words[++i].toInt());
        } else if (words[i] == QLatin1String("--print-host")) {
            CPrintPeer::SetHostOption(words[++i]);
        }
    }
}

// Each feature of the window is one registration under its command id.
void CInventoryApp::RegisterFeatures()
{
    CMainFrame& frame = *m_frame;
    frame.RegisterCommand(CommandId::kAbout, [&frame] { CAboutDlg(&frame).exec(); });
    RegisterListFeatures(frame);
    // The register enters and opens sales and purchases in the entry form.
    RegisterReportFeatures(frame, [&frame](int32_t transType, int32_t transactionID) {
        return transactionID < 0 ? CInventoryView::RunNew(frame.Doc(), transType, &frame)
                                 : CInventoryView::RunStored(frame.Doc(), transactionID, &frame);
    });
    RegisterSalesFeatures(frame);
    RegisterExchangeFeatures(frame);
}

void CInventoryApp::ShowMainWindow()
{
    m_frame->show();
}
