#include "CPrintJobWriter.h"

#include "PrintJobWire.h"

namespace {

// A value ends at the first line feed on the desktop; a blank keeps the rest of it on its line.
QString OneLine(QString value)
{
    value.replace(QLatin1String("\r\n"), QLatin1String(" "));
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value;
}

// At most columns UTF-16 units, never half of a surrogate pair, padded with blanks to columns.
QString CutToColumns(const QString& text, qsizetype columns)
{
    qsizetype length = std::min(text.size(), columns);
    if (length > 0 && length < text.size() && text[length - 1].isHighSurrogate()) {
        --length;
    }
    return text.left(length).leftJustified(columns, QLatin1Char(' '));
}

QString CityLine(const CPrintJobWriter::Address& address)
{
    return QStringLiteral("%1, %2 %3").arg(address.city, address.state, address.postalCode);
}

} // namespace

QString CPrintJobWriter::ItemLine(const Item& item)
{
    return QLatin1String("Item: ") + OneLine(item.quantity).leftJustified(kQuantityColumns, QLatin1Char(' ')) +
           CutToColumns(OneLine(item.description), kDescriptionColumns) +
           OneLine(item.price).rightJustified(kPriceColumns, QLatin1Char(' ')) +
           OneLine(item.amount).rightJustified(kAmountColumns, QLatin1Char(' ')) +
           CutToColumns(OneLine(item.taxName), kTaxColumns);
}

QString CPrintJobWriter::FitNumber(const QString& number, qsizetype columns, QStringView groupSeparator)
{
    if (number.size() <= columns || groupSeparator.isEmpty()) {
        return number;
    }
    QString ungrouped = number;
    return ungrouped.remove(groupSeparator.toString());
}

std::optional<CPrintJobWriter::WideNumber> CPrintJobWriter::TooWideNumber(const Job& job)
{
    for (qsizetype i = 0; i < job.items.size(); ++i) {
        const Item& item = job.items[i];
        const WideNumber fields[] = {{i, u"quantity", item.quantity, kQuantityColumns},
                                     {i, u"price", item.price, kPriceColumns},
                                     {i, u"amount", item.amount, kAmountColumns}};
        for (const WideNumber& field : fields) {
            if (OneLine(field.text).size() > field.columns) {
                return field;
            }
        }
    }
    return std::nullopt;
}

QString CPrintJobWriter::Text(const Job& job)
{
    QStringList lines;
    const auto add = [&lines](const char* key, const QString& value) { lines << QLatin1String(key) + OneLine(value); };
    lines << QStringLiteral("PrintInvoice");
    add("CompanyName:", job.company.name);
    add("CompanyAddress:", job.company.address);
    add("CompanyCityZipCode:", CityLine(job.company));
    add("InvoiceNumber:", job.invoiceNumber);
    add("CompanyNotes:", job.isSale ? job.companyNotes : QStringLiteral(" "));
    add("TITLE:", job.isSale ? QStringLiteral("INVOICE") : QStringLiteral("PURCHASE ORDER"));
    add("INVNUM:", job.isSale ? QStringLiteral("INVOICE#") : QStringLiteral("P.O. NUM"));
    add("BILLTO:", job.isSale ? QStringLiteral("BILL TO") : QStringLiteral("VENDOR"));
    add("SHIPTO:", job.isSale ? QString() : QStringLiteral("BILL AND SHIP TO"));
    add("CustomerName:", job.party.name);
    add("CustomerAddress:", job.party.address);
    add("CustomerCityZipCode:", CityLine(job.party));
    add("InvoiceDate:", job.invoiceDate);
    for (const Item& item : job.items) {
        lines << ItemLine(item);
    }
    if (job.isSale) {
        add("TAXTOTAL: ", job.taxTotal);
    }
    add("TOTAL: ", job.total);
    lines << PrintJobWire::kEndMark.toString();
    return lines.join(QLatin1Char('\n'));
}
