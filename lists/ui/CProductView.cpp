#include "CProductView.h"

#include "CInventoryDoc.h"
#include "CItemSetupDlg.h"
#include "CProductListCtrl.h"
#include "CProductListModel.h"
#include "CProductOperations.h"
#include "CProductSearchEdit.h"
#include "CPrompter.h"
#include "CommandIds.h"

#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QVBoxLayout>

CProductView::CProductView(CInventoryDoc& doc, QWidget* parent)
    : CScreenView(parent), m_doc(doc), m_model(new CProductListModel(doc, this)),
      m_list(new CProductListCtrl(m_model, this)),
      m_search(new CProductSearchEdit(QStringLiteral("Search name, code or description"), this))
{
    setObjectName(QStringLiteral("productView"));
    m_list->setObjectName(QStringLiteral("productList"));
    m_list->setAccessibleName(QStringLiteral("Products"));
    m_search->installEventFilter(this);
    connect(m_search, &QLineEdit::textChanged, this, &CProductView::Search);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_search);
    layout->addWidget(m_list);
    connect(m_list, &CProductListCtrl::Tapped, this, &CProductView::Tapped);
    connect(m_list, &CProductListCtrl::EditRequested, this, [this] { RunBarCommandIfEnabled(CommandId::kEdit); });
    setFocusProxy(m_list);
    m_list->SetEmptyHint(QStringLiteral("No products yet: New adds one"));
    setTabOrder(m_search, m_list);
    connect(m_list, &CProductListCtrl::OnHandIconTapped, this, &CProductView::OnHandIconTapped);
}

void CProductView::InitialUpdate()
{
    Fill(false);
}

void CProductView::RefreshFromDocument()
{
    Fill(true);
}

// The catalogue may have changed its size while the list was hidden (an import, a restore).
void CProductView::showEvent(QShowEvent* event)
{
    CScreenView::showEvent(event);
    if (m_filledCount != m_doc.Products().size()) {
        Fill(true);
    }
}

void CProductView::Search(const QString& text)
{
    const CProductFilter filter(text);
    if (filter.Text() == m_model->Filter().Text()) {
        return;
    }
    m_model->SetFilter(filter);
    m_list->SetEmptyHint(filter.IsBlank() ? QStringLiteral("No products yet: New adds one")
                                          : QStringLiteral("No product matches \"%1\"").arg(filter.Text()));
    Fill(false);
}

// Down from the search goes to the matches, the first one chosen when none is.
bool CProductView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_search && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down && m_model->rowCount() > 0) {
        if (SelectedRow() < 0) {
            Tapped(0);
        }
        m_list->setFocus(Qt::TabFocusReason);
        return true;
    }
    return CScreenView::eventFilter(watched, event);
}

void CProductView::Fill(bool keepScroll)
{
    const int scroll = m_list->verticalScrollBar()->value();
    m_model->Fill();
    m_filledCount = m_doc.Products().size();
    ShowSelection();
    if (keepScroll) {
        m_list->verticalScrollBar()->setValue(scroll);
    } else {
        m_list->scrollToTop();
    }
}

int CProductView::SelectedRow() const
{
    if (m_selectedID.isEmpty()) {
        return -1;
    }
    return m_model->RowOf(m_doc.FindProduct(m_selectedID, Qt::CaseSensitive));
}

// A product that is gone stays unselected, even when one of the same name comes later.
void CProductView::ShowSelection()
{
    const int row = SelectedRow();
    if (row < 0) {
        m_selectedID.clear();
        m_list->selectionModel()->clearSelection();
    } else {
        m_list->selectionModel()->select(m_model->index(row, 0),
                                         QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    emit BarCommandsChanged();
}

void CProductView::Tapped(int row)
{
    const int product = m_model->CatalogueRow(row);
    m_selectedID = product >= 0 && product < m_doc.Products().size() ? m_doc.Products()[product].ProductID : QString();
    ShowSelection();
}

void CProductView::OnHandIconTapped()
{
    if (!m_selectedID.isEmpty()) {
        // After the list has finished with the tap; the product is named now, in case a reload
        // moves it meanwhile.
        QMetaObject::invokeMethod(
            this, [this, productID = m_selectedID] { ChangeOnHand(productID); }, Qt::QueuedConnection);
    }
}

// After an operation, done or refused, the list is filled afresh: it may have read a book another
// program changed.
void CProductView::ChangeOnHand(const QString& productID)
{
    m_list->setUpdatesEnabled(false);
    CProductOperations(m_doc).ChangeOnHand(productID);
    m_list->setUpdatesEnabled(true);
    Fill(true);
}

bool CProductView::IsBarCommandEnabled(int commandId) const
{
    return commandId == CommandId::kNew || SelectedRow() >= 0;
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

// Never the dialog for a new product under the Edit command.
void CProductView::EditSelected()
{
    if (SelectedRow() < 0) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Please Select Item First"));
        return;
    }
    RunItemSetup(m_selectedID);
}

// The list is filled afresh even after Cancel: a category renamed from the dialog reorders it.
void CProductView::RunItemSetup(const QString& productID)
{
    CItemSetupDlg dialog(m_doc, productID, this);
    const bool saved = dialog.exec() == QDialog::Accepted && !dialog.SavedName().isEmpty();
    // A selected product renamed in the dialog stays selected under its new name.
    if (saved && !productID.isEmpty() && productID == m_selectedID) {
        m_selectedID = dialog.SavedName();
    }
    Fill(true);
    const int row = saved ? m_model->RowOf(m_doc.FindProduct(dialog.SavedName(), Qt::CaseSensitive)) : -1;
    if (row >= 0) {
        m_list->scrollTo(m_model->index(row, 0));
    }
}

void CProductView::DeleteSelected()
{
    CProductOperations(m_doc).Delete(m_selectedID);
    Fill(true);
}
