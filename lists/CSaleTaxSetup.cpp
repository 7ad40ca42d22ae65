#include "CSaleTaxSetup.h"

#include "CDbRecordset.h"
#include "CInventoryDoc.h"
#include "CPrompter.h"

#include <algorithm>

void CSaleTaxSetup::Select(int index)
{
    const bool valid = index >= 0 && index < m_doc.Taxes().size();
    m_selected = valid ? index : -1;
    m_name = valid ? m_doc.Taxes()[index].TaxName : QString();
    m_rate = valid ? m_doc.Taxes()[index].TaxRate : 0.0;
    m_lastTaken = m_name;
}

bool CSaleTaxSetup::NameIsFree(const QString& name, int except) const
{
    const QList<TaxRecord>& taxes = m_doc.Taxes();
    for (int i = 0; i < taxes.size(); ++i) {
        if (i != except && taxes[i].TaxName.compare(name, Qt::CaseInsensitive) == 0) {
            return false;
        }
    }
    return true;
}

void CSaleTaxSetup::Changed()
{
    m_doc.LoadTaxes();
    Select(-1);
}

bool CSaleTaxSetup::Add()
{
    const QString name = m_name.trimmed();
    m_lastTaken = m_name;
    if (name.isEmpty()) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Tax Name Can not be Empty!"));
        return false;
    }
    if (!NameIsFree(name, -1)) {
        m_doc.Prompter().ShowMessage(QStringLiteral("The New Sale Tax Exists! Please Change to Other Name."));
        return false;
    }
    int32_t newID = 0;
    for (const TaxRecord& tax : m_doc.Taxes()) {
        newID = std::max(newID, tax.TaxID + 1);
    }
    if (!AppendRow(m_doc.Connection(), QStringLiteral("Tax"),
                   {{QStringLiteral("TaxID"), newID},
                    {QStringLiteral("TaxName"), name},
                    {QStringLiteral("TaxRate"), m_rate}})) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command"));
        return false;
    }
    Changed();
    return true;
}

bool CSaleTaxSetup::Update()
{
    const QString taken = m_lastTaken.trimmed();
    if (taken.isEmpty()) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Tax Name Can not be Empty!"));
        return false;
    }
    if (taken == kBuiltInTax) {
        m_doc.Prompter().ShowMessage(QStringLiteral("The Build-in Sale Tax Can not be Modified!"));
        return false;
    }
    if (m_selected < 0) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Please Select Item First"));
        return false;
    }
    const QString name = m_name.trimmed();
    m_lastTaken = m_name;
    if (name.isEmpty()) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Tax Name Can not be Empty!"));
        return false;
    }
    if (!NameIsFree(name, m_selected)) {
        m_doc.Prompter().ShowMessage(QStringLiteral("The New Sale Tax Exists! Please Change to Other Name."));
        return false;
    }
    CDbRecordset tax(m_doc.Connection());
    if (!tax.Open(QStringLiteral("SELECT * ") +
                      QStringLiteral("FROM Tax where TaxID =%1").arg(m_doc.Taxes()[m_selected].TaxID),
                  CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockOptimistic)) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command"));
        return false;
    }
    tax.MoveFirst();
    tax.SetField(1, name);
    tax.SetField(2, m_rate);
    tax.Close();
    Changed();
    return true;
}

bool CSaleTaxSetup::Delete()
{
    if (m_lastTaken.trimmed() == kBuiltInTax) {
        m_doc.Prompter().ShowMessage(QStringLiteral("The Build-in Sale Tax Can not be Deleted!"));
        return false;
    }
    if (m_selected < 0) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Please Select Item First"));
        return false;
    }
    if (!m_doc.Prompter().AskYesNo(QStringLiteral("Delete an Item?"), CPrompter::Icon::Question)) {
        return false;
    }
    const int32_t id = m_doc.Taxes()[m_selected].TaxID;
    for (const ItemRecord& product : m_doc.Products()) {
        if (product.TaxID == id) {
            m_doc.Prompter().ShowMessage(QStringLiteral("The Sale Tax Has been Used by Product, Can not be Deleted!"));
            return false;
        }
    }
    if (!Execute(m_doc.Connection(), QStringLiteral("delete from Tax ") + QStringLiteral("where TaxID = %1").arg(id))) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command"));
        return false;
    }
    Changed();
    return true;
}
