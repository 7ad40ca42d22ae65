#include "CPrintJobReader.h"

#include "PrintJobWire.h"

namespace {

constexpr QChar kLineFeed = u'\n';

// Columns of an item text (after its leading blank): start and width of each field.
struct ItemColumn
{
    qsizetype start;
    qsizetype width;
};
constexpr ItemColumn kQuantityColumn{0, 12};
constexpr ItemColumn kDescriptionColumn{12, 40};
constexpr ItemColumn kPriceColumn{52, 10};
constexpr ItemColumn kAmountColumn{62, 12};
constexpr ItemColumn kTaxColumn{74, 10};

QString Field(QStringView itemText, ItemColumn column)
{
    return itemText.mid(column.start, column.width).trimmed().toString();
}

} // namespace

CPrintJobReader::CPrintJobReader(QStringView jobText)
{
    for (const QString& line : SplitLines(jobText)) {
        std::optional<PrintJobLine> split = SplitKeyValue(line);
        if (!split) {
            continue;
        }
        if (split->key == u"Item") {
            m_itemTexts.append(split->value.mid(1));
        } else if (split->key == u"TAXTOTAL") {
            m_hasTaxTotal = true;
        }
        m_lines.append(std::move(*split));
    }
}

QStringList CPrintJobReader::SplitLines(QStringView text)
{
    QStringList lines;
    qsizetype position = 0;
    while (position < text.size()) {
        qsizetype end = text.indexOf(kLineFeed, position);
        if (end < 0) {
            end = text.size();
        }
        lines.append(text.sliced(position, end - position).toString());
        position = end + 1;
        // Blank lines between job lines (a doubled line feed) are not lines of their own.
        if (position < text.size() && text[position] == kLineFeed) {
            ++position;
        }
    }
    return lines;
}

std::optional<PrintJobLine> CPrintJobReader::SplitKeyValue(QStringView line)
{
    const qsizetype colon = line.indexOf(u':');
    if (colon < 0) {
        return std::nullopt;
    }
    return PrintJobLine{line.first(colon).toString(), line.sliced(colon + 1).toString()};
}

PrintJobItem CPrintJobReader::CutItem(QStringView itemText)
{
    PrintJobItem item{Field(itemText, kQuantityColumn), Field(itemText, kDescriptionColumn),
                      Field(itemText, kPriceColumn), Field(itemText, kAmountColumn), Field(itemText, kTaxColumn)};
    if (item.tax == u"None") {
        item.tax.clear();
    }
    return item;
}

bool CPrintJobReader::EndsWithEndMark(QStringView text)
{
    if (!text.endsWith(PrintJobWire::kEndMark)) {
        return false;
    }
    const qsizetype markStart = text.size() - PrintJobWire::kEndMark.size();
    return markStart == 0 || text[markStart - 1] == kLineFeed;
}
