#pragma once

class CMainFrame;

// Registers the reports screen with the frame.
void RegisterReportFeatures(CMainFrame& frame);
