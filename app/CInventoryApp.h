#pragma once

#include "CDbConnection.h"
#include "CInventoryDoc.h"
#include "CWidgetPrompter.h"

#include <QApplication>

#include <memory>

class CMainFrame;

// The application object of the window: the one connection to the data file, the document on it,
// the prompter, and the frame with every screen and dialog registered. Takes "--data FILE" (the
// data file, <documents>/Quillet.cdb by default), "--scale N" (the UI scale factor, also
// QUILLET_UI_SCALE; 2 by default) and "--print-host HOST" (the desktop that prints invoices, also
// QUILLET_PRINT_HOST; localhost by default).
class CInventoryApp final : public QApplication
{
    Q_OBJECT

public:
    CInventoryApp(int& argc, char** argv);
    ~CInventoryApp() override;

    // Shows the frame; the home screen then loads the catalogue.
    void ShowMainWindow();

private:
    void ReadCommandLine();
    void RegisterFeatures();

    QString m_dataFile;
    CDbConnection m_connection;
    CWidgetPrompter m_prompter;
    CInventoryDoc m_doc;
    std::unique_ptr<CMainFrame> m_frame;
};
