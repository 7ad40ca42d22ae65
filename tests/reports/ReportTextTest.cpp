#include "ReportCellText.h"
#include "ReportRange.h"
#include "ReportRow.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

// Sets the process's time zone for one test and puts the old one back.
class TimeZone
{
public:
    explicit TimeZone(const char* zone) : m_old(qgetenv("TZ")), m_hadOld(qEnvironmentVariableIsSet("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~TimeZone()
    {
        if (m_hadOld) {
            qputenv("TZ", m_old);
        } else {
            qunsetenv("TZ");
        }
        tzset();
    }

private:
    QByteArray m_old;
    bool m_hadOld;
};

// Sets the default locale for one test and puts the United States one back.
class Locale
{
public:
    explicit Locale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~Locale() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

} // namespace

TEST(ReportCellText, NumbersArePrintfTextsInEveryLocale)
{
    for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::German)}) {
        Locale scoped(locale);
        EXPECT_EQ(MoneyText(2.125), "2.12"); // printf's rounding of the exact binary value
        EXPECT_EQ(MoneyText(2.5), "2.50");
        EXPECT_EQ(MoneyText(-3), "-3.00");
        EXPECT_EQ(MoneyText(1234567.891), "1234567.89");
        EXPECT_EQ(QuantityText(6), "6");
        EXPECT_EQ(QuantityText(-4), "-4");
        EXPECT_EQ(QuantityText(2.5), "2.50");
        EXPECT_EQ(QuantityText(12345), "12345");
        EXPECT_EQ(QuantityText(3e9), "3000000000");
        EXPECT_EQ(QuantityText(-1e12), "-1000000000000");
        EXPECT_EQ(PercentText(40), "40.00%");
        EXPECT_EQ(PercentText(200.0 / 3), "66.67%");
    }
}

TEST(ReportCellText, DatesInTheLocalesShortFormOrMonthDayYear)
{
    const QDate march7(2005, 3, 7);
    EXPECT_EQ(DateCellText(march7), "3/7/05");
    {
        Locale german(QLocale(QLocale::German, QLocale::Germany));
        EXPECT_EQ(DateCellText(march7), "07.03.05");
    }
    Locale c(QLocale::c());
    EXPECT_EQ(DateCellText(march7), "3/7/05");
    EXPECT_EQ(DateCellText(QDate(2026, 11, 23)), "11/23/26");
    EXPECT_EQ(DateCellText(QDate(2000, 1, 1)), "1/1/00");
}

TEST(ReportRange, CoversWholeDaysWithTheStatementBounds)
{
    const ReportRange oneDay = ReportRange::Days(QDate(2026, 1, 9), QDate(2026, 1, 9));
    EXPECT_EQ(oneDay.from, QDateTime(QDate(2026, 1, 9), QTime(0, 0)));
    EXPECT_EQ(oneDay.to, QDateTime(QDate(2026, 1, 10), QTime(0, 0)));
    EXPECT_EQ(oneDay.FromText(), "2026-01-09 00:00:00");
    EXPECT_EQ(oneDay.ToText(), "2026-01-10 00:00:00");
    const ReportRange yearEnd = ReportRange::Days(QDate(2025, 12, 1), QDate(2025, 12, 31));
    EXPECT_EQ(yearEnd.ToText(), "2026-01-01 00:00:00");
}

// Where the clocks go back, the last day has 25 hours: 24 hours after its midnight is still the
// same day, which would end the range at its start.
TEST(ReportRange, TheLastDayEndsAtTheNextMidnightWhenClocksChange)
{
    TimeZone berlin("Europe/Berlin");
    const ReportRange autumn = ReportRange::Days(QDate(2026, 10, 25), QDate(2026, 10, 25));
    EXPECT_EQ(autumn.to, QDateTime(QDate(2026, 10, 26), QTime(0, 0)));
    EXPECT_EQ(autumn.from.secsTo(autumn.to), 25 * 3600);
    EXPECT_EQ(autumn.ToText(), "2026-10-26 00:00:00");
    const ReportRange spring = ReportRange::Days(QDate(2026, 3, 29), QDate(2026, 3, 29));
    EXPECT_EQ(spring.from.secsTo(spring.to), 23 * 3600);
    EXPECT_EQ(spring.ToText(), "2026-03-30 00:00:00");
}

// A row keeps its cells in one block: every text comes back as it went in, whatever its
// characters or length, padded or cut to the columns.
TEST(ReportRowCells, TextsComeBackWholeAndFitTheColumns)
{
    const QString longName(70000, QLatin1Char('x'));
    const QString accented = QStringLiteral("Caf\u00e9 \u20ac \U0001F600");
    const QString cells[] = {QStringLiteral(" Sale"), accented, QString(), longName, QStringLiteral("12.50")};
    const std::vector<QStringView> views(std::begin(cells), std::end(cells));
    const ReportRow row(ReportRow::Kind::Line, views, 6);
    EXPECT_EQ(row.Cells(), (QStringList{" Sale", accented, "", longName, "12.50", ""}));
    EXPECT_EQ(row.RowShade(), ReportRow::Shade::Grey);

    const ReportRow cut(ReportRow::Kind::Heading, views, 2);
    EXPECT_EQ(cut.Cells(), (QStringList{" Sale", accented}));
    EXPECT_EQ(cut.Cell(2), QString());

    const QStringView heading[] = {u"Widget"};
    EXPECT_EQ(ReportRow(ReportRow::Kind::Heading, heading, 3).RowShade(), ReportRow::Shade::Tint);
    EXPECT_EQ(ReportRow(ReportRow::Kind::Blank, {}, 3).Cells(), (QStringList{"", "", ""}));
    EXPECT_EQ(ReportRow(ReportRow::Kind::Blank, {}, 3).RowShade(), ReportRow::Shade::White);
}
