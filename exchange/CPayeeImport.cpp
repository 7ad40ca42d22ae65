#include "CPayeeImport.h"

#include "CCsvImport.h"
#include "CInventoryDoc.h"
#include "CPrompter.h"
#include "CsvText.h"
#include "ExchangeLayout.h"
#include "NameText.h"

namespace {

bool SameTexts(const PayeeRecord& a, const PayeeRecord& b)
{
    for (int i = 0; i < PayeeRecord::kTextCount; ++i) {
        if (a.Text(i) != b.Text(i)) {
            return false;
        }
    }
    return true;
}

} // namespace

int CPayeeImport::FieldCount() const
{
    return static_cast<int>(ExchangeLayout::kPayeeFields.size());
}

QString CPayeeImport::ProgressText() const
{
    return m_setup.GetKind() == CPayeeSetup::Kind::Customer ? QStringLiteral("Importing customers ....")
                                                            : QStringLiteral("Importing vendors ....");
}

void CPayeeImport::Begin()
{
    m_byName.clear();
    for (const PayeeRecord& payee : m_setup.Payees()) {
        m_byName.insert(NameKey(payee.CompanyName), payee);
    }
    m_nextID = CPayeeSetup::NextPayeeID(m_setup.Payees());
}

CCsvRecordImporter::LineResult CPayeeImport::Import(const QStringList& fields, int line)
{
    PayeeRecord payee;
    for (int i = 0; i < FieldCount(); ++i) {
        payee.Text(ExchangeLayout::kPayeeFields[i].second) = TextOfSpreadsheetCell(fields[i]);
    }
    // Stored as every form stores a name, so that the dialogs find it.
    payee.CompanyName = NormalizedName(payee.CompanyName);
    if (payee.CompanyName.isEmpty()) {
        m_doc.Prompter().ShowMessage(QString::asprintf("You must specify the Company in Line %d, Process Stops", line));
        return LineResult::Stop;
    }
    if (const QString refusal = CPayeeSetup::TextRefusal(payee); !refusal.isEmpty()) {
        m_doc.Prompter().ShowMessage(CCsvImport::LineRefusalText(line, refusal));
        return LineResult::Stop;
    }
    const QString key = NameKey(payee.CompanyName);
    const auto stored = m_byName.find(key);
    const std::optional<LineResult> result = stored == m_byName.end() ? Add(key, payee) : Update(*stored, payee);
    if (!result) {
        m_doc.Prompter().ShowMessage(CCsvImport::RefusedLineText(line));
        return LineResult::Stop;
    }
    return *result;
}

std::optional<CCsvRecordImporter::LineResult> CPayeeImport::Update(PayeeRecord& stored, PayeeRecord payee)
{
    payee.PayeeID = stored.PayeeID;
    payee.Country = stored.Country;
    if (SameTexts(payee, stored)) {
        return LineResult::Unchanged;
    }
    if (!m_setup.WriteRow(payee.PayeeID, payee)) {
        return std::nullopt;
    }
    stored = payee;
    return LineResult::Updated;
}

std::optional<CCsvRecordImporter::LineResult> CPayeeImport::Add(const QString& key, PayeeRecord payee)
{
    payee.PayeeID = m_nextID++;
    if (!m_setup.Insert(payee.PayeeID, payee)) {
        return std::nullopt;
    }
    m_byName.insert(key, payee);
    return LineResult::Added;
}

void CPayeeImport::Reload()
{
    if (m_setup.GetKind() == CPayeeSetup::Kind::Customer) {
        m_doc.LoadCustomers();
    } else {
        m_doc.LoadVendors();
    }
}
