#include "CProductImport.h"

#include "CCategorySetup.h"
#include "CCsvImport.h"
#include "CDbRecordset.h"
#include "CInventoryDoc.h"
#include "CItemSetupForm.h"
#include "CPayeeSetup.h"
#include "CPrompter.h"
#include "CSaleTaxSetup.h"
#include "CsvText.h"
#include "ExchangeLayout.h"
#include "LocaleNumber.h"
#include "NameText.h"
#include "NumberBounds.h"
#include "SqlText.h"

using namespace ExchangeLayout;

namespace {

// The fields the line sets; the average cost comes from the product's history.
bool SameProduct(const ItemRecord& a, const ItemRecord& b)
{
    return a.ProductID == b.ProductID && a.ProductDesc == b.ProductDesc && a.ProductNote == b.ProductNote &&
           a.CategoryID == b.CategoryID && a.PayeeID == b.PayeeID && a.TaxID == b.TaxID &&
           a.UnitsOnHand == b.UnitsOnHand && a.SalePrice == b.SalePrice && a.UnitCost == b.UnitCost;
}

// The first of equal names is the one found.
template <typename Record, typename Value>
void IndexFirst(QHash<QString, Value>& index, const QList<Record>& records, QString Record::*name, Value Record::*value)
{
    for (const Record& record : records) {
        const QString key = NameKey(record.*name);
        if (!index.contains(key)) {
            index.insert(key, record.*value);
        }
    }
}

} // namespace

int CProductImport::FieldCount() const
{
    return kProductFieldCount;
}

QString CProductImport::ProgressText() const
{
    return QStringLiteral("Importing products ....");
}

void CProductImport::Begin()
{
    // Every new product posts its opening balance; the running value is re-derived once.
    m_doc.DeferAssetBalance();
    m_categories.clear();
    m_taxes.clear();
    m_vendors.clear();
    m_products.clear();
    IndexFirst(m_categories, m_doc.Categories(), &CategoryRecord::CategoryName, &CategoryRecord::CategoryID);
    IndexFirst(m_taxes, m_doc.Taxes(), &TaxRecord::TaxName, &TaxRecord::TaxID);
    IndexFirst(m_vendors, m_doc.Vendors(), &PayeeRecord::CompanyName, &PayeeRecord::PayeeID);
    for (const ItemRecord& product : m_doc.Products()) {
        const QString key = NameKey(product.ProductID);
        if (!m_products.contains(key)) {
            m_products.insert(key, product);
        }
    }
    m_nextCategoryID = CCategorySetup::NextCategoryID(m_doc.Categories());
    m_nextTaxID = CSaleTaxSetup::NextTaxID(m_doc.Taxes());
    m_nextVendorID = CPayeeSetup::NextPayeeID(m_doc.Vendors());
}

template <typename Create>
std::optional<int32_t> CProductImport::FindOrCreate(QHash<QString, int32_t>& index, int32_t& next, const QString& name,
                                                    const Create& create, const QString& failure, int line)
{
    const QString key = NameKey(name);
    if (const auto found = index.constFind(key); found != index.cend()) {
        return *found;
    }
    // A product must not name a category, tax or vendor the book does not hold.
    if (!create(next, name)) {
        m_doc.Prompter().ShowMessage(CCsvImport::RefusedLineText(line, failure));
        return std::nullopt;
    }
    index.insert(key, next);
    return next++;
}

std::optional<double> CProductImport::ReadNumber(const QString& text, int line)
{
    if (text.trimmed().isEmpty()) {
        return 0.0;
    }
    const ParsedNumber parsed = ParseUserNumber(text);
    if (!parsed.value) {
        m_doc.Prompter().ShowMessage(parsed.outOfRange ? CCsvImport::LineRefusalText(line, parsed.refusal)
                                                       : CCsvImport::FormatErrorText(line));
    }
    return parsed.value;
}

