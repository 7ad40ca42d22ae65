// Customers and vendors to and from CSV files: the update-or-insert rules, the messages with
// their line numbers, the export's lines, and texts of every kind surviving the round trip.

#include "CPayeeSetup.h"
#include "CSecondProgram.h"
#include "ExchangeFixture.h"
#include "TestBooks.h"

#include <unistd.h>

namespace {

QStringList ManyCustomers(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i) {
        lines << QStringLiteral("Customer %1,,,,,,,,,").arg(i);
    }
    return lines;
}

// A program that dies while an import runs, at its first progress step.
class CDyingPrompter final : public CPrompter
{
public:
    explicit CDyingPrompter(const QString& path) : m_path(path) {}
    void ShowMessage(const QString&) override {}
    bool AskYesNo(const QString&, Icon) override { return false; }
    QString ChooseSaveFile(const CFileChoice&) override { return QString(); }
    QString ChooseOpenFile(const CFileChoice&) override { return m_path; }
    std::optional<double> RunNumberPad(const QString&, const QString&, double) override { return std::nullopt; }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    bool StepProgress(qint64) override { _exit(3); }

private:
    QString m_path;
};

const QString kCustomers = QStringLiteral("SELECT * FROM Customer ORDER BY PayeeID");

class PayeeExchange : public ExchangeTest
{
protected:
    void AddCustomer(int id, const QString& name, const QString& country = QString())
    {
        ASSERT_TRUE(Exec(QStringLiteral("INSERT INTO Customer(PayeeID,CompanyName,Address,City,State,PostalCode,"
                                        "Country,Contact,Phone,Fax,Email,Note) Values(%1,'%2','Old St','','','','%3',"
                                        "'','','','','')")
                             .arg(id)
                             .arg(QString(name).replace("'", "''"), country)));
        m_book.Doc().LoadCustomers();
    }
};

} // namespace

