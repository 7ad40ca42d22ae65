#pragma once

#include <QProgressDialog>

// The window's progress of a long task, modal over the frame. Without Cancel neither Escape nor
// closing the dialog stops it: the work goes on to its end, and the frame must stay blocked.
class CProgressDialog final : public QProgressDialog
{
    Q_OBJECT

public:
    CProgressDialog(const QString& text, int maximum, bool cancellable, QWidget* parent);

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool m_cancellable;
};
