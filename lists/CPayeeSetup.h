#pragma once

#include "PayeeRecord.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

class CInventoryDoc;

// Customers or vendors, and the own company's profile (the vendor row -100): create, change and
// delete payees, each as one operation of the write path, checked against the book as it is then,
// with the refusals shown through the prompter and the list reloaded after each change.
//
// Payees are named by PayeeID, never by list position: a reload re-sorts the list. Company names
// are stored trimmed and in NFC and are unique within their list, letter case aside (full case
// folding); the own company is not in the vendor list and is never compared. Country has no
// field on any form: every create and change stores it empty.
class CPayeeSetup
{
public:
    enum class Kind
    {
        Customer,
        Vendor
    };

    enum class Status
    {
        Saved,
        Refused, // a message asked for a correction; nothing was written
        Failed   // the store failed (after its message); nothing was written
    };

    struct SaveResult
    {
        Status status = Status::Failed;
        int32_t payeeID = 0; // the payee saved
        QString name;        // its company name as stored
        bool Saved() const { return status == Status::Saved; }
    };

    // The own company's row as stored, and whether it was created just now ("My Company" with
    // empty fields, which a form shows as empty fields).
    struct OwnCompanyOpening
    {
        PayeeRecord stored;
        bool created = false;
    };

    CPayeeSetup(CInventoryDoc& doc, Kind kind) : m_doc(doc), m_kind(kind) {}

    Kind GetKind() const { return m_kind; }
    // The customer or vendor list of the document, by company name.
    const QList<PayeeRecord>& Payees() const;
    // The position of the payee in Payees(); -1 when the list has none with that id.
    int Find(int32_t payeeID) const;
    // The position of the payee with this company name (letter case aside); -1 when none.
    int FindByName(const QString& name) const;

    // A new payee with the record's texts (its PayeeID is not used): the id is one above the
    // list's largest, and at least 1.
    SaveResult Create(const PayeeRecord& payee);
    // Writes the record's texts into the payee's row; Failed ("Unable to execute command") when
    // the book has no row with that id.
    SaveResult Update(int32_t payeeID, const PayeeRecord& payee);
    // Asks "Delete an Item?", then deletes the payee's row; its sales and purchases keep the name
    // they were written with. A deleted vendor's products are left without a vendor, so that a
    // later vendor given the same id does not inherit them. True when deleted.
    bool Delete(int32_t payeeID);

    // For a caller that writes many payees inside its own operation (an import): one row
    // inserted, or rewritten field by field, with the record's texts as given (Country too),
    // without name checks and without reloading the list. False when the store refuses.
    bool Insert(int32_t payeeID, const PayeeRecord& payee);
    bool WriteRow(int32_t payeeID, const PayeeRecord& payee);
    // Why the payee's texts cannot be stored: one holds a control character (a tab or line break
    // outside the address and the note); empty when they can.
    static QString TextRefusal(const PayeeRecord& payee);
    // The id of a new payee: one above the list's largest, and at least 1.
    static int32_t NextPayeeID(const QList<PayeeRecord>& payees);

    // Reads the own company's row, creating it ("My Company", empty fields) when it is missing;
    // nothing after the message when it can neither be read nor created.
    static std::optional<OwnCompanyOpening> OpenOwnCompany(CInventoryDoc& doc);
    // Writes the profile into the own company's row, which it never creates.
    static SaveResult SaveOwnCompany(CInventoryDoc& doc, const PayeeRecord& profile);

private:
    QString Table() const;
    QString Noun() const;
    void ReloadList();
    bool NameIsFree(const QString& name, std::optional<int32_t> exceptID) const;
    SaveResult Write(std::optional<int32_t> payeeID, const PayeeRecord& payee, bool checkName);
    bool DeleteRow(int32_t payeeID);

    CInventoryDoc& m_doc;
    Kind m_kind;
};
