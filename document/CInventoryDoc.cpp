#include "CInventoryDoc.h"

#include "AsciiFold.h"
#include "BookAddress.h"
#include "CAssetBalanceReplay.h"
#include "CDbConnection.h"
#include "CDbRecordset.h"
#include "CDbStatement.h"
#include "CDelayedProgress.h"
#include "CDocOperation.h"
#include "CLocaleOrder.h"
#include "CProductHistoryReplay.h"
#include "CPrompter.h"
#include "CStockAdjustment.h"
#include "CTransactionDeletion.h"
#include "CTransactionPoster.h"
#include "LocaleNumber.h"
#include "SchemaScripts.h"
#include "SqlText.h"

#include <utility>

namespace {

constexpr int kStatementBufferSize = 1024;
constexpr int kShortestStatement = 10;

// Descriptive texts read as empty when null; only identifiers need to tell a null apart.
template <typename Fields>
QString TextOrEmpty(Fields& fields, int index)
{
    const QString text = fields.GetFieldValue(index).ToText();
    return text == EmptyFieldText ? QString() : text;
}

// An integer as the standard conversion reads the field's text (0 when null or no number).
template <typename Fields>
int32_t IntegerField(Fields& fields, int index)
{
    const CDbVariant value = fields.GetFieldValue(index);
    return value.GetKind() == CDbVariant::Kind::Int32 ? value.ToInt32() : TextToLong(value.ToText());
}

// An identifier; -1 when null.
template <typename Fields>
int32_t IdOrNone(Fields& fields, int index)
{
    const CDbVariant value = fields.GetFieldValue(index);
    if (value.GetKind() == CDbVariant::Kind::Int32) {
        return value.ToInt32();
    }
    return value.IsNull() ? -1 : TextToLong(value.ToText());
}

// A number as the locale's text of the field would parse; a stored number is taken as it is,
// which is what that text reads back to.
template <typename Fields>
double NumberField(Fields& fields, int index)
{
    const CDbVariant value = fields.GetFieldValue(index);
    switch (value.GetKind()) {
    case CDbVariant::Kind::Int32:
    case CDbVariant::Kind::Double:
        return value.ToDouble();
    default:
        return ParseLocaleNumber(value.ToText());
    }
}

const QString kProductSelect =
    QStringLiteral("SELECT ProductID,ProductDesc,ProductNote,Item.CategoryID,CategoryName,PayeeID,"
                   "UnitsOnHand,UnitsOnOrder,UnitCost,SalePrice, TaxID,AvgCost ") +
    QStringLiteral("FROM Item inner join Categories ON Item.CategoryID=Categories.CategoryID");

int FieldIndex(CDbRecordset& recordset, const QString& name)
{
    for (int i = 0; i < recordset.FieldCount(); ++i) {
        if (recordset.GetFieldName(i) == name) {
            return i;
        }
    }
    return -1;
}

bool HasRow(CDbRecordset& recordset)
{
    return !recordset.IsEOF() && recordset.FieldCount() >= 1;
}

// One product from the columns of the product select, from a cursor or a statement.
template <typename Fields>
ItemRecord ReadProduct(Fields& recordset)
{
    ItemRecord item;
    item.ProductID = TextOrEmpty(recordset, 0);
    item.ProductDesc = TextOrEmpty(recordset, 1);
    item.ProductNote = TextOrEmpty(recordset, 2);
    item.CategoryID = IntegerField(recordset, 3);
    item.CategoryName = TextOrEmpty(recordset, 4);
    item.PayeeID = IdOrNone(recordset, 5);
    item.UnitsOnHand = NumberField(recordset, 6);
    item.UnitsOnOrder = NumberField(recordset, 7);
    item.UnitCost = NumberField(recordset, 8);
    item.SalePrice = NumberField(recordset, 9);
    item.TaxID = IdOrNone(recordset, 10);
    item.AvgCost = NumberField(recordset, 11);
    return item;
}

} // namespace

CInventoryDoc::CInventoryDoc(CDbConnection& connection, CPrompter& prompter)
    : m_connection(connection), m_prompter(prompter), m_operationProgress(prompter)
{}

QDateTime CInventoryDoc::Now() const
{
    QDateTime now = m_clock ? m_clock() : QDateTime::currentDateTime();
    return now.addMSecs(-now.time().msec());
}

bool CInventoryDoc::RecomputeProductHistory(const QString& productID, int32_t vendorID, const QDateTime& fromTime)
{
    return CProductHistoryReplay(*this).Run(productID, vendorID, fromTime);
}

