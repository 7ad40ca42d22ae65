#include "CCategoryDlg.h"

#include "CInventoryDoc.h"

#include <QLineEdit>

CCategoryDlg::CCategoryDlg(CInventoryDoc& doc, QWidget* parent)
    : CSetupListDlg(QStringLiteral("Category Setup"), QStringLiteral("Category:"), parent), m_doc(doc), m_setup(doc)
{
    setObjectName(QStringLiteral("categoryDialog"));
    connect(NameEdit(), &QLineEdit::textChanged, this, [this](const QString& name) { m_setup.SetName(name); });
    Initialize();
}

QStringList CCategoryDlg::Headers() const
{
    return {QStringLiteral("Category Name")};
}

QList<QStringList> CCategoryDlg::Rows() const
{
    QList<QStringList> rows;
    for (const CategoryRecord& category : m_doc.Categories()) {
        rows.append({category.CategoryName});
    }
    return rows;
}

void CCategoryDlg::Select(int index)
{
    m_setup.Select(index);
    NameEdit()->setText(m_setup.Name());
}
