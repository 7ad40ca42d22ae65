#include "CTransactionForm.h"

#include "CInventoryDoc.h"
#include "CLnkSock.h"
#include "CPrompter.h"
#include "CStoredTransaction.h"
#include "DateCellText.h"
#include "LocaleNumber.h"
#include "NameText.h"
#include "PrintJobWire.h"
#include "TransactionTypes.h"

#include <QLocale>

CTransactionForm::CTransactionForm(CInventoryDoc& doc, int32_t transType)
    : m_doc(doc), m_transType(transType), m_referenceDate(doc.Now()), m_date(m_referenceDate),
      m_invoiceNum(QString::number(doc.Counters().TransID))
{
    FillPartyEntries();
}

bool CTransactionForm::OpenStored(int32_t transactionID)
{
    CStoredTransaction stored(m_doc);
    if (!stored.Load(transactionID)) {
        return false;
    }
    if (stored.Lines().isEmpty() || (stored.TransType() != kTransSale && stored.TransType() != kTransPurchase)) {
        m_doc.Prompter().ShowMessage(QStringLiteral("There is no sale or purchase %1.").arg(transactionID));
        return false;
    }
    m_transType = stored.TransType();
    m_transactionID = transactionID;
    m_referenceDate = m_date = stored.TransDate();
    m_invoiceNum = stored.InvoiceNum();
    m_partyText = stored.CompanyName();
    m_partyID = -1;
    m_storedPayeeID = stored.PayeeID();
    m_lines = m_loadedLines = stored.Lines();
    m_selection = -1;
    m_modified = false;
    FillPartyEntries();
    return true;
}

bool CTransactionForm::IsSale() const
{
    return m_transType == kTransSale;
}

QString CTransactionForm::Title() const
{
    return IsSale() ? QStringLiteral("Sell Product") : QStringLiteral("Purchase Product");
}

QString CTransactionForm::PartyLabel() const
{
    return IsSale() ? QStringLiteral("Customer") : QStringLiteral("Vendor:");
}

void CTransactionForm::SetDay(const QDate& day)
{
    SetDate(QDateTime(day, m_referenceDate.time()));
}

void CTransactionForm::SetDate(const QDateTime& date)
{
    if (date != m_date) {
        m_date = date;
        Changed();
    }
}

QString CTransactionForm::DateText() const
{
    return DateCellText(m_date.date());
}

void CTransactionForm::SetInvoiceNum(const QString& invoiceNum)
{
    // Even the number shown, once typed, is the user's.
    m_invoiceNumTyped = true;
    if (invoiceNum != m_invoiceNum) {
        m_invoiceNum = invoiceNum;
        Changed();
    }
}

void CTransactionForm::FillPartyEntries()
{
    m_partyEntries.clear();
    for (const PayeeRecord& payee : IsSale() ? m_doc.Customers() : m_doc.Vendors()) {
        m_partyEntries.append({payee.CompanyName, payee.PayeeID});
    }
}

void CTransactionForm::SetParty(const QString& text, int32_t payeeID)
{
    if (text != m_partyText) {
        Changed();
        // Another party: the stored one no longer names it.
        m_storedPayeeID = 0;
    }
    m_partyText = text;
    m_partyID = payeeID;
}

void CTransactionForm::PartyCreated(const QString& companyName)
{
    Changed();
    FillPartyEntries();
    if (!companyName.isEmpty()) {
        SetParty(companyName, -1);
    }
}

void CTransactionForm::SetSelection(int row)
{
    m_selection = row >= 0 && row < m_lines.size() ? row : -1;
}

bool CTransactionForm::CheckSelection() const
{
    if (m_selection < 0) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Please Select Item First"));
        return false;
    }
    return true;
}

CTransItemForm CTransactionForm::NewLineForm() const
{
    return CTransItemForm(m_doc, m_transType, m_lines, m_loadedLines);
}

CTransItemForm CTransactionForm::SelectedLineForm() const
{
    return CTransItemForm(m_doc, m_transType, m_lines, m_loadedLines, m_lines.at(m_selection));
}

