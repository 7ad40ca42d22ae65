#pragma once

#include <QString>

// What became of one job handed to the printer. note says where a PDF file went, or why the page
// could not be printed; it is empty for a page sent to a printer.
struct PrintOutcome
{
    bool printed = false;
    QString note;
};

// Prints one whole job (its text as received) and returns when its pages have been
// handed on. Called on the listener's thread.
class IInvoicePrinter
{
public:
    virtual ~IInvoicePrinter() = default;
    virtual PrintOutcome PrintingInvoice(const QString& jobText) = 0;
};
