#include "CRegisterView.h"

#include "CDbConnection.h"
#include "CInventoryDoc.h"
#include "CRegisterListCtrl.h"
#include "CRegisterListModel.h"
#include "CommandIds.h"
#include "TransactionTypes.h"

#include <QEvent>
#include <QHideEvent>
#include <QItemSelectionModel>
#include <QMenu>
#include <QScrollBar>
#include <QShowEvent>
#include <QVBoxLayout>

CRegisterView::CRegisterView(CInventoryDoc& doc, CRegister::EntryForm entryForm, QWidget* parent)
    : CScreenView(parent), m_doc(doc), m_register(doc, std::move(entryForm)),
      m_model(new CRegisterListModel(m_register.Rows(), this)), m_list(new CRegisterListCtrl(m_model, this))
{
    setObjectName(QStringLiteral("registerView"));
    m_list->setObjectName(QStringLiteral("registerList"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);
    connect(m_list, &CRegisterListCtrl::Tapped, this, &CRegisterView::Tapped);
    connect(m_list, &CRegisterListCtrl::EditRequested, this, [this] { RunBarCommandIfEnabled(CommandId::kEdit); });
    setFocusProxy(m_list);
    m_list->SetEmptyHint(QStringLiteral("No movements yet: New adds a sale or purchase"));
    CreateActionMenu();
}

void CRegisterView::CreateActionMenu()
{
    m_actionMenu = new QMenu(QStringLiteral("Action"), this);
    m_actionMenu->setObjectName(QStringLiteral("actionMenu"));
    const auto add = [this](const QString& text, const char* name, int32_t transType) {
        QAction* action = m_actionMenu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setEnabled(m_register.HasEntryForm());
        // After the popup has closed, so the entry form opens over the window alone.
        connect(
            action, &QAction::triggered, this, [this, transType] { NewTransaction(transType); }, Qt::QueuedConnection);
    };
    add(QStringLiteral("Purchase"), "purchaseAction", kTransPurchase);
    add(QStringLiteral("Sale"), "saleAction", kTransSale);
}

void CRegisterView::showEvent(QShowEvent* event)
{
    CScreenView::showEvent(event);
    if (!event->spontaneous()) {
        Refill(Scroll::ToLastRow);
    }
}

void CRegisterView::hideEvent(QHideEvent* event)
{
    CScreenView::hideEvent(event);
    if (!event->spontaneous()) {
        m_register.Close();
    }
}

// A dialog of the window (a sale entered from the toolbar) may have written the book meanwhile.
bool CRegisterView::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && isVisible() && m_doc.Connection().TotalChanges() != m_changesShown) {
        Refill(Scroll::Keep);
    }
    return CScreenView::event(event);
}

void CRegisterView::ReleaseStoreCursor()
{
    m_register.Close();
    ShowRows(Scroll::Keep);
}

void CRegisterView::RefreshFromDocument()
{
    if (isVisible()) {
        Refill(Scroll::Keep);
    }
}

void CRegisterView::Refill(Scroll scroll)
{
    m_register.Refill();
    ShowRows(scroll);
}

void CRegisterView::ShowRows(Scroll scroll)
{
    const int position = m_list->verticalScrollBar()->value();
    m_changesShown = m_doc.Connection().TotalChanges();
    m_list->FitAmounts(m_register.ExtremeAmountTexts());
    m_model->Fill();
    m_list->LayOutRows();
    ShowSelection();
    if (scroll == Scroll::ToLastRow) {
        // Once the screen has its size: on its first showing the layout has not placed it yet.
        QMetaObject::invokeMethod(m_list, &QAbstractItemView::scrollToBottom, Qt::QueuedConnection);
    } else {
        m_list->verticalScrollBar()->setValue(position);
    }
}

void CRegisterView::ShowSelection()
{
    const long selected = m_register.Selected();
    if (selected >= 0) {
        m_list->selectionModel()->select(m_model->index(static_cast<int>(selected), 0),
                                         QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    } else {
        m_list->selectionModel()->clearSelection();
    }
    emit BarCommandsChanged();
}

void CRegisterView::Tapped(int row)
{
    m_register.Select(row);
    ShowSelection();
}

bool CRegisterView::IsBarCommandEnabled(int commandId) const
{
    switch (commandId) {
    case CommandId::kNew:
        return true;
    case CommandId::kEdit:
        return m_register.CanEditSelected();
    default:
        return m_register.Selected() >= 0;
    }
}

void CRegisterView::OnBarCommand(int commandId)
{
    switch (commandId) {
    case CommandId::kNew:
        PopUpActionMenu();
        break;
    case CommandId::kEdit:
        RunCommand(&CRegister::EditSelected);
        break;
    case CommandId::kDelete:
        RunCommand(&CRegister::DeleteSelected);
        break;
    default:
        break;
    }
}

// At the left edge, just above the button bar.
void CRegisterView::PopUpActionMenu()
{
    const QSize size = m_actionMenu->sizeHint();
    m_actionMenu->popup(mapToGlobal(QPoint(0, height() - size.height())));
}

void CRegisterView::RunCommand(bool (CRegister::*command)())
{
    m_list->setUpdatesEnabled(false);
    const bool changed = (m_register.*command)();
    m_list->setUpdatesEnabled(true);
    if (changed) {
        ShowRows(Scroll::Keep);
    }
}

void CRegisterView::NewTransaction(int32_t transType)
{
    if (m_register.New(transType)) {
        ShowRows(Scroll::Keep);
    }
}
