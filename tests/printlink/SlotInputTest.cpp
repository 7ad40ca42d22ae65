#include "CPrintJobReader.h"
#include "CSlotInput.h"
#include "JobFixtures.h"
#include "PrintJobWire.h"

#include <gtest/gtest.h>

namespace {

using Outcome = CSlotInput::Outcome;

// Feeds bytes in chunks of chunkSize; returns each chunk's outcome.
QList<Outcome> FeedInChunks(CSlotInput& input, const QByteArray& bytes, qsizetype chunkSize)
{
    QList<Outcome> outcomes;
    for (qsizetype at = 0; at < bytes.size(); at += chunkSize) {
        outcomes.append(input.Feed(QByteArrayView(bytes).sliced(at, qMin(chunkSize, bytes.size() - at))));
    }
    return outcomes;
}

} // namespace

TEST(SlotInput, AJobInChunksOfAnySizeIsWholeOnceAtItsLastByte)
{
    const QString job = LoadJob(QStringLiteral("sale_with_tax"));
    const QByteArray bytes = PrintJobWire::EncodeText(job);
    for (qsizetype chunkSize : {1, 2, 3, 7, 10, 333, 10000}) {
        CSlotInput input;
        const QList<Outcome> outcomes = FeedInChunks(input, bytes, chunkSize);
        EXPECT_EQ(outcomes.count(Outcome::JobComplete), 1) << chunkSize;
        EXPECT_EQ(outcomes.last(), Outcome::JobComplete) << chunkSize;
        EXPECT_EQ(input.TakeJob(), job) << chunkSize;
        EXPECT_EQ(input.Size(), 0);
    }
}

TEST(SlotInput, ACharacterSplitAcrossChunksIsDecodedWhole)
{
    const QString job = QStringLiteral("PrintInvoice\nCustomerName:\u0141\u00f3d\u017a \U0001F600 Caf\u00e9\n@END@");
    const QByteArray bytes = PrintJobWire::EncodeText(job);
    const qsizetype emoji = bytes.indexOf(QByteArray("\x3D\xD8", 2));
    CSlotInput input;
    // Cut inside the first byte pair, then inside the surrogate pair.
    EXPECT_EQ(input.Feed(bytes.first(emoji + 1)), Outcome::NeedMore);
    EXPECT_EQ(input.Feed(bytes.sliced(emoji + 1, 2)), Outcome::NeedMore);
    EXPECT_EQ(input.Feed(bytes.sliced(emoji + 3)), Outcome::JobComplete);
    EXPECT_EQ(input.TakeJob(), job);
}

TEST(SlotInput, TheEndMarkCountsOnlyAsTheLastLineReceived)
{
    const QString job = LoadJob(QStringLiteral("end_mark_in_values"));
    const QByteArray bytes = PrintJobWire::EncodeText(job);
    CSlotInput input;
    // Chunks ending right after each "@END@" inside a value do not end the job.
    qsizetype from = 0;
    for (qsizetype mark = job.indexOf("@END@"); mark >= 0 && mark + 5 < job.size();
         mark = job.indexOf("@END@", mark + 1)) {
        EXPECT_EQ(input.Feed(bytes.sliced(2 * from, 2 * (mark + 5 - from))), Outcome::NeedMore) << mark;
        from = mark + 5;
    }
    EXPECT_EQ(input.Feed(bytes.sliced(2 * from)), Outcome::JobComplete);
    EXPECT_EQ(input.TakeJob(), job);

    // A line of just the mark with more text behind it in the same chunk is a value line.
    EXPECT_EQ(input.Feed(PrintJobWire::EncodeText(u"CompanyNotes:a\n@END@\nTOTAL: 1")), Outcome::NeedMore);
    EXPECT_EQ(input.Feed(PrintJobWire::EncodeText(u"\n@END@")), Outcome::JobComplete);
    EXPECT_EQ(input.TakeJob(), "CompanyNotes:a\n@END@\nTOTAL: 1\n@END@");
}

TEST(SlotInput, ASecondJobStartsEmptyWithTheByteCarriedOverTheEnd)
{
    const QByteArray first = PrintJobWire::EncodeText(u"PrintInvoice\nTOTAL: 1\n@END@");
    const QByteArray second = PrintJobWire::EncodeText(u"PrintInvoice\nTOTAL: 2\n@END@");
    CSlotInput input;
    // The chunk ends one byte into the second job.
    EXPECT_EQ(input.Feed(first + second.first(1)), Outcome::JobComplete);
    EXPECT_EQ(input.TakeJob(), "PrintInvoice\nTOTAL: 1\n@END@");
    EXPECT_EQ(input.Feed(second.sliced(1)), Outcome::JobComplete);
    EXPECT_EQ(input.TakeJob(), "PrintInvoice\nTOTAL: 2\n@END@");

    // A new connection drops a carried byte.
    EXPECT_EQ(input.Feed(QByteArray(1, 'X')), Outcome::NeedMore);
    input.Reset();
    EXPECT_EQ(input.Feed(PrintJobWire::EncodeText(u"@END@")), Outcome::JobComplete);
    EXPECT_EQ(input.TakeJob(), "@END@");
}

TEST(SlotInput, TheTextLimitIsCountedInUtf16UnitsAndNeverPassed)
{
    const QString tail = QStringLiteral("\n@END@");
    const QString fits = QString(PrintJobWire::kMaxJobChars - tail.size(), u'x') + tail;
    CSlotInput input;
    EXPECT_EQ(input.Feed(PrintJobWire::EncodeText(fits)), Outcome::JobComplete);
    EXPECT_EQ(input.TakeJob().size(), PrintJobWire::kMaxJobChars);

    // One unit more (a character outside the basic plane counts two) is refused.
    const QString over =
        QString(PrintJobWire::kMaxJobChars - tail.size() - 1, u'x') + QStringLiteral("\U0001F600") + tail;
    const QList<Outcome> outcomes = FeedInChunks(input, PrintJobWire::EncodeText(over), 1000);
    EXPECT_EQ(outcomes.last(), Outcome::TooLarge);
    EXPECT_FALSE(outcomes.contains(Outcome::JobComplete));
    EXPECT_EQ(input.Size(), 0);

    // A stream of ten megabytes never holds more than the limit.
    input.Reset();
    const QByteArray chunk(10000, 'A');
    qsizetype largest = 0;
    int refusals = 0;
    for (int i = 0; i < 1000; ++i) {
        refusals += input.Feed(chunk) == Outcome::TooLarge ? 1 : 0;
        largest = qMax(largest, input.Size());
    }
    EXPECT_LE(largest, PrintJobWire::kMaxJobChars);
    EXPECT_GT(refusals, 0);
}

TEST(SlotInput, AJobOfMoreThan41ItemsIsRefused)
{
    CSlotInput input;
    EXPECT_EQ(input.Feed(PrintJobWire::EncodeText(JobWithItems(41))), Outcome::JobComplete);
    EXPECT_EQ(CPrintJobReader(input.TakeJob()).ItemTexts().size(), 41);

    // 42 short item lines fit in the text limit but not in the item rows.
    QString shortItems = QStringLiteral("PrintInvoice\n");
    for (int i = 0; i < 42; ++i) {
        shortItems += QStringLiteral("Item: 1\n");
    }
    EXPECT_EQ(input.Feed(PrintJobWire::EncodeText(shortItems + "@END@")), Outcome::TooLarge);
    EXPECT_EQ(input.Size(), 0);
    EXPECT_EQ(input.Feed(PrintJobWire::EncodeText(JobWithItems(100))), Outcome::TooLarge);
}
