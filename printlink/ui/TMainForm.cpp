#include "TMainForm.h"

#include "CInvoicePainter.h"
#include "InvoicePdfFiles.h"
#include "PresslingImages.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

constexpr int kAnimateDelayMs = 500;

} // namespace

TMainForm::TMainForm(const QString& pdfFolder, QObject* parent) : QObject(parent), m_pdfFolder(pdfFolder)
{
    connect(m_popupMenu.addAction(QStringLiteral("Open Pressling")), &QAction::triggered, this,
            &TMainForm::OpenRequested);
    connect(m_popupMenu.addAction(QStringLiteral("Shutdown")), &QAction::triggered, this,
            &TMainForm::ShutdownRequested);
    connect(&m_notifyIcon, &TNotifyIcon::DblClick, this, &TMainForm::OpenRequested);
    m_notifyIcon.SetImageList(PresslingImages::TrayImages());
    m_notifyIcon.SetAnimateDelay(kAnimateDelayMs);
    m_notifyIcon.SetHint(QStringLiteral("Quillet Printer Link"));
    m_notifyIcon.SetPopupMenu(&m_popupMenu);
    m_notifyIcon.SetActive(true);
}

PrintOutcome TMainForm::PrintingInvoice(const QString& jobText)
{
    m_layout.Fill(jobText);
    if (!m_pdfFolder.isEmpty()) {
        return WritePdf(m_pdfFolder);
    }
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    return printer.isNull() ? WritePdf(InvoicePdfFiles::DefaultFolder()) : PrintToDefaultPrinter(printer.printerName());
}

PrintOutcome TMainForm::PrintToDefaultPrinter(const QString& printerName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(printerName);
    if (!PrintPage(printer)) {
        return {false, QStringLiteral("the printer %1 did not take the page").arg(printerName)};
    }
    return {true, QString()};
}

PrintOutcome TMainForm::WritePdf(const QString& folder)
{
    if (!QDir().mkpath(folder)) {
        return {false, QStringLiteral("cannot create the folder %1").arg(folder)};
    }
    const QString path = InvoicePdfFiles::NewPath(folder, QDate::currentDate(), m_layout.LabelText(u"InvoiceNumber"));
    // Written aside and renamed, so a reader of the folder never sees half a file.
    const QString partPath = path + QStringLiteral(".part");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(partPath);
    if (!PrintPage(printer) || !InvoicePdfFiles::IsWholePdf(partPath) || !QFile::rename(partPath, path)) {
        QFile::remove(partPath);
        return {false, QStringLiteral("cannot write %1").arg(path)};
    }
    return {true, QStringLiteral("saved as %1").arg(path)};
}

bool TMainForm::PrintPage(QPrinter& printer)
{
    printer.setDocName(QStringLiteral("Pressling ") + m_layout.LabelText(u"InvoiceNumber"));
    printer.setPageOrientation(QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    CInvoicePainter invoice(painter);
    const PageMetrics metrics{printer.width(), printer.logicalDpiY()};
    for (int page = 0; page < m_layout.PageCount(); ++page) {
        if (page > 0 && !printer.newPage()) {
            painter.end();
            return false;
        }
        invoice.Paint(m_layout.Page(metrics, invoice, page));
    }
    return painter.end();
}
