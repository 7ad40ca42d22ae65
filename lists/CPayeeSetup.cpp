#include "CPayeeSetup.h"

#include "CDbRecordset.h"
#include "CDocOperation.h"
#include "CInventoryDoc.h"
#include "CPrompter.h"
#include "DeleteUnlessInUse.h"
#include "NameText.h"
#include "SqlText.h"

#include <algorithm>
#include <array>

namespace {
const QString kEmptyName = QStringLiteral("Company Name Can not Be Empty!");
const QString kNameExists = QStringLiteral("The New Company Name Exists! Please Change to Other Name.");
const QString kUnable = QStringLiteral("Unable to execute command");
constexpr int32_t kOwnCompany = CInventoryDoc::kOwnCompanyPayeeID;

CPayeeSetup::SaveResult Unsaved(CPayeeSetup::Status status)
{
    CPayeeSetup::SaveResult result;
    result.status = status;
    return result;
}

// The texts as every form stores them: the name trimmed and in NFC, no country.
PayeeRecord Stored(const PayeeRecord& payee)
{
    PayeeRecord stored = payee;
    stored.CompanyName = NormalizedName(payee.CompanyName);
    stored.Country.clear();
    return stored;
}
} // namespace

const QList<PayeeRecord>& CPayeeSetup::Payees() const
{
    return m_kind == Kind::Customer ? m_doc.Customers() : m_doc.Vendors();
}

int CPayeeSetup::Find(int32_t payeeID) const
{
    const QList<PayeeRecord>& payees = Payees();
    const auto found = std::find_if(payees.cbegin(), payees.cend(),
                                    [payeeID](const PayeeRecord& payee) { return payee.PayeeID == payeeID; });
    return found == payees.cend() ? -1 : static_cast<int>(found - payees.cbegin());
}

int CPayeeSetup::FindByName(const QString& name) const
{
    const QString wanted = NormalizedName(name);
    const QList<PayeeRecord>& payees = Payees();
    const auto found = std::find_if(payees.cbegin(), payees.cend(), [&wanted](const PayeeRecord& payee) {
        return SameName(payee.CompanyName, wanted);
    });
    return found == payees.cend() ? -1 : static_cast<int>(found - payees.cbegin());
}

QString CPayeeSetup::Table() const
{
    return m_kind == Kind::Customer ? QStringLiteral("Customer") : QStringLiteral("Vendor");
}

QString CPayeeSetup::Noun() const
{
    return m_kind == Kind::Customer ? QStringLiteral("customer") : QStringLiteral("vendor");
}

void CPayeeSetup::ReloadList()
{
    if (m_kind == Kind::Customer) {
        m_doc.LoadCustomers();
    } else {
        m_doc.LoadVendors();
    }
}

bool CPayeeSetup::NameIsFree(const QString& name, std::optional<int32_t> exceptID) const
{
    const QList<PayeeRecord>& payees = Payees();
    return std::none_of(payees.cbegin(), payees.cend(), [&](const PayeeRecord& payee) {
        return payee.PayeeID != exceptID && SameName(payee.CompanyName, name);
    });
}

QString CPayeeSetup::TextRefusal(const PayeeRecord& payee)
{
    static const std::array<const char*, PayeeRecord::kTextCount> captions = {
        "company name", "address", "city", "state", "zip code", "country",
        "contact name", "phone",   "fax",  "email", "note"};
    for (int i = 0; i < PayeeRecord::kTextCount; ++i) {
        const bool multiLine = &payee.Text(i) == &payee.Address || &payee.Text(i) == &payee.Note;
        const QString refusal = ControlCharacterRefusal(QLatin1String(captions[i]), payee.Text(i),
                                                        multiLine ? TextLines::Many : TextLines::One);
        if (!refusal.isEmpty()) {
            return refusal;
        }
    }
    return QString();
}

int32_t CPayeeSetup::NextPayeeID(const QList<PayeeRecord>& payees)
{
    int32_t next = 1;
    for (const PayeeRecord& payee : payees) {
        next = std::max(next, payee.PayeeID + 1);
    }
    return next;
}

bool CPayeeSetup::Insert(int32_t payeeID, const PayeeRecord& payee)
{
    QStringList values{QString::number(payeeID)};
    for (int i = 0; i < PayeeRecord::kTextCount; ++i) {
        values << QLatin1Char('\'') + QuoteSqlText(payee.Text(i)) + QLatin1Char('\'');
    }
    return Execute(m_doc.Connection(),
                   QStringLiteral("INSERT INTO %1(PayeeID,CompanyName,Address,City,State,PostalCode,").arg(Table()) +
                       QStringLiteral("Country,Contact,Phone,Fax,Email,Note) ") +
                       QStringLiteral("Values(%1)").arg(values.join(QLatin1Char(','))));
}

