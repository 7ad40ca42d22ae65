#pragma once

#include "CPrintJobWriter.h"
#include "CTransItemForm.h"
#include "PayeeRecord.h"
#include "TransactionLine.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

class CInventoryDoc;
class CLnkSock;

// The flow of the entry form of one sale or purchase, new or stored: date, invoice number, the
// party (a customer or vendor, chosen from the list or typed), the lines with their tax and total,
// the save through the posting, and printing the form as an invoice or purchase order.
//
// Nothing is written before Save(), which validates, then posts the whole transaction as one
// operation of the write path; a save that fails leaves the form as it was. The date keeps its
// time of day when another day is chosen, so the transaction keeps its place among that day's
// movements. Messages go through the document's prompter.
class CTransactionForm
{
public:
    enum class SaveResult
    {
        Saved,     // written; close the form
        Unchanged, // nothing was changed, nothing written; close the form
        StayOpen   // a message was shown; nothing was written
    };

    // An entry of the party list: a customer (sale) or vendor (purchase).
    struct PartyEntry
    {
        QString name;
        int32_t payeeID = -1;
    };

    // A new sale (kTransSale) or purchase (kTransPurchase), dated now. Its invoice number shows the
    // next transaction number, the one it will probably get; unless another is typed, it is saved
    // with the number of the transaction it becomes, decided when it is saved.
    CTransactionForm(CInventoryDoc& doc, int32_t transType);

    // Takes the stored sale or purchase transactionID, to change it. False, after the message,
    // when its lines cannot be read or it is no sale or purchase; the form is then unchanged.
    bool OpenStored(int32_t transactionID);

    int32_t TransType() const { return m_transType; }
    bool IsSale() const;
    // -1 for a new transaction, until it is saved.
    int32_t TransactionID() const { return m_transactionID; }
    // "Sell Product" / "Purchase Product"; "Customer" / "Vendor:".
    QString Title() const;
    QString PartyLabel() const;

    const QDateTime& Date() const { return m_date; }
    // Another day, at the transaction's time of day.
    void SetDay(const QDate& day);
    void SetDate(const QDateTime& date);
    // The date as the form shows it: the locale's short date.
    QString DateText() const;
    // After a save, the number stored.
    const QString& InvoiceNum() const { return m_invoiceNum; }
    // A number typed is saved as typed.
    void SetInvoiceNum(const QString& invoiceNum);

    const QList<PartyEntry>& PartyEntries() const { return m_partyEntries; }
    const QString& PartyText() const { return m_partyText; }
    // The PayeeID of the list entry chosen for the party; -1 when the text was typed.
    int32_t PartyID() const { return m_partyID; }
    void SetParty(const QString& text, int32_t payeeID);
    // A customer or vendor was just created (and the document's list reloaded): the list is taken
    // again and, when the new record has a name, the party becomes that name.
    void PartyCreated(const QString& companyName);

    const QList<TransactionLine>& Lines() const { return m_lines; }
    const QList<TransactionLine>& LoadedLines() const { return m_loadedLines; }
    // The selected line, -1 when none.
    int Selection() const { return m_selection; }
    void SetSelection(int row);
    // "Please Select Item First" unless a line is selected.
    bool CheckSelection() const;
    // The line item flows for a new line and for the selected one.
    CTransItemForm NewLineForm() const;
    CTransItemForm SelectedLineForm() const;
    // A new line at the end. For a purchase with no party yet, the product's vendor (when the
    // list has it) becomes the party. The selection is cleared.
    void AddLine(const TransactionLine& line, int32_t productVendor);
    void ReplaceSelectedLine(const TransactionLine& line);
    // Removes the selected line without asking; the selection is cleared.
    void DeleteSelectedLine();

    bool IsModified() const { return m_modified; }
    double TaxTotal() const;
    double Total() const;
    // "Tax: 1.50", "Total: 21.50".
    QString TaxText() const;
    QString TotalText() const;

    SaveResult Save();

    // The print job of what the form shows now, saved or not. The party is the list entry chosen
    // or stored with the transaction (by PayeeID), else the last one of its name; a party in
    // neither prints its name with an empty address.
    CPrintJobWriter::Job PrintJob() const;
    // The print command: "There is Nothing to Print" without lines; a job the desktop would
    // refuse as too large, or with a number wider than its column, is not sent. The desktop's reply when it took the
    // job; else nothing, after the message.
    std::optional<QString> Print(CLnkSock& link) const;

private:
    void FillPartyEntries();
    const PayeeRecord* PartyRecord() const;
    void Changed() { m_modified = true; }

    CInventoryDoc& m_doc;
    int32_t m_transType;
    int32_t m_transactionID = -1;
    QDateTime m_referenceDate;
    QDateTime m_date;
    QString m_invoiceNum;
    bool m_invoiceNumTyped = false;
    QList<PartyEntry> m_partyEntries;
    QString m_partyText;
    int32_t m_partyID = -1;
    int32_t m_storedPayeeID = 0; // the party's PayeeID as stored with the transaction; 0 for none
    QList<TransactionLine> m_lines;
    QList<TransactionLine> m_loadedLines;
    int m_selection = -1;
    bool m_modified = false;
};
