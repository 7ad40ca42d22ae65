#pragma once

#include "CPrompter.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QProgressDialog;

// The window's prompter: message boxes and questions titled with the program's name, the file
// dialogs, the calculator as the number pad, the wait cursor and a progress dialog with Cancel,
// all over the given parent.
class CWidgetPrompter final : public CPrompter
{
public:
    explicit CWidgetPrompter(const QString& title);
    ~CWidgetPrompter() override;

    // The window the dialogs belong to (the frame, once it exists).
    void SetParent(QWidget* parent) { m_parent = parent; }

    void ShowMessage(const QString& text) override;
    bool AskYesNo(const QString& question, Icon icon) override;
    QString ChooseSaveFile(const CFileChoice& choice) override;
    QString ChooseOpenFile(const CFileChoice& choice) override;
    std::optional<double> RunNumberPad(const QString& title, const QString& topLine, double start) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void BeginProgress(const QString& text, qint64 steps, Cancel cancel) override;
    bool StepProgress(qint64 done) override;
    void EndProgress() override;

private:
    QString RunFileDialog(const CFileChoice& choice, bool save);

    QString m_title;
    QPointer<QWidget> m_parent;
    std::unique_ptr<QProgressDialog> m_progress;
    qint64 m_progressSteps = 1;
};
