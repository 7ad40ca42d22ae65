// Feeds arbitrary bytes to a connection's job input in chunks, as a handheld (or anyone) may send
// them, and lays out every job it accepts; the reader also gets the whole input as text.

#include "CFixedWidthMeasure.h"
#include "CInvoiceLayout.h"
#include "CPrintJobReader.h"
#include "CSlotInput.h"
#include "PrintJobWire.h"

#include <QByteArrayView>
#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

void LayOut(CInvoiceLayout& layout, const QString& job, std::uint8_t shape)
{
    layout.Fill(job);
    const PageMetrics metrics{1 + shape * 40, 1 + shape * 5};
    const int pageCount = layout.PageCount();
    for (int index = 0; index < pageCount; ++index) {
        const InvoicePage page = layout.Page(metrics, CFixedWidthMeasure(shape % 20), index);
        // Only the last page has the two boxes of the totals.
        const qsizetype shapes = qsizetype(InvoiceForm::Shapes().size()) - (index == pageCount - 1 ? 0 : 2);
        if (page.rects.size() != shapes) {
            __builtin_trap();
        }
    }
    if (layout.ItemTexts().size() > PrintJobWire::kMaxItems) {
        __builtin_trap();
    }
}

void ReadWhole(QByteArrayView bytes)
{
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.data()), bytes.size() / 2);
    const CPrintJobReader reader(text);
    for (const QString& item : reader.ItemTexts()) {
        CPrintJobReader::CutItem(item);
    }
    CPrintJobReader::EndsWithEndMark(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2) {
        return 0;
    }
    // Labels keep their texts from job to job, as the program's do.
    static CInvoiceLayout layout;
    // The first byte sets the chunk size, so chunk boundaries fall anywhere.
    const std::size_t chunkSize = 1 + data[0] % 97;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    ReadWhole(bytes);

    CSlotInput input;
    for (qsizetype at = 0; at < bytes.size(); at += qsizetype(chunkSize)) {
        const qsizetype length = std::min(qsizetype(chunkSize), bytes.size() - at);
        switch (input.Feed(bytes.sliced(at, length))) {
        case CSlotInput::Outcome::NeedMore:
            break;
        case CSlotInput::Outcome::JobComplete:
            LayOut(layout, input.TakeJob(), data[0]);
            break;
        case CSlotInput::Outcome::TooLarge:
            input.Reset();
            break;
        }
        if (input.Size() > PrintJobWire::kMaxJobChars) {
            __builtin_trap();
        }
    }
    return 0;
}
