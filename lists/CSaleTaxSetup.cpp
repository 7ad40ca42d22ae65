#include "CSaleTaxSetup.h"

#include "CDbRecordset.h"
#include "CDocOperation.h"
#include "CInventoryDoc.h"
#include "CPrompter.h"
#include "DeleteUnlessInUse.h"
#include "NameText.h"
#include "NumberBounds.h"

#include <algorithm>

void CSaleTaxSetup::Select(int index)
{
    const bool valid = index >= 0 && index < m_doc.Taxes().size();
    m_selectedID = valid ? m_doc.Taxes()[index].TaxID : -1;
    m_name = valid ? m_doc.Taxes()[index].TaxName : QString();
    SetRate(valid ? m_doc.Taxes()[index].TaxRate : 0.0);
    m_lastTaken = m_name;
}

int CSaleTaxSetup::Selected() const
{
    const QList<TaxRecord>& taxes = m_doc.Taxes();
    for (int i = 0; m_selectedID >= 0 && i < taxes.size(); ++i) {
        if (taxes[i].TaxID == m_selectedID) {
            return i;
        }
    }
    return -1;
}

void CSaleTaxSetup::SetRate(double rate)
{
    m_rate = rate;
    m_rateRefusal.clear();
}

void CSaleTaxSetup::SetRateText(const QString& text)
{
    const ParsedNumber parsed = ParseUserNumber(text);
    m_rate = parsed.value.value_or(0.0);
    m_rateRefusal = parsed.refusal;
}

bool CSaleTaxSetup::RateIsValid() const
{
    if (!m_rateRefusal.isEmpty()) {
        m_doc.Prompter().ShowMessage(m_rateRefusal);
        return false;
    }
    if (!(m_rate >= 0.0 && m_rate <= 100.0)) {
        m_doc.Prompter().ShowMessage(QStringLiteral("The tax rate must be from 0 to 100 percent."));
        return false;
    }
    return true;
}

bool CSaleTaxSetup::NameIsFree(const QString& name, int32_t exceptID) const
{
    return std::none_of(m_doc.Taxes().cbegin(), m_doc.Taxes().cend(),
                        [&](const TaxRecord& tax) { return tax.TaxID != exceptID && SameName(tax.TaxName, name); });
}

void CSaleTaxSetup::Changed()
{
    m_doc.LoadTaxes();
    Select(-1);
}

bool CSaleTaxSetup::RefusesName(const QString& name) const
{
    const QString refusal =
        ListNameRefusal(QStringLiteral("tax name"), QStringLiteral("Tax Name Can not be Empty!"), name);
    if (!refusal.isEmpty()) {
        m_doc.Prompter().ShowMessage(refusal);
    }
    return !refusal.isEmpty();
}

bool CSaleTaxSetup::Add()
{
    const QString name = NormalizedName(m_name);
    m_lastTaken = m_name;
    if (RefusesName(name)) {
        return false;
    }
    if (!RateIsValid()) {
        return false;
    }
    CDocOperation operation(m_doc);
    if (!operation.Started()) {
        return false;
    }
    if (!NameIsFree(name, -1)) {
        m_doc.Prompter().ShowMessage(QStringLiteral("The New Sale Tax Exists! Please Change to Other Name."));
        return false;
    }
    if (!InsertRow(m_doc, NextTaxID(m_doc.Taxes()), name, m_rate)) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command"));
        return false;
    }
    if (!operation.Commit()) {
        return false;
    }
    Changed();
    return true;
}

bool CSaleTaxSetup::InsertRow(CInventoryDoc& doc, int32_t taxID, const QString& name, double rate)
{
    return AppendRow(
        doc.Connection(), QStringLiteral("Tax"),
        {{QStringLiteral("TaxID"), taxID}, {QStringLiteral("TaxName"), name}, {QStringLiteral("TaxRate"), rate}});
}

int32_t CSaleTaxSetup::NextTaxID(const QList<TaxRecord>& taxes)
{
    int32_t newID = 0;
    for (const TaxRecord& tax : taxes) {
        newID = std::max(newID, tax.TaxID + 1);
    }
    return newID;
}

bool CSaleTaxSetup::WriteTax(int32_t taxID, const QString& name)
{
    CDbRecordset tax(m_doc.Connection());
    if (!tax.Open(QStringLiteral("SELECT * ") + QStringLiteral("FROM Tax where TaxID =%1").arg(taxID),
                  CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockOptimistic)) {
        return false;
    }
    tax.MoveFirst();
    return !tax.IsEOF() && tax.SetField(1, name) && tax.SetField(2, m_rate);
}

bool CSaleTaxSetup::Update()
{
    const QString taken = m_lastTaken.trimmed();
    if (taken.isEmpty()) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Tax Name Can not be Empty!"));
        return false;
    }
    if (m_selectedID == kBuiltInTaxID) {
        m_doc.Prompter().ShowMessage(QStringLiteral("The Build-in Sale Tax Can not be Modified!"));
        return false;
    }
    if (m_selectedID < 0) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Please Select Item First"));
        return false;
    }
    const QString name = NormalizedName(m_name);
    m_lastTaken = m_name;
    if (RefusesName(name)) {
        return false;
    }
    if (!RateIsValid()) {
        return false;
    }
    CDocOperation operation(m_doc);
    if (!operation.Started()) {
        return false;
    }
    if (!NameIsFree(name, m_selectedID)) {
        m_doc.Prompter().ShowMessage(QStringLiteral("The New Sale Tax Exists! Please Change to Other Name."));
        return false;
    }
    if (!WriteTax(m_selectedID, name)) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command"));
        return false;
    }
    if (!operation.Commit()) {
        return false;
    }
    Changed();
    return true;
}

bool CSaleTaxSetup::Delete()
{
    if (m_selectedID == kBuiltInTaxID) {
        m_doc.Prompter().ShowMessage(QStringLiteral("The Build-in Sale Tax Can not be Deleted!"));
        return false;
    }
    if (m_selectedID < 0) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Please Select Item First"));
        return false;
    }
    const QString usersSql = QStringLiteral("SELECT ProductID FROM Item where TaxID = %1").arg(m_selectedID);
    const QString usedMessage = QStringLiteral("The Sale Tax Has been Used by Product, Can not be Deleted!");
    // The question is only asked of a record that may go, as the file has it now.
    m_doc.ReloadIfChangedElsewhere();
    if (RefusedAsInUse(m_doc, usersSql, usedMessage)) {
        return false;
    }
    const int index = Selected();
    const QString name = index >= 0 ? m_doc.Taxes()[index].TaxName : m_lastTaken;
    if (!m_doc.Prompter().AskYesNo(DeleteQuestion(QStringLiteral("sale tax"), name), CPrompter::Icon::Warning)) {
        return false;
    }
    if (!DeleteUnlessInUse(m_doc, usersSql, usedMessage,
                           QStringLiteral("delete from Tax ") + QStringLiteral("where TaxID = %1").arg(m_selectedID))) {
        return false;
    }
    Changed();
    return true;
}