// The line's own values, or nothing (after the message) when the line is refused.
std::optional<ItemRecord> CProductImport::ReadLine(const QStringList& fields, int line)
{
    ItemRecord product;
    product.CategoryName = NormalizedName(fields[kCategory]);
    if (product.CategoryName.isEmpty()) {
        m_doc.Prompter().ShowMessage(
            QString::asprintf("You must specify the Category in Line %d, Process Stops", line));
        return std::nullopt;
    }
    product.ProductID = NormalizedName(fields[kProductName]);
    if (product.ProductID.isEmpty()) {
        m_doc.Prompter().ShowMessage(
            QString::asprintf("You must specify the Product Name in Line %d, Process Stops", line));
        return std::nullopt;
    }
    QString refusal = CItemSetupForm::TextRefusal(product.ProductID, fields[kProductDesc], fields[kNote]);
    for (const auto& [caption, field] :
         {std::pair{"category name", kCategory}, std::pair{"tax name", kSaleTax}, std::pair{"vendor name", kVendor}}) {
        if (refusal.isEmpty()) {
            refusal = ControlCharacterRefusal(QLatin1String(caption), NormalizedName(fields[field]), TextLines::One);
        }
    }
    if (!refusal.isEmpty()) {
        m_doc.Prompter().ShowMessage(CCsvImport::LineRefusalText(line, refusal));
        return std::nullopt;
    }
    const std::optional<double> price = ReadNumber(fields[kSalePrice], line);
    const std::optional<double> onHand = price ? ReadNumber(fields[kOnHand], line) : std::nullopt;
    const std::optional<double> cost = onHand ? ReadNumber(fields[kUnitCost], line) : std::nullopt;
    if (!cost) {
        return std::nullopt;
    }
    // The stock's value goes into the running inventory value, which must stay an amount the book
    // holds to the cent.
    if (!IsWithinBounds(*onHand * *cost)) {
        m_doc.Prompter().ShowMessage(
            CCsvImport::LineRefusalText(line, AmountOutOfRangeText(QStringLiteral("The stock's value"),
                                                                   FormatLocaleNumber("%.2lf", *onHand * *cost))));
        return std::nullopt;
    }
    product.ProductDesc = fields[kProductDesc];
    product.ProductNote = fields[kNote];
    product.SalePrice = *price;
    product.UnitsOnHand = *onHand;
    product.UnitCost = *cost;
    product.AvgCost = *cost;
    return product;
}

std::optional<int32_t> CProductImport::CategoryID(const QString& name, int line)
{
    return FindOrCreate(
        m_categories, m_nextCategoryID, name,
        [this](int32_t id, const QString& created) { return CCategorySetup::InsertRow(m_doc, id, created); },
        QStringLiteral("Unable to execute command(New Category)"), line);
}

std::optional<int32_t> CProductImport::TaxID(const QString& name, int line)
{
    return FindOrCreate(
        m_taxes, m_nextTaxID, name.isEmpty() ? CSaleTaxSetup::kBuiltInTax : name,
        [this](int32_t id, const QString& created) { return CSaleTaxSetup::InsertRow(m_doc, id, created, 0.0); },
        QStringLiteral("Unable to execute command(New Tax)"), line);
}

std::optional<int32_t> CProductImport::VendorID(const QString& name, int line)
{
    if (name.isEmpty()) {
        return -1;
    }
    return FindOrCreate(
        m_vendors, m_nextVendorID, name,
        [this](int32_t id, const QString& created) {
            PayeeRecord vendor;
            vendor.CompanyName = created;
            return CPayeeSetup(m_doc, CPayeeSetup::Kind::Vendor).Insert(id, vendor);
        },
        QStringLiteral("Unable to execute command(New Vendor)"), line);
}

