#include "CTestBook.h"

#include "CDbRecordset.h"
#include "TestBooks.h"

CTestBook::CTestBook(Start start)
    : m_path(NewBookLocation(m_dir, QStringLiteral("Quillet.cdb"))),
      m_connection(std::make_unique<CDbConnection>(m_path)),
      m_doc(std::make_unique<CInventoryDoc>(*m_connection, m_prompter))
{
    m_doc->SetDataFilePath(m_path);
    if (start == Start::Installed) {
        m_doc->LoadCatalogue([](const QString&) {});
    }
}

CTestBook::~CTestBook()
{
    m_doc.reset();
    m_connection.reset();
    RemoveBook(m_path);
}

bool CTestBook::Exec(const QString& sql)
{
    return Execute(*m_connection, sql);
}

CDbVariant CTestBook::Scalar(const QString& sql)
{
    CDbRecordset recordset(*m_connection);
    if (!recordset.Open(sql, CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockReadOnly)) {
        return CDbVariant(QStringLiteral("<open failed>"));
    }
    return recordset.GetFieldValue(0);
}

QStringList CTestBook::Rows(const QString& sql)
{
    QStringList rows;
    CDbRecordset recordset(*m_connection);
    if (!recordset.Open(sql, CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockReadOnly)) {
        return {QStringLiteral("<open failed>")};
    }
    for (; !recordset.IsEOF(); recordset.MoveNext()) {
        QStringList fields;
        for (int i = 0; i < recordset.FieldCount(); ++i) {
            fields << recordset.GetFieldText(i);
        }
        rows << fields.join(QLatin1Char('|'));
    }
    return rows;
}