void CTransactionForm::AddLine(const TransactionLine& line, int32_t productVendor)
{
    m_lines.append(line);
    Changed();
    // The product's vendor only fills a party not yet chosen or typed.
    if (!IsSale() && productVendor >= 0 && m_partyText.trimmed().isEmpty()) {
        for (const PartyEntry& entry : std::as_const(m_partyEntries)) {
            if (entry.payeeID == productVendor) {
                SetParty(entry.name, entry.payeeID);
                break;
            }
        }
    }
    m_selection = -1;
}

void CTransactionForm::ReplaceSelectedLine(const TransactionLine& line)
{
    m_lines[m_selection] = line;
    Changed();
}

void CTransactionForm::DeleteSelectedLine()
{
    m_lines.removeAt(m_selection);
    Changed();
    m_selection = -1;
}

double CTransactionForm::TaxTotal() const
{
    double tax = 0.0;
    for (const TransactionLine& line : m_lines) {
        tax += line.TaxTotal;
    }
    return tax;
}

double CTransactionForm::Total() const
{
    double total = 0.0;
    for (const TransactionLine& line : m_lines) {
        total += line.ItemTotal + line.TaxTotal;
    }
    return total;
}

QString CTransactionForm::TaxText() const
{
    return QStringLiteral("Tax: %1").arg(FormatLocaleNumber("%.2lf", TaxTotal()));
}

QString CTransactionForm::TotalText() const
{
    return QStringLiteral("Total: %1").arg(FormatLocaleNumber("%.2lf", Total()));
}

CTransactionForm::SaveResult CTransactionForm::Save()
{
    CPrompter& prompter = m_doc.Prompter();
    if (m_lines.isEmpty()) {
        prompter.ShowMessage(QStringLiteral("Please add Sale Item!"));
        return SaveResult::StayOpen;
    }
    if (!m_modified) {
        return SaveResult::Unchanged;
    }
    const QString party = m_partyText.trimmed();
    if (party.isEmpty()) {
        prompter.ShowMessage(IsSale() ? QStringLiteral("Please Select a Customer!")
                                      : QStringLiteral("Please Select a Vendor!"));
        return SaveResult::StayOpen;
    }
    QString refusal = ControlCharacterRefusal(QStringLiteral("invoice number"), m_invoiceNum, TextLines::One);
    if (refusal.isEmpty()) {
        refusal = ControlCharacterRefusal(IsSale() ? QStringLiteral("customer name") : QStringLiteral("vendor name"),
                                          party, TextLines::One);
    }
    if (!refusal.isEmpty()) {
        prompter.ShowMessage(refusal);
        return SaveResult::StayOpen;
    }
    SalePurchasePosting posting;
    posting.TransType = m_transType;
    posting.TransactionID = m_transactionID;
    posting.PreviousDate = m_referenceDate;
    posting.NewDate = m_date;
    posting.PreviousLines = m_loadedLines;
    posting.Lines = m_lines;
    posting.InvoiceNum = m_invoiceNum;
    // The number shown was read before the book was locked; another program may have taken it.
    posting.InvoiceNumFromID = m_transactionID < 0 && !m_invoiceNumTyped;
    posting.CompanyName = party;
    posting.VendorID = IsSale() ? -1 : m_partyID;
    const PayeeRecord* partyRecord = PartyRecord();
    posting.PayeeID = partyRecord != nullptr ? partyRecord->PayeeID : 0;
    const PostingResult result = m_doc.PostSalePurchase(posting);
    if (!result.Saved) {
        return SaveResult::StayOpen;
    }
    // The form now shows the transaction as stored.
    m_transactionID = result.TransactionID;
    m_invoiceNum = result.InvoiceNum;
    m_referenceDate = m_date;
    m_loadedLines = m_lines;
    m_storedPayeeID = posting.PayeeID;
    m_modified = false;
    return SaveResult::Saved;
}