void CInventoryDoc::RecomputeAssetBalance(const QDateTime& fromTime)
{
    if (m_deferAssetBalance && InOperation()) {
        if (!m_deferredAssetBalanceFrom || fromTime < *m_deferredAssetBalanceFrom) {
            m_deferredAssetBalanceFrom = fromTime;
        }
        return;
    }
    CAssetBalanceReplay(*this).Run(fromTime);
}

void CInventoryDoc::DeferAssetBalance()
{
    m_deferAssetBalance = InOperation();
}

PostingResult CInventoryDoc::PostSalePurchase(const SalePurchasePosting& posting)
{
    return CTransactionPoster(*this).Post(posting);
}

bool CInventoryDoc::PostStockAdjustment(const ItemRecord& item, int kind)
{
    return CStockAdjustment(*this).Post(item, kind);
}

bool CInventoryDoc::ChangeAdjustmentQuantity(int32_t transactionID, double quantity)
{
    return CStockAdjustment(*this).ChangeQuantity(transactionID, quantity);
}

bool CInventoryDoc::DeleteTransaction(int32_t transactionID, const QDateTime& date)
{
    return CTransactionDeletion(*this).Run(transactionID, date);
}

int CInventoryDoc::FindProduct(const QString& productID, Qt::CaseSensitivity sensitivity) const
{
    for (int i = 0; i < m_products.size(); ++i) {
        if (m_products[i].ProductID.compare(productID, sensitivity) == 0) {
            return i;
        }
    }
    return -1;
}

bool CInventoryDoc::EnterOperation(const QString& text)
{
    bool begun = false;
    {
        CDelayedProgress waiting(m_prompter, QStringLiteral("Waiting for another program to finish saving…"),
                                 CDelayedProgress::kLockWaitQuietMs, CPrompter::Cancel::Offered);
        begun = m_connection.BeginOperation([&waiting](qint64 waitedMs) { return waiting.Step(waitedMs); });
    }
    if (!begun) {
        m_prompter.ShowMessage(
            QStringLiteral("Unable to execute command(%1); nothing was saved.").arg(m_connection.LastError()));
        return false;
    }
    if (m_operationDepth++ > 0) {
        return true;
    }
    // Long statements of the operation let the window paint; the progress shows when it takes long.
    m_operationProgress.Start(text);
    m_connection.SetHeartbeat([this] { m_operationProgress.Beat(); });
    m_changesAtStart = m_connection.TotalChanges();
    // Checks and new identifiers must see what other programs committed, not the copy in memory.
    if (m_connection.ChangedElsewhere()) {
        ReloadCatalogue();
    }
    return true;
}

bool CInventoryDoc::LeaveOperation(bool commit)
{
    if (--m_operationDepth > 0) {
        if (commit) {
            return m_connection.CommitOperation();
        }
        m_connection.RollbackOperation();
        return false;
    }
    m_deferAssetBalance = false;
    if (const std::optional<QDateTime> from = std::exchange(m_deferredAssetBalanceFrom, std::nullopt); commit && from) {
        CAssetBalanceReplay(*this).Run(*from);
    }
    const bool wrote = m_connection.TotalChanges() != m_changesAtStart || !m_changedProducts.isEmpty();
    const bool committed = commit && m_connection.CommitOperation();
    if (!commit) {
        m_connection.RollbackOperation();
    }
    // Messages and reloads come after the progress is gone.
    m_connection.SetHeartbeat({});
    m_operationProgress.Finish();
    if (committed) {
        RefreshProducts(std::exchange(m_changedProducts, {}));
        return true;
    }
    if (commit && m_connection.CommitOutcomeUnknown()) {
        // A clerk told "nothing was saved" would post it again; it may be in the book.
        m_prompter.ShowMessage(QStringLiteral("Unable to execute command(%1); it is not known whether it was saved: "
                                              "look for it before you enter it again.")
                                   .arg(m_connection.LastError()));
    } else if (commit) {
        m_prompter.ShowMessage(
            QStringLiteral("Unable to execute command(%1); nothing was saved.").arg(m_connection.LastError()));
    }
    m_changedProducts.clear();
    // The lists may hold what was just undone.
    if (wrote) {
        ReloadCatalogue();
    }
    return false;
}

void CInventoryDoc::ProductChanged(const QString& productID)
{
    if (m_operationDepth == 0) {
        RefreshProducts({productID});
    } else {
        m_changedProducts.insert(productID);
    }
}

