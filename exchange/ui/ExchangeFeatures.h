#pragma once

class CMainFrame;

// Registers the File menu's imports and exports of the customer, vendor and product lists.
void RegisterExchangeFeatures(CMainFrame& frame);
