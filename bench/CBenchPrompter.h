#pragma once

#include "CPrompter.h"

#include <QtGlobal>

// Benchmarks answer nothing and show nothing.
class CBenchPrompter final : public CPrompter
{
public:
    void ShowMessage(const QString& text) override { qWarning("message: %s", qPrintable(text)); }
    bool AskYesNo(const QString&, Icon) override { return true; }
    QString ChooseSaveFile(const CFileChoice&) override { return QString(); }
    QString ChooseOpenFile(const CFileChoice&) override { return QString(); }
    std::optional<double> RunNumberPad(const QString&, const QString&, double) override { return std::nullopt; }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
};
