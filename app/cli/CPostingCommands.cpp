#include "CPostingCommands.h"

#include "CCliArguments.h"
#include "CCliContext.h"
#include "CCsvWriter.h"
#include "CDbRecordset.h"
#include "CDocOperation.h"
#include "CStockAdjustment.h"
#include "CStoredTransaction.h"
#include "CTransactionDeletion.h"
#include "CTransactionForm.h"
#include "DateText.h"
#include "NumberBounds.h"
#include "TransactionTypes.h"

#include <algorithm>

namespace {

const QString kSaleUsage =
    QStringLiteral("sale --party NAME [--date \"YYYY-MM-DD HH:MM:SS\"] [--invoice TEXT] [--id ID] "
                   "--line \"PRODUCT;QTY;PRICE[;TAXNAME;TAXRATE]\" ...");
const QString kPurchaseUsage =
    QStringLiteral("purchase --party NAME [--date \"YYYY-MM-DD HH:MM:SS\"] [--invoice TEXT] [--vendor-id N] [--id ID] "
                   "--line \"PRODUCT;QTY;PRICE[;TAXNAME;TAXRATE]\" ...");
const QString kAdjustUsage = QStringLiteral("adjust PRODUCT QTY");
const QString kAdjustmentUsage = QStringLiteral("adjustment set ID QTY");
const QString kTransactionUsage = QStringLiteral("transaction delete ID");
const QString kRegisterUsage = QStringLiteral("register");
const QStringList kPostingOptions = {QStringLiteral("party"),     QStringLiteral("date"), QStringLiteral("invoice"),
                                     QStringLiteral("vendor-id"), QStringLiteral("id"),   QStringLiteral("line")};

// 0 when the transaction's rows are read and there are some; else the exit code of the failure.
int LoadExisting(CCliContext& context, int32_t transactionID, CStoredTransaction& stored)
{
    if (!stored.Load(transactionID)) {
        return CCliContext::kFailed;
    }
    if (stored.Lines().isEmpty()) {
        return context.Fail(QStringLiteral("There is no transaction %1.").arg(transactionID));
    }
    return 0;
}

} // namespace

QList<CCliCommand> CPostingCommands::Commands()
{
    return {
        {QStringLiteral("sale"),
         kSaleUsage,
         {},
         &CPostingCommands::Sale,
         QStringLiteral("Posts a sale (or replaces sale ID) and prints its TransactionID.")},
        {QStringLiteral("purchase"),
         kPurchaseUsage,
         {},
         &CPostingCommands::Purchase,
         QStringLiteral("Posts a purchase (or replaces purchase ID) and prints its TransactionID.")},
        {QStringLiteral("adjust"),
         kAdjustUsage,
         {},
         &CPostingCommands::Adjust,
         QStringLiteral("Posts a stock adjustment of QTY (signed) and prints its TransactionID.")},
        {QStringLiteral("adjustment"),
         kAdjustmentUsage,
         {},
         &CPostingCommands::Adjustment,
         QStringLiteral("Changes an adjustment's quantity and re-derives stock, cost and value.")},
        {QStringLiteral("transaction"),
         kTransactionUsage,
         {},
         &CPostingCommands::Transaction,
         QStringLiteral("Asks, then deletes a whole transaction and re-derives what it touched.")},
        {QStringLiteral("register"),
         kRegisterUsage,
         {},
         &CPostingCommands::Register,
         QStringLiteral("Prints every stock movement in register order as CSV.")},
    };
}

int CPostingCommands::Sale(CCliContext& context, const CCliArguments& arguments)
{
    return PostTransaction(context, arguments, kTransSale);
}

int CPostingCommands::Purchase(CCliContext& context, const CCliArguments& arguments)
{
    return PostTransaction(context, arguments, kTransPurchase);
}

