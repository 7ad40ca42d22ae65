#pragma once

#include <QFile>
#include <QString>

// The fixture jobs under tests/printjob/jobs, as the handheld writes them (the files are UTF-8;
// the wire form is PrintJobWire::EncodeText of the text).
inline QString LoadJob(const QString& name)
{
    QFile file(QStringLiteral(PRINTJOB_FIXTURES "/%1.job").arg(name));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// An item line as the handheld writes it: five fields padded to their columns.
inline QString ItemLine(const QString& quantity, const QString& description, const QString& price,
                        const QString& amount, const QString& tax)
{
    return QStringLiteral("Item: %1%2%3%4%5")
        .arg(quantity, -12)
        .arg(description, -40)
        .arg(price, 10)
        .arg(amount, 12)
        .arg(tax, -10);
}

// A sale with count items, each line about 90 characters.
inline QString JobWithItems(int count)
{
    QString job = QStringLiteral("PrintInvoice\nCompanyName:Orvane Hardware\nInvoiceNumber:9\n");
    for (int i = 1; i <= count; ++i) {
        job += ItemLine(QString::number(i), QStringLiteral("Part %1").arg(i), QStringLiteral("1.00"),
                        QStringLiteral("%1.00").arg(i), QStringLiteral("None")) +
               u'\n';
    }
    return job + QStringLiteral("TOTAL: 1.00\n@END@");
}
