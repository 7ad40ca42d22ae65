#include "CInventoryDoc.h"

#include "CDbConnection.h"
#include "CDbRecordset.h"
#include "CDbTransaction.h"
#include "CPrompter.h"
#include "LocaleNumber.h"
#include "SchemaScripts.h"
#include "SqlText.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr int kStatementBufferSize = 1024;
constexpr int kShortestStatement = 10;

// Descriptive texts read as empty when null; only identifiers need to tell a null apart.
QString TextOrEmpty(CDbRecordset& recordset, int index)
{
    const QString text = recordset.GetFieldText(index);
    return text == EmptyFieldText ? QString() : text;
}

int32_t IdOrNone(CDbRecordset& recordset, int index)
{
    const QString text = recordset.GetFieldText(index);
    return text == EmptyFieldText ? -1 : TextToLong(text);
}

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

} // namespace

CInventoryDoc::CInventoryDoc(CDbConnection& connection, CPrompter& prompter)
    : m_connection(connection), m_prompter(prompter)
{}

QDateTime CInventoryDoc::Now() const
{
    QDateTime now = m_clock ? m_clock() : QDateTime::currentDateTime();
    return now.addMSecs(-now.time().msec());
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
        m_categories.append({TextToLong(recordset.GetFieldText(0)), TextOrEmpty(recordset, 1)});
    }
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
        m_taxes.append({TextToLong(recordset.GetFieldText(0)), TextOrEmpty(recordset, 1),
                        ParseLocaleNumber(recordset.GetFieldText(2))});
    }
    return true;
}

bool CInventoryDoc::LoadProducts()
{
    m_products.clear();
    CDbRecordset recordset(m_connection);
    const QString sql = QStringLiteral("SELECT ProductID,ProductDesc,ProductNote,Item.CategoryID,CategoryName,PayeeID,"
                                       "UnitsOnHand,UnitsOnOrder,UnitCost,SalePrice, TaxID,AvgCost ") +
                        QStringLiteral("FROM Item inner join Categories ON Item.CategoryID=Categories.CategoryID "
                                       "order by CategoryName,ProductID");
    if (!OpenForReading(recordset, sql, QStringLiteral("Unable to execute command(Item)"))) {
        return false;
    }
    for (; HasRow(recordset); recordset.MoveNext()) {
        ItemRecord item;
        item.ProductID = TextOrEmpty(recordset, 0);
        item.ProductDesc = TextOrEmpty(recordset, 1);
        item.ProductNote = TextOrEmpty(recordset, 2);
        item.CategoryID = TextToLong(recordset.GetFieldText(3));
        item.CategoryName = TextOrEmpty(recordset, 4);
        item.PayeeID = IdOrNone(recordset, 5);
        item.UnitsOnHand = ParseLocaleNumber(recordset.GetFieldText(6));
        item.UnitsOnOrder = ParseLocaleNumber(recordset.GetFieldText(7));
        item.UnitCost = ParseLocaleNumber(recordset.GetFieldText(8));
        item.SalePrice = ParseLocaleNumber(recordset.GetFieldText(9));
        item.TaxID = IdOrNone(recordset, 10);
        item.AvgCost = ParseLocaleNumber(recordset.GetFieldText(11));
        m_products.append(item);
    }
    return true;
}

bool CInventoryDoc::LoadPayees(const QString& sql, QList<PayeeRecord>& list, bool separateOwnCompany)
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
        payee.PayeeID = TextToLong(recordset.GetFieldText(0));
        for (int i = 0; i < PayeeRecord::kTextCount; ++i) {
            payee.Text(i) = TextOrEmpty(recordset, i + 1);
        }
        if (separateOwnCompany && payee.PayeeID == kOwnCompanyPayeeID) {
            m_ownCompany = payee;
        } else {
            list.append(payee);
        }
    }
    return true;
}

bool CInventoryDoc::LoadVendors()
{
    m_ownCompany.PayeeID = kOwnCompanyPayeeID;
    m_ownCompany.CompanyName = QStringLiteral("Please Setup 'My Company'");
    m_ownCompany.Address = QStringLiteral("For Your Invoice/P.O. Title");
    return LoadPayees(QStringLiteral("SELECT * ") + QStringLiteral("FROM Vendor order by CompanyName"), m_vendors,
                      true);
}

bool CInventoryDoc::LoadVendorsById()
{
    return LoadPayees(QStringLiteral("SELECT * ") + QStringLiteral("FROM Vendor order by PayeeID"), m_vendors, false);
}

bool CInventoryDoc::LoadCustomers()
{
    return LoadPayees(QStringLiteral("SELECT * ") + QStringLiteral("FROM Customer order by CompanyName"), m_customers,
                      false);
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
    m_counters.VersionID = TextToLong(recordset.GetFieldText(0));
    m_counters.TransID = TextToLong(recordset.GetFieldText(1));
    m_counters.ProductID = TextToLong(recordset.GetFieldText(2));
    m_counters.PayeeID = TextToLong(recordset.GetFieldText(3));
    m_counters.TaxID = TextToLong(recordset.GetFieldText(4));
    m_counters.CategoryID = TextToLong(recordset.GetFieldText(5));
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
    LoadCategories();
    LoadProducts();
    LoadTaxes();
    LoadVendors();
    LoadCustomers();
    LoadCounters();
    LoadVersion();
}

bool CInventoryDoc::RunSchemaScripts(bool createFile)
{
    if (createFile) {
        m_connection.Close();
        for (const char* suffix : {"", "-wal", "-shm"}) {
            QFile::remove(m_dataFilePath + QLatin1String(suffix));
        }
        CDbRecordset creator(m_connection);
        creator.OpenWithoutFile(QStringLiteral("CREATE DATABASE '%1'").arg(QuoteSqlText(m_dataFilePath)));
    }
    {
        CDbTransaction transaction(m_connection);
        for (int number = createFile ? 1 : 2; number <= kSchemaScriptCount; ++number) {
            if (!RunSchemaScript(number)) {
                return false;
            }
        }
    }
    ReloadCatalogue();
    return true;
}

CInventoryDoc::CatalogueLoad CInventoryDoc::LoadCatalogue(const std::function<void(const QString&)>& status)
{
    if (!QFileInfo::exists(m_dataFilePath)) {
        status(QStringLiteral("Install new database ...."));
        if (!RunSchemaScripts(true)) {
            return CatalogueLoad::CreateFailed;
        }
        status(QString());
    }
    LoadVersion();
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
