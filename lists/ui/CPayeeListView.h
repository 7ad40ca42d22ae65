#pragma once

#include "CPayeeSetup.h"
#include "CScreenView.h"

#include <optional>

class CInventoryDoc;
class CPayeeListCtrl;
class CPayeeListModel;

// "Customers List" or "Vendors List": one line per payee with its phone number. New, Edit and
// Delete of the bottom bar work on the payee last tapped, which stays selected by its PayeeID
// while the list is reloaded and re-sorted, and is let go when it leaves the list.
class CPayeeListView : public CScreenView
{
    Q_OBJECT

public:
    CPayeeListView(CInventoryDoc& doc, CPayeeSetup::Kind kind, QWidget* parent = nullptr);

    void InitialUpdate() override;
    void OnBarCommand(int commandId) override;
    bool IsBarCommandEnabled(int commandId) const override;
    void RefreshFromDocument() override;

    std::optional<int32_t> SelectedPayeeID() const { return m_selectedID; }
    // The row of the selected payee; -1 when none.
    int Selection() const;
    // Takes the catalogue's rows afresh; keepScroll leaves the list where it was scrolled.
    void Fill(bool keepScroll);

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    void Tapped(int row);
    void Select(std::optional<int32_t> payeeID);
    void ShowSelection();
    void RunSetup(std::optional<int32_t> payeeID);
    void EditSelected();
    void DeleteSelected();

    CInventoryDoc& m_doc;
    CPayeeSetup m_payees;
    CPayeeListModel* m_model;
    CPayeeListCtrl* m_list;
    std::optional<int32_t> m_selectedID;
};
