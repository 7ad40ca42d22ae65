#pragma once

#include "CItemSetupForm.h"

#include <QDialog>

#include <array>

class CColorEdit;
class CColorStatic;
class CInventoryDoc;
class CNoteEdit;
class CPadField;
class QComboBox;

// "Item Setup": the fields of one product (a new one for record index -1). Prices, quantity and
// unit cost are typed or set on the number pad (a click or Enter opens it). "New" and
// "New Tax" open the category and sale tax setup and then offer their lists afresh. OK saves
// through CItemSetupForm and closes unless the save asks for a correction; Cancel writes nothing.
class CItemSetupDlg final : public QDialog
{
    Q_OBJECT

public:
    // productID: the product to edit; empty for a new one.
    CItemSetupDlg(CInventoryDoc& doc, const QString& productID, QWidget* parent = nullptr);

    // After OK: the name of a created product, or the new name of a renamed one; else empty.
    const QString& SavedName() const { return m_form.SavedName(); }

private:
    using Entries = QList<std::pair<QString, int>>;
    // A field whose number comes from the number pad.
    struct NumberField
    {
        CColorEdit* edit = nullptr;
        bool (CItemSetupForm::*enter)() = nullptr;
        bool (CItemSetupForm::*set)(double) = nullptr;
        double (CItemSetupForm::*value)() const = nullptr;
        bool isQuantity = false;
        CPadField* pad = nullptr;
    };

    void CreateControls(QWidget* page);
    CColorStatic* AddLabel(QWidget* page, const QString& text, const QRect& place);
    CColorEdit* AddEdit(QWidget* page, const QString& objectName, const QRect& place);
    QComboBox* AddCombo(QWidget* page, const QString& objectName, const QRect& place, bool editable);
    void ShowForm();
    QString NumberText(const NumberField& field) const;
    Entries CategoryEntries() const;
    Entries TaxEntries() const;
    Entries VendorEntries() const;
    static void Fill(QComboBox* combo, const Entries& entries);
    // Selects the entry with the identifier; none when no entry has it.
    static void SelectId(QComboBox* combo, int id);
    // The identifier of the selected entry; -1 when none, or when an editable combo's text
    // names no entry.
    static int SelectedId(const QComboBox* combo);
    static void Refill(QComboBox* combo, const Entries& entries, int selectedId);
    void NewCategory();
    void NewTax();
    void EnterNumber(const NumberField& field);
    void TakeNumber(const NumberField& field, double value);
    void TakeControls();
    void Confirm();

    CInventoryDoc& m_doc;
    CItemSetupForm m_form;
    QComboBox* m_category = nullptr;
    QComboBox* m_tax = nullptr;
    QComboBox* m_vendor = nullptr;
    CColorEdit* m_name = nullptr;
    CColorEdit* m_description = nullptr;
    std::array<NumberField, 3> m_numbers; // sale price, quantity on hand, unit cost
    CColorEdit* m_avgCost = nullptr;
    CColorStatic* m_avgCostLabel = nullptr;
    CNoteEdit* m_note = nullptr;
};
