#include "CProductView.h"

#include "CInventoryDoc.h"
#include "CItemSetupDlg.h"
#include "CProductListCtrl.h"
#include "CProductListModel.h"
#include "CProductOperations.h"
#include "CPrompter.h"
#include "CommandIds.h"

#include <QItemSelectionModel>
#include <QScrollBar>
#include <QVBoxLayout>

CProductView::CProductView(CInventoryDoc& doc, QWidget* parent)
    : CScreenView(parent), m_doc(doc), m_model(new CProductListModel(doc, this)),
      m_list(new CProductListCtrl(m_model, this))
{
    setObjectName(QStringLiteral("productView"));
    m_list->setObjectName(QStringLiteral("productList"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);
    connect(m_list, &CProductListCtrl::Tapped, this, &CProductView::Tapped);
}

void CProductView::InitialUpdate()
{
    Fill(false);
}

void CProductView::RefreshFromDocument()
{
    Fill(false);
}

// The catalogue may have changed its size while the list was hidden (an import, a restore).
void CProductView::showEvent(QShowEvent* event)
{
    CScreenView::showEvent(event);
    if (m_model->rowCount() != m_doc.Products().size()) {
        Fill(true);
    }
}

void CProductView::Fill(bool keepScroll)
{
    const int scroll = m_list->verticalScrollBar()->value();
    m_model->Fill();
    ShowSelection();
    if (keepScroll) {
        m_list->verticalScrollBar()->setValue(scroll);
    } else {
        m_list->scrollToTop();
    }
}

void CProductView::ShowSelection()
{
    QItemSelectionModel* selection = m_list->selectionModel();
    if (m_selection >= 0 && m_selection < m_model->rowCount()) {
        selection->select(m_model->index(m_selection, 0),
                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    } else {
        selection->clearSelection();
    }
}

void CProductView::Tapped(int row, bool onHandIcon)
{
    m_selection = row;
    ShowSelection();
    emit BarCommandsChanged();
    if (onHandIcon) {
        // After the list has finished with the tap.
        QMetaObject::invokeMethod(this, &CProductView::ChangeOnHand, Qt::QueuedConnection);
    }
}

void CProductView::ChangeOnHand()
{
    m_list->setUpdatesEnabled(false);
    const bool changed = CProductOperations(m_doc).ChangeOnHand(SelectedProductID());
    m_list->setUpdatesEnabled(true);
    if (changed) {
        Fill(true);
    }
}

bool CProductView::IsBarCommandEnabled(int commandId) const
{
    return commandId == CommandId::kNew || m_selection >= 0;
}

void CProductView::OnBarCommand(int commandId)
{
    switch (commandId) {
    case CommandId::kNew:
        RunItemSetup(QString());
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

// A selection left past the end by a delete names no product: it is treated as none, rather
// than opening the dialog for a new product under the Edit command.
void CProductView::EditSelected()
{
    if (m_selection < 0 || m_selection >= m_doc.Products().size()) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Please Select Item First"));
        return;
    }
    RunItemSetup(SelectedProductID());
}

QString CProductView::SelectedProductID() const
{
    return m_selection >= 0 && m_selection < m_doc.Products().size() ? m_doc.Products()[m_selection].ProductID
                                                                     : QString();
}

void CProductView::RunItemSetup(const QString& productID)
{
    CItemSetupDlg dialog(m_doc, productID, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    Fill(true);
    const int saved = dialog.SavedName().isEmpty() ? -1 : m_doc.FindProduct(dialog.SavedName(), Qt::CaseSensitive);
    if (saved >= 0) {
        m_list->scrollTo(m_model->index(saved, 0));
    }
}

void CProductView::DeleteSelected()
{
    if (CProductOperations(m_doc).Delete(SelectedProductID())) {
        Fill(true);
    }
}
