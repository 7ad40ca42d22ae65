#pragma once

#include "CInvoiceLayout.h"
#include "IInvoicePrinter.h"
#include "TNotifyIcon.h"

#include <QMenu>
#include <QObject>
#include <QString>

class QPrinter;

// The invoice form behind every printed page, and the owner of the tray icon and its popup menu.
// It is never shown.
//
// PrintingInvoice fills the form from a job and prints it on the default printer, portrait. With a
// PDF folder given, or when there is no default printer (then in <documents>/Pressling), the page
// is written as a PDF file named by date and invoice number instead; the file appears whole or not
// at all.
class TMainForm final : public QObject, public IInvoicePrinter
{
    Q_OBJECT

public:
    explicit TMainForm(const QString& pdfFolder = QString(), QObject* parent = nullptr);

    PrintOutcome PrintingInvoice(const QString& jobText) override;

    TNotifyIcon& NotifyIcon() { return m_notifyIcon; }
    const CInvoiceLayout& Layout() const { return m_layout; }

signals:
    // "Open Pressling" or a double click on the icon.
    void OpenRequested();
    // "Shutdown".
    void ShutdownRequested();

private:
    PrintOutcome PrintToDefaultPrinter(const QString& printerName);
    PrintOutcome WritePdf(const QString& folder);
    bool PrintPage(QPrinter& printer);

    QString m_pdfFolder;
    CInvoiceLayout m_layout;
    QMenu m_popupMenu;
    TNotifyIcon m_notifyIcon;
};
