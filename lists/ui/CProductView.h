#pragma once

#include "CScreenView.h"

class CInventoryDoc;
class CProductListCtrl;
class CProductListModel;

// "Product List": every product of the catalogue with its price, stock, average cost and value.
// New, Edit and Delete of the bottom bar work on the product last tapped; a tap on the on-hand
// icon of a row changes its quantity through the number pad.
//
// The selection is the product's code, not its row: a fill (after New, Edit, Delete, or a reload
// of a book another program changed) finds the product wherever it now stands, follows a rename
// made here, and selects nothing once the product is gone.
class CProductView final : public CScreenView
{
    Q_OBJECT

public:
    explicit CProductView(CInventoryDoc& doc, QWidget* parent = nullptr);

    void InitialUpdate() override;
    void OnBarCommand(int commandId) override;
    bool IsBarCommandEnabled(int commandId) const override;
    void RefreshFromDocument() override;

    // The code of the selected product; empty when none.
    const QString& SelectedProductID() const { return m_selectedID; }
    // Its row in the list now, -1 when none.
    int SelectedRow() const;
    // Takes the catalogue's rows afresh; keepScroll leaves the list where it was scrolled.
    void Fill(bool keepScroll);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Tapped(int row);
    void OnHandIconTapped();
    void ShowSelection();
    void ChangeOnHand(const QString& productID);
    void RunItemSetup(const QString& productID);
    void EditSelected();
    void DeleteSelected();

    CInventoryDoc& m_doc;
    CProductListModel* m_model;
    CProductListCtrl* m_list;
    QString m_selectedID;
};
