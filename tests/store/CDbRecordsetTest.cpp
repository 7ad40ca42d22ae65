#include "CDbRecordset.h"
#include "CDbConnection.h"
#include "CDbTransaction.h"
#include "ComIssueError.h"
#include "TestBooks.h"

#include <QFile>

#include <QTemporaryDir>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

class RecordsetTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_path = OpenEmptyStore(m_connection, m_dir, QStringLiteral("store.cdb"));
        ASSERT_FALSE(m_path.isEmpty());
        ASSERT_TRUE(Execute(m_connection, "CREATE TABLE [T] ([ID] INT, [Name] TEXT, [Amount] FLOAT, [When] DATETIME, "
                                          "[Paid] BIT)"));
    }

    void TearDown() override
    {
        m_connection.Close();
        RemoveBook(m_path);
    }

    QStringList Column(const QString& sql, int index)
    {
        QStringList values;
        CDbRecordset recordset(m_connection);
        EXPECT_TRUE(recordset.Open(sql, CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockReadOnly));
        for (recordset.MoveFirst(); !recordset.IsEOF(); recordset.MoveNext()) {
            values << recordset.GetFieldText(index);
        }
        return values;
    }

    QTemporaryDir m_dir;
    QString m_path;
    CDbConnection m_connection;
};

TEST_F(RecordsetTest, NullTextReadsAsEmptyMarkerAndPositionsBeyondFieldsReadZero)
{
    ASSERT_TRUE(Execute(m_connection, "INSERT INTO T (ID) values (1)"));
    CDbRecordset recordset(m_connection);
    ASSERT_TRUE(recordset.Open("SELECT * FROM T", CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockReadOnly));
    EXPECT_EQ(recordset.FieldCount(), 5);
    EXPECT_EQ(recordset.GetFieldText(1), "[#Empty#]");
    EXPECT_TRUE(recordset.GetFieldValue(1).IsNull());
    EXPECT_EQ(recordset.GetFieldText(5), "0");
    EXPECT_EQ(recordset.GetFieldValue(7), CDbVariant(0));
    EXPECT_EQ(recordset.GetFieldName(2), "Amount");
    EXPECT_TRUE(recordset.GetFieldName(9).isNull());
    recordset.MoveNext();
    EXPECT_TRUE(recordset.IsEOF());
    EXPECT_EQ(recordset.GetFieldText(0), "[#Empty#]");
}

TEST_F(RecordsetTest, SetFieldByNameIsCaseSensitiveAndSetFieldIsVisibleAtOnce)
{
    ASSERT_TRUE(Execute(m_connection, "INSERT INTO T (ID, Name) values (1, 'a')"));
    CDbRecordset writer(m_connection);
    ASSERT_TRUE(
        writer.Open("SELECT * FROM T where ID = 1", CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockOptimistic));
    writer.MoveFirst();
    EXPECT_FALSE(writer.SetFieldByName("name", CDbVariant("changed")));
    EXPECT_EQ(Column("SELECT Name FROM T", 0), QStringList{"a"});

    ASSERT_TRUE(writer.SetFieldByName("Name", CDbVariant("b")));
    ASSERT_TRUE(writer.SetField(2, CDbVariant(2.5)));
    // Seen by another cursor before any Update or Close.
    EXPECT_EQ(Column("SELECT Name, Amount FROM T", 0), QStringList{"b"});
    EXPECT_EQ(Column("SELECT Name, Amount FROM T", 1), QStringList{"2.5"});
    EXPECT_EQ(writer.GetFieldText(1), "b");
}

TEST_F(RecordsetTest, CloseOfANeverOpenedRecordsetSucceeds)
{
    CDbRecordset recordset(m_connection);
    EXPECT_TRUE(recordset.Close());
    EXPECT_FALSE(recordset.IsOpen());
    EXPECT_TRUE(recordset.IsEOF());
    EXPECT_TRUE(recordset.GetFieldDate(1).isValid());
}

