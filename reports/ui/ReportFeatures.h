#pragma once

#include "CRegister.h"

class CMainFrame;

// Registers the reports screen and the register ("Inventory Assets") with the frame. The register
// enters and opens sales and purchases through entryForm; without one it offers neither.
void RegisterReportFeatures(CMainFrame& frame, CRegister::EntryForm entryForm = {});
