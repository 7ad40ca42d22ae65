// A book moved between a file and the test server with quillet-cli, and backed up from and
// restored into the server, reads the same everywhere.

#include "CCliRunner.h"
#include "CDbConnection.h"
#include "CDbStatement.h"
#include "SchemaScripts.h"
#include "TestBooks.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

const QList<QStringList> kReadings = {{"register"},         {"list", "products"},  {"list", "categories"},
                                      {"list", "taxes"},    {"list", "customers"}, {"list", "vendors"},
                                      {"list", "counters"}, {"list", "company"}};

QList<QStringList> Read(const QString& book)
{
    CCliRunner cli(book);
    QList<QStringList> readings;
    for (const QStringList& reading : kReadings) {
        EXPECT_EQ(cli.Run(reading), 0) << cli.Err().toStdString();
        readings << cli.OutLines();
    }
    return readings;
}

// "TransID|largest TransactionID of Transaction|of TransItem|TransItem rows without their Transaction".
QString Counters(const QString& book)
{
    CDbConnection connection(book);
    CDbStatement check(connection, "SELECT (SELECT TransID FROM AutoNumber), (SELECT max(TransactionID) FROM "
                                   "[Transaction]), (SELECT max(TransactionID) FROM TransItem), (SELECT count(*) FROM "
                                   "TransItem WHERE TransactionID NOT IN (SELECT TransactionID FROM [Transaction]))");
    if (!check.IsValid() || !check.Next()) {
        return QStringLiteral("unreadable");
    }
    return QStringLiteral("%1|%2|%3|%4")
        .arg(check.Int64(0))
        .arg(check.Int64(1))
        .arg(check.Int64(2))
        .arg(check.Int64(3));
}

// Every row of every table of a book on a file, each value with its storage class and its exact
// bits or characters.
QStringList RawRows(const QString& file)
{
    CDbConnection connection(file);
    QStringList rows;
    for (const SchemaTable& table : SchemaTables()) {
        CDbStatement all(connection, QStringLiteral("SELECT rowid, * FROM [%1] ORDER BY rowid").arg(table.name));
        while (all.Next()) {
            QString row = table.name;
            for (int i = 0; i < all.ColumnCount(); ++i) {
                const CDbVariant value = all.StoredValue(i);
                row += QStringLiteral("|%1:").arg(static_cast<int>(value.GetKind()));
                if (value.GetKind() == CDbVariant::Kind::Double) {
                    const double number = value.ToDouble();
                    row +=
                        QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(&number), sizeof number).toHex());
                } else if (!value.IsNull()) {
                    row += value.ToText();
                }
            }
            rows << row;
        }
    }
    return rows;
}

class CliSharedBook : public testing::Test
{
protected:
    void SetUp() override
    {
        if (TestServerBase().isEmpty()) {
            GTEST_SKIP() << "no PostgreSQL test server";
        }
        m_file = m_dir.filePath(QStringLiteral("shop.cdb"));
        m_server = NewBookLocation(m_dir, QString());
        CCliRunner cli(m_file);
        ASSERT_EQ(cli.Run({"init"}), 0);
        for (const char* product : {"Rope", "Ärger", "Zange", "O'Hara"}) {
            ASSERT_EQ(cli.Run({"product", "add", product, "--category", "Hardware", "--qty", "4", "--cost", "1.5"}), 0)
                << cli.Err().toStdString();
        }
        ASSERT_EQ(cli.Run({"customer", "add", "Acme", "--city", "Cork"}), 0);
        // Two lines in one second: their order must survive the move.
        ASSERT_EQ(cli.Run({"purchase", "--party", "Mill", "--date", "2026-01-09 10:00:00", "--line", "rope;10;2",
                           "--line", "Ärger;3;2.25"}),
                  0);
        ASSERT_EQ(cli.Run({"sale", "--party", "Acme", "--date", "2026-01-09 10:00:00", "--line", "ROPE;2;5"}), 0);
        ASSERT_EQ(cli.Run({"adjust", "Ärger", "-1"}), 0);
    }

    void TearDown() override { RemoveBook(m_server); }

    QTemporaryDir m_dir;
    QString m_file;
    QString m_server;
};

