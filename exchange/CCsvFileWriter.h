#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <span>

class QIODevice;

// Writes CSV files as spreadsheets open them: UTF-8 with a byte-order mark (so accents survive),
// lines ended by CR LF, and a field holding a comma, a double quote or a line break written in
// double quotes with its quotes doubled (RFC 4180); every other field is written unchanged.
// Cells are text unless their column is a number column, and a text a spreadsheet would run as a
// formula is written as SpreadsheetCellText makes it. The device is opened and closed by the caller.
class CCsvFileWriter
{
public:
    enum class Quoting
    {
        WhereNeeded,
        // Also a field with white space at either end, which a reader trims from unquoted fields:
        // for files the program reads back.
        KeepEdgeSpace
    };

    explicit CCsvFileWriter(QIODevice& device, Quoting quoting = Quoting::WhereNeeded)
        : m_device(device), m_quoting(quoting)
    {}

    // Columns (from 0) whose cells are numbers the program wrote, such as "-12.50".
    void SetNumberColumns(QList<qsizetype> columns) { m_numberColumns = std::move(columns); }
    // The first row written is preceded by the byte-order mark.
    void WriteRow(const QStringList& fields);
    // The same for fields held elsewhere, padded with empty fields to width.
    void WriteRow(std::span<const QStringView> fields, qsizetype width);
    // False once a write failed, or the rows were abandoned.
    bool Ok() const { return m_ok; }
    // The rows turned out incomplete: what was written is not to be kept.
    void Abandon() { m_ok = false; }

    // One field as it is written, as it is (for files that scripts read, not spreadsheets).
    static QString Field(const QString& text, Quoting quoting = Quoting::WhereNeeded);

private:
    static void AppendField(QString& line, QStringView text, Quoting quoting);
    void Write(const QByteArray& bytes);

    QIODevice& m_device;
    Quoting m_quoting;
    QList<qsizetype> m_numberColumns;
    bool m_started = false;
    bool m_ok = true;
    // Kept between rows so that a large report's lines reuse one block.
    QString m_line;
};
