#pragma once

#include <QWidget>

// A screen of the window (Home, a list, the register, the reports): one view on the document,
// created the first time it is shown and then kept. The frame calls these hooks.
class CScreenView : public QWidget
{
    Q_OBJECT

public:
    explicit CScreenView(QWidget* parent = nullptr) : QWidget(parent) {}

    // Once, when the frame first shows the screen.
    virtual void InitialUpdate() {}
    // "New", "Edit" or "Delete" of the bottom bar (CommandId::kNew, kEdit, kDelete).
    virtual void OnBarCommand(int commandId) { Q_UNUSED(commandId); }
    // Whether the bar offers the command now; emit BarCommandsChanged when the answer may change.
    virtual bool IsBarCommandEnabled(int commandId) const
    {
        Q_UNUSED(commandId);
        return true;
    }
    // The command as the bar would run it, when the bar offers it now.
    void RunBarCommandIfEnabled(int commandId)
    {
        if (IsBarCommandEnabled(commandId)) {
            OnBarCommand(commandId);
        }
    }
    // A whole-file command is about to copy, replace or rebuild the data file: close any cursor on it.
    virtual void ReleaseStoreCursor() {}
    // The document reloaded its lists (a reset or restored file, or a change another program
    // committed): show them afresh, keeping the selection on the same record where it still is.
    virtual void RefreshFromDocument() {}

signals:
    void BarCommandsChanged();
};
