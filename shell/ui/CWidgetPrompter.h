#pragma once

#include "CPrompter.h"

#include <QPointer>
#include <QWidget>

// The window's prompter: message boxes and questions titled with the program's name, the file
// dialogs, the calculator as the number pad and the wait cursor, all over the given parent.
class CWidgetPrompter final : public CPrompter
{
public:
    explicit CWidgetPrompter(const QString& title);

    // The window the dialogs belong to (the frame, once it exists).
    void SetParent(QWidget* parent) { m_parent = parent; }

    void ShowMessage(const QString& text) override;
    bool AskYesNo(const QString& question, Icon icon) override;
    QString ChooseSaveFile(const CFileChoice& choice) override;
    QString ChooseOpenFile(const CFileChoice& choice) override;
    std::optional<double> RunNumberPad(const QString& title, const QString& topLine, double start) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;

private:
    QString RunFileDialog(const CFileChoice& choice, bool save);

    QString m_title;
    QPointer<QWidget> m_parent;
};
