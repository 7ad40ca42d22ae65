#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>

// pdftotext's text of a PDF file, laid out as on the page; a null text when pdftotext is missing.
inline QString PdfText(const QString& path)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        return QString();
    }
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}