TEST_F(PayeeExchange, AHeaderOnlyFileChangesNothing)
{
    AddCustomer(3, "Acme");
    const QStringList before = Rows(kCustomers);
    const CCsvImport::Result result = Import(List::Customers, {});
    EXPECT_EQ(result.outcome, Outcome::Imported);
    EXPECT_EQ(result.added + result.updated + result.unchanged, 0);
    EXPECT_EQ(Rows(kCustomers), before);
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(PayeeExchange, AKnownCompanyIsUpdatedInTheLinesLetterCaseKeepingItsIdAndCountry)
{
    AddCustomer(3, "ACME", "NZ");
    AddCustomer(4, "O'Hara");
    const CCsvImport::Result result =
        Import(List::Customers, {"acme,1 New St,Springfield,IL,62701,Ann,555-1,555-2,a@acme.test,\"big, old\"",
                                 "o'hara,,,,,,,,,", "O'Brien,,,,,,,,,"});
    EXPECT_EQ(result.outcome, Outcome::Imported);
    EXPECT_EQ(result.updated, 2);
    EXPECT_EQ(result.added, 1);
    EXPECT_EQ(Rows(kCustomers),
              (QStringList{"3|acme|1 New St|Springfield|IL|62701|NZ|Ann|555-1|555-2|a@acme.test|big, old",
                           "4|o'hara||||||||||", "5|O'Brien||||||||||"}));
    // The list is read again at the end.
    ASSERT_EQ(m_book.Doc().Customers().size(), 3);
    EXPECT_EQ(m_book.Doc().Customers()[0].CompanyName, "acme");
}

TEST_F(PayeeExchange, AllLinesOfOneNewCompanyInsertThenUpdate)
{
    const CCsvImport::Result result =
        Import(List::Vendors, {"Zed Ltd,,,,,,555-1,,,", "ZED LTD,,,,,,555-2,,,", "ZED LTD,,,,,,555-2,,,"});
    EXPECT_EQ(result.added, 1);
    EXPECT_EQ(result.updated, 1);
    EXPECT_EQ(result.unchanged, 1);
    EXPECT_EQ(Rows("SELECT * FROM Vendor"), QStringList{"1|ZED LTD|||||||555-2|||"});
}

TEST_F(PayeeExchange, NamesAreFoundAndStoredAsTheSetupDialogsStoreThem)
{
    // A name typed with a combining accent and blanks is the stored name, letter case aside.
    AddCustomer(1, QString::fromUtf8("Caf\u00e9"));
    Import(List::Customers, {QString::fromUtf8("  CAFE\u0301  ,x,,,,,,,,")});
    EXPECT_EQ(Rows(kCustomers), QStringList{QString::fromUtf8("1|CAF\u00c9|x|||||||||")});
}

TEST_F(PayeeExchange, ABadLineStopsTheImportKeepingTheLinesBeforeIt)
{
    const QStringList good = {"First,,,,,,,,,", "", "Second,,,,,,,,,"};
    EXPECT_EQ(Import(List::Customers, good + QStringList{"Third,too,few", "Fourth,,,,,,,,,"}).outcome,
              Outcome::Stopped);
    EXPECT_EQ(Messages(), QStringList{"File Format Error in Line 5, Process Stops"});
    m_book.Prompter().Clear();
    Import(List::Customers, {"Fifth,,,,,,,,,", "Sixth,,,,,,,,,,"});
    Import(List::Customers, {"Seventh,,,,,,,,,", "\"Eighth\" Inc,,,,,,,,,"});
    Import(List::Customers, {"Ninth,,,,,,,,,", "  ,x,,,,,,,,", "Tenth,,,,,,,,,"});
    EXPECT_EQ(Messages(),
              (QStringList{"File Format Error in Line 3, Process Stops", "File Format Error in Line 3, Process Stops",
                           "You must specify the Company in Line 3, Process Stops"}));
    QStringList names;
    for (const PayeeRecord& customer : m_book.Doc().Customers()) {
        names << customer.CompanyName;
    }
    EXPECT_EQ(names, (QStringList{"Fifth", "First", "Ninth", "Second", "Seventh"}));
}

TEST_F(PayeeExchange, ARowTheStoreRefusesStopsTheImportAtItsLine)
{
    if (BooksOnServer()) {
        ASSERT_TRUE(RunOnServer(m_book.Path(), R"(
CREATE FUNCTION test_refuse() RETURNS trigger LANGUAGE plpgsql AS $$
BEGIN
    IF NEW."CompanyName" = 'Bad' THEN RAISE EXCEPTION 'refused'; END IF;
    RETURN NEW;
END $$;
CREATE TRIGGER test_refuse BEFORE INSERT ON "Customer" FOR EACH ROW EXECUTE FUNCTION test_refuse())"));
    } else {
        ASSERT_TRUE(Exec("CREATE TRIGGER refuse BEFORE INSERT ON Customer WHEN NEW.CompanyName = 'Bad' "
                         "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    }
    const CCsvImport::Result result = Import(List::Customers, {"Good,,,,,,,,,", "Bad,,,,,,,,,", "Fine,,,,,,,,,"});
    EXPECT_EQ(result.outcome, Outcome::Stopped);
    EXPECT_EQ(result.added, 1);
    EXPECT_EQ(Messages(), QStringList{"Unable to execute command in Line 3, Process Stops"});
    EXPECT_EQ(Rows("SELECT PayeeID, CompanyName FROM Customer ORDER BY PayeeID"), QStringList{"1|Good"});
}

TEST_F(PayeeExchange, ControlCharactersStopTheImportAtTheirLineButTabsAndBreaksMayStandInAddressAndNote)
{
    const QString nul = QStringLiteral("Nul") + QChar(0) + QStringLiteral("Co,,,,,,,,,");
    const CCsvImport::Result result =
        Import(List::Customers, {"\"Tab\",\"1\tMain\r\nSt\",,,,,,,,\"a\tnote\non two lines\"", nul, "Later,,,,,,,,,"});
    EXPECT_EQ(result.outcome, Outcome::Stopped);
    Import(List::Customers, {"Bell,,Cork\a,,,,,,,"});
    Import(List::Customers, {"Escape,,,,,,,,,\x1b[31mred"});
    Import(List::Customers, {QString::fromUtf8("C1,,,,,,1\u00852,,,")});
    const QString oneLine = QStringLiteral("may not hold tabs, line breaks or other control characters.");
    EXPECT_EQ(Messages(), (QStringList{"Line 5: The company name " + oneLine + " Process Stops",
                                       "Line 2: The city " + oneLine + " Process Stops",
                                       "Line 2: The note may not hold control characters other than tabs and line "
                                       "breaks. Process Stops",
                                       "Line 2: The phone " + oneLine + " Process Stops"}));
    EXPECT_EQ(Rows(kCustomers), QStringList{"1|Tab|1\tMain\r\nSt|||||||||a\tnote\non two lines"});
}

TEST_F(PayeeExchange, AFileThatCannotBeReadOrIsNotChosenChangesNothing)
{
    EXPECT_EQ(ImportFile(List::Customers, m_book.FolderPath("missing.csv")).outcome, Outcome::Failed);
    EXPECT_EQ(ImportFile(List::Customers, m_book.FolderPath("")).outcome, Outcome::Failed);
    EXPECT_EQ(Messages(), (QStringList{"Can not open the file", "Can not open the file"}));
    EXPECT_EQ(CListExchange::Import(m_book.Doc(), List::Customers).outcome, Outcome::NotRun);
    const CFileChoice& choice = m_book.Prompter().FileChoices().last();
    EXPECT_EQ(choice.filter, "CSV Files (*.csv)");
    EXPECT_TRUE(choice.mustExist);
    EXPECT_TRUE(Rows(kCustomers).isEmpty());
}

TEST_F(PayeeExchange, IdsFollowWhatAnotherProgramAddedMeanwhile)
{
    CSecondProgram other(m_book.Path());
    PayeeRecord payee;
    payee.CompanyName = "Theirs";
    ASSERT_TRUE(CPayeeSetup(other.Doc(), CPayeeSetup::Kind::Customer).Create(payee).Saved());
    Import(List::Customers, {"THEIRS,here,,,,,,,,", "Mine,,,,,,,,,"});
    EXPECT_EQ(Rows("SELECT PayeeID, CompanyName, Address FROM Customer ORDER BY PayeeID"),
              (QStringList{"1|THEIRS|here", "2|Mine|"}));
}

TEST_F(PayeeExchange, TheExportWritesTheHeaderAndOneQuotedWhereNeededLinePerPayeeInNameOrder)
{
    AddCustomer(2, "Zeta");
    PayeeRecord alpha;
    alpha.CompanyName = "Alpha, Inc";
    alpha.Phone = "555";
    alpha.Note = "say \"hi\"";
    ASSERT_TRUE(CPayeeSetup(m_book.Doc(), CPayeeSetup::Kind::Customer).Create(alpha).Saved());
    EXPECT_EQ(Export(List::Customers),
              "Company,Street Address,City,State,Zip Code,Contact Name,Phone,Fax,Email,Note\r\n"
              "\"Alpha, Inc\",,,,,,555,,,\"say \"\"hi\"\"\"\r\n"
              "Zeta,Old St,,,,,,,,\r\n");
    const CFileChoice& choice = m_book.Prompter().FileChoices().last();
    EXPECT_TRUE(choice.suggestedName.endsWith("/Customers"));
    EXPECT_EQ(choice.defaultExtension, "csv");
    EXPECT_TRUE(choice.confirmOverwrite);

    // The own company is no vendor of the list.
    ASSERT_TRUE(CPayeeSetup::OpenOwnCompany(m_book.Doc()));
    EXPECT_EQ(Export(List::Vendors),
              "Company,Street Address,City,State,Zip Code,Contact Name,Phone,Fax,Email,Note\r\n");
    EXPECT_TRUE(m_book.Prompter().FileChoices().last().suggestedName.endsWith("/Vendors"));
}

TEST_F(PayeeExchange, CellsASpreadsheetWouldRunAsFormulasAreWrittenAsText)
{
    PayeeRecord payee;
    payee.CompanyName = "=HYPERLINK(\"http://x\",\"y\")";
    payee.City = "+cmd|' /C calc'!A0";
    payee.State = "@SUM(1)";
    payee.Phone = "-5";
    payee.Email = "'=1+1";
    payee.Note = "\tnote";
    ASSERT_TRUE(CPayeeSetup(m_book.Doc(), CPayeeSetup::Kind::Customer).Create(payee).Saved());
    EXPECT_EQ(Export(List::Customers),
              "Company,Street Address,City,State,Zip Code,Contact Name,Phone,Fax,Email,Note\r\n"
              "\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\",,'+cmd|' /C calc'!A0,'@SUM(1),,,'-5,,''=1+1,'\tnote\r\n");
}

TEST_F(PayeeExchange, AnExportThatCannotBeWrittenSaysSo)
{
    m_book.Prompter().AnswerFile(m_book.FolderPath("no such folder/out.csv"));
    EXPECT_FALSE(CListExchange::Export(m_book.Doc(), List::Customers));
    EXPECT_EQ(Messages(), QStringList{"Can not open the file"});
}

TEST_F(PayeeExchange, EveryTextSurvivesExportResetAndImportAndASecondImportChangesNothing)
{
    const QStringList texts = {"Smith, Jones & Co",
                               "He said \"hi\"",
                               "O'Hara's",
                               QString::fromUtf8("Caf\u00e9 Z\u00fcrich"),
                               QString::fromUtf8("\u6771\u4eac\u5546\u4e8b"),
                               QString::fromUtf8("\u041c\u043e\u0441\u043a\u0432\u0430"),
                               "two\nlines",
                               "  leading and trailing  ",
                               "\"quoted\"",
                               "trailing comma,",
                               "",
                               "tab\tinside",
                               QString::fromUtf8("\U0001F600 smile"),
                               "a\r\nb",
                               "=HYPERLINK(\"http://x\",\"y\")",
                               "+cmd|' /C calc'!A0",
                               "-5",
                               "@SUM(1)",
                               "'=1+1",
                               "''-2",
                               "'plain",
                               "\tstarts with a tab",
                               "\r\nstarts with a break"};
    // Tabs and line breaks belong in the address and the note only.
    const auto oneLine = [](QString text) {
        return text.replace(QLatin1Char('\t'), QLatin1Char(' '))
            .replace(QLatin1Char('\r'), QLatin1Char(' '))
            .replace(QLatin1Char('\n'), QLatin1Char(' '));
    };
    CPayeeSetup customers(m_book.Doc(), CPayeeSetup::Kind::Customer);
    for (int i = 0; i < texts.size(); ++i) {
        PayeeRecord payee;
        payee.CompanyName =
            QStringLiteral("Company %1 %2").arg(i, 2, 10, QLatin1Char('0')).arg(oneLine(texts[i]).trimmed());
        for (int text = 1; text < PayeeRecord::kTextCount; ++text) {
            const QString value = texts[(i + text) % texts.size()];
            payee.Text(text) = text == 5 ? QString() : text == 1 || text == 10 ? value : oneLine(value);
        }
        ASSERT_TRUE(customers.Create(payee).Saved()) << i;
    }
    const QStringList before = Rows(kCustomers);
    const QString exported = Export(List::Customers);
    ASSERT_TRUE(m_book.Doc().RunSchemaScripts(false));
    ASSERT_TRUE(Rows(kCustomers).isEmpty());

    const CCsvImport::Result first = ImportFile(List::Customers, m_book.FolderPath("out.csv"));
    EXPECT_EQ(first.outcome, Outcome::Imported);
    EXPECT_EQ(first.added, texts.size());
    EXPECT_EQ(Rows(kCustomers), before);

    const qint64 changes = m_book.Connection().TotalChanges();
    const CCsvImport::Result second = ImportFile(List::Customers, m_book.FolderPath("out.csv"));
    EXPECT_EQ(second.unchanged, texts.size());
    EXPECT_EQ(m_book.Connection().TotalChanges(), changes);
    EXPECT_EQ(Export(List::Customers, "again.csv"), exported);
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(PayeeExchange, ALongFileShowsItsProgressAndACancelKeepsTheLinesBeforeIt)
{
    // 300 lines with the header.
    EXPECT_EQ(Import(List::Customers, ManyCustomers(299)).added, 299);
    EXPECT_TRUE(m_book.Prompter().Progress().isEmpty());

    m_book.Prompter().CancelProgressAt(2);
    const CCsvImport::Result result = Import(List::Customers, ManyCustomers(450));
    EXPECT_EQ(result.outcome, Outcome::Cancelled);
    EXPECT_EQ(m_book.Prompter().Progress(),
              (QStringList{"begin Importing customers .... of 451", "step 101", "step 201", "end"}));
    EXPECT_EQ(Messages(), QStringList{"Import cancelled at line 201; the lines before it were imported."});
    EXPECT_EQ(result.unchanged, 199);
    EXPECT_EQ(result.added, 0);
    EXPECT_EQ(m_book.Doc().Customers().size(), 299);
    EXPECT_EQ(m_book.Prompter().WaitDepth(), 0);
}

TEST_F(PayeeExchange, AProgramDyingHalfWayLeavesTheBookAsBefore)
{
    AddCustomer(1, "Before");
    const QString path = WriteFile(("header\n" + ManyCustomers(450).join('\n')).toUtf8());
    EXPECT_EXIT(
        {
            CDbConnection connection(m_book.Path());
            CDyingPrompter prompter(path);
            CInventoryDoc doc(connection, prompter);
            doc.SetDataFilePath(m_book.Path());
            doc.LoadCatalogue([](const QString&) {});
            CListExchange::Import(doc, List::Customers);
        },
        testing::ExitedWithCode(3), "");
    EXPECT_EQ(Rows("SELECT CompanyName FROM Customer"), QStringList{"Before"});
}