TEST_F(CliSharedBook, CopiedToTheServerAndBackItReadsTheSame)
{
    const QList<QStringList> onFile = Read(m_file);
    CCliRunner cli(m_file);
    ASSERT_EQ(cli.Run({"copy-book", m_file, m_server}), 0) << cli.Err().toStdString();
    EXPECT_EQ(Read(m_server), onFile);

    const QString back = m_dir.filePath(QStringLiteral("back.cdb"));
    ASSERT_EQ(cli.Run({"copy-book", m_server, back}), 0) << cli.Err().toStdString();
    EXPECT_EQ(Read(back), onFile);

    // A book is never mixed into another.
    EXPECT_EQ(cli.Run({"copy-book", back, m_server}), 1);
    EXPECT_TRUE(cli.Err().contains("holds a book already")) << cli.Err().toStdString();
    EXPECT_EQ(cli.Run({"copy-book", m_dir.filePath(QStringLiteral("none.cdb")), m_dir.filePath("x.cdb")}), 1);
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath("x.cdb")));
    EXPECT_EQ(Read(m_server), onFile);
}

TEST_F(CliSharedBook, AServerBookBacksUpToADataFileAndRestoresFromOne)
{
    CCliRunner cli(m_file);
    ASSERT_EQ(cli.Run({"copy-book", m_file, m_server}), 0) << cli.Err().toStdString();
    const QList<QStringList> before = Read(m_server);
    CCliRunner server(m_server);
    const QString backup = m_dir.filePath(QStringLiteral("shop.bak"));
    ASSERT_EQ(server.Run({"backup", backup}), 0) << server.Err().toStdString();
    EXPECT_EQ(Read(backup), before);

    ASSERT_EQ(server.Run({"sale", "--party", "Acme", "--line", "Rope;1;5"}), 0);
    ASSERT_NE(Read(m_server), before);
    ASSERT_EQ(server.Run({"--yes", "restore", backup}), 0) << server.Err().toStdString();
    EXPECT_EQ(Read(m_server), before);
    // New identifiers follow the restored ones.
    ASSERT_EQ(server.Run({"sale", "--party", "Acme", "--line", "Rope;1;5"}), 0);
    EXPECT_EQ(server.OutLines(), QStringList{"7"});
}

TEST_F(CliSharedBook, TillsPostingAtOnceGiveEverySaleItsOwnInvoiceNumber)
{
    CCliRunner cli(m_file);
    ASSERT_EQ(cli.Run({"copy-book", m_file, m_server}), 0) << cli.Err().toStdString();
    CCliRunner server(m_server);
    const CCliRunner::AtOnce posted =
        server.RunAtOnce({"--yes", "sale", "--party", "Acme", "--line", "Rope;1;5"}, 3, 10);
    EXPECT_TRUE(posted.allSucceeded) << posted.err.toStdString();
    ASSERT_EQ(server.Run({"register"}), 0);
    const QStringList numbers = SaleNumbers(server.OutLines());
    EXPECT_EQ(numbers.size(), 31);
    for (const QString& number : numbers) {
        EXPECT_EQ(number.section('|', 0, 0), number.section('|', 1)) << number.toStdString();
    }
}

TEST_F(CliSharedBook, ACopyOfABookInUseIsOneStateOfIt)
{
    CCliRunner cli(m_file);
    ASSERT_EQ(cli.Run({"copy-book", m_file, m_server}), 0) << cli.Err().toStdString();
    QStringList serverCopies;
    // Server to files, then file to server databases, each while three programs post sales.
    for (const QString& source : {m_server, m_file}) {
        std::vector<std::unique_ptr<QProcess>> writers;
        for (int i = 0; i < 3; ++i) {
            auto writer = std::make_unique<QProcess>();
            writer->start("/bin/sh",
                          {"-c",
                           "for i in 1 2 3 4 5 6 7 8 9 10 11 12; do \"$0\" --yes --data \"$1\" sale --party Acme "
                           "--line 'Rope;1;5' >/dev/null || exit 1; done",
                           QUILLET_CLI, source});
            writers.push_back(std::move(writer));
        }
        int copies = 0;
        for (bool writing = true; writing; ++copies) {
            writing = false;
            for (const auto& writer : writers) {
                // Without an event loop the state moves only while waiting.
                writer->waitForFinished(0);
                writing = writing || writer->state() != QProcess::NotRunning;
            }
            QString copy = m_dir.filePath(QStringLiteral("copy%1.cdb").arg(copies));
            if (source == m_file) {
                copy = NewBookLocation(m_dir, QString());
                serverCopies << copy;
            }
            ASSERT_EQ(cli.Run({"copy-book", source, copy}), 0) << cli.Err().toStdString();
            // The counter covers every stored transaction, and each line has its transaction.
            const QStringList counters = Counters(copy).split('|');
            ASSERT_EQ(counters.size(), 4) << counters.join('|').toStdString();
            EXPECT_GE(counters[0].toLongLong(), counters[1].toLongLong()) << counters.join('|').toStdString();
            EXPECT_GE(counters[0].toLongLong(), counters[2].toLongLong()) << counters.join('|').toStdString();
            EXPECT_EQ(counters[3], "0") << counters.join('|').toStdString();
        }
        for (const auto& writer : writers) {
            writer->waitForFinished(60000);
            EXPECT_EQ(writer->state(), QProcess::NotRunning);
            EXPECT_EQ(writer->exitCode(), 0) << writer->readAllStandardError().toStdString();
        }
        EXPECT_GE(copies, 2);
    }
    for (const QString& copy : serverCopies) {
        RemoveBook(copy);
    }
}

