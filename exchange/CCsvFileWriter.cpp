#include "CCsvFileWriter.h"

#include "CsvText.h"

#include <QIODevice>

#include <algorithm>

void CCsvFileWriter::WriteRow(const QStringList& fields)
{
    if (!m_started) {
        m_started = true;
        Write(QByteArrayLiteral("\xEF\xBB\xBF"));
    }
    QStringList written;
    written.reserve(fields.size());
    for (qsizetype i = 0; i < fields.size(); ++i) {
        written << Field(m_numberColumns.contains(i) ? fields[i] : SpreadsheetCellText(fields[i]), m_quoting);
    }
    Write(written.join(QLatin1Char(',')).toUtf8() + QByteArrayLiteral("\r\n"));
}

QString CCsvFileWriter::Field(const QString& text, Quoting quoting)
{
    const bool edgeSpace = !text.isEmpty() && (text.front().isSpace() || text.back().isSpace());
    const bool quoted =
        (quoting == Quoting::KeepEdgeSpace && edgeSpace) || std::any_of(text.cbegin(), text.cend(), [](QChar c) {
            return c == QLatin1Char(',') || c == QLatin1Char('"') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
        });
    if (!quoted) {
        return text;
    }
    QString escaped = text;
    return QLatin1Char('"') + escaped.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

void CCsvFileWriter::Write(const QByteArray& bytes)
{
    if (m_ok && m_device.write(bytes) != bytes.size()) {
        m_ok = false;
    }
}
