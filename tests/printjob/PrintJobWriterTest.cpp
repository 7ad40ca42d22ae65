#include "CPrintJobWriter.h"

#include <gtest/gtest.h>

namespace {

CPrintJobWriter::Job SaleJob()
{
    CPrintJobWriter::Job job;
    job.company = {"Orvane Hardware", "12 Mill Lane", "Springfield", "IL", "62704"};
    job.companyNotes = "Thank you";
    job.invoiceNumber = "1042";
    job.party = {"Bright Cafe", "4 Harbour Road", "Shelbyville", "IL", "62565"};
    job.invoiceDate = "1/9/26";
    job.taxTotal = "1.35";
    job.total = "16.85";
    return job;
}

QStringList JobLines(const CPrintJobWriter::Job& job)
{
    return CPrintJobWriter::Text(job).split('\n');
}

// The five item fields as the desktop cuts them: columns 1-12, 13-52, 53-62, 63-74, 75-84 of
// the value after its first character.
QStringList DesktopFields(const QString& itemLine)
{
    const QString value = itemLine.mid(QStringLiteral("Item: ").size());
    return {value.mid(0, 12), value.mid(12, 40), value.mid(52, 10), value.mid(62, 12), value.mid(74, 10)};
}

TEST(PrintJobWriter, ItemFieldsKeepTheirColumnsAndLongDescriptionsAreCut)
{
    CPrintJobWriter::Job job = SaleJob();
    job.items = {{"3", "Bolt", "4.50", "13.50", "GST"},
                 {"1.50", QString(45, 'D'), "1,234.00", "1,851.00", "None"},
                 // A cut never splits a character made of two UTF-16 units.
                 {"2", QString(39, 'x') + QString::fromUtf8("\xF0\x9F\x94\xA9") + "tail", "1.00", "2.00", "None"}};
    const QStringList lines = JobLines(job);
    ASSERT_EQ(lines.size(), 20);
    EXPECT_EQ(lines[14],
              "Item: 3" + QString(11, ' ') + "Bolt" + QString(36, ' ') + "      4.50" + "       13.50" + "GST       ");
    EXPECT_EQ(DesktopFields(lines[15]),
              (QStringList{"1.50        ", QString(40, 'D'), "  1,234.00", "    1,851.00", "None      "}));
    EXPECT_EQ(DesktopFields(lines[16]),
              (QStringList{"2           ", QString(39, 'x') + ' ', "      1.00", "        2.00", "None      "}));
    // Numbers are padded, never cut: one wider than its field moves the fields after it.
    job.items = {{"1,000,000,000.50", "Wide", "1.00", "1,000,000,000.50", "None"}};
    EXPECT_EQ(JobLines(job)[14],
              "Item: 1,000,000,000.50Wide" + QString(36, ' ') + "      1.00" + "1,000,000,000.50" + "None      ");
}

TEST(PrintJobWriter, ALineBreakInsideAValueIsSentAsABlank)
{
    CPrintJobWriter::Job job = SaleJob();
    job.companyNotes = "Thank you\nfor your business.\r\nTerms: 30 days\rnet";
    job.party.address = "4 Harbour Road\nUnit 2";
    job.items = {{"1", "Two\nlines", "1.00", "1.00", "None"}};
    const QStringList lines = JobLines(job);
    ASSERT_EQ(lines.size(), 18);
    EXPECT_EQ(lines[5], "CompanyNotes:Thank you for your business. Terms: 30 days net");
    EXPECT_EQ(lines[11], "CustomerAddress:4 Harbour Road Unit 2");
    EXPECT_EQ(DesktopFields(lines[14])[1], "Two lines" + QString(31, ' '));
}

} // namespace
