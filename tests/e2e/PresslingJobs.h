#pragma once

#include <QByteArray>
#include <QString>
#include <QStringEncoder>

// Jobs written out by hand as a handheld sends them, and their wire bytes.
namespace PresslingJobs {

inline QByteArray Utf16Le(const QString& text)
{
    QStringEncoder encoder(QStringEncoder::Utf16LE);
    return encoder.encode(text);
}

// A sale with tax; the customer's name is not Latin-1.
inline QString Sale(const QString& invoiceNumber)
{
    return QStringLiteral("PrintInvoice\n"
                          "CompanyName:Orvane Hardware\n"
                          "CompanyAddress:12 Mill Lane\n"
                          "CompanyCityZipCode:Springfield, IL 62704\n"
                          "InvoiceNumber:%1\n"
                          "CompanyNotes:Goods remain our property until paid in full.\n"
                          "TITLE:INVOICE\n"
                          "INVNUM:INVOICE#\n"
                          "BILLTO:BILL TO\n"
                          "SHIPTO:\n"
                          "CustomerName:\u0141\u00f3d\u017a Caf\u00e9\n"
                          "CustomerAddress:4 Harbour Road\n"
                          "CustomerCityZipCode:Shelbyville, IL 62565\n"
                          "InvoiceDate:1/9/2026\n"
                          "Item: 3           Brass hinges 75mm                             6.40       19.20GST       \n"
                          "Item: 0.50        Linseed oil (litre)                          11.00        5.50None      \n"
                          "Item: 12          Wood screws, box                              2.25       27.00GST       \n"
                          "TAXTOTAL: 4.62\n"
                          "TOTAL: 56.32\n"
                          "@END@")
        .arg(invoiceNumber);
}

inline QString PurchaseOrder()
{
    return QStringLiteral("PrintInvoice\n"
                          "CompanyName:Orvane Hardware\n"
                          "CompanyAddress:12 Mill Lane\n"
                          "CompanyCityZipCode:Springfield, IL 62704\n"
                          "InvoiceNumber:P-77\n"
                          "CompanyNotes: \n"
                          "TITLE:PURCHASE ORDER\n"
                          "INVNUM:P.O. NUM\n"
                          "BILLTO:VENDOR\n"
                          "SHIPTO:BILL AND SHIP TO\n"
                          "CustomerName:Acme Timber Supply\n"
                          "CustomerAddress:1 Industrial Way\n"
                          "CustomerCityZipCode:Chicago, IL 60601\n"
                          "InvoiceDate:1/10/2026\n"
                          "Item: 40          Pine board 1.2m                               3.10      124.00None      \n"
                          "Item: 6           Wall plugs, pack                              1.75       10.50None      \n"
                          "TOTAL: 134.50\n"
                          "@END@");
}

} // namespace PresslingJobs
