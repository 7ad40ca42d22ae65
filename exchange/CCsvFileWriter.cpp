#include "CCsvFileWriter.h"

#include "CsvText.h"

#include <QIODevice>
#include <QVarLengthArray>

#include <algorithm>

void CCsvFileWriter::WriteRow(const QStringList& fields)
{
    QVarLengthArray<QStringView, 16> views;
    for (const QString& field : fields) {
        views.append(field);
    }
    WriteRow(std::span<const QStringView>(views.constData(), views.size()), fields.size());
}

void CCsvFileWriter::WriteRow(std::span<const QStringView> fields, qsizetype width)
{
    if (!m_started) {
        m_started = true;
        Write(QByteArrayLiteral("\xEF\xBB\xBF"));
    }
    m_line.resize(0);
    for (qsizetype i = 0; i < width; ++i) {
        if (i > 0) {
            m_line += QLatin1Char(',');
        }
        const QStringView field = i < static_cast<qsizetype>(fields.size()) ? fields[i] : QStringView();
        if (!m_numberColumns.contains(i) && SpreadsheetCellNeedsGuard(field)) {
            AppendField(m_line, QString(QLatin1Char('\'')).append(field), m_quoting);
        } else {
            AppendField(m_line, field, m_quoting);
        }
    }
    m_line += QLatin1String("\r\n");
    Write(m_line.toUtf8());
}

QString CCsvFileWriter::Field(const QString& text, Quoting quoting)
{
    QString field;
    AppendField(field, text, quoting);
    return field;
}

void CCsvFileWriter::AppendField(QString& line, QStringView text, Quoting quoting)
{
    const bool edgeSpace = !text.isEmpty() && (text.front().isSpace() || text.back().isSpace());
    const bool quoted =
        (quoting == Quoting::KeepEdgeSpace && edgeSpace) || std::any_of(text.cbegin(), text.cend(), [](QChar c) {
            return c == QLatin1Char(',') || c == QLatin1Char('"') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
        });
    if (!quoted) {
        line += text;
        return;
    }
    line += QLatin1Char('"');
    for (const QChar c : text) {
        if (c == QLatin1Char('"')) {
            line += QLatin1Char('"');
        }
        line += c;
    }
    line += QLatin1Char('"');
}

void CCsvFileWriter::Write(const QByteArray& bytes)
{
    if (m_ok && m_device.write(bytes) != bytes.size()) {
        m_ok = false;
    }
}