TEST_F(RecordsetTest, FailedOpenStaysClosed)
{
    CDbRecordset recordset(m_connection);
    EXPECT_FALSE(recordset.Open("SELECT * FROM Missing", CDbRecordset::kOpenStatic, CDbRecordset::kLockReadOnly));
    EXPECT_FALSE(recordset.IsOpen());
    EXPECT_FALSE(Execute(m_connection, "this is no statement"));
}

TEST_F(RecordsetTest, DatesWrittenAsTextSortAndCompareChronologically)
{
    CDbRecordset appender(m_connection);
    ASSERT_TRUE(appender.Open("T", CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockOptimistic));
    const QStringList dates = {"2026/1/10 9:5:3", "2026/1/9 23:0:0", "2025/12/31 0:0:0"};
    for (int i = 0; i < dates.size(); ++i) {
        ASSERT_TRUE(appender.AddNew());
        ASSERT_TRUE(appender.SetFieldByName("ID", CDbVariant(i)));
        ASSERT_TRUE(appender.SetFieldByName("When", CDbVariant(dates[i])));
        ASSERT_TRUE(appender.Update());
    }
    appender.Close();

    EXPECT_EQ(Column("SELECT ID FROM T order by [When]", 0), (QStringList{"2", "1", "0"}));
    // The Transaction register's style of date filter.
    EXPECT_EQ(Column("SELECT ID FROM T where [When]>='2026/1/9' and  [When]<'2026/1/10' order by ID", 0),
              QStringList{"1"});

    CDbRecordset reader(m_connection);
    ASSERT_TRUE(
        reader.Open("SELECT [When] FROM T where ID = 0", CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockReadOnly));
    EXPECT_EQ(reader.GetFieldDate(0), QDateTime(QDate(2026, 1, 10), QTime(9, 5, 3)));
    EXPECT_EQ(reader.GetFieldValue(0).GetKind(), CDbVariant::Kind::DateTime);
}

// A static cursor keeps the dates it holds as text and gives them as dates when they are read.
TEST_F(RecordsetTest, EveryCursorGivesTheDatesOfADateColumnAsDates)
{
    ASSERT_TRUE(Execute(m_connection, "INSERT INTO T (ID, [When]) values (1, '2026/1/9 7:5:0')"));
    CDbConnection other(m_path);
    // Texts no program of ours writes: an impossible day, and no date at all (a server's
    // timestamp column takes neither).
    const bool holdsNonDates = !BooksOnServer();
    if (holdsNonDates) {
        ASSERT_TRUE(Execute(other, "INSERT INTO T (ID, [When]) values (2, 'x')"));
        ASSERT_TRUE(Execute(other, "UPDATE T SET [When] = '2026-02-30 10:00:00' WHERE ID = 2"));
        ASSERT_TRUE(Execute(other, "INSERT INTO T (ID, [When]) values (3, 'soon')"));
    }
    for (const int cursor : {CDbRecordset::kOpenForwardOnly, CDbRecordset::kOpenStatic}) {
        CDbRecordset reader(m_connection);
        ASSERT_TRUE(reader.Open("SELECT [When] FROM T order by ID", cursor, CDbRecordset::kLockOptimistic));
        reader.MoveFirst();
        EXPECT_EQ(reader.GetFieldValue(0), CDbVariant(QDateTime(QDate(2026, 1, 9), QTime(7, 5))));
        if (holdsNonDates) {
            reader.MoveNext();
            EXPECT_EQ(reader.GetFieldValue(0), CDbVariant("2026-02-30 10:00:00"));
            reader.MoveNext();
            EXPECT_EQ(reader.GetFieldValue(0), CDbVariant("soon"));
            reader.MovePrevious();
        }
        // A date written through the cursor reads back as a date.
        if (cursor == CDbRecordset::kOpenStatic) {
            ASSERT_TRUE(reader.SetField(0, CDbVariant(QDateTime(QDate(2026, 3, 1), QTime(8, 0)))));
            EXPECT_EQ(reader.GetFieldDate(0), QDateTime(QDate(2026, 3, 1), QTime(8, 0)));
        }
    }
}

