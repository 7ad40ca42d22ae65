// The stored form of dates: what is written reads back as the same day and second.

#include "DateText.h"

#include <gtest/gtest.h>

TEST(DateText, TheStoredFormHasFixedWidthsAtEveryYearAndReadsBack)
{
    struct Case
    {
        QDateTime value;
        const char* text;
    };
    const Case cases[] = {
        {QDateTime(QDate(2026, 1, 9), QTime(10, 0)), "2026-01-09 10:00:00"},
        {QDateTime(QDate(999, 12, 31), QTime(23, 59, 59, 999)), "0999-12-31 23:59:59"},
        {QDateTime(QDate(1, 2, 3), QTime(4, 5, 6)), "0001-02-03 04:05:06"},
        {QDateTime(QDate(9999, 12, 31), QTime(0, 0)), "9999-12-31 00:00:00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StoreDateText(c.value), QString::fromLatin1(c.text));
        EXPECT_EQ(ParseStoreDate(StoreDateText(c.value)), c.value.addMSecs(-c.value.time().msec()));
    }
    // Outside four digits the general formatter answers, as before.
    const QDateTime far(QDate(12026, 5, 6), QTime(7, 8, 9));
    EXPECT_EQ(StoreDateText(far), far.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}
