#include "StatusTexts.h"

#include <QLocale>

namespace StatusTexts {
namespace {

// The long time format names the time zone ("t"), which a status row does not need.
QString LongTimeFormatWithoutZone(const QLocale& locale)
{
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString kept;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'') {
            quoted = !quoted;
        }
        if (quoted || c != u't') {
            kept += c;
        }
    }
    return kept.trimmed();
}

QString Stamped(const QDateTime& when, QStringView text)
{
    return TimeStamp(when) + QStringLiteral("  ") + text.toString();
}

} // namespace

QString TimeStamp(const QDateTime& when)
{
    const QLocale locale;
    return locale.toString(when.date(), QLocale::ShortFormat) + u' ' +
           locale.toString(when.time(), LongTimeFormatWithoutZone(locale));
}

QString SendingRow(const QDateTime& when)
{
    return Stamped(when, u"Send Data to Printer ...");
}

QString FinishedRow(const QDateTime& when, const PrintOutcome& outcome)
{
    if (!outcome.printed) {
        return Stamped(when, FailureText(outcome));
    }
    const QString finished = Stamped(when, u"Finish Data Sending ...");
    return outcome.note.isEmpty() ? finished : finished + u' ' + outcome.note;
}

QString FailureText(const PrintOutcome& outcome)
{
    return QStringLiteral("Printing failed: ") + outcome.note;
}

QString RefusedRow(const QDateTime& when)
{
    return Stamped(when, kRefusedText);
}

} // namespace StatusTexts
