#include "CCategorySetup.h"

#include "CDbRecordset.h"
#include "CInventoryDoc.h"
#include "CPrompter.h"
#include "SqlText.h"

#include <algorithm>

void CCategorySetup::Select(int index)
{
    const bool valid = index >= 0 && index < m_doc.Categories().size();
    m_selected = valid ? index : -1;
    m_name = valid ? m_doc.Categories()[index].CategoryName : QString();
}

bool CCategorySetup::NameIsFree(const QString& name, int except) const
{
    const QList<CategoryRecord>& categories = m_doc.Categories();
    for (int i = 0; i < categories.size(); ++i) {
        if (i != except && categories[i].CategoryName.compare(name, Qt::CaseInsensitive) == 0) {
            return false;
        }
    }
    return true;
}

void CCategorySetup::Changed()
{
    m_doc.LoadCategories();
    Select(-1);
}

bool CCategorySetup::Add()
{
    const QString name = m_name.trimmed();
    if (name.isEmpty()) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Category Name Can not be Empty!"));
        return false;
    }
    if (!NameIsFree(name, -1)) {
        m_doc.Prompter().ShowMessage(QStringLiteral("The New Category Name Exists! Please Change to Other Name."));
        return false;
    }
    int32_t newID = 0;
    for (const CategoryRecord& category : m_doc.Categories()) {
        newID = std::max(newID, category.CategoryID + 1);
    }
    const QString sql = QStringLiteral("INSERT INTO Categories(CategoryID,CategoryName) ") +
                        QStringLiteral("Values(%1,'%2')").arg(newID).arg(QuoteSqlText(name));
    if (!Execute(m_doc.Connection(), sql)) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command"));
        return false;
    }
    Changed();
    return true;
}

bool CCategorySetup::Update()
{
    if (m_selected < 0) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Please Select Item First"));
        return false;
    }
    const QString name = m_name.trimmed();
    if (name.isEmpty()) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Category Name Can not be Empty!"));
        return false;
    }
    if (!NameIsFree(name, m_selected)) {
        m_doc.Prompter().ShowMessage(QStringLiteral("The New Category Code Exists! Please Change to Other Name."));
        return false;
    }
    CDbRecordset category(m_doc.Connection());
    if (!category.Open(
            QStringLiteral("SELECT * ") +
                QStringLiteral("FROM Categories where CategoryID =%1").arg(m_doc.Categories()[m_selected].CategoryID),
            CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockOptimistic)) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command"));
        return false;
    }
    category.MoveFirst();
    category.SetField(1, name);
    category.Close();
    // The product list shows each product's category name.
    m_doc.LoadProducts();
    Changed();
    return true;
}

bool CCategorySetup::Delete()
{
    if (m_selected < 0) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Please Select Item First"));
        return false;
    }
    if (!m_doc.Prompter().AskYesNo(QStringLiteral("Delete an Item?"), CPrompter::Icon::Question)) {
        return false;
    }
    const int32_t id = m_doc.Categories()[m_selected].CategoryID;
    for (const ItemRecord& product : m_doc.Products()) {
        if (product.CategoryID == id) {
            m_doc.Prompter().ShowMessage(QStringLiteral("The Category Has been Used by Product, Can not be Deleted!"));
            return false;
        }
    }
    if (!Execute(m_doc.Connection(),
                 QStringLiteral("delete from Categories ") + QStringLiteral("where CategoryID = %1").arg(id))) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command"));
        return false;
    }
    Changed();
    return true;
}
