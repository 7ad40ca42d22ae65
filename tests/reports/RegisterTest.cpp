#include "CBookScenario.h"
#include "CDbStatement.h"
#include "CRegister.h"
#include "CSecondProgram.h"
#include "CStockAdjustment.h"
#include "RegisterRow.h"
#include "TestBooks.h"
#include "TransactionTypes.h"

#include <QLocale>

#include <random>

#include <gtest/gtest.h>

namespace {

using Day = CBookScenario;

// The register of a book, with an entry form that records what it was asked to open and answers
// with the scripted save (none: cancelled).
class RegisterTest : public testing::Test
{
protected:
    RegisterTest()
        : m_register(m_book.Doc(), [this](int32_t type, int32_t id) {
              m_opened << QStringLiteral("%1:%2").arg(type).arg(id);
              return m_save ? m_save() : false;
          })
    {
        m_book.AddProduct("Gear");
        m_book.AddProduct("Belt");
    }

    CPrompter& Prompter() { return m_book.Doc().Prompter(); }
    CScriptedPrompter& Script() { return m_book.Book().Prompter(); }

    // "date product | payee | amount invoice | balance" of every row, in order.
    QStringList Shown()
    {
        QStringList rows;
        for (long i = 0; i < m_register.Rows().Count(); ++i) {
            const RegisterRow::Texts t = m_register.Rows().Read(i)->CellTexts();
            rows << QStringLiteral("%1 %2|%3|%4 %5|%6").arg(t.date, t.product, t.payee, t.amount, t.invoice, t.balance);
        }
        return rows;
    }

    void PostAdjustment(const QString& product, double quantity, int kind)
    {
        ItemRecord item = m_book.Product(product);
        item.UnitsOnHand = quantity;
        ASSERT_TRUE(m_book.Doc().PostStockAdjustment(item, kind));
    }

    // The TransactionID of the row now at index.
    int32_t IdAt(long index) { return m_register.Rows().Read(index)->TransactionID; }
    void ExpectRowsInFullOrder(const std::vector<long>& order);

