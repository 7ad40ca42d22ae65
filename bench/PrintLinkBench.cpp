// Taking in one full job (41 items, near the text limit) as a connection's chunks and laying out its
// page, each beside the floor: decoding the same bytes with Qt's UTF-16 decoder alone.

#include "CFixedWidthMeasure.h"
#include "CInvoiceLayout.h"
#include "CSlotInput.h"
#include "PrintJobWire.h"

#include <QStringDecoder>

#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype kChunkBytes = 1460; // one Ethernet segment's payload

QString FullJob()
{
    QString job = QStringLiteral("PrintInvoice\nCompanyName:Orvane Hardware\nInvoiceNumber:1042\nTITLE:INVOICE\n");
    for (int i = 1; i <= PrintJobWire::kMaxItems; ++i) {
        job += QStringLiteral("Item: %1%2%3%4%5\n")
                   .arg(QString::number(i), -12)
                   .arg(QStringLiteral("Part number %1").arg(i), -40)
                   .arg(QStringLiteral("1.00"), 10)
                   .arg(QStringLiteral("%1.00").arg(i), 12)
                   .arg(QStringLiteral("GST"), -10);
    }
    return job + QStringLiteral("TAXTOTAL: 1.00\nTOTAL: 9.00\n@END@");
}

void TakeInJob(benchmark::State& state)
{
    const QByteArray bytes = PrintJobWire::EncodeText(FullJob());
    CSlotInput input;
    for (auto _ : state) {
        for (qsizetype at = 0; at < bytes.size(); at += kChunkBytes) {
            if (input.Feed(QByteArrayView(bytes).sliced(at, qMin(kChunkBytes, bytes.size() - at))) ==
                CSlotInput::Outcome::JobComplete) {
                benchmark::DoNotOptimize(input.TakeJob());
            }
        }
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void TakeInJobFloor(benchmark::State& state)
{
    const QByteArray bytes = PrintJobWire::EncodeText(FullJob());
    QStringDecoder decoder(QStringConverter::Utf16LE);
    for (auto _ : state) {
        QString text;
        for (qsizetype at = 0; at < bytes.size(); at += kChunkBytes) {
            text += decoder.decode(QByteArrayView(bytes).sliced(at, qMin(kChunkBytes, bytes.size() - at)));
        }
        benchmark::DoNotOptimize(text);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void LayOutPage(benchmark::State& state)
{
    const QString job = FullJob();
    CInvoiceLayout layout;
    const CFixedWidthMeasure measure(40);
    for (auto _ : state) {
        layout.Fill(job);
        benchmark::DoNotOptimize(layout.Page(PageMetrics{4960, 600}, measure));
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(TakeInJob);
BENCHMARK(TakeInJobFloor);
BENCHMARK(LayOutPage)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
