#pragma once

#include "CRegister.h"
#include "CScreenView.h"

class CInventoryDoc;
class CRegisterListCtrl;
class CRegisterListModel;
class QMenu;

// "Inventory Assets": every stock movement with the running inventory value (CRegister). "New"
// offers a purchase or a sale in the entry form, "Edit" opens the selected sale or purchase there
// or the selected adjustment on the number pad, "Delete" deletes the selected row's transaction.
//
// The register's cursor is open only while the screen is shown. Each showing reads the rows afresh
// and scrolls to the last; a change made here, by another window of the program or by another
// program reads them afresh where the list stands. Every refill lets go of the selection.
class CRegisterView final : public CScreenView
{
    Q_OBJECT

public:
    CRegisterView(CInventoryDoc& doc, CRegister::EntryForm entryForm, QWidget* parent = nullptr);

    void OnBarCommand(int commandId) override;
    bool IsBarCommandEnabled(int commandId) const override;
    void ReleaseStoreCursor() override;
    void RefreshFromDocument() override;

    CRegister& Register() { return m_register; }
    // The "Action" popup of "New".
    QMenu* ActionMenu() const { return m_actionMenu; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool event(QEvent* event) override;

private:
    enum class Scroll
    {
        ToLastRow,
        Keep
    };
    void CreateActionMenu();
    void Refill(Scroll scroll);
    // After the register read its rows: the list takes their count and shows no selection.
    void ShowRows(Scroll scroll);
    void ShowSelection();
    void Tapped(int row);
    void PopUpActionMenu();
    // Runs a command of the register with the list frozen, then shows the rows if it changed them.
    void RunCommand(bool (CRegister::*command)());
    void NewTransaction(int32_t transType);

    CInventoryDoc& m_doc;
    CRegister m_register;
    CRegisterListModel* m_model;
    CRegisterListCtrl* m_list;
    QMenu* m_actionMenu = nullptr;
    qint64 m_changesShown = -1;
};
