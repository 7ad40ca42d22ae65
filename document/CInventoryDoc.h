#pragma once

#include "AutoNumberCounters.h"
#include "COperationProgress.h"
#include "CategoryRecord.h"
#include "ItemRecord.h"
#include "PayeeRecord.h"
#include "SalePurchasePosting.h"
#include "TaxRecord.h"
#include "VersionRecord.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class CDbConnection;
class CDbRecordset;
class CPrompter;

// The one document of the program: the catalogue held in memory (categories, products, taxes,
// vendors, customers, the own company, the identifier counters, the version row) and the
// operations that load it from the data file or rebuild the file.
//
// Loaders empty their list and refill it in the order their SELECT returns; each returns false
// (after showing its message through the prompter) when its SELECT does not open, leaving the
// list empty. The document does not own the connection or the prompter.
class CInventoryDoc
{
public:
    static constexpr int32_t kOwnCompanyPayeeID = -100;

    enum class CatalogueLoad
    {
        Loaded,           // every list loaded
        LoadedWithErrors, // some loader failed and showed its message; the rest are loaded
        CreateFailed,     // a new data file could not be created; nothing was loaded
        Unusable          // the book cannot be opened (a server not answering); said once, nothing loaded
    };

    CInventoryDoc(CDbConnection& connection, CPrompter& prompter);

    CDbConnection& Connection() { return m_connection; }
    CPrompter& Prompter() { return m_prompter; }
    const QString& DataFilePath() const { return m_dataFilePath; }
    void SetDataFilePath(const QString& path) { m_dataFilePath = path; }

    const QList<CategoryRecord>& Categories() const { return m_categories; }
    const QList<ItemRecord>& Products() const { return m_products; }
    const QList<TaxRecord>& Taxes() const { return m_taxes; }
    const QList<PayeeRecord>& Vendors() const { return m_vendors; }
    const QList<PayeeRecord>& Customers() const { return m_customers; }
    const PayeeRecord& OwnCompany() const { return m_ownCompany; }
    const VersionRecord& Version() const { return m_version; }
    const AutoNumberCounters& Counters() const { return m_counters; }
    AutoNumberCounters& Counters() { return m_counters; }
    // Position of the first product with this code, -1 when none.
    int FindProduct(const QString& productID, Qt::CaseSensitivity sensitivity) const;
    // For a change made in memory alone (a quantity set from the product list).
    ItemRecord& ProductAt(int index) { return m_products[index]; }

    bool LoadCategories();
    bool LoadTaxes();
    bool LoadProducts();
    // Vendors by company name; the own-company row goes to OwnCompany(), never into the list.
    bool LoadVendors();
    // Every vendor row, the own company included, by ascending id (for FindVendorById).
    bool LoadVendorsById();
    bool LoadCustomers();
    // False without a message when AutoNumber has no row; the counters then stay as they were.
    bool LoadCounters();
    bool LoadVersion();

    // Writes TransID..CategoryID of the counters into the AutoNumber row; false when it has none.
    bool SaveAutoNumber();
    // The next TransactionID: the counter is taken, incremented and saved before any row of the
    // transaction is written, so identifiers are never reused.
    int32_t TakeNextTransactionId();
    // Binary search of a vendor list loaded by id.
    bool FindVendorById(int32_t payeeID, PayeeRecord& vendor) const;

    // Refills every list, the counters and the version row from the file (categories, products,
    // taxes, vendors, customers, counters, version), after the file was rebuilt or replaced.
    void ReloadCatalogue();
    // Reloads the catalogue when another program committed to the file since it was loaded;
    // true when it did. Never inside an operation (the operation checks on its own).
    bool ReloadIfChangedElsewhere();
    // Counts whole reloads, also those an operation made on its own (another program's change
    // seen when it began, or a failed commit undone), so screens know to show the lists again.
    quint64 CatalogueGeneration() const { return m_catalogueGeneration; }

    // Creates the data file (createFile) or resets every table but Version, seeds the rows and
    // reloads the catalogue. Shows "Create database fail (%d)" and returns false when a
    // statement other than a DROP fails.
    bool RunSchemaScripts(bool createFile);

