#pragma once

#include <QString>
#include <QStringList>

class QIODevice;

// Writes CSV files as spreadsheets open them: UTF-8 with a byte-order mark (so accents survive),
// lines ended by CR LF, and a field holding a comma, a double quote or a line break written in
// double quotes with its quotes doubled (RFC 4180); every other field is written unchanged.
// The device is opened and closed by the caller.
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

    // The first row written is preceded by the byte-order mark.
    void WriteRow(const QStringList& fields);
    // False once a write failed.
    bool Ok() const { return m_ok; }

    // One field as it is written.
    static QString Field(const QString& text, Quoting quoting = Quoting::WhereNeeded);

private:
    void Write(const QByteArray& bytes);

    QIODevice& m_device;
    Quoting m_quoting;
    bool m_started = false;
    bool m_ok = true;
};