TEST_F(RecordsetTest, TextThatIsNoDateIsRefusedByADateColumn)
{
    QStringList errors;
    SetComIssueErrorSink([&](const QString& text) { errors << text; });
    CDbRecordset appender(m_connection);
    ASSERT_TRUE(appender.Open("T", CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockOptimistic));
    appender.AddNew();
    EXPECT_FALSE(appender.SetFieldByName("When", CDbVariant("yesterday")));
    SetComIssueErrorSink({});
    EXPECT_EQ(errors, QStringList{"_com_issue_error(-2147352571)\n"});
}

TEST_F(RecordsetTest, StaticCursorWalksBothWaysAndCountsRows)
{
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(Execute(m_connection, QStringLiteral("INSERT INTO T (ID) values (%1)").arg(i)));
    }
    CDbRecordset recordset(m_connection);
    ASSERT_TRUE(
        recordset.Open("SELECT ID FROM T order by ID", CDbRecordset::kOpenStatic, CDbRecordset::kLockOptimistic));
    long count = 0;
    ASSERT_TRUE(recordset.GetRecordCount(count));
    EXPECT_EQ(count, 5);
    QStringList backwards;
    for (recordset.MoveLast(); !recordset.IsBOF(); recordset.MovePrevious()) {
        backwards << recordset.GetFieldText(0);
    }
    EXPECT_EQ(backwards, (QStringList{"4", "3", "2", "1", "0"}));
    recordset.MoveFirst();
    EXPECT_TRUE(recordset.Move(3));
    EXPECT_EQ(recordset.GetFieldText(0), "3");
    EXPECT_FALSE(recordset.Move(2));
    EXPECT_EQ(recordset.GetFieldText(0), "3");
    EXPECT_TRUE(recordset.Move(-3));
    EXPECT_EQ(recordset.GetFieldText(0), "0");
}

TEST_F(RecordsetTest, ForwardOnlyReadOnlyCursorStreamsAndCounts)
{
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(Execute(m_connection, QStringLiteral("INSERT INTO T (ID, Amount) values (%1, 1.5)").arg(i)));
    }
    CDbRecordset recordset(m_connection);
    ASSERT_TRUE(
        recordset.Open("SELECT * FROM T order by ID", CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockReadOnly));
    long count = 0;
    ASSERT_TRUE(recordset.GetRecordCount(count));
    EXPECT_EQ(count, 3);
    EXPECT_TRUE(recordset.MoveNext());
    EXPECT_EQ(recordset.GetFieldText(0), "1");
    EXPECT_FALSE(recordset.MovePrevious());
    EXPECT_TRUE(recordset.MoveFirst());
    EXPECT_EQ(recordset.GetFieldText(0), "0");
    EXPECT_FALSE(recordset.SetField(0, CDbVariant(9)));
}

TEST_F(RecordsetTest, RowsOfAJoinCannotBeWritten)
{
    ASSERT_TRUE(Execute(m_connection, "CREATE TABLE U ([ID] INT, [Label] TEXT)"));
    ASSERT_TRUE(Execute(m_connection, "INSERT INTO T (ID) values (1)"));
    ASSERT_TRUE(Execute(m_connection, "INSERT INTO U (ID, Label) values (1, 'x')"));
    CDbRecordset recordset(m_connection);
    ASSERT_TRUE(recordset.Open("SELECT T.ID, Label FROM T inner join U ON T.ID=U.ID", CDbRecordset::kOpenStatic,
                               CDbRecordset::kLockOptimistic));
    EXPECT_EQ(recordset.GetFieldText(1), "x");
    EXPECT_FALSE(recordset.SetField(1, CDbVariant("y")));
    EXPECT_FALSE(recordset.AddNew());
}

