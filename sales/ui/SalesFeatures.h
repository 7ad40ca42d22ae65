#pragma once

class CMainFrame;

// Registers the sale and purchase entry form with the frame (the "Sale" and "Purchase" commands).
void RegisterSalesFeatures(CMainFrame& frame);
