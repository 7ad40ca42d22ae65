#include "CPrintJobReader.h"
#include "JobFixtures.h"
#include "PrintJobWire.h"

#include <gtest/gtest.h>

namespace {

QStringList Keys(const CPrintJobReader& reader)
{
    QStringList keys;
    for (const PrintJobLine& line : reader.Lines()) {
        keys.append(line.key);
    }
    return keys;
}

QString ValueOf(const CPrintJobReader& reader, const QString& key)
{
    for (const PrintJobLine& line : reader.Lines()) {
        if (line.key == key) {
            return line.value;
        }
    }
    return QStringLiteral("<missing>");
}

QStringList Fields(const PrintJobItem& item)
{
    return {item.quantity, item.description, item.price, item.amount, item.tax};
}

} // namespace

TEST(PrintJobReader, ReadsEveryLineOfASaleWithTax)
{
    const CPrintJobReader reader(LoadJob(QStringLiteral("sale_with_tax")));
    // "PrintInvoice" and "@END@" have no colon and are no lines of the reader.
    EXPECT_EQ(Keys(reader),
              QStringList({"CompanyName", "CompanyAddress", "CompanyCityZipCode", "InvoiceNumber", "CompanyNotes",
                           "TITLE", "INVNUM", "BILLTO", "SHIPTO", "CustomerName", "CustomerAddress",
                           "CustomerCityZipCode", "InvoiceDate", "Item", "Item", "Item", "TAXTOTAL", "TOTAL"}));
    EXPECT_EQ(ValueOf(reader, "CompanyCityZipCode"), "Springfield, IL 62704");
    EXPECT_EQ(ValueOf(reader, "SHIPTO"), "");
    // The blank after the colon stays part of the value.
    EXPECT_EQ(ValueOf(reader, "TOTAL"), " 39.65");
    EXPECT_TRUE(reader.HasTaxTotal());

    ASSERT_EQ(reader.ItemTexts().size(), 3);
    EXPECT_EQ(reader.ItemTexts()[0].size(), 84);
    EXPECT_EQ(Fields(CPrintJobReader::CutItem(reader.ItemTexts()[0])),
              QStringList({"2", "Espresso cups", "4.50", "9.00", "GST"}));
    // Only "None" means no tax; "none" is a tax called so.
    EXPECT_EQ(Fields(CPrintJobReader::CutItem(reader.ItemTexts()[1])),
              QStringList({"1.50", "Coffee beans 1kg", "18.00", "27.00", ""}));
    EXPECT_EQ(CPrintJobReader::CutItem(reader.ItemTexts()[2]).tax, "none");
}

TEST(PrintJobReader, APurchaseOrderHasNoTaxTotalAndABlankNote)
{
    const CPrintJobReader reader(LoadJob(QStringLiteral("purchase_order")));
    EXPECT_FALSE(reader.HasTaxTotal());
    EXPECT_EQ(ValueOf(reader, "CompanyNotes"), " ");
    EXPECT_EQ(ValueOf(reader, "TITLE"), "PURCHASE ORDER");
    EXPECT_EQ(reader.ItemTexts().size(), 2);
}

TEST(PrintJobReader, LinesOfAMultiLineNoteStandOnTheirOwn)
{
    const CPrintJobReader reader(LoadJob(QStringLiteral("multi_line_note")));
    EXPECT_EQ(ValueOf(reader, "CompanyNotes"), "Open Monday to Friday");
    // A continuation line with a colon reads as a key of its own; one without is dropped.
    EXPECT_EQ(ValueOf(reader, "Call us"), " 555 0100");
    EXPECT_FALSE(Keys(reader).contains("We deliver"));
    EXPECT_EQ(ValueOf(reader, "CustomerName"), "Walk-in");
}

