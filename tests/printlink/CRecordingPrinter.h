#pragma once

#include "IInvoicePrinter.h"

#include <QStringList>

#include <functional>

// Keeps every job it is given instead of printing it, and answers outcome.
class CRecordingPrinter final : public IInvoicePrinter
{
public:
    PrintOutcome PrintingInvoice(const QString& jobText) override
    {
        if (onPrint) {
            onPrint(jobText);
        }
        jobs.append(jobText);
        return outcome;
    }

    QStringList jobs;
    PrintOutcome outcome{true, QString()};
    // Called with each job before it is recorded.
    std::function<void(const QString&)> onPrint;
};
