#include "CCliRunner.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class CliPayees : public testing::Test
{
protected:
    void SetUp() override { ASSERT_EQ(m_cli.Run({"init"}), 0); }

    QStringList List(const char* which)
    {
        EXPECT_EQ(m_cli.Run({"list", which}), 0);
        return m_cli.OutLines().mid(1);
    }

    QTemporaryDir m_dir;
    CCliRunner m_cli{m_dir.filePath("Quillet.cdb")};
};

TEST_F(CliPayees, CustomersAndVendorsAreAddedChangedAndDeletedByName)
{
    ASSERT_EQ(m_cli.Run({"customer", "add", "O'Hara", "--city", "Cork", "--phone", "555-0100"}), 0)
        << m_cli.Err().toStdString();
    ASSERT_EQ(m_cli.Run({"customer", "add", "Acme", "--note", "two, \"quoted\""}), 0);
    ASSERT_EQ(m_cli.Run({"vendor", "add", "Acme"}), 0);
    EXPECT_EQ(m_cli.Run({"customer", "add", "o'hara"}), 1);
    EXPECT_TRUE(m_cli.Err().contains("The New Company Name Exists! Please Change to Other Name."));
    EXPECT_EQ(m_cli.Run({"customer", "add", " "}), 1);
    EXPECT_TRUE(m_cli.Err().contains("Company Name Can not Be Empty!"));

    ASSERT_EQ(m_cli.Run({"customer", "edit", "o'hara", "--company", "O'Hara Ltd", "--zip", "T12"}), 0);
    EXPECT_EQ(List("customers"),
              (QStringList{"2,Acme,,,,,,,,,,\"two, \"\"quoted\"\"\"", "1,O'Hara Ltd,,Cork,,T12,,,555-0100,,,"}));
    EXPECT_EQ(List("vendors"), QStringList{"1,Acme,,,,,,,,,,"});

    EXPECT_EQ(m_cli.Run({"customer", "delete", "Acme"}), 1);
    EXPECT_EQ(m_cli.Run({"--yes", "customer", "delete", "Nobody"}), 1);
    EXPECT_TRUE(m_cli.Err().contains("No customer named Nobody"));
    ASSERT_EQ(m_cli.Run({"--yes", "customer", "delete", "ACME"}), 0);
    EXPECT_EQ(List("customers").size(), 1);
    EXPECT_EQ(List("vendors").size(), 1);

    EXPECT_EQ(m_cli.Run({"vendor", "add", "Beta", "--company", "Gamma"}), 2);
    EXPECT_EQ(m_cli.Run({"vendor", "remove", "Beta"}), 2);
    EXPECT_EQ(m_cli.Run({"customer", "delete", "O'Hara Ltd", "--phone", "1"}), 2);
}

TEST_F(CliPayees, CompanySetCreatesTheProfileOnceAndKeepsWhatIsNotGiven)
{
    ASSERT_EQ(m_cli.Run({"company", "set", "--phone", "555-0199"}), 0) << m_cli.Err().toStdString();
    EXPECT_EQ(List("company"), QStringList{"-100,My Company,,,,,,,555-0199,,,"});
    ASSERT_EQ(m_cli.Run({"company", "set", "--company", " Quill & Co ", "--address", "1 Main St"}), 0);
    EXPECT_EQ(List("company"), QStringList{"-100,Quill & Co,1 Main St,,,,,,555-0199,,,"});
    EXPECT_EQ(m_cli.Run({"company", "set", "--company", ""}), 1);
    EXPECT_TRUE(m_cli.Err().contains("Company Name Can not Be Empty!"));
    EXPECT_EQ(List("vendors"), QStringList{});
    EXPECT_EQ(m_cli.Run({"company", "show"}), 2);
}

} // namespace

TEST_F(CliPayees, NamesWithTerminalEscapesAreRefused)
{
    EXPECT_EQ(m_cli.Run({"customer", "add", "Acme\x1b]0;owned\x07"}), 1);
    EXPECT_EQ(m_cli.Err(), "The company name may not hold tabs, line breaks or other control characters.\n");
    EXPECT_EQ(m_cli.Run({"product", "add", "Rope", "--category", "Hardware", "--note", "red\x1b[31m"}), 1);
    EXPECT_EQ(m_cli.Err(), "The note may not hold control characters other than tabs and line breaks.\n");
    EXPECT_EQ(m_cli.Run({"customer", "add", "Acme", "--note", "two\nlines"}), 0) << m_cli.Err().toStdString();
    EXPECT_EQ(List("customers").join('\n'), "1,Acme,,,,,,,,,,\"two\nlines\"");
}
