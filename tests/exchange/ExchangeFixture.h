#pragma once

#include "CBookScenario.h"
#include "CListExchange.h"

#include <QFile>

#include <gtest/gtest.h>

// A book (its clock at 2026-02-01 12:00) with the exchange's files in its folder: imports a CSV
// text (a header line is put before it) or an exported file, as the File menu does with the file
// chooser answered.
class ExchangeTest : public testing::Test
{
protected:
    using List = CListExchange::List;
    using Outcome = CCsvImport::Outcome;

    QString WriteFile(const QByteArray& bytes, const QString& name = QStringLiteral("in.csv"))
    {
        const QString path = m_book.FolderPath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return path;
    }

    CCsvImport::Result ImportFile(List list, const QString& path)
    {
        m_book.Prompter().AnswerFile(path);
        return CListExchange::Import(m_book.Doc(), list);
    }

    // The lines after a header, joined by CR LF, as UTF-8.
    CCsvImport::Result Import(List list, const QStringList& lines)
    {
        return ImportFile(list, WriteFile(("header\r\n" + lines.join(QStringLiteral("\r\n"))).toUtf8()));
    }

    // The exported file's bytes; a file that starts with the UTF-8 mark and ends its lines with
    // CR LF is given as text without the mark.
    QString Export(List list, const QString& name = QStringLiteral("out.csv"))
    {
        const QString path = m_book.FolderPath(name);
        m_book.Prompter().AnswerFile(path);
        EXPECT_TRUE(CListExchange::Export(m_book.Doc(), list));
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            return QStringLiteral("<unreadable>");
        }
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
        EXPECT_TRUE(bytes.endsWith("\r\n"));
        return QString::fromUtf8(bytes.mid(3));
    }

    QStringList Messages() { return m_book.Prompter().Messages(); }
    QStringList Rows(const QString& sql) { return m_book.Rows(sql); }
    bool Exec(const QString& sql) { return m_book.Exec(sql); }

    CBookScenario m_scenario;
    CTestBook& m_book = m_scenario.Book();
};
