#pragma once

class CMainFrame;

// Registers the product list screen and the category and sale tax setup commands with the frame.
void RegisterListFeatures(CMainFrame& frame);
