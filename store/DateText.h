#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// Date-time texts as the store keeps them: "YYYY-MM-DD HH:MM:SS", so that a text comparison is
// a chronological one.

// Reads "Y/M/D[ H:M[:S]]" or "Y-M-D[ H:M[:S]]" (a "T" may separate date and time), with or
// without leading zeros. Returns nothing for any other text or an impossible date.
std::optional<QDateTime> ParseStoreDate(const QString& text);

// Reads the stored form "YYYY-MM-DD HH:MM:SS" alone into a day and a time, without building a
// local date-time (which asks for the time zone); false for any other text or an impossible date.
bool ReadStoredDateParts(QStringView text, QDate& day, QTime& time);

// The stored form of a date-time; seconds are kept, milliseconds dropped.
QString StoreDateText(const QDateTime& value);