// Field by field, as the row is; a payee another program deleted has no row to write.
bool CPayeeSetup::WriteRow(int32_t payeeID, const PayeeRecord& payee)
{
    CDbRecordset row(m_doc.Connection());
    if (!row.Open(QStringLiteral("SELECT * ") + QStringLiteral("FROM %1 where PayeeID = %2").arg(Table()).arg(payeeID),
                  CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockOptimistic)) {
        return false;
    }
    row.MoveFirst();
    if (row.IsEOF()) {
        return false;
    }
    for (int i = 0; i < PayeeRecord::kTextCount; ++i) {
        if (!row.SetField(i + 1, payee.Text(i))) {
            return false;
        }
    }
    return row.Close();
}

CPayeeSetup::SaveResult CPayeeSetup::Create(const PayeeRecord& payee)
{
    return Write(std::nullopt, payee, true);
}

// A new payee (no payeeID) takes the identifier one above the list's largest, decided inside the
// operation so two programs never give out the same one.
CPayeeSetup::SaveResult CPayeeSetup::Write(std::optional<int32_t> payeeID, const PayeeRecord& payee, bool checkName)
{
    const PayeeRecord stored = Stored(payee);
    if (stored.CompanyName.isEmpty()) {
        m_doc.Prompter().ShowMessage(kEmptyName);
        return Unsaved(Status::Refused);
    }
    if (const QString refusal = TextRefusal(stored); !refusal.isEmpty()) {
        m_doc.Prompter().ShowMessage(refusal);
        return Unsaved(Status::Refused);
    }
    CDocOperation operation(m_doc);
    if (!operation.Started()) {
        return Unsaved(Status::Failed);
    }
    if (checkName && !NameIsFree(stored.CompanyName, payeeID)) {
        m_doc.Prompter().ShowMessage(kNameExists);
        return Unsaved(Status::Refused);
    }
    const int32_t id = payeeID ? *payeeID : NextPayeeID(Payees());
    if (!(payeeID ? WriteRow(id, stored) : Insert(id, stored))) {
        m_doc.Prompter().ShowMessage(kUnable);
        return Unsaved(Status::Failed);
    }
    if (!operation.Commit()) {
        return Unsaved(Status::Failed);
    }
    ReloadList();
    return {Status::Saved, id, stored.CompanyName};
}

CPayeeSetup::SaveResult CPayeeSetup::Update(int32_t payeeID, const PayeeRecord& payee)
{
    return Write(payeeID, payee, true);
}

CPayeeSetup::SaveResult CPayeeSetup::SaveOwnCompany(CInventoryDoc& doc, const PayeeRecord& profile)
{
    return CPayeeSetup(doc, Kind::Vendor).Write(kOwnCompany, profile, false);
}

// By id: a vendor may carry the own company's name, and the profile must not go with it.
bool CPayeeSetup::DeleteRow(int32_t payeeID)
{
    if (!Execute(m_doc.Connection(),
                 QStringLiteral("delete from %1 ").arg(Table()) + QStringLiteral("where PayeeID = %1").arg(payeeID))) {
        return false;
    }
    return m_kind == Kind::Customer ||
           Execute(m_doc.Connection(), QStringLiteral("UPDATE Item SET PayeeID = -1 where PayeeID = %1").arg(payeeID));
}

bool CPayeeSetup::Delete(int32_t payeeID)
{
    const QString gone = QStringLiteral("The %1 is no longer in the list.").arg(Noun());
    if (Find(payeeID) < 0) {
        m_doc.Prompter().ShowMessage(gone);
        return false;
    }
    if (!m_doc.Prompter().AskYesNo(DeleteQuestion(Noun(), Payees()[Find(payeeID)].CompanyName),
                                   CPrompter::Icon::Warning)) {
        return false;
    }
    CDocOperation operation(m_doc);
    if (!operation.Started()) {
        return false;
    }
    if (Find(payeeID) < 0) {
        m_doc.Prompter().ShowMessage(gone);
        return false;
    }
    if (!DeleteRow(payeeID)) {
        m_doc.Prompter().ShowMessage(kUnable);
        return false;
    }
    if (!operation.Commit()) {
        return false;
    }
    ReloadList();
    if (m_kind == Kind::Vendor) {
        m_doc.LoadProducts();
    }
    return true;
}

std::optional<CPayeeSetup::OwnCompanyOpening> CPayeeSetup::OpenOwnCompany(CInventoryDoc& doc)
{
    CDocOperation operation(doc);
    if (!operation.Started()) {
        return std::nullopt;
    }
    CDbRecordset row(doc.Connection());
    if (!row.Open(QStringLiteral("SELECT * ") + QStringLiteral("FROM Vendor where PayeeID = %1").arg(kOwnCompany),
                  CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockReadOnly)) {
        doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command(Vendor)"));
        return std::nullopt;
    }
    row.MoveFirst();
    const bool missing = row.IsEOF();
    row.Close();
    CPayeeSetup vendors(doc, Kind::Vendor);
    if (missing) {
        PayeeRecord placeholder;
        placeholder.CompanyName = QStringLiteral("My Company");
        if (!vendors.Insert(kOwnCompany, placeholder)) {
            doc.Prompter().ShowMessage(kUnable);
            return std::nullopt;
        }
    }
    if (!operation.Commit()) {
        return std::nullopt;
    }
    // The loader puts the row into the document's own company.
    vendors.ReloadList();
    return OwnCompanyOpening{doc.OwnCompany(), missing};
}
