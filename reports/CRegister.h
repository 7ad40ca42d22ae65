#pragma once

#include "CRegisterRows.h"

#include <cstdint>
#include <functional>
#include <optional>

#include <QStringList>

class CInventoryDoc;

// The transaction register behind "Inventory Assets": its rows, the row the user selected, and
// what New, Edit and Delete do. Messages, questions and the number pad go through the document's
// prompter.
//
// Every refill reads the rows afresh and selects nothing, and every change made here refills, so a
// later Edit or Delete never reaches a row by a position that meant another row before the change.
class CRegister
{
public:
    // Opens the sale and purchase entry form modally: a new one of transType when transactionID is
    // -1, else the stored transaction. True when the form saved.
    using EntryForm = std::function<bool(int32_t transType, int32_t transactionID)>;

    // Without an entry form, sales and purchases can be neither entered nor opened from here.
    CRegister(CInventoryDoc& doc, EntryForm entryForm);

    CRegisterRows& Rows() { return m_rows; }
    bool HasEntryForm() const { return static_cast<bool>(m_entryForm); }

    // Reads the rows afresh and selects none. False after "Unable to execute command(Register
    // Activate)"; the register then has no rows.
    bool Refill();
    void Close();
    // The amount and balance texts of the book's largest and smallest movements and running
    // values, each amount also with a minus (a sale shows it negated): the widest texts the
    // number columns must hold, read in one statement. None when the book cannot be read.
    QStringList ExtremeAmountTexts();

    // -1 when none.
    long Selected() const { return m_selected; }
    // A row of the rows read; any other index selects none.
    void Select(long index);
    // Whether Edit can act on the selection: sales and purchases only with an entry form.
    bool CanEditSelected() const;

    // Each returns true when the book may have changed; the rows were then read afresh.
    bool New(int32_t transType);
    // A sale or purchase in the entry form, an adjustment's quantity on the number pad.
    bool EditSelected();
    // The selected row's whole transaction, after the question; stock and value re-derived.
    bool DeleteSelected();

private:
    // The selected row as it is now; "Please Select Item First" when there is none (or it is gone).
    std::optional<RegisterRow> SelectedRow();
    bool ChangeAdjustment(const RegisterRow& row);
    bool OpenEntryForm(int32_t transType, int32_t transactionID);

    CInventoryDoc& m_doc;
    EntryForm m_entryForm;
    CRegisterRows m_rows;
    long m_selected = -1;
    int32_t m_selectedType = -1;
    qint64 m_selectedRowId = -1;
};