    CBookScenario m_book;
    QStringList m_opened;
    std::function<bool()> m_save;
    CRegister m_register;
};

TEST_F(RegisterTest, AnEmptyBookHasNoRowsAndNothingToSelect)
{
    ASSERT_TRUE(m_register.Refill());
    EXPECT_EQ(m_register.Rows().Count(), 0);
    EXPECT_FALSE(m_register.Rows().Read(0));
    m_register.Select(0);
    EXPECT_EQ(m_register.Selected(), -1);
    EXPECT_FALSE(m_register.CanEditSelected());
    EXPECT_FALSE(m_register.EditSelected());
    EXPECT_FALSE(m_register.DeleteSelected());
    EXPECT_EQ(Script().Shown(), (QStringList{"Please Select Item First", "Please Select Item First"}));
}

TEST_F(RegisterTest, RowsShowEachMovementWithTheRunningValueInRegisterOrder)
{
    m_book.Purchase(Day::Day(1), {{"Gear", 2, 1.5}});
    m_book.Sale(Day::Day(2), {{"Gear", 2, 9}});
    m_book.Purchase(Day::Day(3), {{"Gear", 10, 4}, {"Belt", 1, 2.25}, {"Gear", 1, 5}});
    PostAdjustment("Belt", -1, CInventoryDoc::kAdjustment);
    ASSERT_TRUE(m_book.Book().Exec("UPDATE TransItem SET InvoiceNum = '' WHERE TransType = 1"));
    ASSERT_TRUE(m_register.Refill());
    EXPECT_EQ(
        Shown(),
        (QStringList{"1/1/26 Gear|Vendor|3.00 #INV|3.00", "1/2/26 Gear|Customer|-3.00 |0.00",
                     "1/3/26 Gear|[Split] Vendor|40.00 #INV|40.00", "1/3/26 Belt|[Split] Vendor|2.25 #INV|42.25",
                     "1/3/26 Gear|[Split] Vendor|5.00 #INV|47.25", "2/1/26 Belt|Adjust on hand (-1)|-2.25 |45.00"}));
    // Rows are read by their index, whatever was read before.
    EXPECT_EQ(m_register.Rows().Read(4)->Quantity, 1);
    EXPECT_EQ(m_register.Rows().Read(1)->TransType, kTransSale);
    EXPECT_EQ(m_register.Rows().Read(4)->Quantity, 1);
    EXPECT_FALSE(m_register.Rows().Read(6));
    EXPECT_FALSE(m_register.Rows().Read(-1));
}

TEST_F(RegisterTest, CellTextsFollowTheTypeTheSignsAndTheLocale)
{
    RegisterRow row;
    row.TransDate = QDateTime(QDate(2005, 3, 7), QTime(9, 30));
    row.TransType = kTransSale;
    row.Quantity = 2;
    row.UnitCost = 1.5;
    row.LineTotal = -12.5;
    row.CompanyName = "Bob";
    row.Split = 1;
    RegisterRow::Texts texts = row.CellTexts();
    EXPECT_EQ(texts.date, "3/7/05");
    EXPECT_EQ(texts.payee, "Bob");
    EXPECT_EQ(texts.amount, "-3.00");
    EXPECT_TRUE(texts.amountNegative);
    EXPECT_EQ(texts.balance, "-12.50");
    EXPECT_TRUE(texts.balanceNegative);
    EXPECT_EQ(texts.invoice, "");

    row.TransType = kTransPurchase;
    row.Split = 3;
    row.InvoiceNum = "0042";
    texts = row.CellTexts();
    EXPECT_EQ(texts.amount, "3.00");
    EXPECT_FALSE(texts.amountNegative);
    EXPECT_EQ(texts.payee, "[Split] Bob");
    EXPECT_EQ(texts.invoice, "#0042");

    // A sale at no cost is no negative amount; a row without a date shows none.
    row.TransType = kTransSale;
    row.UnitCost = 0;
    row.TransDate = QDateTime();
    texts = row.CellTexts();
    EXPECT_EQ(texts.amount, "0.00");
    EXPECT_FALSE(texts.amountNegative);
    EXPECT_EQ(texts.date, "");

    row.TransDate = QDateTime(QDate(2005, 3, 7), QTime(9, 30));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(row.CellTexts().date, "07.03.05");
    // The C locale has no short date of its own: month/day/two-digit year.
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(row.CellTexts().date, "3/7/05");
    row.TransDate = QDateTime(QDate(2012, 11, 30), QTime(9, 30));
    EXPECT_EQ(row.CellTexts().date, "11/30/12");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

TEST_F(RegisterTest, NullTextsWrittenByAnotherProgramReadAsEmpty)
{
    ASSERT_TRUE(m_book.Book().Exec("INSERT INTO TransItem (TransactionID, TransDate, TransType, ProductID, Quantity, "
                                   "UnitCost, LineTotal, Split) values (7, '2026-01-05 10:00:00', 0, 'Gear', 1, 2, "
                                   "2, 1)"));
    ASSERT_TRUE(m_register.Refill());
    EXPECT_EQ(Shown(), QStringList{"1/5/26 Gear||2.00 |2.00"});
}

TEST_F(RegisterTest, AStatementThatCannotRunLeavesTheRegisterEmpty)
{
    ASSERT_TRUE(m_book.Book().Exec("DROP TABLE TransItem"));
    EXPECT_FALSE(m_register.Refill());
    EXPECT_EQ(Script().Shown(), QStringList{"Unable to execute command(Register Activate)"});
    EXPECT_FALSE(m_register.Rows().IsOpen());
    EXPECT_EQ(m_register.Rows().Count(), 0);
}

TEST_F(RegisterTest, DeletingAPurchaseThatRaisedTheAverageRestoresIt)
{
    m_book.Purchase(Day::Day(1), {{"Gear", 10, 4}});
    const int32_t dear = m_book.Purchase(Day::Day(2), {{"Gear", 10, 6}, {"Belt", 1, 3}});
    m_book.Sale(Day::Day(3), {{"Gear", 5, 20}});
    EXPECT_EQ(m_book.ItemRow("Gear"), "15|6|5|7");
    ASSERT_TRUE(m_register.Refill());
    m_register.Select(2);
    ASSERT_EQ(IdAt(2), dear);
    Script().AnswerYes();
    EXPECT_TRUE(m_register.DeleteSelected());
    EXPECT_EQ(Script().Questions(), QStringList{"Delete the whole purchase transaction with 2 Sub Items?"});
    EXPECT_EQ(m_book.ItemRow("Gear"), "5|6|4|7");
    EXPECT_EQ(m_book.ItemRow("Belt"), "0|0|0|7");
    // The rows were read afresh: the sale now costs the restored average.
    EXPECT_EQ(Shown(), (QStringList{"1/1/26 Gear|Vendor|40.00 #INV|40.00", "1/3/26 Gear|Customer|-20.00 #INV|20.00"}));
    EXPECT_EQ(m_register.Selected(), -1);
    EXPECT_EQ(Script().WaitDepth(), 0);
}

TEST_F(RegisterTest, AnOpeningBalanceCanBeDeletedButNotEdited)
{
    PostAdjustment("Gear", 12, CInventoryDoc::kOpeningBalance);
    ASSERT_TRUE(m_register.Refill());
    m_register.Select(0);
    EXPECT_TRUE(m_register.CanEditSelected());
    EXPECT_FALSE(m_register.EditSelected());
    Script().AnswerNo();
    EXPECT_FALSE(m_register.DeleteSelected());
    EXPECT_EQ(Script().Shown(),
              (QStringList{"You can not edit Open/Close Transaction", "? Delete the adjustment transaction?"}));
    // No answered No changes nothing and keeps the selection.
    EXPECT_EQ(m_register.Selected(), 0);
    EXPECT_EQ(m_register.Rows().Count(), 1);
    Script().AnswerYes();
    EXPECT_TRUE(m_register.DeleteSelected());
    EXPECT_EQ(m_register.Rows().Count(), 0);
    EXPECT_EQ(m_book.ItemRow("Gear"), "0|0|0|7");
}

TEST_F(RegisterTest, AnAdjustmentIsChangedOnTheNumberPad)
{
    m_book.Purchase(Day::Day(1), {{"Gear", 10, 2}});
    PostAdjustment("Gear", 5, CInventoryDoc::kAdjustment);
    ASSERT_TRUE(m_register.Refill());
    m_register.Select(1);

    // Zero and a number past the bounds are refused; cancel changes nothing.
    Script().AnswerNumber(0);
    Script().AnswerNumber(2e12);
    Script().AnswerNumber(std::nullopt);
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(m_register.EditSelected());
    }
    EXPECT_EQ(Script().Shown(),
              (QStringList{"# Qty +/- | Gear | 5", "Zero is not a valid adjustment value!", "# Qty +/- | Gear | 5",
                           "'2e+12' is out of range: numbers may be at most 1,000,000,000,000 in size.",
                           "# Qty +/- | Gear | 5"}));
    EXPECT_EQ(m_register.Selected(), 1);

    Script().Clear();
    Script().AnswerNumber(8);
    EXPECT_TRUE(m_register.EditSelected());
    EXPECT_EQ(m_book.ItemRow("Gear"), "18|0|2|7");
    EXPECT_EQ(Shown().value(1), "2/1/26 Gear|Adjust on hand (+8)|16.00 |36.00");
    EXPECT_EQ(m_register.Selected(), -1);
    EXPECT_EQ(Script().WaitDepth(), 0);
}

// Were an operation begun, it would wait for the lock another program holds and fail with its message.
TEST_F(RegisterTest, TheSameQuantityOnThePadCallsNoOperation)
{
    m_book.Purchase(Day::Day(1), {{"Gear", 10, 2}});
    PostAdjustment("Gear", 5, CInventoryDoc::kAdjustment);
    ASSERT_TRUE(m_register.Refill());
    m_register.Select(1);
    CSecondProgram other(m_book.Book().Path());
    ASSERT_TRUE(other.Connection().BeginOperation());
    m_book.Book().Connection().SetBusyTimeout(100);
    const qint64 changes = m_book.Book().Connection().TotalChanges();

    Script().AnswerNumber(5);
    EXPECT_FALSE(m_register.EditSelected());
    EXPECT_EQ(Script().Shown(), QStringList{"# Qty +/- | Gear | 5"});
    EXPECT_EQ(m_book.Book().Connection().TotalChanges(), changes);
    EXPECT_EQ(m_register.Selected(), 1);
    other.Connection().RollbackOperation();
}

TEST_F(RegisterTest, SalesAndPurchasesOpenInTheEntryForm)
{
    const int32_t purchase = m_book.Purchase(Day::Day(1), {{"Gear", 10, 2}});
    const int32_t sale = m_book.Sale(Day::Day(2), {{"Gear", 1, 5}});
    ASSERT_TRUE(m_register.Refill());
    m_register.Select(1);
    EXPECT_FALSE(m_register.EditSelected());
    EXPECT_EQ(m_register.Selected(), 1);
    m_save = [] { return true; };
    m_register.Select(0);
    EXPECT_TRUE(m_register.EditSelected());
    EXPECT_TRUE(m_register.New(kTransSale));
    EXPECT_TRUE(m_register.New(kTransPurchase));
    EXPECT_EQ(m_opened,
              (QStringList{QStringLiteral("1:%1").arg(sale), QStringLiteral("0:%1").arg(purchase), "1:-1", "0:-1"}));
    EXPECT_EQ(m_register.Selected(), -1);

    // Without the entry form there is nothing to open: only adjustments can be edited.
    CRegister withoutForm(m_book.Doc(), {});
    withoutForm.Refill();
    withoutForm.Select(0);
    EXPECT_FALSE(withoutForm.CanEditSelected());
    EXPECT_FALSE(withoutForm.New(kTransSale));
    EXPECT_TRUE(Script().Shown().isEmpty());
}

// The rows move under the selection when a sale is entered before them or a transaction deleted;
// Edit and Delete then act on the row the user selects, or on none.
TEST_F(RegisterTest, AfterAChangeEditAndDeleteActOnTheRowSelectedOrOnNone)
{
    const int32_t first = m_book.Purchase(Day::Day(2), {{"Gear", 10, 2}});
    const int32_t second = m_book.Purchase(Day::Day(3), {{"Belt", 10, 2}});
    m_book.Sale(Day::Day(4), {{"Gear", 1, 5}});
    ASSERT_TRUE(m_register.Refill());
    m_register.Select(1);
    int32_t entered = -1;
    m_save = [this, &entered] { return (entered = m_book.Sale(Day::Day(1), {{"Belt", 1, 5}})) >= 0; };
    ASSERT_TRUE(m_register.New(kTransSale));

    EXPECT_EQ(m_register.Selected(), -1);
    EXPECT_FALSE(m_register.EditSelected());
    EXPECT_FALSE(m_register.DeleteSelected());
    EXPECT_EQ(Script().Shown(), (QStringList{"Please Select Item First", "Please Select Item First"}));
    EXPECT_EQ(m_opened, QStringList{"1:-1"});

    // The last row is now the sale of day 4.
    m_register.Select(3);
    Script().AnswerYes();
    ASSERT_TRUE(m_register.DeleteSelected());
    const auto ids = [](std::initializer_list<int32_t> list) {
        QStringList texts;
        for (const int32_t id : list) {
            texts << QString::number(id);
        }
        return texts;
    };
    EXPECT_EQ(m_book.Book().Rows("SELECT TransactionID FROM TransItem order by TransDate"),
              ids({entered, first, second}));
    EXPECT_EQ(m_book.Book().Rows("SELECT TransactionID FROM Transaction order by TransDate"),
              ids({entered, first, second}));

    Script().Clear();
    EXPECT_FALSE(m_register.DeleteSelected());
    EXPECT_EQ(Script().Shown(), QStringList{"Please Select Item First"});
    EXPECT_EQ(m_register.Rows().Count(), 3);
}

namespace {
// Rows with many equal dates, item orders and transactions and null parts of the order; from the
// first date on, or all on one early date.
QString RegisterRowsValues(int rows, int firstLine, bool early = false)
{
    QStringList values;
    for (int i = 0; i < rows; ++i) {
        const QString date =
            i % 7 == 0
                ? QStringLiteral("NULL")
                : QStringLiteral("'2026-01-%1 10:00:00'").arg(early ? 1 : 1 + (i * 37) % 9, 2, 10, QLatin1Char('0'));
        const QString order = i % 5 == 0 ? QStringLiteral("NULL") : QString::number(i % 3);
        const QString id = i % 11 == 0 ? QStringLiteral("NULL") : QString::number(i % 4);
        values << QStringLiteral("(%1, %2, 0, 'Gear', 1, 2, %3, 1, %4)").arg(id, date).arg(firstLine + i).arg(order);
    }
    return "INSERT INTO TransItem (TransactionID, TransDate, TransType, ProductID, Quantity, UnitCost, LineTotal, "
           "Split, ItemOrder) values " +
           values.join(',');
}
} // namespace

// Reads the rows at order's indexes, each expected to be the row a full ordered read puts there.
void RegisterTest::ExpectRowsInFullOrder(const std::vector<long>& order)
{
    const QStringList expected =
        m_book.Book().Rows("SELECT LineTotal FROM TransItem order by TransDate,ItemOrder,TransactionID,rowid");
    ASSERT_TRUE(m_register.Refill());
    ASSERT_EQ(m_register.Rows().Count(), expected.size());
    for (const long index : order) {
        const std::optional<RegisterRow> row = m_register.Rows().Read(index);
        ASSERT_EQ(row ? QString::number(row->LineTotal) : QStringLiteral("none"), expected.value(index, "none"))
            << index;
    }
}

// Enough rows for more pages than are kept, read in any order: each index gives the row a full
// ordered read puts there.
TEST_F(RegisterTest, RowsReadInAnyOrderAreThoseOfTheFullRegisterOrder)
{
    constexpr int kRows = CRegisterRows::kPageRows * (CRegisterRows::kCachedPages + 3) + 17;
    ASSERT_TRUE(m_book.Book().Exec(RegisterRowsValues(kRows, 0)));
    // The last screen first, as the window opens, then back to the start, jumps both ways, and
    // page edges.
    std::vector<long> order = {kRows - 1,  kRows - 12, 0,   1,   kRows / 2, kRows / 2 - 1, 63,  64,  65, 127, 128,
                               kRows - 65, 200,        130, 700, 5,         kRows - 1,     400, 399, 401};
    std::mt19937 random(7);
    for (int i = 0; i < 60; ++i) {
        order.push_back(std::uniform_int_distribution<long>(0, kRows - 1)(random));
    }
    for (long i = kRows - 1; i >= 0; --i) {
        order.push_back(i);
    }
    for (long i = 0; i < kRows; ++i) {
        order.push_back(i);
    }
    order.push_back(kRows);
    ExpectRowsInFullOrder(order);
}

// Jumps far from every row read before (a drag of the scroll bar), where the rows skipped span
// many pages, from either end and from pages read before, and again after rows were written
// before them.
TEST_F(RegisterTest, FarJumpsReadTheRowsOfTheFullRegisterOrder)
{
    constexpr long kMark = CRegisterRows::kPageRows * 16;
    constexpr int kRows = static_cast<int>(kMark * 5 + 300);
    ASSERT_TRUE(m_book.Book().Exec(RegisterRowsValues(kRows, 0)));
    std::vector<long> order = {kRows / 2, kRows - 1, 3 * kMark / 2, kRows - 3 * kMark, 4 * kMark + 7, 0};
    for (long mark = 1; mark <= 5; ++mark) {
        for (const long place : {mark * kMark - 1, mark * kMark, kRows - mark * kMark, kRows - mark * kMark - 1}) {
            order.push_back(place);
        }
    }
    std::mt19937 random(11);
    for (int i = 0; i < 80; ++i) {
        order.push_back(std::uniform_int_distribution<long>(0, kRows - 1)(random));
    }
    ExpectRowsInFullOrder(order);
    // Rows written before the marks move every row after them: the marks are laid again.
    ASSERT_TRUE(m_book.Book().Exec(RegisterRowsValues(333, kRows, true)));
    ExpectRowsInFullOrder({kRows / 2, 2 * kMark + 5, kRows - 2 * kMark, kRows + 300, 0, kRows + 332});
}

// What was selected is acted on by its identity: rows written elsewhere meanwhile may move it, and
// a row deleted elsewhere is no longer there to act on.
TEST_F(RegisterTest, EditAndDeleteActOnTheSelectedRowWhereverItMoved)
{
    m_book.Purchase(Day::Day(2), {{"Gear", 10, 2}});
    const int32_t sale = m_book.Sale(Day::Day(3), {{"Gear", 1, 5}});
    PostAdjustment("Belt", 3, CInventoryDoc::kAdjustment);
    ASSERT_TRUE(m_register.Refill());
    m_register.Select(1);
    ASSERT_EQ(IdAt(1), sale);

    // Another window enters a purchase before it; this register has not read the rows again.
    ASSERT_GE(m_book.Purchase(Day::Day(1), {{"Belt", 1, 1}}), 0);
    m_save = [] { return true; };
    EXPECT_TRUE(m_register.EditSelected());
    EXPECT_EQ(m_opened, QStringList{QStringLiteral("1:%1").arg(sale)});

    m_register.Select(3);
    ASSERT_EQ(m_register.Rows().Read(3)->TransType, kTransAdjustment);
    ASSERT_TRUE(m_book.Book().Exec(QStringLiteral("DELETE FROM TransItem WHERE TransType = %1").arg(kTransAdjustment)));
    EXPECT_FALSE(m_register.EditSelected());
    EXPECT_FALSE(m_register.DeleteSelected());
    EXPECT_EQ(Script().Shown(), (QStringList{"Please Select Item First", "Please Select Item First"}));
}

// A book made before the register read by pages has the date index without the transaction; once
// opened again it reads through the full register order and no longer keeps the old index.
TEST_F(RegisterTest, AnOlderBookGainsTheRegisterOrderIndexWhenOpened)
{
    CDbConnection& connection = m_book.Book().Connection();
    ASSERT_TRUE(CDbStatement(connection, "DROP INDEX \"TransItem_RegisterOrder\"").Run());
    ASSERT_TRUE(
        CDbStatement(connection, "CREATE INDEX \"TransItem_DateOrder\" ON TransItem (TransDate, ItemOrder)").Run());
    connection.NoteSchemaChange();
    connection.Close();
    m_book.Purchase(Day::Day(1), {{"Gear", 10, 2}});
    ASSERT_TRUE(m_register.Refill());
    EXPECT_EQ(m_register.Rows().Read(0)->Quantity, 10);
    EXPECT_EQ(m_book.Book().Rows(BooksOnServer()
                                     ? "SELECT indexname FROM pg_indexes WHERE schemaname = current_schema() AND "
                                       "indexname LIKE 'TransItem%' AND indexname NOT LIKE '%rowid%' ORDER BY indexname"
                                     : "SELECT name FROM sqlite_master WHERE type = 'index' AND name LIKE 'TransItem%' "
                                       "ORDER BY name"),
              (QStringList{"TransItem_ProductDate", "TransItem_RegisterOrder"}));
}

TEST_F(RegisterTest, AClosedConnectionClosesTheRows)
{
    m_book.Purchase(Day::Day(1), {{"Gear", 10, 2}});
    ASSERT_TRUE(m_register.Refill());
    m_register.Select(0);
    m_book.Book().Connection().Close();
    EXPECT_FALSE(m_register.Rows().IsOpen());
    EXPECT_EQ(m_register.Rows().Count(), 0);
    EXPECT_FALSE(m_register.EditSelected());
    EXPECT_EQ(Script().Shown(), QStringList{"Please Select Item First"});
}

} // namespace
