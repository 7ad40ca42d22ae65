#include "CPayeeListView.h"

#include "CInventoryDoc.h"
#include "CPayeeListCtrl.h"
#include "CPayeeListModel.h"
#include "CPayeeSetupDlg.h"
#include "CPrompter.h"
#include "CommandIds.h"

#include <QEvent>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <QVBoxLayout>

CPayeeListView::CPayeeListView(CInventoryDoc& doc, CPayeeSetup::Kind kind, QWidget* parent)
    : CScreenView(parent), m_doc(doc), m_payees(doc, kind), m_model(new CPayeeListModel(doc, kind, this)),
      m_list(new CPayeeListCtrl(m_model, this))
{
    const bool customers = kind == CPayeeSetup::Kind::Customer;
    setObjectName(customers ? QStringLiteral("customerView") : QStringLiteral("vendorView"));
    m_list->setObjectName(QStringLiteral("payeeList"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);
    connect(m_list, &CPayeeListCtrl::Tapped, this, &CPayeeListView::Tapped);
    connect(m_list, &CPayeeListCtrl::EditRequested, this, [this] { RunBarCommandIfEnabled(CommandId::kEdit); });
    setFocusProxy(m_list);
    m_list->SetEmptyHint(kind == CPayeeSetup::Kind::Customer ? QStringLiteral("No customers yet: New adds one")
                                                             : QStringLiteral("No vendors yet: New adds one"));
}

void CPayeeListView::InitialUpdate()
{
    Fill(false);
}

void CPayeeListView::RefreshFromDocument()
{
    Fill(true);
}

// The catalogue may have changed while the list was hidden (a sale's new customer, an import).
void CPayeeListView::showEvent(QShowEvent* event)
{
    CScreenView::showEvent(event);
    Fill(true);
}

// A dialog over the window (a sale's new customer) may have changed the list.
bool CPayeeListView::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        Fill(true);
    }
    return CScreenView::event(event);
}

int CPayeeListView::Selection() const
{
    return m_selectedID ? m_model->RowOf(*m_selectedID) : -1;
}

void CPayeeListView::Fill(bool keepScroll)
{
    const int scroll = m_list->verticalScrollBar()->value();
    m_model->Fill();
    m_list->LayOutRows();
    if (m_selectedID && Selection() < 0) {
        Select(std::nullopt);
    }
    ShowSelection();
    if (keepScroll) {
        m_list->verticalScrollBar()->setValue(scroll);
    } else {
        m_list->scrollToTop();
    }
}

void CPayeeListView::Select(std::optional<int32_t> payeeID)
{
    const bool changed = payeeID.has_value() != m_selectedID.has_value();
    m_selectedID = payeeID;
    ShowSelection();
    if (changed) {
        emit BarCommandsChanged();
    }
}

void CPayeeListView::ShowSelection()
{
    QItemSelectionModel* selection = m_list->selectionModel();
    const int row = Selection();
    if (row >= 0) {
        selection->select(m_model->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    } else {
        selection->clearSelection();
    }
}

void CPayeeListView::Tapped(int row)
{
    Select(m_model->PayeeAt(row));
}

bool CPayeeListView::IsBarCommandEnabled(int commandId) const
{
    return commandId == CommandId::kNew || m_selectedID.has_value();
}

void CPayeeListView::OnBarCommand(int commandId)
{
    switch (commandId) {
    case CommandId::kNew:
        RunSetup(std::nullopt);
        break;
    case CommandId::kEdit:
        EditSelected();
        break;
    case CommandId::kDelete:
        DeleteSelected();
        break;
    default:
        break;
    }
}

void CPayeeListView::EditSelected()
{
    if (!m_selectedID) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Please Select Item First"));
        return;
    }
    RunSetup(m_selectedID);
}

void CPayeeListView::RunSetup(std::optional<int32_t> payeeID)
{
    CPayeeSetupDlg dialog(m_doc, m_payees.GetKind(), payeeID, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    Fill(true);
    const int saved =
        dialog.SavedName().isEmpty() || !dialog.SavedPayeeID() ? -1 : m_model->RowOf(*dialog.SavedPayeeID());
    if (saved >= 0) {
        m_list->scrollTo(m_model->index(saved, 0));
    }
}

void CPayeeListView::DeleteSelected()
{
    if (!m_selectedID) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Please Select Item First"));
        return;
    }
    m_payees.Delete(*m_selectedID);
    Fill(true);
}
