#pragma once

#include "CDbVariant.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

class QTextStream;

// Rows of comma-separated values for scripts: a field holding a comma, a quote or a line break
// is quoted with inner quotes doubled; numbers are plain ("." point, no grouping, the shortest
// text that reads back to the same double); dates are "YYYY-MM-DD HH:MM:SS". Lines end in "\n".
class CCsvWriter
{
public:
    explicit CCsvWriter(QTextStream& out) : m_out(out) {}

    CCsvWriter& Text(const QString& value);
    CCsvWriter& Number(double value);
    CCsvWriter& Integer(qint64 value);
    CCsvWriter& Date(const QDateTime& value);
    // A value read from the store: null as an empty field, others by their kind.
    CCsvWriter& Value(const CDbVariant& value);
    void EndRow();
    void Row(const QStringList& texts);

private:
    QTextStream& m_out;
    QStringList m_fields;
};
