#pragma once

#include "CIconFactory.h"
#include "CTransactionForm.h"

#include <QDialog>

class CInventoryDoc;
class CIconPushButton;
class CTransLineDelegate;
class CTransLineModel;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QTableView;

// "Sell Product" / "Purchase Product": the entry form of one sale or purchase. Date, invoice
// number, the customer or vendor (chosen from the list, typed, or created with "New"), the lines
// with New/Edit/Del Item, the tax and total; the check mark saves and closes, the cross (or
// Escape, or the window's close box) closes without saving, after asking when lines would be
// lost; "Print" sends the form as it stands to the desktop printer.
class CInventoryView final : public QDialog
{
    Q_OBJECT

public:
    // A new sale (kTransSale) or purchase (kTransPurchase). True when it was saved.
    static bool RunNew(CInventoryDoc& doc, int32_t transType, QWidget* parent = nullptr);
    // The stored sale or purchase transactionID, to change it. True when the form was confirmed
    // (saved, or closed unchanged with the check mark); false when it was closed, or when the
    // transaction could not be opened (after the message).
    static bool RunStored(CInventoryDoc& doc, int32_t transactionID, QWidget* parent = nullptr);

    CInventoryView(CInventoryDoc& doc, const CTransactionForm& form, QWidget* parent = nullptr);

    const CTransactionForm& Form() const { return m_form; }

    void reject() override;

private:
    void CreateControls();
    QWidget* CreateTitleRow();
    QWidget* CreateHeaderRows();
    QTableView* CreateLineList();
    QWidget* CreateLineButtons();
    QWidget* CreateTotals();
    QWidget* CreateCommandBar();
    CIconPushButton* AddButton(CIconFactory::Kind icon, const QString& caption, const QString& objectName,
                               QWidget* parent);
    void FillParties();
    void ShowLines();
    void ShowTotals();
    void SelectionChanged();
    void UpdateLineButtons();
    void NewItem();
    void EditItem();
    void DeleteItem();
    void NewParty();
    void PartyTextChanged(const QString& text);
    void PartyChosen(int index);
    void Confirm();
    void Print();

    CInventoryDoc& m_doc;
    CTransactionForm m_form;
    CTransLineModel* m_model = nullptr;
    QDateEdit* m_date = nullptr;
    QLineEdit* m_invoice = nullptr;
    QComboBox* m_party = nullptr;
    QTableView* m_lines = nullptr;
    CIconPushButton* m_editItem = nullptr;
    CIconPushButton* m_deleteItem = nullptr;
    QLineEdit* m_tax = nullptr;
    QLineEdit* m_total = nullptr;
};