// One line as the line item dialog makes it: the product chosen, then its price and quantity on
// the number pad, with the same refusals and questions.
bool CPostingCommands::AddLine(CCliContext& context, CTransactionForm& form, const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(';'));
    if (parts.size() != 3 && parts.size() != 5) {
        context.Fail(QStringLiteral("--line: '%1' is not PRODUCT;QTY;PRICE[;TAXNAME;TAXRATE]").arg(text));
        return false;
    }
    const std::optional<double> quantity = context.Number(QStringLiteral("--line quantity"), parts[1]);
    const std::optional<double> price =
        quantity ? context.Number(QStringLiteral("--line price"), parts[2]) : std::nullopt;
    const std::optional<double> taxRate =
        !price ? std::nullopt
               : (parts.size() == 5 ? context.Number(QStringLiteral("--line tax rate"), parts[4]) : std::optional(0.0));
    if (!taxRate) {
        return false;
    }
    if (*taxRate < 0 || *taxRate > 100) {
        context.Fail(QStringLiteral("--line tax rate: '%1' is not from 0 to 100").arg(parts[4]));
        return false;
    }
    const CInventoryDoc& doc = context.Doc();
    int index = doc.FindProduct(parts[0], Qt::CaseSensitive);
    if (index < 0) {
        index = doc.FindProduct(parts[0], Qt::CaseInsensitive);
    }
    if (index < 0) {
        context.Fail(QStringLiteral("--line: no product named ") + parts[0]);
        return false;
    }
    const ItemRecord product = doc.Products()[index];
    CTransItemForm item = form.NewLineForm();
    if (!item.SelectProduct(product.ProductID)) {
        return false;
    }
    context.Prompter().QueueNumber(*price);
    if (!item.EnterPrice()) {
        return false;
    }
    context.Prompter().QueueNumber(*quantity);
    if (!item.EnterQuantity()) {
        return false;
    }
    // A sale line without a tax of its own takes its product's, also for a product the stored
    // transaction held (whose line keeps its tax otherwise).
    if (parts.size() == 5) {
        item.SetTax(parts[3], *taxRate);
    } else if (form.IsSale()) {
        item.SelectTax(product.TaxID);
    }
    if (!item.Confirm()) {
        return false;
    }
    form.AddLine(item.Line(), item.ProductVendor());
    return true;
}

int CPostingCommands::PostTransaction(CCliContext& context, const CCliArguments& arguments, int32_t transType)
{
    const QString usage = transType == kTransSale ? kSaleUsage : kPurchaseUsage;
    if (!arguments.Positional().isEmpty() || !arguments.UnknownOptions(kPostingOptions).isEmpty()) {
        return context.Usage(usage, QStringLiteral("unknown words: ") +
                                        (arguments.Positional() + arguments.UnknownOptions(kPostingOptions)).join(' '));
    }
    if (transType == kTransSale && arguments.Has(QStringLiteral("vendor-id"))) {
        return context.Usage(usage, QStringLiteral("--vendor-id: only a purchase records a vendor"));
    }
    const std::optional<int> id = arguments.Has(QStringLiteral("id"))
                                      ? context.Integer(QStringLiteral("--id"), arguments.Value(QStringLiteral("id")))
                                      : std::optional<int>(-1);
    const std::optional<int> vendorID =
        arguments.Has(QStringLiteral("vendor-id"))
            ? context.Integer(QStringLiteral("--vendor-id"), arguments.Value(QStringLiteral("vendor-id")))
            : std::optional<int>(-1);
    std::optional<QDateTime> date = QDateTime();
    if (arguments.Has(QStringLiteral("date"))) {
        date = ParseStoreDate(arguments.Value(QStringLiteral("date")));
        if (!date) {
            return context.Usage(
                usage,
                QStringLiteral("--date: '%1' is not YYYY-MM-DD HH:MM:SS").arg(arguments.Value(QStringLiteral("date"))));
        }
    }
    if (!id || !vendorID) {
        return CCliContext::kUsage;
    }
    if (!context.LoadCatalogue(false)) {
        return CCliContext::kFailed;
    }
    CInventoryDoc& doc = context.Doc();
    if (*vendorID >= 0 && std::none_of(doc.Vendors().cbegin(), doc.Vendors().cend(),
                                       [&](const PayeeRecord& vendor) { return vendor.PayeeID == *vendorID; })) {
        return context.Fail(QStringLiteral("--vendor-id: no vendor has the identifier %1").arg(*vendorID));
    }
    // The form of the window, filled as a user would fill it: the given lines replace a stored
    // transaction's.
    CTransactionForm form(doc, transType);
    if (*id >= 0) {
        if (!form.OpenStored(*id)) {
            return CCliContext::kFailed;
        }
        if (form.TransType() != transType) {
            return context.Fail(QStringLiteral("Transaction %1 is no %2.")
                                    .arg(*id)
                                    .arg(transType == kTransSale ? QLatin1String("sale") : QLatin1String("purchase")));
        }
        while (!form.Lines().isEmpty()) {
            form.SetSelection(0);
            form.DeleteSelectedLine();
        }
    }
    if (date->isValid()) {
        form.SetDate(*date);
    }
    if (arguments.Has(QStringLiteral("invoice"))) {
        form.SetInvoiceNum(arguments.Value(QStringLiteral("invoice")));
    }
    form.SetParty(arguments.Value(QStringLiteral("party")), *vendorID);
    for (const QString& text : arguments.Values(QStringLiteral("line"))) {
        if (!AddLine(context, form, text)) {
            return CCliContext::kFailed;
        }
    }
    if (form.Save() != CTransactionForm::SaveResult::Saved) {
        return CCliContext::kFailed;
    }
    context.Out() << form.TransactionID() << Qt::endl;
    return 0;
}

