#include "CCatalogueCommands.h"

#include "CCategorySetup.h"
#include "CCliArguments.h"
#include "CCliContext.h"
#include "CItemSetupForm.h"
#include "CProductOperations.h"
#include "CSaleTaxSetup.h"
#include "NumberBounds.h"

#include <functional>

namespace {

const QString kCategoryUsage = QStringLiteral("category add NAME | category rename NAME NEW | category delete NAME");
const QString kTaxUsage =
    QStringLiteral("tax add NAME RATE | tax update NAME [--name NEW] [--rate R] | tax delete NAME");
const QString kProductUsage = QStringLiteral(
    "product add NAME --category C [--desc D] [--price P] [--cost C] [--qty Q] [--tax T] [--vendor V] [--note N] | "
    "product edit NAME [--name NEW] [same options] | product onhand NAME QTY | product delete NAME");
const QStringList kProductOptions = {QStringLiteral("category"), QStringLiteral("desc"), QStringLiteral("price"),
                                     QStringLiteral("cost"),     QStringLiteral("qty"),  QStringLiteral("tax"),
                                     QStringLiteral("vendor"),   QStringLiteral("note"), QStringLiteral("name")};

// Position of the first entry whose name equals the text without regard to case; -1 when none.
template <typename Record>
int FindByName(const QList<Record>& records, const QString& name, QString Record::*field)
{
    for (int i = 0; i < records.size(); ++i) {
        if ((records[i].*field).compare(name, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

} // namespace

QList<CCliCommand> CCatalogueCommands::Commands()
{
    return {
        {QStringLiteral("category"),
         kCategoryUsage,
         {},
         &CCatalogueCommands::Category,
         QStringLiteral("Adds, renames or deletes a category.")},
        {QStringLiteral("tax"),
         kTaxUsage,
         {},
         &CCatalogueCommands::Tax,
         QStringLiteral("Adds, changes or deletes a sale tax (RATE in percent, 0 to 100).")},
        {QStringLiteral("product"),
         kProductUsage,
         {},
         &CCatalogueCommands::Product,
         QStringLiteral("Adds, changes, re-stocks or deletes a product; a quantity is posted as a stock movement.")},
    };
}

int CCatalogueCommands::Category(CCliContext& context, const CCliArguments& arguments)
{
    const QString action = arguments.Positional(0);
    const int expected = action == QLatin1String("rename") ? 3 : 2;
    if (arguments.Positional().size() != expected || !QStringList{"add", "rename", "delete"}.contains(action)) {
        return context.Usage(kCategoryUsage);
    }
    if (!context.LoadCatalogue(false)) {
        return CCliContext::kFailed;
    }
    CCategorySetup setup(context.Doc());
    if (action == QLatin1String("add")) {
        setup.SetName(arguments.Positional(1));
        return setup.Add() ? 0 : CCliContext::kFailed;
    }
    const int index = FindByName(context.Doc().Categories(), arguments.Positional(1), &CategoryRecord::CategoryName);
    if (index < 0) {
        return context.Fail(QStringLiteral("No category named ") + arguments.Positional(1));
    }
    setup.Select(index);
    if (action == QLatin1String("rename")) {
        setup.SetName(arguments.Positional(2));
        return setup.Update() ? 0 : CCliContext::kFailed;
    }
    return setup.Delete() ? 0 : CCliContext::kFailed;
}

int CCatalogueCommands::Tax(CCliContext& context, const CCliArguments& arguments)
{
    const QString action = arguments.Positional(0);
    const int expected = action == QLatin1String("add") ? 3 : 2;
    if (arguments.Positional().size() != expected || !QStringList{"add", "update", "delete"}.contains(action) ||
        !arguments.UnknownOptions({QStringLiteral("name"), QStringLiteral("rate")}).isEmpty()) {
        return context.Usage(kTaxUsage);
    }
    const std::optional<double> rate =
        action == QLatin1String("add") ? context.Number(QStringLiteral("RATE"), arguments.Positional(2))
        : arguments.Has(QStringLiteral("rate"))
            ? context.Number(QStringLiteral("--rate"), arguments.Value(QStringLiteral("rate")))
            : std::optional<double>(0.0);
    if (!rate) {
        return CCliContext::kUsage;
    }
    if (!context.LoadCatalogue(false)) {
        return CCliContext::kFailed;
    }
    CSaleTaxSetup setup(context.Doc());
    if (action == QLatin1String("add")) {
        setup.SetName(arguments.Positional(1));
        setup.SetRate(*rate);
        return setup.Add() ? 0 : CCliContext::kFailed;
    }
    const int index = FindByName(context.Doc().Taxes(), arguments.Positional(1), &TaxRecord::TaxName);
    if (index < 0) {
        return context.Fail(QStringLiteral("No sale tax named ") + arguments.Positional(1));
    }
    setup.Select(index);
    if (action == QLatin1String("update")) {
        if (arguments.Has(QStringLiteral("name"))) {
            setup.SetName(arguments.Value(QStringLiteral("name")));
        }
        if (arguments.Has(QStringLiteral("rate"))) {
            setup.SetRate(*rate);
        }
        return setup.Update() ? 0 : CCliContext::kFailed;
    }
    return setup.Delete() ? 0 : CCliContext::kFailed;
}

int CCatalogueCommands::SaveProduct(CCliContext& context, const CCliArguments& arguments, CItemSetupForm& form)
{
    CInventoryDoc& doc = context.Doc();
    const auto text = [&](const char* option, QString& field) {
        if (arguments.Has(QLatin1String(option))) {
            field = arguments.Value(QLatin1String(option));
        }
    };
    text("name", form.name);
    text("desc", form.description);
    text("note", form.note);
    const std::pair<const char*, bool (CItemSetupForm::*)(double)> numbers[] = {
        {"price", &CItemSetupForm::SetSalePrice},
        {"cost", &CItemSetupForm::SetUnitCost},
        {"qty", &CItemSetupForm::SetQuantity},
    };
    for (const auto& [option, set] : numbers) {
        if (!arguments.Has(QLatin1String(option))) {
            continue;
        }
        const std::optional<double> value =
            context.Number(QStringLiteral("--") + QLatin1String(option), arguments.Value(QLatin1String(option)));
        if (!value) {
            return CCliContext::kUsage;
        }
        if (!(form.*set)(*value)) {
            return CCliContext::kFailed;
        }
    }
    if (arguments.Has(QStringLiteral("category"))) {
        const int index =
            FindByName(doc.Categories(), arguments.Value(QStringLiteral("category")), &CategoryRecord::CategoryName);
        if (index < 0) {
            return context.Fail(QStringLiteral("No category named ") + arguments.Value(QStringLiteral("category")));
        }
        form.categoryID = doc.Categories()[index].CategoryID;
    }
    if (arguments.Has(QStringLiteral("tax"))) {
        const int index = FindByName(doc.Taxes(), arguments.Value(QStringLiteral("tax")), &TaxRecord::TaxName);
        if (index < 0) {
            return context.Fail(QStringLiteral("No sale tax named ") + arguments.Value(QStringLiteral("tax")));
        }
        form.taxID = doc.Taxes()[index].TaxID;
    }
    if (arguments.Has(QStringLiteral("vendor"))) {
        const int index =
            FindByName(doc.Vendors(), arguments.Value(QStringLiteral("vendor")), &PayeeRecord::CompanyName);
        if (index < 0) {
            return context.Fail(QStringLiteral("No vendor named ") + arguments.Value(QStringLiteral("vendor")));
        }
        form.vendorID = doc.Vendors()[index].PayeeID;
    }
    return form.Save() == CItemSetupForm::SaveResult::Saved ? 0 : CCliContext::kFailed;
}

int CCatalogueCommands::Product(CCliContext& context, const CCliArguments& arguments)
{
    const QString action = arguments.Positional(0);
    const int expected = action == QLatin1String("onhand") ? 3 : 2;
    const bool takesOptions = action == QLatin1String("add") || action == QLatin1String("edit");
    if (arguments.Positional().size() != expected || !QStringList{"add", "edit", "onhand", "delete"}.contains(action) ||
        !arguments.UnknownOptions(takesOptions ? kProductOptions : QStringList()).isEmpty() ||
        (action == QLatin1String("add") &&
         (arguments.Has(QStringLiteral("name")) || !arguments.Has(QStringLiteral("category"))))) {
        return context.Usage(kProductUsage);
    }
    if (!context.LoadCatalogue(false)) {
        return CCliContext::kFailed;
    }
    CInventoryDoc& doc = context.Doc();
    if (action == QLatin1String("add")) {
        CItemSetupForm form(doc, QString());
        form.name = arguments.Positional(1);
        const int none = FindByName(doc.Taxes(), QStringLiteral("None"), &TaxRecord::TaxName);
        form.taxID = none >= 0 ? doc.Taxes()[none].TaxID : -1;
        return SaveProduct(context, arguments, form);
    }
    int index = doc.FindProduct(arguments.Positional(1), Qt::CaseSensitive);
    if (index < 0) {
        index = doc.FindProduct(arguments.Positional(1), Qt::CaseInsensitive);
    }
    if (index < 0) {
        return context.Fail(QStringLiteral("No product named ") + arguments.Positional(1));
    }
    if (action == QLatin1String("edit")) {
        CItemSetupForm form(doc, doc.Products()[index].ProductID);
        return SaveProduct(context, arguments, form);
    }
    if (action == QLatin1String("onhand")) {
        const std::optional<double> quantity = context.Number(QStringLiteral("QTY"), arguments.Positional(2));
        if (!quantity) {
            return CCliContext::kUsage;
        }
        const ItemRecord& product = doc.Products()[index];
        // The stock already is what was asked: nothing to post, and nothing failed.
        if (IsNoise(*quantity - product.UnitsOnHand)) {
            context.Prompter().ShowMessage(QStringLiteral("%1 has %2 on hand already; nothing was posted")
                                               .arg(product.ProductID, arguments.Positional(2)));
            return 0;
        }
        context.Prompter().QueueNumber(*quantity);
        return CProductOperations(doc).ChangeOnHand(product.ProductID) ? 0 : CCliContext::kFailed;
    }
    return CProductOperations(doc).Delete(doc.Products()[index].ProductID) ? 0 : CCliContext::kFailed;
}