TEST_F(CliSharedBook, TwoBooksInTwoSchemasOfOneDatabaseStandSideBySide)
{
    CCliRunner cli(m_file);
    ASSERT_EQ(cli.Run({"copy-book", m_file, m_server}), 0) << cli.Err().toStdString();
    const QList<QStringList> first = Read(m_server);
    ASSERT_TRUE(RunOnServer(m_server, "CREATE SCHEMA s2; CREATE SCHEMA s3"));

    const QString second = m_server + QStringLiteral("?options=-csearch_path%3Ds2");
    CCliRunner other(second);
    ASSERT_EQ(other.Run({"init"}), 0) << other.Err().toStdString();
    ASSERT_EQ(other.Run({"product", "add", "Gear", "--category", "Hardware", "--qty", "2", "--cost", "3"}), 0)
        << other.Err().toStdString();
    ASSERT_EQ(other.Run({"sale", "--party", "Walk-in", "--line", "Gear;1;5"}), 0) << other.Err().toStdString();
    EXPECT_EQ(other.OutLines(), QStringList{"1"});
    const QString third = m_server + QStringLiteral("?options=-csearch_path%3Ds3");
    ASSERT_EQ(cli.Run({"copy-book", m_file, third}), 0) << cli.Err().toStdString();

    EXPECT_EQ(Read(m_server), first);
    EXPECT_EQ(Read(third), Read(m_file));
    ASSERT_EQ(other.Run({"list", "products"}), 0);
    ASSERT_EQ(other.OutLines().size(), 2) << other.Out().toStdString();
    EXPECT_TRUE(other.OutLines()[1].startsWith("Gear,")) << other.Out().toStdString();
}

TEST_F(CliSharedBook, APasswordInTheAddressIsNeverShown)
{
    QString withPassword = m_server;
    withPassword.replace("://quillet@", "://quillet:S3cretPw@");
    ASSERT_NE(withPassword, m_server);
    CCliRunner cli(withPassword);
    EXPECT_EQ(cli.Run({"list", "counters"}), 1);
    EXPECT_EQ(cli.Err().trimmed(), QStringLiteral("no data file at %1; create one with init").arg(m_server));
    EXPECT_EQ(cli.Run({"copy-book", withPassword, m_dir.filePath("x.cdb")}), 1);
    EXPECT_TRUE(cli.Err().startsWith("copy-book: no book at " + m_server)) << cli.Err().toStdString();
    ASSERT_EQ(cli.Run({"copy-book", m_file, withPassword}), 0) << cli.Err().toStdString();
    EXPECT_EQ(cli.Run({"copy-book", m_file, withPassword}), 1);
    EXPECT_TRUE(cli.Err().startsWith("copy-book: " + m_server + " holds a book already")) << cli.Err().toStdString();
    EXPECT_FALSE(cli.Err().contains("S3cretPw"));
}

TEST_F(CliSharedBook, InitSetsUpAnEmptyDatabaseMadeInAnotherLocaleAndNamesCompareAsOnTheFile)
{
    const QString name = m_server.mid(TestServerBase().size());
    ASSERT_TRUE(RunOnServer(TestServerBase() + "postgres",
                            "CREATE DATABASE \"" + name.toUtf8() + "\" TEMPLATE template0 LOCALE 'C.UTF-8'"));
    const QString file = m_dir.filePath(QStringLiteral("names.cdb"));
    QList<int> codes[2];
    QStringList products[2];
    int which = 0;
    for (const QString& book : {file, m_server}) {
        CCliRunner cli(book);
        EXPECT_EQ(cli.Run({"init"}), 0) << cli.Err().toStdString();
        for (const char* product : {"Éclair", "éclair", "ÉCLAIR", "Eclair", "eclair", "Straße", "STRASSE"}) {
            codes[which] << cli.Run({"product", "add", product, "--category", "Hardware"});
        }
        EXPECT_EQ(cli.Run({"list", "products"}), 0);
        products[which++] = cli.OutLines();
    }
    EXPECT_EQ(codes[1], codes[0]);
    EXPECT_EQ(products[1], products[0]);
    EXPECT_EQ(codes[0].value(1), 1) << "éclair beside Éclair";
}

} // namespace

