#include "SqlDialect.h"

#include <gtest/gtest.h>

namespace {
const QSet<QString> kDateColumns = {QStringLiteral("transdate")};

QString Mapped(const QString& sql)
{
    return MapToSqlite(sql, kDateColumns).sql;
}
} // namespace

TEST(SqlDialect, KeywordTableNamesAreBracketedButColumnsAndTextStay)
{
    EXPECT_EQ(Mapped("delete from Transaction where TransactionID = 5 "),
              "delete from [Transaction] where TransactionID = 5 ");
    EXPECT_EQ(Mapped("SELECT * FROM Transaction where TransactionID=7"),
              "SELECT * FROM [Transaction] where TransactionID=7");
    EXPECT_EQ(Mapped("DROP TABLE [Transaction]"), "DROP TABLE [Transaction]");
    EXPECT_EQ(Mapped("SELECT * FROM Item where ProductID = 'Transaction \"x\"'"),
              "SELECT * FROM Item where ProductID = 'Transaction \"x\"'");
}

TEST(SqlDialect, BareTableNameBecomesSelectAll)
{
    EXPECT_EQ(Mapped("TransItem"), "SELECT * FROM [TransItem]");
    EXPECT_EQ(Mapped("Transaction"), "SELECT * FROM [Transaction]");
    EXPECT_EQ(Mapped(" [Tax] "), "SELECT * FROM [Tax]");
}

TEST(SqlDialect, DoubleQuotedValuesBecomeSingleQuoted)
{
    EXPECT_EQ(Mapped("INSERT INTO [Tax] ([TaxID], [TaxName], [TaxRate]) values (1, \"None\", 0)"),
              "INSERT INTO [Tax] ([TaxID], [TaxName], [TaxRate]) values (1, 'None', 0)");
    EXPECT_EQ(Mapped("INSERT INTO [T] ([a]) values (\"O'Brien \"\"x\"\"\")"),
              "INSERT INTO [T] ([a]) values ('O''Brien \"x\"')");
}

TEST(SqlDialect, SchemaStatementsGetCaseInsensitiveTextAndPerTableIndexNames)
{
    EXPECT_EQ(Mapped("CREATE TABLE [Tax] ([TaxID] INT, [TaxName] TEXT, [TaxRate] FLOAT)"),
              "CREATE TABLE [Tax] ([TaxID] INT, [TaxName] TEXT COLLATE NOCASE, [TaxRate] FLOAT)");
    EXPECT_EQ(Mapped("CREATE INDEX [PrimaryKey] ON [Tax] ([TaxID])"),
              "CREATE INDEX [PrimaryKey_Tax] ON [Tax] ([TaxID])");
    EXPECT_EQ(Mapped("SELECT TEXT FROM x"), "SELECT TEXT FROM x");
}

TEST(SqlDialect, DateLiteralsComparedWithDateColumnsAreNormalised)
{
    EXPECT_EQ(Mapped("SELECT * FROM TransItem where TransDate>='2026/1/9' and  TransDate<'2026/1/10' order by "
                     "ProductID, TransDate"),
              "SELECT * FROM TransItem where TransDate>='2026-01-09 00:00:00' and  TransDate<'2026-01-10 00:00:00' "
              "order by ProductID, TransDate");
    EXPECT_EQ(Mapped("SELECT * FROM TransItem where '2026/1/9 9:5:3' <= TransItem.TransDate"),
              "SELECT * FROM TransItem where '2026-01-09 09:05:03' <= TransItem.TransDate");
    // Other columns and texts that are no dates keep their literal.
    EXPECT_EQ(Mapped("SELECT * FROM TransItem where InvoiceNum = '2026/1/9'"),
              "SELECT * FROM TransItem where InvoiceNum = '2026/1/9'");
    EXPECT_EQ(Mapped("SELECT * FROM TransItem where TransDate = 'soon'"),
              "SELECT * FROM TransItem where TransDate = 'soon'");
}

TEST(SqlDialect, CreateDatabaseCarriesThePath)
{
    const SqlMapping mapping = MapToSqlite("CREATE DATABASE '/home/o''brien/Quillet.cdb'", {});
    EXPECT_EQ(mapping.kind, SqlMapping::Kind::CreateDatabase);
    EXPECT_EQ(mapping.databasePath, "/home/o'brien/Quillet.cdb");
}