    // Start-up: creates the data file when it is missing, then loads every list, reporting
    // each step's text ("Load Category List ....", then an empty text) through status.
    CatalogueLoad LoadCatalogue(const std::function<void(const QString&)>& status);

    // Replays one product's history in date order from fromTime (rows before it are settled):
    // rewrites each row's on-hand and average cost snapshots (and the unit cost of sales and
    // adjustments), then the product's Item row; vendorID >= 0 becomes the product's vendor.
    // False, after "Unable to execute command(Adjust Onhand", when the history cannot be read.
    bool RecomputeProductHistory(const QString& productID, int32_t vendorID, const QDateTime& fromTime);
    // Rewrites the running inventory value (TransItem.LineTotal) of every row from fromTime on.
    void RecomputeAssetBalance(const QDateTime& fromTime);
    // For an operation that posts many movements (an import): until the outermost operation
    // ends, RecomputeAssetBalance only notes the earliest time asked for, and the running value
    // is rewritten once from it just before the commit. Each posting would otherwise replay every
    // row dated at or after it, the earlier postings of the same second among them.
    void DeferAssetBalance();
    // Posts a new sale or purchase, or replaces an existing one, and re-derives what it touched.
    PostingResult PostSalePurchase(const SalePurchasePosting& posting);
    // Posts a one-line adjustment (kind 0, quantity item.UnitsOnHand) or opening balance (kind 1)
    // dated now, and re-derives the product and the running value.
    static constexpr int kAdjustment = 0;
    static constexpr int kOpeningBalance = 1;
    bool PostStockAdjustment(const ItemRecord& item, int kind);
    // Rewrites an adjustment's quantity, memo and totals; the caller re-derives.
    bool ChangeAdjustmentQuantity(int32_t transactionID, double quantity);
    // Deletes a transaction's rows and re-derives the products it named and the running value
    // from its date. False (after the message) when a delete fails.
    bool DeleteTransaction(int32_t transactionID, const QDateTime& date);

    // Called by CDocOperation: take the write lock (false after the message when it cannot be
    // had), and end the operation (true when its writes took effect). The outermost operation's
    // text is what a person sees when it takes long.
    bool EnterOperation(const QString& text);
    bool LeaveOperation(bool commit);
    bool InOperation() const { return m_operationDepth > 0; }
    // The progress of the running operation, for a part of it that counts its own steps.
    COperationProgress& OperationProgress() { return m_operationProgress; }
    // A product's Item row was rewritten: its record is read again now, or at the end of the
    // running operation. A product not in the list brings a reload of the whole list.
    void ProductChanged(const QString& productID);

    // The current local time to the second; replaceable so that tests can fix it.
    QDateTime Now() const;
    void SetClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

private:
    bool OpenForReading(CDbRecordset& recordset, const QString& sql, const QString& failure);
    enum class PayeeListKind
    {
        ByName,
        ByNameWithoutOwnCompany,
        ById
    };
    bool LoadPayees(const QString& sql, QList<PayeeRecord>& list, PayeeListKind kind);
    void RefreshProducts(const QSet<QString>& productIDs);
    bool RunSchemaScript(int number);

    CDbConnection& m_connection;
    CPrompter& m_prompter;
    QString m_dataFilePath;
    QList<CategoryRecord> m_categories;
    QList<ItemRecord> m_products;
    QList<TaxRecord> m_taxes;
    QList<PayeeRecord> m_vendors;
    QList<PayeeRecord> m_customers;
    PayeeRecord m_ownCompany;
    AutoNumberCounters m_counters;
    VersionRecord m_version;
    std::function<QDateTime()> m_clock;
    int m_operationDepth = 0;
    qint64 m_changesAtStart = 0;
    quint64 m_catalogueGeneration = 0;
    // A set: an operation may post to thousands of products (an import).
    QSet<QString> m_changedProducts;
    bool m_deferAssetBalance = false;
    std::optional<QDateTime> m_deferredAssetBalanceFrom;
    COperationProgress m_operationProgress;
};
