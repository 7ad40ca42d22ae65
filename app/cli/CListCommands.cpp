#include "CListCommands.h"

#include "CCliArguments.h"
#include "CCliContext.h"
#include "CCsvWriter.h"

namespace {
const QString kListUsage = QStringLiteral("list categories|taxes|products|vendors|customers|company|counters|version");
}

QList<CCliCommand> CListCommands::Commands()
{
    return {
        {QStringLiteral("init"),
         QStringLiteral("init"),
         {},
         &CListCommands::Init,
         QStringLiteral("Opens the data file, creating it (and its folder) when missing, and loads the catalogue."),
         true},
        {QStringLiteral("list"),
         kListUsage,
         {},
         &CListCommands::List,
         QStringLiteral("Prints a list as CSV with a header line.")},
    };
}

int CListCommands::Init(CCliContext& context, const CCliArguments& arguments)
{
    if (!arguments.Positional().isEmpty()) {
        return context.Usage(QStringLiteral("init"));
    }
    return context.LoadCatalogue(true) ? 0 : CCliContext::kFailed;
}

void CListCommands::WritePayees(CCsvWriter& csv, const QList<PayeeRecord>& payees)
{
    csv.Text(QStringLiteral("PayeeID"));
    for (int i = 0; i < PayeeRecord::kTextCount; ++i) {
        csv.Text(PayeeRecord::TextName(i));
    }
    csv.EndRow();
    for (const PayeeRecord& payee : payees) {
        csv.Integer(payee.PayeeID);
        for (int i = 0; i < PayeeRecord::kTextCount; ++i) {
            csv.Text(payee.Text(i));
        }
        csv.EndRow();
    }
}

int CListCommands::List(CCliContext& context, const CCliArguments& arguments)
{
    static const QStringList lists = {
        QStringLiteral("categories"), QStringLiteral("taxes"),   QStringLiteral("products"), QStringLiteral("vendors"),
        QStringLiteral("customers"),  QStringLiteral("company"), QStringLiteral("counters"), QStringLiteral("version")};
    const QString which = arguments.Positional(0);
    if (arguments.Positional().size() != 1 || !lists.contains(which)) {
        return context.Usage(kListUsage);
    }
    if (!context.LoadCatalogue(false)) {
        return CCliContext::kFailed;
    }
    const CInventoryDoc& doc = context.Doc();
    CCsvWriter csv(context.Out());
    if (which == QLatin1String("categories")) {
        csv.Row({QStringLiteral("CategoryID"), QStringLiteral("CategoryName")});
        for (const CategoryRecord& category : doc.Categories()) {
            csv.Integer(category.CategoryID).Text(category.CategoryName).EndRow();
        }
    } else if (which == QLatin1String("taxes")) {
        csv.Row({QStringLiteral("TaxID"), QStringLiteral("TaxName"), QStringLiteral("TaxRate")});
        for (const TaxRecord& tax : doc.Taxes()) {
            csv.Integer(tax.TaxID).Text(tax.TaxName).Number(tax.TaxRate).EndRow();
        }
    } else if (which == QLatin1String("products")) {
        csv.Row({QStringLiteral("ProductID"), QStringLiteral("ProductDesc"), QStringLiteral("CategoryName"),
                 QStringLiteral("SalePrice"), QStringLiteral("UnitsOnHand"), QStringLiteral("UnitCost"),
                 QStringLiteral("AvgCost"), QStringLiteral("TaxID"), QStringLiteral("PayeeID")});
        for (const ItemRecord& item : doc.Products()) {
            csv.Text(item.ProductID).Text(item.ProductDesc).Text(item.CategoryName);
            csv.Number(item.SalePrice).Number(item.UnitsOnHand).Number(item.UnitCost).Number(item.AvgCost);
            csv.Integer(item.TaxID).Integer(item.PayeeID).EndRow();
        }
    } else if (which == QLatin1String("vendors")) {
        WritePayees(csv, doc.Vendors());
    } else if (which == QLatin1String("customers")) {
        WritePayees(csv, doc.Customers());
    } else if (which == QLatin1String("company")) {
        WritePayees(csv, {doc.OwnCompany()});
    } else if (which == QLatin1String("counters")) {
        const AutoNumberCounters& counters = doc.Counters();
        csv.Row({QStringLiteral("VersionID"), QStringLiteral("TransID"), QStringLiteral("ProductID"),
                 QStringLiteral("PayeeID"), QStringLiteral("TaxID"), QStringLiteral("CategoryID")});
        csv.Integer(counters.VersionID).Integer(counters.TransID).Integer(counters.ProductID);
        csv.Integer(counters.PayeeID).Integer(counters.TaxID).Integer(counters.CategoryID).EndRow();
    } else {
        const VersionRecord& version = doc.Version();
        csv.Row({QStringLiteral("MajorVersion"), QStringLiteral("MinorVersion"), QStringLiteral("VersionInfo")});
        csv.Integer(version.MajorVersion).Integer(version.MinorVersion).Text(version.VersionInfo).EndRow();
    }
    return context.Printed(QStringLiteral("list"));
}