// Reading a few products again gives the list a full reload would give, as long as each of
// them is in the list already (the order depends only on category and name, which the
// recomputations never change).
void CInventoryDoc::RefreshProducts(const QSet<QString>& productIDs)
{
    for (const QString& productID : productIDs) {
        QList<int> positions;
        for (int i = 0; i < m_products.size(); ++i) {
            if (AsciiEqualIgnoringCase(m_products[i].ProductID, productID)) {
                positions << i;
            }
        }
        CDbStatement query(m_connection, kProductSelect + QStringLiteral(" where ProductID = ?1"));
        QList<ItemRecord> records;
        for (query.Bind(1, productID); query.IsValid() && query.Next();) {
            records << ReadProduct(query);
        }
        if (positions.isEmpty() || records.size() != positions.size()) {
            LoadProducts();
            return;
        }
        for (int i = 0; i < positions.size(); ++i) {
            m_products[positions[i]] = records[i];
        }
    }
}

bool CInventoryDoc::OpenForReading(CDbRecordset& recordset, const QString& sql, const QString& failure)
{
    if (recordset.Open(sql, CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockReadOnly)) {
        recordset.MoveFirst();
        return true;
    }
    if (!failure.isNull()) {
        m_prompter.ShowMessage(failure);
    }
    return false;
}

bool CInventoryDoc::LoadCategories()
{
    m_categories.clear();
    CDbRecordset recordset(m_connection);
    if (!OpenForReading(recordset,
                        QStringLiteral("SELECT CategoryID,CategoryName FROM Categories order by CategoryName"),
                        QStringLiteral("Unable to execute command(Category)"))) {
        return false;
    }
    for (; HasRow(recordset); recordset.MoveNext()) {
        m_categories.append({IntegerField(recordset, 0), TextOrEmpty(recordset, 1)});
    }
    CLocaleOrder().Sort(m_categories,
                        [](const CategoryRecord& category) { return QStringList{category.CategoryName}; });
    return true;
}

bool CInventoryDoc::LoadTaxes()
{
    m_taxes.clear();
    CDbRecordset recordset(m_connection);
    if (!OpenForReading(recordset, QStringLiteral("SELECT TaxID,TaxName,TaxRate FROM Tax  order by TaxName"),
                        QStringLiteral("Unable to execute command(Tax)"))) {
        return false;
    }
    for (; HasRow(recordset); recordset.MoveNext()) {
        m_taxes.append({IntegerField(recordset, 0), TextOrEmpty(recordset, 1), NumberField(recordset, 2)});
    }
    CLocaleOrder().Sort(m_taxes, [](const TaxRecord& tax) { return QStringList{tax.TaxName}; });
    return true;
}

bool CInventoryDoc::LoadProducts()
{
    m_products.clear();
    CDbRecordset recordset(m_connection);
    if (!OpenForReading(recordset, kProductSelect + QStringLiteral(" order by CategoryName,ProductID"),
                        QStringLiteral("Unable to execute command(Item)"))) {
        return false;
    }
    for (; HasRow(recordset); recordset.MoveNext()) {
        m_products.append(ReadProduct(recordset));
    }
    CLocaleOrder().Sort(m_products, [](const ItemRecord& item) {
        return QStringList{item.CategoryName, item.ProductID};
    });
    return true;
}

bool CInventoryDoc::LoadPayees(const QString& sql, QList<PayeeRecord>& list, PayeeListKind kind)
{
    list.clear();
    CDbRecordset recordset(m_connection);
    const QString failure = &list == &m_customers ? QStringLiteral("Unable to execute command(Customer)")
                                                  : QStringLiteral("Unable to execute command(Vendor)");
    if (!OpenForReading(recordset, sql, failure)) {
        return false;
    }
    for (; HasRow(recordset); recordset.MoveNext()) {
        PayeeRecord payee;
        payee.PayeeID = IntegerField(recordset, 0);
        for (int i = 0; i < PayeeRecord::kTextCount; ++i) {
            payee.Text(i) = TextOrEmpty(recordset, i + 1);
        }
        if (kind == PayeeListKind::ByNameWithoutOwnCompany && payee.PayeeID == kOwnCompanyPayeeID) {
            m_ownCompany = payee;
        } else {
            list.append(payee);
        }
    }
    if (kind != PayeeListKind::ById) {
        CLocaleOrder().Sort(list, [](const PayeeRecord& payee) { return QStringList{payee.CompanyName}; });
    }
    return true;
}

