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

TEST(PrintJobWriter, ANumberTooWideForItsColumnLosesItsGroupingOrIsNamed)
{
    // Grouped while it fits; else without the group separators, whatever they are.
    EXPECT_EQ(CPrintJobWriter::FitNumber("150,000.00", 10, u","), "150,000.00");
    EXPECT_EQ(CPrintJobWriter::FitNumber("1,500,000.00", 10, u","), "1500000.00");
    EXPECT_EQ(CPrintJobWriter::FitNumber("3,000,000.00", 12, u","), "3,000,000.00");
    EXPECT_EQ(CPrintJobWriter::FitNumber("1.500.000,00", 10, u"."), "1500000,00");
    EXPECT_EQ(CPrintJobWriter::FitNumber(QString::fromUtf8("1\u202F500\u202F000,00"), 10, u"\u202F"), "1500000,00");
    EXPECT_EQ(CPrintJobWriter::FitNumber("12,345,678,901.00", 10, u","), "12345678901.00");

    CPrintJobWriter::Job job = SaleJob();
    job.items = {{"2", "Press", "1500000.00", "3,000,000.00", "GST"}};
    EXPECT_FALSE(CPrintJobWriter::TooWideNumber(job));
    EXPECT_EQ(DesktopFields(JobLines(job)[14]),
              (QStringList{"2           ", "Press" + QString(35, ' '), "1500000.00", "3,000,000.00", "GST       "}));

    // The first field too wide, in item order: quantity, price, amount.
    job.items.append({"1", "Crane", "12345678901.00", "12345678901.00", "None"});
    job.items.append({"1234567890123", "Barge", "1.00", "1,234,567,890,123.00", "None"});
    std::optional<CPrintJobWriter::WideNumber> wide = CPrintJobWriter::TooWideNumber(job);
    ASSERT_TRUE(wide);
    EXPECT_EQ(wide->item, 1);
    EXPECT_EQ(wide->column, u"price");
    EXPECT_EQ(wide->text, "12345678901.00");
    EXPECT_EQ(wide->columns, 10);
    job.items.removeAt(1);
    wide = CPrintJobWriter::TooWideNumber(job);
    ASSERT_TRUE(wide);
    EXPECT_EQ(wide->item, 1);
    EXPECT_EQ(wide->column, u"quantity");
    EXPECT_EQ(wide->columns, 12);
}

TEST(PrintJobWriter, ATaxNameLongerThanItsColumnIsCut)
{
    CPrintJobWriter::Job job = SaleJob();
    job.items = {{"1", "Bolt", "1.00", "1.00", "State sales tax"}};
    const QString line = JobLines(job)[14];
    EXPECT_EQ(line.size(), QStringLiteral("Item: ").size() + 84);
    EXPECT_EQ(DesktopFields(line)[4], "State sale");
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
