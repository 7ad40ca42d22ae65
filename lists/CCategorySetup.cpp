#include "CCategorySetup.h"

#include "CDbRecordset.h"
#include "CDocOperation.h"
#include "CInventoryDoc.h"
#include "CPrompter.h"
#include "DeleteUnlessInUse.h"
#include "NameText.h"
#include "SqlText.h"

#include <algorithm>

void CCategorySetup::Select(int index)
{
    const bool valid = index >= 0 && index < m_doc.Categories().size();
    m_selectedID = valid ? m_doc.Categories()[index].CategoryID : -1;
    m_name = valid ? m_doc.Categories()[index].CategoryName : QString();
}

int CCategorySetup::Selected() const
{
    const QList<CategoryRecord>& categories = m_doc.Categories();
    for (int i = 0; m_selectedID >= 0 && i < categories.size(); ++i) {
        if (categories[i].CategoryID == m_selectedID) {
            return i;
        }
    }
    return -1;
}

bool CCategorySetup::NameIsFree(const QString& name, int32_t exceptID) const
{
    return std::none_of(m_doc.Categories().cbegin(), m_doc.Categories().cend(), [&](const CategoryRecord& category) {
        return category.CategoryID != exceptID && SameName(category.CategoryName, name);
    });
}

int32_t CCategorySetup::NextCategoryID(const QList<CategoryRecord>& categories)
{
    int32_t newID = 0;
    for (const CategoryRecord& category : categories) {
        newID = std::max(newID, category.CategoryID + 1);
    }
    return newID;
}

void CCategorySetup::Changed()
{
    m_doc.LoadCategories();
    Select(-1);
}

bool CCategorySetup::RefusesName(const QString& name) const
{
    const QString refusal =
        ListNameRefusal(QStringLiteral("category name"), QStringLiteral("Category Name Can not be Empty!"), name);
    if (!refusal.isEmpty()) {
        m_doc.Prompter().ShowMessage(refusal);
    }
    return !refusal.isEmpty();
}

bool CCategorySetup::Add()
{
    const QString name = NormalizedName(m_name);
    if (RefusesName(name)) {
        return false;
    }
    CDocOperation operation(m_doc);
    if (!operation.Started()) {
        return false;
    }
    if (!NameIsFree(name, -1)) {
        m_doc.Prompter().ShowMessage(QStringLiteral("The New Category Name Exists! Please Change to Other Name."));
        return false;
    }
    if (!InsertRow(m_doc, NextCategoryID(m_doc.Categories()), name)) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command"));
        return false;
    }
    if (!operation.Commit()) {
        return false;
    }
    Changed();
    return true;
}

bool CCategorySetup::InsertRow(CInventoryDoc& doc, int32_t categoryID, const QString& name)
{
    return Execute(doc.Connection(), QStringLiteral("INSERT INTO Categories(CategoryID,CategoryName) ") +
                                         QStringLiteral("Values(%1,'%2')").arg(categoryID).arg(QuoteSqlText(name)));
}

bool CCategorySetup::WriteName(int32_t categoryID, const QString& name)
{
    CDbRecordset category(m_doc.Connection());
    if (!category.Open(QStringLiteral("SELECT * ") +
                           QStringLiteral("FROM Categories where CategoryID =%1").arg(categoryID),
                       CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockOptimistic)) {
        return false;
    }
    category.MoveFirst();
    return !category.IsEOF() && category.SetField(1, name);
}

bool CCategorySetup::Update()
{
    if (m_selectedID < 0) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Please Select Item First"));
        return false;
    }
    const QString name = NormalizedName(m_name);
    if (RefusesName(name)) {
        return false;
    }
    CDocOperation operation(m_doc);
    if (!operation.Started()) {
        return false;
    }
    if (!NameIsFree(name, m_selectedID)) {
        m_doc.Prompter().ShowMessage(QStringLiteral("The New Category Code Exists! Please Change to Other Name."));
        return false;
    }
    // A category another program deleted meanwhile has no row to write.
    if (!WriteName(m_selectedID, name)) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command"));
        return false;
    }
    if (!operation.Commit()) {
        return false;
    }
    // The product list shows each product's category name.
    m_doc.LoadProducts();
    Changed();
    return true;
}

bool CCategorySetup::Delete()
{
    if (m_selectedID < 0) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Please Select Item First"));
        return false;
    }
    const QString usersSql = QStringLiteral("SELECT ProductID FROM Item where CategoryID = %1").arg(m_selectedID);
    const QString usedMessage = QStringLiteral("The Category Has been Used by Product, Can not be Deleted!");
    // The question is only asked of a record that may go, as the file has it now.
    m_doc.ReloadIfChangedElsewhere();
    if (RefusedAsInUse(m_doc, usersSql, usedMessage)) {
        return false;
    }
    const int index = Selected();
    const QString name = index >= 0 ? m_doc.Categories()[index].CategoryName : m_name;
    if (!m_doc.Prompter().AskYesNo(DeleteQuestion(QStringLiteral("category"), name), CPrompter::Icon::Warning)) {
        return false;
    }
    if (!DeleteUnlessInUse(m_doc, usersSql, usedMessage,
                           QStringLiteral("delete from Categories ") +
                               QStringLiteral("where CategoryID = %1").arg(m_selectedID))) {
        return false;
    }
    Changed();
    return true;
}
