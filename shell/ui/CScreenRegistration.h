#pragma once

#include <QString>

#include <functional>

class CMainFrame;
class CScreenView;

// What the frame needs to offer a screen: the command that shows it, the title strip's text,
// whether the New/Edit/Delete bar is shown with it, and how to create its view (once, on first show).
struct CScreenRegistration
{
    int commandId = 0;
    QString title;
    bool showsButtonBar = false;
    std::function<CScreenView*(CMainFrame& frame)> create;
};