bool CInventoryDoc::LoadVendors()
{
    m_ownCompany.PayeeID = kOwnCompanyPayeeID;
    m_ownCompany.CompanyName = QStringLiteral("Please Setup 'My Company'");
    m_ownCompany.Address = QStringLiteral("For Your Invoice/P.O. Title");
    return LoadPayees(QStringLiteral("SELECT * ") + QStringLiteral("FROM Vendor order by CompanyName"), m_vendors,
                      PayeeListKind::ByNameWithoutOwnCompany);
}

bool CInventoryDoc::LoadVendorsById()
{
    return LoadPayees(QStringLiteral("SELECT * ") + QStringLiteral("FROM Vendor order by PayeeID"), m_vendors,
                      PayeeListKind::ById);
}

bool CInventoryDoc::LoadCustomers()
{
    return LoadPayees(QStringLiteral("SELECT * ") + QStringLiteral("FROM Customer order by CompanyName"), m_customers,
                      PayeeListKind::ByName);
}

bool CInventoryDoc::LoadCounters()
{
    CDbRecordset recordset(m_connection);
    if (!OpenForReading(recordset, QStringLiteral("SELECT * ") + QStringLiteral("FROM AutoNumber"),
                        QStringLiteral("Unable to execute command"))) {
        return false;
    }
    if (!HasRow(recordset)) {
        return false;
    }
    m_counters.VersionID = IntegerField(recordset, 0);
    m_counters.TransID = IntegerField(recordset, 1);
    m_counters.ProductID = IntegerField(recordset, 2);
    m_counters.PayeeID = IntegerField(recordset, 3);
    m_counters.TaxID = IntegerField(recordset, 4);
    m_counters.CategoryID = IntegerField(recordset, 5);
    return true;
}

bool CInventoryDoc::LoadVersion()
{
    CDbRecordset recordset(m_connection);
    if (!OpenForReading(recordset, QStringLiteral("SELECT * ") + QStringLiteral("FROM Version"), QString())) {
        return false;
    }
    if (HasRow(recordset)) {
        m_version.MajorVersion =
            TextToLong(recordset.GetFieldText(FieldIndex(recordset, QStringLiteral("MajorVersion"))));
        m_version.MinorVersion =
            TextToLong(recordset.GetFieldText(FieldIndex(recordset, QStringLiteral("MinorVersion"))));
        m_version.VersionInfo = TextOrEmpty(recordset, FieldIndex(recordset, QStringLiteral("VersionInfo")));
    }
    return true;
}

bool CInventoryDoc::SaveAutoNumber()
{
    CDbRecordset recordset(m_connection);
    if (!recordset.Open(QStringLiteral("SELECT * ") + QStringLiteral("FROM AutoNumber"), CDbRecordset::kOpenForwardOnly,
                        CDbRecordset::kLockOptimistic)) {
        m_prompter.ShowMessage(QStringLiteral("Unable to execute command"));
        return false;
    }
    recordset.MoveFirst();
    if (!HasRow(recordset)) {
        return false;
    }
    recordset.SetField(1, m_counters.TransID);
    recordset.SetField(2, m_counters.ProductID);
    recordset.SetField(3, m_counters.PayeeID);
    recordset.SetField(4, m_counters.TaxID);
    recordset.SetField(5, m_counters.CategoryID);
    return true;
}

int32_t CInventoryDoc::TakeNextTransactionId()
{
    const int32_t id = m_counters.TransID;
    ++m_counters.TransID;
    SaveAutoNumber();
    return id;
}

bool CInventoryDoc::FindVendorById(int32_t payeeID, PayeeRecord& vendor) const
{
    const int n = static_cast<int>(m_vendors.size());
    if (n == 0 || m_vendors.first().PayeeID > payeeID) {
        return false;
    }
    if (m_vendors.first().PayeeID == payeeID) {
        vendor = m_vendors.first();
        return true;
    }
    if (m_vendors.last().PayeeID == payeeID) {
        vendor = m_vendors.last();
        return true;
    }
    if (m_vendors.last().PayeeID < payeeID) {
        return false;
    }
    int lo = 0;
    int hi = n - 1;
    while (hi - lo >= 2) {
        const int mid = (lo + hi) / 2;
        if (m_vendors[mid].PayeeID == payeeID) {
            vendor = m_vendors[mid];
            return true;
        }
        if (payeeID < m_vendors[mid].PayeeID) {
            hi = mid;
        } else {
            lo = mid;
        }
    }
    return false;
}

