#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

// Where pages go when they are written as PDF files instead of printed.
namespace InvoicePdfFiles {

// <documents>/Pressling: the documents folder is $QUILLET_DOCUMENTS when set, else the user's.
QString DefaultFolder();

// A path in folder, not yet taken, named by date and invoice number ("2026-01-09_INV-7.pdf", then
// "2026-01-09_INV-7-2.pdf" and so on). The number comes off the network: only letters, digits,
// '-', '_' and '.' are kept (others become '_'), it never starts with a dot and is cut to 40
// characters, so the name always stays inside folder.
QString NewPath(const QString& folder, const QDate& date, QStringView invoiceNumber);

// Whether the file at path holds a whole PDF: it ends with the end-of-file mark and its cross-
// reference table starts where the trailer says. A file cut short (a full disk) fails, which the
// PDF print engine itself never reports. False when the file cannot be read.
bool IsWholePdf(const QString& path);

} // namespace InvoicePdfFiles
