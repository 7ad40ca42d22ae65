#pragma once

#include "CTransItemForm.h"

#include <QDialog>

class CInventoryDoc;
class CPadField;
class CProductPickerModel;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;

// "Sale Item" / "Purchase Item": one line of a sale or purchase. The product is chosen from the
// catalogue or by typing (or scanning) its exact code, the tax (for a sale) from the list; price
// and quantity are typed or set on the number pad (a click or Enter opens it). The stock after the line is shown as
// "New QTY On Hand". OK takes the line when a product of the catalogue is chosen; Cancel leaves the entry form as it
// was. The search field above the product keeps in its list only the products whose code or
// description holds the typed text, under their category headings.
class CTransItemDlg final : public QDialog
{
    Q_OBJECT

public:
    CTransItemDlg(CInventoryDoc& doc, const CTransItemForm& form, QWidget* parent = nullptr);

    // The line and its product's vendor, after OK.
    const CTransItemForm& Form() const { return m_form; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    QLabel* AddLabel(QGridLayout* grid, int row, const QString& text);
    QLineEdit* AddField(QGridLayout* grid, int row, const QString& objectName);
    CPadField* AddPadField(QGridLayout* grid, int row, const QString& objectName, bool (CTransItemForm::*enter)(),
                           bool (CTransItemForm::*take)(double));
    QComboBox* AddCombo(QGridLayout* grid, int row, const QString& objectName);
    static void ShowChoice(QComboBox* combo, const QString& text, int role, Qt::MatchFlags match);
    void FillCombos();
    void FillProducts(const QString& search);
    void SearchEntered();
    void ShowForm();
    void ProductChosen(int index);
    void TaxChosen(int index);
    bool IsTypedCodeNew() const;
    bool PickTypedCode();
    void ProductEntered();
    void Confirm();

    CInventoryDoc& m_doc;
    CTransItemForm m_form;
    QLineEdit* m_search = nullptr;
    QComboBox* m_product = nullptr;
    CProductPickerModel* m_picker = nullptr;
    QLineEdit* m_description = nullptr;
    QLabel* m_priceLabel = nullptr;
    CPadField* m_price = nullptr;
    CPadField* m_quantity = nullptr;
    QLineEdit* m_onHand = nullptr;
    QComboBox* m_tax = nullptr;
    QLineEdit* m_taxRate = nullptr;
    QList<QWidget*> m_taxControls;
};
