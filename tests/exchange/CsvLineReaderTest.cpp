// Reading the records of a CSV file: the header, blank lines, the quoting rules, line numbers
// and format errors, and the text encodings spreadsheets save in.

#include "CCsvLineReader.h"
#include "CsvText.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <gtest/gtest.h>

namespace {

// Every record as "line: field|field|...", and a format error as "line: error".
QStringList Records(const QString& text)
{
    CCsvLineReader reader(text);
    QStringList records;
    for (;;) {
        const CCsvLineReader::Status status = reader.Next();
        if (status == CCsvLineReader::Status::End) {
            return records;
        }
        records << QStringLiteral("%1: %2")
                       .arg(reader.LineNumber())
                       .arg(status == CCsvLineReader::Status::FormatError ? QStringLiteral("error")
                                                                          : reader.Fields().join(QLatin1Char('|')));
    }
}

} // namespace

TEST(CCsvLineReader, SkipsTheHeaderWhateverItHoldsAndBlankLines)
{
    EXPECT_EQ(Records(""), QStringList());
    EXPECT_EQ(Records("Company,\"unclosed\n"), QStringList());
    EXPECT_EQ(Records("\"unclosed header\nA,B\n\n   \t\nC,D"), (QStringList{"2: A|B", "5: C|D"}));
}

TEST(CCsvLineReader, PlainFieldsAreTrimmedAndRunToTheNextComma)
{
    EXPECT_EQ(Records("h\n  Acme ,  12 Main St,x\"y\"z ,\n"), (QStringList{"2: Acme|12 Main St|x\"y\"z|"}));
    // A comma at the end is followed by one more, empty, field; so is a comma on its own.
    EXPECT_EQ(Records("h\na,b,\n,\n").join(QLatin1Char('/')), "2: a|b|/3: |");
}

TEST(CCsvLineReader, QuotedFieldsKeepTheirTextWithCommasQuotesAndLineBreaks)
{
    const QString text = "h\r\n"
                         "  \"Smith, Jones\" ,\"He said \"\"hi\"\"\",\" padded \"\r\n"
                         "\"two\r\nlines\nand three\",last\r\n"
                         "a,\"quoted last\"\r\n"
                         "\"\",\"\"\"\"\r\n"
                         "b,\"\"  \r\n";
    EXPECT_EQ(Records(text), (QStringList{"2: Smith, Jones|He said \"hi\"| padded ", "3: two\r\nlines\nand three|last",
                                          "6: a|quoted last", "7: |\"", "8: b|"}));
}

TEST(CCsvLineReader, EveryKindOfLineEndCountsOneLine)
{
    EXPECT_EQ(Records("h\ra\r\rb\r\nc\n\r\nd"), (QStringList{"2: a", "4: b", "5: c", "7: d"}));
}

TEST(CCsvLineReader, QuotingErrorsStopAtTheLineTheRecordStartsOn)
{
    EXPECT_EQ(Records("h\nok\n\"closed\" junk,x\nnever read\n"), (QStringList{"2: ok", "3: error"}));
    EXPECT_EQ(Records("h\nok\n\nx,\"opened\nand\nnever closed\n"), (QStringList{"2: ok", "4: error"}));
}

TEST(CCsvLineReader, NothingIsCut)
{
    const QString longText(100000, QLatin1Char('x'));
    CCsvLineReader reader("h\n" + longText + ",\"" + longText + "\"\n");
    ASSERT_EQ(reader.Next(), CCsvLineReader::Status::Record);
    EXPECT_EQ(reader.Fields(), (QStringList{longText, longText}));
    EXPECT_EQ(reader.Next(), CCsvLineReader::Status::End);
    EXPECT_EQ(reader.Position(), reader.Size());
}

TEST(CsvText, ReadsUtf8WithOrWithoutAMarkAndUtf16WithOne)
{
    const QString text = QString::fromUtf8("Caf\u00e9,\u6771\u4eac,\U0001F600\r\n");
    EXPECT_EQ(DecodeCsvText(text.toUtf8()), text);
    EXPECT_EQ(DecodeCsvText("\xEF\xBB\xBF" + text.toUtf8()), text);
    for (const QStringConverter::Encoding encoding : {QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
        QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
        const QByteArray bytes = encoder(text);
        EXPECT_EQ(DecodeCsvText(bytes), text) << int(encoding);
    }
}

TEST(CsvText, BytesThatAreNoUtf8AreReadAsWindows1252)
{
    // "Café – 5 €" as a Western Windows spreadsheet saves it.
    EXPECT_EQ(DecodeCsvText(QByteArray("Caf\xE9 \x96 5 \x80")), QString::fromUtf8("Caf\u00e9 \u2013 5 \u20ac"));
}