int CPostingCommands::Adjust(CCliContext& context, const CCliArguments& arguments)
{
    if (arguments.Positional().size() != 2) {
        return context.Usage(kAdjustUsage);
    }
    const std::optional<double> quantity = context.Number(QStringLiteral("QTY"), arguments.Positional(1));
    if (!quantity) {
        return CCliContext::kUsage;
    }
    if (!context.LoadCatalogue(false)) {
        return CCliContext::kFailed;
    }
    CInventoryDoc& doc = context.Doc();
    // The product's cost is taken from the file as it is while the adjustment is written.
    CDocOperation operation(doc);
    if (!operation.Started()) {
        return CCliContext::kFailed;
    }
    const int index = doc.FindProduct(arguments.Positional(0), Qt::CaseInsensitive);
    if (index < 0) {
        return context.Fail(QStringLiteral("No product named ") + arguments.Positional(0));
    }
    if (IsNoise(*quantity)) {
        return context.Fail(QStringLiteral("Zero is not a valid adjustment value!"));
    }
    ItemRecord item = doc.Products()[index];
    item.UnitsOnHand = *quantity;
    const int32_t transactionID = doc.Counters().TransID;
    if (!doc.PostStockAdjustment(item, CInventoryDoc::kAdjustment) || !operation.Commit()) {
        return CCliContext::kFailed;
    }
    context.Out() << transactionID << Qt::endl;
    return 0;
}

int CPostingCommands::Adjustment(CCliContext& context, const CCliArguments& arguments)
{
    if (arguments.Positional().size() != 3 || arguments.Positional(0) != QLatin1String("set")) {
        return context.Usage(kAdjustmentUsage);
    }
    const std::optional<int> id = context.Integer(QStringLiteral("ID"), arguments.Positional(1));
    const std::optional<double> quantity =
        id ? context.Number(QStringLiteral("QTY"), arguments.Positional(2)) : std::nullopt;
    if (!quantity) {
        return CCliContext::kUsage;
    }
    if (!context.LoadCatalogue(false)) {
        return CCliContext::kFailed;
    }
    CStoredTransaction stored(context.Doc());
    if (const int failed = LoadExisting(context, *id, stored)) {
        return failed;
    }
    if (stored.TransType() == kTransOpeningBalance) {
        return context.Fail(QStringLiteral("You can not edit Open/Close Transaction"));
    }
    if (stored.TransType() != kTransAdjustment) {
        return context.Fail(QStringLiteral("Transaction %1 is no adjustment.").arg(*id));
    }
    const TransactionLine& line = stored.Lines().first();
    const auto edit =
        CStockAdjustment(context.Doc()).EditQuantity(*id, line.ProductID, stored.TransDate(), line.Quantity, *quantity);
    return edit == CStockAdjustment::Edit::Changed || edit == CStockAdjustment::Edit::Unchanged ? 0
                                                                                                : CCliContext::kFailed;
}

int CPostingCommands::Transaction(CCliContext& context, const CCliArguments& arguments)
{
    if (arguments.Positional().size() != 2 || arguments.Positional(0) != QLatin1String("delete")) {
        return context.Usage(kTransactionUsage);
    }
    const std::optional<int> id = context.Integer(QStringLiteral("ID"), arguments.Positional(1));
    if (!id) {
        return CCliContext::kUsage;
    }
    if (!context.LoadCatalogue(false)) {
        return CCliContext::kFailed;
    }
    CStoredTransaction stored(context.Doc());
    if (const int failed = LoadExisting(context, *id, stored)) {
        return failed;
    }
    if (!context.Prompter().AskYesNo(CTransactionDeletion::Question(stored.TransType(), stored.Split()),
                                     CPrompter::Icon::Warning)) {
        return CCliContext::kFailed;
    }
    return context.Doc().DeleteTransaction(*id, stored.TransDate()) ? 0 : CCliContext::kFailed;
}

int CPostingCommands::Register(CCliContext& context, const CCliArguments& arguments)
{
    if (!arguments.Positional().isEmpty()) {
        return context.Usage(kRegisterUsage);
    }
    if (!context.LoadCatalogue(false)) {
        return CCliContext::kFailed;
    }
    const QStringList columns = {"TransactionID", "TransDate", "TransType", "InvoiceNum", "ProductID",
                                 "CompanyName",   "Quantity",  "UnitCost",  "AvgCost",    "UnitsOnHand",
                                 "LineTotal",     "Split",     "ItemOrder"};
    CDbRecordset rows(context.Connection());
    if (!rows.Open(QStringLiteral("SELECT %1 FROM TransItem order by TransDate,ItemOrder,TransactionID,rowid")
                       .arg(columns.join(QLatin1Char(','))),
                   CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockReadOnly)) {
        return context.Fail(QStringLiteral("Unable to execute command(Register)"));
    }
    CCsvWriter csv(context.Out());
    csv.Row(columns);
    for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext()) {
        for (int i = 0; i < columns.size(); ++i) {
            csv.Value(rows.GetFieldValue(i));
        }
        csv.EndRow();
    }
    return context.Printed(QStringLiteral("register"));
}
