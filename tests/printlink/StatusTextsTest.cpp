#include "StatusTexts.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

const QDateTime kWhen(QDate(2026, 1, 9), QTime(13, 5, 7));

class StatusRows : public testing::Test
{
protected:
    void TearDown() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

} // namespace

TEST_F(StatusRows, RowsCarryTheLocalesShortDateAndLongTime)
{
    EXPECT_EQ(StatusTexts::SendingRow(kWhen), "1/9/26 1:05:07 PM  Send Data to Printer ...");
    EXPECT_EQ(StatusTexts::FinishedRow(kWhen, PrintOutcome{true, QString()}),
              "1/9/26 1:05:07 PM  Finish Data Sending ...");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(StatusTexts::SendingRow(kWhen), "09.01.26 13:05:07  Send Data to Printer ...");
}

TEST_F(StatusRows, WhereAPageWentOrWhyItFailedFollowsTheRow)
{
    EXPECT_EQ(StatusTexts::FinishedRow(kWhen, PrintOutcome{true, "saved as /tmp/a.pdf"}),
              "1/9/26 1:05:07 PM  Finish Data Sending ... saved as /tmp/a.pdf");
    EXPECT_EQ(StatusTexts::FinishedRow(kWhen, PrintOutcome{false, "cannot write /tmp/a.pdf"}),
              "1/9/26 1:05:07 PM  Printing failed: cannot write /tmp/a.pdf");
    EXPECT_EQ(StatusTexts::RefusedRow(kWhen), "1/9/26 1:05:07 PM  Job refused: too large");
}
