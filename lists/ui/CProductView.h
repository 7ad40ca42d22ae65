#pragma once

#include "CScreenView.h"

class CInventoryDoc;
class CProductListCtrl;
class CProductListModel;

// "Product List": every product of the catalogue with its price, stock, average cost and value.
// New, Edit and Delete of the bottom bar work on the product last tapped; a tap on the on-hand
// icon of a row changes its quantity through the number pad.
class CProductView final : public CScreenView
{
    Q_OBJECT

public:
    explicit CProductView(CInventoryDoc& doc, QWidget* parent = nullptr);

    void InitialUpdate() override;
    void OnBarCommand(int commandId) override;
    bool IsBarCommandEnabled(int commandId) const override;
    void RefreshFromDocument() override;

    // The position of the product last tapped, -1 when none; fills keep it.
    int Selection() const { return m_selection; }
    // Takes the catalogue's rows afresh; keepScroll leaves the list where it was scrolled.
    void Fill(bool keepScroll);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Tapped(int row, bool onHandIcon);
    void ShowSelection();
    void ChangeOnHand();
    QString SelectedProductID() const;
    void RunItemSetup(const QString& productID);
    void EditSelected();
    void DeleteSelected();

    CInventoryDoc& m_doc;
    CProductListModel* m_model;
    CProductListCtrl* m_list;
    int m_selection = -1;
};