TEST_F(RecordsetTest, ValuesKeepTheirKindsAndBooleans)
{
    CDbRecordset appender(m_connection);
    ASSERT_TRUE(appender.Open("T", CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockOptimistic));
    appender.AddNew();
    appender.SetField(0, CDbVariant::FromTyped(7, CDbVariant::kTypeInt32));
    appender.SetField(2, CDbVariant(3));
    appender.SetField(4, CDbVariant::FromTyped(5, CDbVariant::kTypeBool));
    ASSERT_TRUE(appender.Update());
    appender.Close();

    CDbRecordset reader(m_connection);
    ASSERT_TRUE(reader.Open("SELECT * FROM T", CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockReadOnly));
    EXPECT_EQ(reader.GetFieldValue(0), CDbVariant(7));
    EXPECT_EQ(reader.GetFieldValue(2), CDbVariant(3.0));
    EXPECT_EQ(reader.GetFieldValue(4), CDbVariant::FromBool(true));
}

// Names are compared as on the file on every store: A-Z without regard to case, every other letter
// as it is; they sort by their bytes with A-Z folded, and a null sorts first.
TEST_F(RecordsetTest, TextComparesWithoutRegardToAToZCaseOnlyAndNullsSortFirst)
{
    const QStringList names = {"b", "B", "É", "é", "a", "Z", "_x"};
    for (int i = 0; i < names.size(); ++i) {
        ASSERT_TRUE(Execute(m_connection, QStringLiteral("INSERT INTO T (ID, Name, Amount) values (%1, '%2', %3)")
                                              .arg(i)
                                              .arg(names[i])
                                              .arg(i == 3 ? QStringLiteral("NULL") : QString::number(i))));
    }
    EXPECT_EQ(Column("SELECT ID FROM T where Name = 'é'", 0), QStringList{"3"});
    EXPECT_EQ(Column("SELECT ID FROM T where Name = 'b' order by ID", 0), (QStringList{"0", "1"}));
    EXPECT_EQ(Column("SELECT Name FROM T order by Name, ID", 0), (QStringList{"_x", "a", "b", "B", "Z", "É", "é"}));
    EXPECT_EQ(Column("SELECT ID FROM T order by Amount", 0), (QStringList{"3", "0", "1", "2", "4", "5", "6"}));
    EXPECT_EQ(Column("SELECT ID FROM T order by Amount DESC", 0), (QStringList{"6", "5", "4", "2", "1", "0", "3"}));
}

TEST(CDbVariant, UnknownTypeCodeIsReportedAndGivesAnInteger)
{
    QStringList errors;
    SetComIssueErrorSink([&](const QString& text) { errors << text; });
    EXPECT_EQ(CDbVariant::FromTyped(4, 8), CDbVariant(4));
    SetComIssueErrorSink({});
    EXPECT_EQ(errors, QStringList{"_com_issue_error(-2147024809)\n"});
}

TEST_F(RecordsetTest, TransactionIsUndoneWhenTheProcessDiesBeforeItEnds)
{
    ASSERT_TRUE(Execute(m_connection, "INSERT INTO T (ID) values (1)"));
    m_connection.Close();
    const pid_t child = fork();
    if (child == 0) {
        CDbConnection connection(m_path);
        CDbTransaction transaction(connection);
        Execute(connection, "INSERT INTO T (ID) values (2)");
        Execute(connection, "delete from T where ID = 1");
        _exit(0);
    }
    ASSERT_GT(child, 0);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(Column("SELECT ID FROM T", 0), QStringList{"1"});
}

TEST_F(RecordsetTest, NestedOperationsCommitOnceAtTheOutermostEnd)
{
    {
        CDbTransaction outer(m_connection);
        {
            CDbTransaction inner(m_connection);
            ASSERT_TRUE(Execute(m_connection, "INSERT INTO T (ID) values (1)"));
            EXPECT_TRUE(inner.Commit());
        }
        EXPECT_EQ(m_connection.OperationDepth(), 1);
        ASSERT_TRUE(Execute(m_connection, "INSERT INTO T (ID) values (2)"));
        EXPECT_TRUE(outer.Commit());
    }
    EXPECT_EQ(m_connection.OperationDepth(), 0);
    CDbConnection other(m_path);
    CDbRecordset reader(other);
    ASSERT_TRUE(reader.Open("SELECT count(*) FROM T", CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockReadOnly));
    EXPECT_EQ(reader.GetFieldText(0), "2");
}

} // namespace
