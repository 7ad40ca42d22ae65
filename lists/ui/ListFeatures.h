#pragma once

class CMainFrame;

// Registers the product, customer and vendor list screens and the category, sale tax and own
// company setup commands with the frame.
void RegisterListFeatures(CMainFrame& frame);
