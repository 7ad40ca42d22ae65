#include "SchemaScripts.h"

#include <QRegularExpression>

namespace {

const char* const kVersionScript = R"(DROP TABLE [Version]
CREATE TABLE [Version] ([MajorVersion] INT, [MinorVersion] INT, [VersionInfo] TEXT)
CREATE INDEX [PrimaryKey] ON [Version] ([MajorVersion])
INSERT INTO [Version] ([MajorVersion], [MinorVersion]) values (1, 1)
)";

const char* const kAutoNumberCategoriesCustomerScript = R"(DROP TABLE [AutoNumber]
CREATE TABLE [AutoNumber] ([VersionID] INT, [TransID] INT, [ProductID] INT, [PayeeID] INT, [TaxID] INT, [CategoryID] INT)
CREATE INDEX [PrimaryKey] ON [AutoNumber] ([VersionID])
INSERT INTO [AutoNumber] ([VersionID], [TransID], [ProductID], [PayeeID], [TaxID], [CategoryID]) values (110, 0, 0, 0, 0, 0)
DROP TABLE [Categories]
CREATE TABLE [Categories] ([CategoryID] INT, [CategoryName] TEXT)
CREATE INDEX [PrimaryKey] ON [Categories] ([CategoryID])
INSERT INTO [Categories] ([CategoryID], [CategoryName]) values (0, "Hardware")
INSERT INTO [Categories] ([CategoryID], [CategoryName]) values (1, "Software")
DROP TABLE [Customer]
CREATE TABLE [Customer] ([PayeeID] INT, [CompanyName] TEXT, [Address] TEXT, [City] TEXT, [State] TEXT, [PostalCode] TEXT, [Country] TEXT, [Contact] TEXT, [Phone] TEXT, [Fax] TEXT, [Email] TEXT, [Note] TEXT)
CREATE INDEX [PrimaryKey] ON [Customer] ([PayeeID])
)";

const char* const kItemPayeeTypeScript = R"(DROP TABLE [Item]
CREATE TABLE [Item] ([ProductID] TEXT, [ProductDesc] TEXT, [ProductNote] TEXT, [CategoryID] INT, [PayeeID] INT, [TaxID] INT, [UnitsOnHand] FLOAT, [UnitsOnOrder] FLOAT, [UnitCost] FLOAT, [SalePrice] FLOAT, [AvgCost] FLOAT, [TypeID] INT)
CREATE INDEX [PrimaryKey] ON [Item] ([ProductID])
DROP TABLE [PayeeType]
CREATE TABLE [PayeeType] ([PayeeTypeID] INT, [PayeeTypeName] TEXT)
CREATE INDEX [PrimaryKey] ON [PayeeType] ([PayeeTypeID])
INSERT INTO [PayeeType] ([PayeeTypeID], [PayeeTypeName]) values (0, "Adjustment")
INSERT INTO [PayeeType] ([PayeeTypeID], [PayeeTypeName]) values (1, "Customer")
INSERT INTO [PayeeType] ([PayeeTypeID], [PayeeTypeName]) values (2, "Suppliers")
)";

const char* const kTaxTransactionScript = R"(DROP TABLE [Tax]
CREATE TABLE [Tax] ([TaxID] INT, [TaxName] TEXT, [TaxRate] FLOAT)
CREATE INDEX [PrimaryKey] ON [Tax] ([TaxID])
INSERT INTO [Tax] ([TaxID], [TaxName], [TaxRate]) values (1, "None", 0)
DROP TABLE [Transaction]
CREATE TABLE [Transaction] ([TransactionID] INT, [TransDate] DATETIME, [TransType] INT, [InvoiceNum] TEXT, [PayeeID] INT, [CompanyName] TEXT, [TaxTotal] FLOAT, [SubTotal] FLOAT, [CostTotal] FLOAT, [LineTotal] FLOAT, [Paid] BIT, [TransMemo] TEXT)
CREATE INDEX [PrimaryKey] ON [Transaction] ([TransactionID])
)";

const char* const kTransItemTransTypeScript = R"(DROP TABLE [TransItem]
CREATE TABLE [TransItem] ([TransactionID] INT, [TransDate] DATETIME, [TransType] INT, [InvoiceNum] TEXT, [ProductID] TEXT, [ProductName] TEXT, [CompanyName] TEXT, [Quantity] FLOAT, [Discount] FLOAT, [UnitCost] FLOAT, [Price] FLOAT, [TaxID] INT, [TaxName] TEXT, [TaxRate] FLOAT, [ItemTotal] FLOAT, [TaxTotal] FLOAT, [LineTotal] FLOAT, [Split] INT, [AvgCost] FLOAT, [UnitsOnHand] FLOAT, [CategoryName] TEXT, [ItemOrder] INT)
CREATE INDEX [PrimaryKey] ON [TransItem] ([TransactionID])
DROP TABLE [TransType]
CREATE TABLE [TransType] ([TypeID] INT, [TypeName] TEXT)
CREATE INDEX [PrimaryKey] ON [TransType] ([TypeID])
INSERT INTO [TransType] ([TypeID], [TypeName]) values (0, "Buy")
INSERT INTO [TransType] ([TypeID], [TypeName]) values (1, "Sale")
INSERT INTO [TransType] ([TypeID], [TypeName]) values (2, "Increase")
INSERT INTO [TransType] ([TypeID], [TypeName]) values (3, "Decrease")
)";

const char* const kVendorScript = R"(DROP TABLE [Vendor]
CREATE TABLE [Vendor] ([PayeeID] INT, [CompanyName] TEXT, [Address] TEXT, [City] TEXT, [State] TEXT, [PostalCode] TEXT, [Country] TEXT, [Contact] TEXT, [Phone] TEXT, [Fax] TEXT, [Email] TEXT, [Note] TEXT)
CREATE INDEX [PrimaryKey] ON [Vendor] ([PayeeID])
)";

} // namespace

QString SchemaScript(int number)
{
    static const char* const scripts[kSchemaScriptCount] = {
        kVersionScript,        kAutoNumberCategoriesCustomerScript, kItemPayeeTypeScript,
        kTaxTransactionScript, kTransItemTransTypeScript,           kVendorScript};
    if (number < 1 || number > kSchemaScriptCount) {
        return QString();
    }
    return QString::fromLatin1(scripts[number - 1]);
}

QList<SchemaTable> SchemaTables()
{
    static const QRegularExpression createTable(QStringLiteral(R"(^CREATE TABLE \[(\w+)\] \((.*)\)$)"));
    static const QRegularExpression column(QStringLiteral(R"(\[(\w+)\] (\w+))"));
    QList<SchemaTable> tables;
    for (int number = 1; number <= kSchemaScriptCount; ++number) {
        for (const QString& line : SchemaScript(number).split(QLatin1Char('\n'))) {
            const QRegularExpressionMatch create = createTable.match(line);
            if (create.hasMatch()) {
                SchemaTable table{create.captured(1), {}, {}, {line}};
                auto columns = column.globalMatch(create.captured(2));
                while (columns.hasNext()) {
                    const QRegularExpressionMatch next = columns.next();
                    table.columns << next.captured(1);
                    table.types << next.captured(2);
                }
                tables << table;
            } else if (line.startsWith(QLatin1String("CREATE INDEX")) && !tables.isEmpty()) {
                tables.last().statements << line;
            }
        }
    }
    return tables;
}