// The customer or vendor chosen from the list or stored with the transaction, found by its
// PayeeID, so a renamed one is still found; else the last of the list with the party's name,
// letter case aside.
const PayeeRecord* CTransactionForm::PartyRecord() const
{
    const QList<PayeeRecord>& payees = IsSale() ? m_doc.Customers() : m_doc.Vendors();
    const int32_t payeeID = m_partyID > 0 ? m_partyID : m_storedPayeeID;
    if (payeeID > 0) {
        for (const PayeeRecord& payee : payees) {
            if (payee.PayeeID == payeeID) {
                return &payee;
            }
        }
    }
    const QString party = m_partyText.trimmed();
    const PayeeRecord* found = nullptr;
    for (const PayeeRecord& payee : payees) {
        if (payee.CompanyName.compare(party, Qt::CaseInsensitive) == 0) {
            found = &payee;
        }
    }
    return found;
}

CPrintJobWriter::Job CTransactionForm::PrintJob() const
{
    const auto address = [](const PayeeRecord& payee) {
        return CPrintJobWriter::Address{payee.CompanyName, payee.Address, payee.City, payee.State, payee.PostalCode};
    };
    CPrintJobWriter::Job job;
    job.isSale = IsSale();
    job.company = address(m_doc.OwnCompany());
    job.companyNotes = m_doc.OwnCompany().Note;
    job.invoiceNumber = m_invoiceNum;
    if (const PayeeRecord* party = PartyRecord()) {
        job.party = address(*party);
    } else {
        // A party no longer (or never) in the list still prints under its name.
        job.party.name = m_partyText.trimmed();
    }
    job.invoiceDate = DateText();
    const QString groupSeparator = QLocale().groupSeparator();
    const auto fit = [&groupSeparator](const QString& number, qsizetype columns) {
        return CPrintJobWriter::FitNumber(number, columns, groupSeparator);
    };
    for (const TransactionLine& line : m_lines) {
        // Every printed line says what was sold, even for a product without a description.
        const QString description = line.ProductName.trimmed().isEmpty() ? line.ProductID : line.ProductName;
        job.items.append({fit(FormatQuantity(line.Quantity), CPrintJobWriter::kQuantityColumns), description,
                          fit(FormatLocaleNumber("%.2lf", line.Price), CPrintJobWriter::kPriceColumns),
                          fit(FormatLocaleNumber("%.2lf", line.ItemTotal), CPrintJobWriter::kAmountColumns),
                          line.TaxName});
    }
    job.taxTotal = FormatLocaleNumber("%.2lf", TaxTotal());
    job.total = FormatLocaleNumber("%.2lf", Total());
    return job;
}

std::optional<QString> CTransactionForm::Print(CLnkSock& link) const
{
    CPrompter& prompter = m_doc.Prompter();
    if (m_lines.isEmpty()) {
        prompter.ShowMessage(QStringLiteral("There is Nothing to Print"));
        return std::nullopt;
    }
    const CPrintJobWriter::Job job = PrintJob();
    if (const std::optional<CPrintJobWriter::WideNumber> wide = CPrintJobWriter::TooWideNumber(job)) {
        prompter.ShowMessage(QStringLiteral("Line %1 (%2) cannot be printed: its %3 %4 is wider than the %5 "
                                            "characters of its column on the %6.")
                                 .arg(QString::number(wide->item + 1), m_lines[wide->item].ProductID,
                                      wide->column.toString(), wide->text, QString::number(wide->columns),
                                      IsSale() ? QStringLiteral("invoice") : QStringLiteral("purchase order")));
        return std::nullopt;
    }
    const QString text = CPrintJobWriter::Text(job);
    if (text.size() > PrintJobWire::kMaxJobChars || job.items.size() > PrintJobWire::kMaxItems) {
        prompter.ShowMessage(QStringLiteral("This %1 is too long to print: the desktop takes at most %2 lines and "
                                            "%3 characters, and it has %4 lines and %5 characters.")
                                 .arg(IsSale() ? QLatin1String("invoice") : QLatin1String("purchase order"))
                                 .arg(PrintJobWire::kMaxItems)
                                 .arg(PrintJobWire::kMaxJobChars)
                                 .arg(job.items.size())
                                 .arg(text.size()));
        return std::nullopt;
    }
    return link.Send(text);
}
