#include "PresslingOptions.h"
#include "InvoicePdfFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(PresslingOptions, SwitchesAndTheirDefaults)
{
    QString error;
    const std::optional<PresslingOptions> none = ParsePresslingOptions({}, &error);
    ASSERT_TRUE(none.has_value());
    EXPECT_EQ(none->port, 5421);
    EXPECT_FALSE(none->closeRunningCopy);
    EXPECT_TRUE(none->pdfFolder.isEmpty());

    const std::optional<PresslingOptions> all =
        ParsePresslingOptions({"/D", "--port", "6000", "--pdf-dir", "/tmp/out"}, &error);
    ASSERT_TRUE(all.has_value());
    EXPECT_TRUE(all->closeRunningCopy);
    EXPECT_EQ(all->port, 6000);
    EXPECT_EQ(all->pdfFolder, "/tmp/out");
}

TEST(PresslingOptions, BadArgumentsAreNamed)
{
    const struct
    {
        QStringList arguments;
        QString named;
    } cases[] = {
        {{"--port", "0"}, "--port: '0'"},
        {{"--port", "65536"}, "--port: '65536'"},
        {{"--port", "abc"}, "--port: 'abc'"},
        {{"--port"}, "--port:"},
        {{"--pdf-dir", ""}, "--pdf-dir:"},
        {{"--port", "1", "/D"}, "/D:"},
        {{"/d"}, "/d:"},
    };
    for (const auto& c : cases) {
        QString error;
        EXPECT_FALSE(ParsePresslingOptions(c.arguments, &error).has_value()) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(error.startsWith(c.named)) << error.toStdString();
    }
}

TEST(InvoicePdfFiles, NamesStayInTheFolderAndNeverReplaceAFile)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QDate date(2026, 1, 9);
    const QString first = InvoicePdfFiles::NewPath(folder.path(), date, u"INV-7");
    EXPECT_EQ(first, QDir(folder.path()).filePath("2026-01-09_INV-7.pdf"));
    QFile(first).open(QIODevice::WriteOnly);
    EXPECT_EQ(InvoicePdfFiles::NewPath(folder.path(), date, u"INV-7"),
              QDir(folder.path()).filePath("2026-01-09_INV-7-2.pdf"));

    // Whatever the handheld sends as number, the file is a plain name in the folder.
    const struct
    {
        QString number;
        QString name;
    } cases[] = {
        {"../../etc/passwd", "2026-01-09__._.._etc_passwd.pdf"},
        {"..", "2026-01-09__..pdf"},
        {" 12/A\\B:C ", "2026-01-09_12_A_B_C.pdf"},
        {"", "2026-01-09_invoice.pdf"},
        {QString(100, u'9'), "2026-01-09_" + QString(40, u'9') + ".pdf"},
        {"\u0141\u00f3d\u017a", "2026-01-09___d_.pdf"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(InvoicePdfFiles::NewPath(folder.path(), date, c.number), QDir(folder.path()).filePath(c.name))
            << c.number.toStdString();
    }
}

TEST(InvoicePdfFiles, OnlyAWholeFileCountsAsWritten)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = QDir(folder.path()).filePath("page.pdf");
    const auto write = [&path](const QByteArray& bytes) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    const QByteArray body = "%PDF-1.4\n1 0 obj\n<< /Type /Catalog >>\nendobj\n";
    const QByteArray whole = body + "xref\n0 2\n0000000000 65535 f \n0000000009 00000 n \ntrailer\n<< /Size 2 >>\n" +
                             "startxref\n" + QByteArray::number(body.size()) + " \n%%EOF\n";
    ASSERT_TRUE(write(whole));
    EXPECT_TRUE(InvoicePdfFiles::IsWholePdf(path));

    // A disk that fills up keeps some first part of the page.
    for (qsizetype kept = 0; kept < whole.size() - 1; ++kept) {
        ASSERT_TRUE(write(whole.first(kept)));
        EXPECT_FALSE(InvoicePdfFiles::IsWholePdf(path)) << kept;
    }
    // A trailer that points anywhere but at the table, and no file at all.
    ASSERT_TRUE(write(QByteArray(whole).replace("startxref\n" + QByteArray::number(body.size()),
                                                "startxref\n" + QByteArray::number(body.size() - 1))));
    EXPECT_FALSE(InvoicePdfFiles::IsWholePdf(path));
    ASSERT_TRUE(write(QByteArray(whole).replace("startxref\n" + QByteArray::number(body.size()), "startxref\n99999")));
    EXPECT_FALSE(InvoicePdfFiles::IsWholePdf(path));
    EXPECT_FALSE(InvoicePdfFiles::IsWholePdf(QDir(folder.path()).filePath("missing.pdf")));
}