bool CInventoryDoc::RunSchemaScript(int number)
{
    QString remaining = SchemaScript(number);
    while (!remaining.isEmpty()) {
        const qsizetype lineFeed = remaining.indexOf(QLatin1Char('\n'));
        const bool last = lineFeed < 0;
        const QString statement = (last ? remaining : remaining.left(lineFeed)).left(kStatementBufferSize - 1);
        if (statement.size() <= kShortestStatement) {
            return true;
        }
        if (!Execute(m_connection, statement) && !statement.toUpper().contains(QLatin1String("DROP"))) {
            m_prompter.ShowMessage(QString::asprintf("Create database fail (%d)", number));
            return false;
        }
        if (last) {
            return true;
        }
        remaining = remaining.mid(lineFeed + 1);
    }
    return true;
}

void CInventoryDoc::ReloadCatalogue()
{
    // What is read now is what later checks for changes by other programs compare with.
    m_connection.ChangedElsewhere();
    ++m_catalogueGeneration;
    LoadCategories();
    LoadProducts();
    LoadTaxes();
    LoadVendors();
    LoadCustomers();
    LoadCounters();
    LoadVersion();
}

bool CInventoryDoc::ReloadIfChangedElsewhere()
{
    if (InOperation() || !m_connection.ChangedElsewhere()) {
        return false;
    }
    ReloadCatalogue();
    return true;
}

bool CInventoryDoc::RunSchemaScripts(bool createFile)
{
    if (createFile) {
        m_connection.Close();
        m_connection.DiscardDatabase(m_dataFilePath);
        CDbRecordset creator(m_connection);
        creator.OpenWithoutFile(QStringLiteral("CREATE DATABASE '%1'").arg(QuoteSqlText(m_dataFilePath)));
    }
    // The catalogue is rebuilt from the new tables at the end; reloading the old one first would
    // only show the loaders' messages on a file without tables.
    const int firstScript = createFile ? 1 : 2;
    // A file that could not be created fails as its first table would.
    if (!m_connection.Connect()) {
        m_prompter.ShowMessage(QString::asprintf("Create database fail (%d)", firstScript));
        return false;
    }
    m_connection.ChangedElsewhere();
    CDocOperation operation(*this);
    if (!operation.Started()) {
        return false;
    }
    for (int number = firstScript; number <= kSchemaScriptCount; ++number) {
        if (!RunSchemaScript(number)) {
            return false;
        }
    }
    if (!operation.Commit()) {
        return false;
    }
    ReloadCatalogue();
    return true;
}

CInventoryDoc::CatalogueLoad CInventoryDoc::LoadCatalogue(const std::function<void(const QString&)>& status)
{
    const CDbConnection::Presence presence = m_connection.BookPresence();
    // A server that cannot be used (down, refusing the password, holding no book) or an address
    // that is no address says so once; every list would only fail after it.
    if (presence == CDbConnection::Presence::Unreachable &&
        KindOfBookAddress(m_connection.ConnectionText()) != BookAddressKind::File) {
        m_prompter.ShowMessage(QStringLiteral("Unable to open the book at %1: %2")
                                   .arg(ShownBookAddress(m_connection.ConnectionText()), m_connection.LastError()));
        return CatalogueLoad::Unusable;
    }
    if (presence == CDbConnection::Presence::Missing) {
        status(QStringLiteral("Install new database ...."));
        if (!RunSchemaScripts(true)) {
            return CatalogueLoad::CreateFailed;
        }
        status(QString());
    }
    LoadVersion();
    m_connection.ChangedElsewhere();
    const std::pair<const char*, bool (CInventoryDoc::*)()> steps[] = {
        {"Load Category List ....", &CInventoryDoc::LoadCategories},
        {"Load Item List ....", &CInventoryDoc::LoadProducts},
        {"Load Tax List ....", &CInventoryDoc::LoadTaxes},
        {"Load Vendor List ....", &CInventoryDoc::LoadVendors},
        {"Load Customer List ....", &CInventoryDoc::LoadCustomers},
        {"Load Auto Number ....", &CInventoryDoc::LoadCounters},
    };
    bool allLoaded = true;
    for (const auto& [text, load] : steps) {
        status(QString::fromLatin1(text));
        allLoaded = (this->*load)() && allLoaded;
        status(QString());
    }
    return allLoaded ? CatalogueLoad::Loaded : CatalogueLoad::LoadedWithErrors;
}
