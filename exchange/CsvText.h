#pragma once

#include <QByteArray>
#include <QString>

// The text of a CSV file as spreadsheets save it: UTF-8 with or without a byte-order mark, or
// UTF-16 with one. Bytes that are not UTF-8 and carry no mark are read as Windows-1252 (the
// "CSV" of Western Windows spreadsheets), so no character is lost or replaced.
QString DecodeCsvText(const QByteArray& bytes);

// A text cell of a spreadsheet CSV file as it is written so that a spreadsheet shows it rather than
// runs it: a text that starts with "=", "+", "-", "@", a tab or a CR, after any apostrophes, gets
// one more apostrophe in front. Number cells are written as they are, never through this.
QString SpreadsheetCellText(const QString& text);
// True when SpreadsheetCellText puts an apostrophe in front of the text.
bool SpreadsheetCellNeedsGuard(QStringView text);
// The text a cell read from a spreadsheet stands for: one leading apostrophe fewer where
// SpreadsheetCellText would have put one, so that what was exported is imported unchanged.
QString TextOfSpreadsheetCell(const QString& cell);
