#include "CsvText.h"

#include <QStringDecoder>

#include <array>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five bytes it leaves undefined keep
// their Latin-1 meaning.
constexpr std::array<char16_t, 32> kWindows1252High = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                       0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                       0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                       0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString FromWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text[i] = byte >= 0x80 && byte <= 0x9F ? QChar(kWindows1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

// A cell a spreadsheet would take for a formula (or, after a tab or CR, may trim into one), with
// any apostrophes already in front of it.
bool StartsAsFormula(QStringView text)
{
    qsizetype at = 0;
    while (at < text.size() && text[at] == QLatin1Char('\'')) {
        ++at;
    }
    if (at == text.size()) {
        return false;
    }
    const QChar first = text[at];
    return first == QLatin1Char('=') || first == QLatin1Char('+') || first == QLatin1Char('-') ||
           first == QLatin1Char('@') || first == QLatin1Char('\t') || first == QLatin1Char('\r');
}

} // namespace

QString DecodeCsvText(const QByteArray& bytes)
{
    if (const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(bytes)) {
        // The decoder drops the mark itself.
        QStringDecoder decoder(*marked);
        return decoder(bytes);
    }
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8(bytes);
    return utf8.hasError() ? FromWindows1252(bytes) : text;
}

bool SpreadsheetCellNeedsGuard(QStringView text)
{
    return StartsAsFormula(text);
}

QString SpreadsheetCellText(const QString& text)
{
    return StartsAsFormula(text) ? QLatin1Char('\'') + text : text;
}

QString TextOfSpreadsheetCell(const QString& cell)
{
    return cell.startsWith(QLatin1Char('\'')) && StartsAsFormula(cell) ? cell.mid(1) : cell;
}
