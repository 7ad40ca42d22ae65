#include "DateText.h"

#include <QRegularExpression>

namespace {

// The digits of text[from, from + count), or -1 when one is no digit.
int Digits(QStringView text, int from, int count)
{
    int value = 0;
    for (int i = from; i < from + count; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') {
            return -1;
        }
        value = value * 10 + (c - u'0');
    }
    return value;
}

} // namespace

// The form the store writes every date in, read without the pattern: a cursor over the whole
// register reads one per row, and the pattern costs more than the rest of the row.
bool ReadStoredDateParts(QStringView text, QDate& day, QTime& time)
{
    if (text.size() != 19 || text[4] != u'-' || text[7] != u'-' || text[10] != u' ' || text[13] != u':' ||
        text[16] != u':') {
        return false;
    }
    day = QDate(Digits(text, 0, 4), Digits(text, 5, 2), Digits(text, 8, 2));
    time = QTime(Digits(text, 11, 2), Digits(text, 14, 2), Digits(text, 17, 2));
    return day.isValid() && time.isValid();
}

namespace {

std::optional<QDateTime> ParseStoredForm(QStringView text)
{
    QDate day;
    QTime time;
    if (!ReadStoredDateParts(text, day, time)) {
        return std::nullopt;
    }
    return QDateTime(day, time);
}

} // namespace

std::optional<QDateTime> ParseStoreDate(const QString& text)
{
    if (const std::optional<QDateTime> stored = ParseStoredForm(text)) {
        return stored;
    }
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*(\d{1,4})[/-](\d{1,2})[/-](\d{1,2})(?:[ T]+(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?)?\s*$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    const QTime time(match.captured(4).toInt(), match.captured(5).toInt(), match.captured(6).toInt());
    if (!date.isValid() || !time.isValid()) {
        return std::nullopt;
    }
    return QDateTime(date, time);
}

QString StoreDateText(const QDateTime& value)
{
    // Written by hand for the years four digits hold: a whole-book copy writes one per row, and
    // the format string costs more than the rest of the row.
    const QDate day = value.date();
    const QTime time = value.time();
    if (!day.isValid() || !time.isValid() || day.year() < 0 || day.year() > 9999) {
        return value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
    char16_t text[19];
    const auto put = [&text](int at, int number, int digits) {
        for (int i = digits - 1; i >= 0; --i, number /= 10) {
            text[at + i] = static_cast<char16_t>(u'0' + number % 10);
        }
    };
    put(0, day.year(), 4);
    text[4] = u'-';
    put(5, day.month(), 2);
    text[7] = u'-';
    put(8, day.day(), 2);
    text[10] = u' ';
    put(11, time.hour(), 2);
    text[13] = u':';
    put(14, time.minute(), 2);
    text[16] = u':';
    put(17, time.second(), 2);
    return QString(reinterpret_cast<const QChar*>(text), 19);
}