CCsvRecordImporter::LineResult CProductImport::Import(const QStringList& cells, int line)
{
    QStringList fields;
    for (const QString& cell : cells) {
        fields << TextOfSpreadsheetCell(cell);
    }
    std::optional<ItemRecord> product = ReadLine(fields, line);
    if (!product) {
        return LineResult::Stop;
    }
    const std::optional<int32_t> categoryID = CategoryID(product->CategoryName, line);
    const std::optional<int32_t> taxID = categoryID ? TaxID(NormalizedName(fields[kSaleTax]), line) : std::nullopt;
    const std::optional<int32_t> vendorID = taxID ? VendorID(NormalizedName(fields[kVendor]), line) : std::nullopt;
    if (!vendorID) {
        return LineResult::Stop;
    }
    product->CategoryID = *categoryID;
    product->TaxID = *taxID;
    product->PayeeID = *vendorID;
    const QString key = NameKey(product->ProductID);
    const auto stored = m_products.find(key);
    const std::optional<LineResult> result =
        stored == m_products.end() ? Add(key, *product) : Update(*stored, *product);
    if (!result) {
        m_doc.Prompter().ShowMessage(CCsvImport::RefusedLineText(line));
        return LineResult::Stop;
    }
    return *result;
}

std::optional<CCsvRecordImporter::LineResult> CProductImport::Add(const QString& key, const ItemRecord& product)
{
    if (!CItemSetupForm::AppendProductRow(m_doc, product)) {
        return std::nullopt;
    }
    m_products.insert(key, product);
    // Every imported product starts its history, with its quantity, 0 included.
    m_doc.PostStockAdjustment(product, CInventoryDoc::kOpeningBalance);
    return LineResult::Added;
}

bool CProductImport::WriteRow(const QString& storedID, const ItemRecord& product)
{
    CDbRecordset row(m_doc.Connection());
    const QString select = QStringLiteral("SELECT ProductID,ProductDesc,ProductNote,CategoryID,PayeeID,UnitsOnHand,"
                                          "UnitsOnOrder,UnitCost,SalePrice, TaxID, AvgCost ") +
                           QStringLiteral("FROM Item where ProductID = '%1'").arg(QuoteSqlText(storedID));
    if (!row.Open(select, CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockOptimistic)) {
        return false;
    }
    row.MoveFirst();
    if (row.IsEOF()) {
        return false;
    }
    row.SetField(0, product.ProductID);
    row.SetField(1, product.ProductDesc);
    row.SetField(2, product.ProductNote);
    row.SetField(3, product.CategoryID);
    row.SetField(4, product.PayeeID);
    row.SetField(5, product.UnitsOnHand);
    row.SetField(7, product.UnitCost);
    row.SetField(8, product.SalePrice);
    row.SetField(9, product.TaxID);
    row.Update();
    return row.Close();
}

std::optional<CCsvRecordImporter::LineResult> CProductImport::Update(ItemRecord& stored, ItemRecord product)
{
    // Only the product's history derives its average cost.
    product.AvgCost = stored.AvgCost;
    product.UnitsOnOrder = stored.UnitsOnOrder;
    const double difference = product.UnitsOnHand - stored.UnitsOnHand;
    if (IsNoise(difference)) {
        product.UnitsOnHand = stored.UnitsOnHand;
    }
    if (SameProduct(product, stored)) {
        return LineResult::Unchanged;
    }
    if (!WriteRow(stored.ProductID, product)) {
        return std::nullopt;
    }
    const bool renamed = CItemSetupForm::RenameMovements(m_doc, stored.ProductID, product.ProductID);
    stored = product;
    if (!IsNoise(difference)) {
        ItemRecord adjustment = product;
        adjustment.UnitsOnHand = difference;
        m_doc.PostStockAdjustment(adjustment, CInventoryDoc::kAdjustment);
    }
    return renamed ? std::optional(LineResult::Updated) : std::nullopt;
}

void CProductImport::Reload()
{
    m_doc.LoadTaxes();
    m_doc.LoadCategories();
    m_doc.LoadVendors();
    m_doc.LoadProducts();
}
