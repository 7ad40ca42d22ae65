#pragma once

#include <QByteArray>
#include <QString>

// The text of a CSV file as spreadsheets save it: UTF-8 with or without a byte-order mark, or
// UTF-16 with one. Bytes that are not UTF-8 and carry no mark are read as Windows-1252 (the
// "CSV" of Western Windows spreadsheets), so no character is lost or replaced.
QString DecodeCsvText(const QByteArray& bytes);
