#pragma once

#include "CScreenView.h"

class CInventoryDoc;
class CProductListCtrl;
class CProductListModel;
class QLineEdit;

// "Product List": every product of the catalogue with its price, stock, average cost and value.
// New, Edit and Delete of the bottom bar work on the product last tapped; a tap on the on-hand
// icon of a row changes its quantity through the number pad.
//
// The selection is the product's code, not its row: a fill (after New, Edit, Delete, or a reload
// of a book another program changed) finds the product wherever it now stands, follows a rename
// made here, and selects nothing once the product is gone.
//
// The search field above the list keeps only the products whose code or description holds its
// text, as it is typed; a selected product the search hides is no longer selected, so the bar
// never acts on a product out of sight.
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
    // Its row in the list now, -1 when none or hidden by the search.
    int SelectedRow() const;
    // Takes the catalogue's rows afresh; keepScroll leaves the list where it was scrolled.
    void Fill(bool keepScroll);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Search(const QString& text);
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
    QLineEdit* m_search;
    QString m_selectedID;
    qsizetype m_filledCount = 0; // the catalogue's size at the last fill
};