TEST(PrintJobReader, ValuesHoldingTheEndMarkAreReadWhole)
{
    const QString job = LoadJob(QStringLiteral("end_mark_in_values"));
    const CPrintJobReader reader(job);
    EXPECT_EQ(ValueOf(reader, "CompanyNotes"), "Mark your parcel @END@ on the label");
    EXPECT_EQ(ValueOf(reader, "CustomerName"), "Shop @END@");
    EXPECT_EQ(CPrintJobReader::CutItem(reader.ItemTexts()[0]).description, "Box @END@");
    EXPECT_EQ(ValueOf(reader, "TOTAL"), " 2.00");

    // Only a last line of exactly the mark ends a job.
    EXPECT_TRUE(CPrintJobReader::EndsWithEndMark(job));
    EXPECT_FALSE(CPrintJobReader::EndsWithEndMark(job.left(job.indexOf("@END@") + 5)));
    EXPECT_TRUE(CPrintJobReader::EndsWithEndMark(u"@END@"));
    EXPECT_FALSE(CPrintJobReader::EndsWithEndMark(u"x\n@END@ "));
    EXPECT_FALSE(CPrintJobReader::EndsWithEndMark(u"x\n@END@\n"));
    EXPECT_FALSE(CPrintJobReader::EndsWithEndMark(u"END@"));
    EXPECT_FALSE(CPrintJobReader::EndsWithEndMark(u""));
}

TEST(PrintJobReader, ASecondLineFeedIsSkippedAThirdIsAnEmptyLine)
{
    EXPECT_EQ(CPrintJobReader::SplitLines(u"a\n\nb\n\n\nc\n"), QStringList({"a", "b", "", "c"}));
    EXPECT_EQ(CPrintJobReader::SplitLines(u"\n\nx"), QStringList({"", "x"}));
    EXPECT_EQ(CPrintJobReader::SplitLines(u"a\r\nb"), QStringList({"a\r", "b"}));
    EXPECT_TRUE(CPrintJobReader::SplitLines(u"").isEmpty());
}

TEST(PrintJobReader, KeyAndValueSplitAtTheFirstColon)
{
    const std::optional<PrintJobLine> line = CPrintJobReader::SplitKeyValue(u" Key : 10:30 a.m. ");
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(line->key, " Key ");
    EXPECT_EQ(line->value, " 10:30 a.m. ");
    EXPECT_FALSE(CPrintJobReader::SplitKeyValue(u"PrintInvoice").has_value());
    const std::optional<PrintJobLine> emptyKey = CPrintJobReader::SplitKeyValue(u":x");
    ASSERT_TRUE(emptyKey.has_value());
    EXPECT_EQ(emptyKey->key, "");
    EXPECT_EQ(emptyKey->value, "x");
}

TEST(PrintJobReader, ItemFieldsAreFixedColumns)
{
    // A description over 40 characters pushes the later fields out of their columns: the desktop
    // then reads them wrongly, but never beyond the text.
    const QString longItem =
        ItemLine("3", QString(45, u'D'), "1.00", "3.00", "GST").mid(QStringLiteral("Item: ").size());
    EXPECT_EQ(Fields(CPrintJobReader::CutItem(longItem)),
              QStringList({"3", QString(40, u'D'), "DDDDD", "1.00", "3.00GST"}));
    // A short or empty item leaves the missing fields empty.
    EXPECT_EQ(Fields(CPrintJobReader::CutItem(u"7           Nails")), QStringList({"7", "Nails", "", "", ""}));
    EXPECT_EQ(Fields(CPrintJobReader::CutItem(u"")), QStringList({"", "", "", "", ""}));
}

TEST(PrintJobReader, ItemLinesAreCountedInJobOrder)
{
    const CPrintJobReader reader(JobWithItems(41));
    ASSERT_EQ(reader.ItemTexts().size(), 41);
    EXPECT_EQ(CPrintJobReader::CutItem(reader.ItemTexts()[40]).description, "Part 41");
    // Keys are matched with letter case and untrimmed for items.
    EXPECT_TRUE(CPrintJobReader(u"item: 1\n Item: 2\nITEM: 3").ItemTexts().isEmpty());
}

TEST(PrintJobWire, TextsTravelAsUtf16LittleEndian)
{
    const QByteArray reply = PrintJobWire::EncodeText(PrintJobWire::kReceivedReply);
    ASSERT_EQ(reply.size(), 32);
    EXPECT_EQ(reply.left(4), QByteArray("M\0e\0", 4));
    EXPECT_EQ(PrintJobWire::EncodeText(u"\u0141\U0001F600"), QByteArray("\x41\x01\x3D\xD8\x00\xDE", 6));
}
