#pragma once

// Lets GoogleTest print Qt values readably in failure messages.

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString& value, std::ostream* os)
{
    *os << '"' << value.toStdString() << '"';
}

inline void PrintTo(const QStringList& value, std::ostream* os)
{
    *os << '[';
    for (int i = 0; i < value.size(); ++i) {
        *os << (i > 0 ? ", " : "") << '"' << value[i].toStdString() << '"';
    }
    *os << ']';
}

inline void PrintTo(const QDateTime& value, std::ostream* os)
{
    *os << value.toString(Qt::ISODate).toStdString();
}