// Texts with the characters the server's copy format gives a meaning (tab, line feed, carriage
// return, backslash, its end-of-data line, its null marker), control characters, quotes, other
// scripts, empty against null, and numbers at the ends of what a double holds: all come back from
// the server exactly as they were on the file.
TEST_F(CliSharedBook, OddValuesComeBackFromTheServerExactlyAsTheyWere)
{
    const QStringList texts = {"tab\there",  "line\nfeed",     "cr\rreturn",    "back\\slash",      "\\.",        "\\N",
                               "trailing\\", "\b\f\v\x01 ctl", "quotes ' \" `", "Ärger – 日本 ✓ 😀", "\\.\nafter", ""};
    const std::vector<double> numbers = {1e12,
                                         -1e12,
                                         0.1 + 0.2,
                                         -123456789.12345679,
                                         5e-324,
                                         -2.2250738585072014e-308,
                                         1.7976931348623157e308,
                                         1.0 / 3,
                                         -0.5,
                                         123456789012.34567};
    {
        CDbConnection book(m_file);
        ASSERT_TRUE(book.BeginOperation());
        for (int i = 0; i < texts.size(); ++i) {
            CDbStatement customer(book,
                                  "INSERT INTO Customer (PayeeID, CompanyName, Address, Note) VALUES (?1, ?2, ?3, ?4)");
            customer.Bind(1, CDbVariant(100 + i)).Bind(2, CDbVariant(texts[i])).Bind(3, CDbVariant(texts[i]));
            customer.Bind(4, i % 2 == 0 ? CDbVariant() : CDbVariant(QString()));
            ASSERT_TRUE(customer.Run());
        }
        for (size_t i = 0; i < numbers.size(); ++i) {
            CDbStatement line(book,
                              "INSERT INTO TransItem (TransactionID, TransDate, TransType, InvoiceNum, ProductID, "
                              "ProductName, CompanyName, Quantity, Price, UnitCost, LineTotal, AvgCost, "
                              "CategoryName, ItemOrder) VALUES (1, '2026-01-09 10:00:00', 2, ?1, 'Rope', ?2, "
                              "?3, ?4, ?5, ?4, ?5, ?6, ?7, 9)");
            const QString text = texts[static_cast<int>(i) % texts.size()];
            line.Bind(1, CDbVariant(text)).Bind(2, CDbVariant(text)).Bind(3, CDbVariant(QString()));
            line.Bind(4, CDbVariant(numbers[i])).Bind(5, CDbVariant(-numbers[i]));
            line.Bind(6, CDbVariant()).Bind(7, i % 2 == 0 ? CDbVariant() : CDbVariant(QString()));
            ASSERT_TRUE(line.Run());
        }
        ASSERT_TRUE(book.CommitOperation());
    }
    const QStringList before = RawRows(m_file);
    ASSERT_GT(before.size(), 30);
    CCliRunner cli(m_file);
    ASSERT_EQ(cli.Run({"copy-book", m_file, m_server}), 0) << cli.Err().toStdString();
    const QString back = m_dir.filePath(QStringLiteral("back.cdb"));
    ASSERT_EQ(cli.Run({"copy-book", m_server, back}), 0) << cli.Err().toStdString();
    const QStringList after = RawRows(back);
    ASSERT_EQ(after.size(), before.size());
    for (int i = 0; i < before.size(); ++i) {
        EXPECT_EQ(after[i], before[i]);
    }
}

// A value the server cannot hold (a NUL inside a text) fails the copy, which says so and leaves
// no book behind, rather than storing the text cut short.
TEST_F(CliSharedBook, ACopyTheServerRefusesLeavesNothingBehind)
{
    {
        CDbConnection book(m_file);
        ASSERT_TRUE(book.BeginOperation());
        CDbStatement customer(book, "INSERT INTO Customer (PayeeID, CompanyName) VALUES (200, ?1)");
        customer.Bind(1, CDbVariant(QString::fromUtf8("nul\0inside", 11)));
        ASSERT_TRUE(customer.Run());
        ASSERT_TRUE(book.CommitOperation());
    }
    CCliRunner cli(m_file);
    EXPECT_EQ(cli.Run({"copy-book", m_file, m_server}), 1);
    EXPECT_TRUE(cli.Err().contains("was not changed")) << cli.Err().toStdString();
    CCliRunner server(m_server);
    EXPECT_EQ(server.Run({"list", "counters"}), 1);
}
