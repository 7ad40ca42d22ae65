#include "CInventoryView.h"

#include "CCustomerSetupDlg.h"
#include "CIconPushButton.h"
#include "CInventoryDoc.h"
#include "CLnkSock.h"
#include "CProductHeaderCtrl.h"
#include "CPrompter.h"
#include "CTransItemDlg.h"
#include "CTransLineDelegate.h"
#include "CTransLineModel.h"
#include "CVendorSetupDlg.h"
#include "DateCellText.h"
#include "TransactionTypes.h"
#include "UiScale.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const QColor kHeaderBackground(198, 239, 206);
const QColor kCommandBarBackground(192, 192, 192);
// Sizes in handheld pixels.
constexpr int kFormWidth = 256;
constexpr int kFormHeight = 290;
constexpr int kImageButtonWidth = 20;
constexpr int kImageButtonHeight = 16;
constexpr int kImageButtonIcon = 14;
constexpr int kPrintButtonWidth = 45;
constexpr int kPrintButtonHeight = 15;
constexpr int kSmallIcon = 12;
constexpr int kLabelWidth = 36;
} // namespace

bool CInventoryView::RunNew(CInventoryDoc& doc, int32_t transType, QWidget* parent)
{
    CInventoryView view(doc, CTransactionForm(doc, transType), parent);
    return view.exec() == QDialog::Accepted;
}

bool CInventoryView::RunStored(CInventoryDoc& doc, int32_t transactionID, QWidget* parent)
{
    CTransactionForm form(doc, kTransSale);
    if (!form.OpenStored(transactionID)) {
        return false;
    }
    CInventoryView view(doc, form, parent);
    return view.exec() == QDialog::Accepted;
}

CInventoryView::CInventoryView(CInventoryDoc& doc, const CTransactionForm& form, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_form(form)
{
    setObjectName(QStringLiteral("inventoryView"));
    setWindowTitle(m_form.Title());
    CreateControls();
    FillParties();
    ShowTotals();
    UpdateLineButtons();
    resize(Scaled(kFormWidth), Scaled(kFormHeight));
}

CIconPushButton* CInventoryView::AddButton(CIconFactory::Kind icon, const QString& caption, const QString& objectName,
                                           QWidget* parent)
{
    auto* button = new CIconPushButton(icon, caption, parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    return button;
}

void CInventoryView::CreateControls()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Scaled(2), Scaled(1), Scaled(2), 0);
    layout->setSpacing(Scaled(2));
    layout->addWidget(CreateTitleRow());
    layout->addWidget(CreateHeaderRows());
    layout->addWidget(CreateLineList(), 1);
    layout->addWidget(CreateLineButtons());
    layout->addWidget(CreateTotals());
    layout->addWidget(CreateCommandBar());
}

// The title centred over the form; the check mark and the cross at its right end.
QWidget* CInventoryView::CreateTitleRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Scaled(1));
    const QSize imageButton(Scaled(kImageButtonWidth), Scaled(kImageButtonHeight));
    layout->addSpacing(2 * imageButton.width() + Scaled(1));
    auto* title = new QLabel(m_form.Title(), row);
    title->setObjectName(QStringLiteral("titleLabel"));
    title->setAlignment(Qt::AlignCenter);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title, 1);
    auto* confirm = AddButton(CIconFactory::Kind::Confirm, QString(), QStringLiteral("confirmButton"), row);
    confirm->setToolTip(QStringLiteral("Save"));
    confirm->setAccessibleName(confirm->toolTip());
    confirm->SetIconSize(kImageButtonIcon);
    confirm->setFixedSize(imageButton);
    connect(confirm, &QPushButton::clicked, this, &CInventoryView::Confirm);
    layout->addWidget(confirm);
    auto* close = AddButton(CIconFactory::Kind::Cancel, QString(), QStringLiteral("closeButton"), row);
    close->setToolTip(QStringLiteral("Close without saving"));
    close->setAccessibleName(close->toolTip());
    close->SetIconSize(kImageButtonIcon);
    close->setFixedSize(imageButton);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(close);
    return row;
}

QWidget* CInventoryView::CreateHeaderRows()
{
    auto* rows = new QWidget(this);
    auto* grid = new QGridLayout(rows);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(Scaled(2));
    grid->setVerticalSpacing(Scaled(2));
    const auto label = [rows](const QString& text, const QString& objectName) {
        auto* caption = new QLabel(text, rows);
        caption->setObjectName(objectName);
        caption->setMinimumWidth(Scaled(kLabelWidth));
        return caption;
    };

    grid->addWidget(label(QStringLiteral("Date:"), QStringLiteral("dateLabel")), 0, 0);
    m_date = new QDateEdit(m_form.Date().date(), rows);
    m_date->setObjectName(QStringLiteral("dateEdit"));
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(DateCellFormat());
    connect(m_date, &QDateEdit::dateChanged, this, [this](const QDate& day) { m_form.SetDay(day); });
    grid->addWidget(m_date, 0, 1);
    grid->addWidget(label(QStringLiteral("Inv Num:"), QStringLiteral("invoiceLabel")), 0, 2, Qt::AlignRight);
    m_invoice = new QLineEdit(m_form.InvoiceNum(), rows);
    m_invoice->setObjectName(QStringLiteral("invoiceEdit"));
    connect(m_invoice, &QLineEdit::textChanged, this, [this](const QString& text) { m_form.SetInvoiceNum(text); });
    grid->addWidget(m_invoice, 0, 3, 1, 2);

    grid->addWidget(label(m_form.PartyLabel(), QStringLiteral("partyLabel")), 1, 0);
    m_party = new QComboBox(rows);
    m_party->setObjectName(QStringLiteral("partyCombo"));
    m_party->setEditable(true);
    m_party->setInsertPolicy(QComboBox::NoInsert);
    m_party->setCompleter(nullptr);
    grid->addWidget(m_party, 1, 1, 1, 3);
    auto* newParty = AddButton(CIconFactory::Kind::Add, QStringLiteral("New"), QStringLiteral("newPartyButton"), rows);
    newParty->SetIconSize(kSmallIcon);
    connect(newParty, &QPushButton::clicked, this, &CInventoryView::NewParty);
    grid->addWidget(newParty, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    // The captions name their fields, for screen readers.
    for (auto [caption, field] : {std::pair<const char*, QWidget*>{"dateLabel", m_date},
                                  {"invoiceLabel", m_invoice},
                                  {"partyLabel", m_party}}) {
        rows->findChild<QLabel*>(QLatin1String(caption))->setBuddy(field);
    }
    return rows;
}

QTableView* CInventoryView::CreateLineList()
{
    m_model = new CTransLineModel(m_form, this);
    m_lines = new QTableView(this);
    m_lines->setObjectName(QStringLiteral("lineList"));
    m_lines->setAccessibleName(QStringLiteral("Lines"));
    auto* delegate = new CTransLineDelegate(m_lines);
    m_lines->setHorizontalHeader(new CProductHeaderCtrl(delegate->NameWidth(), m_lines, kHeaderBackground));
    m_lines->setItemDelegate(delegate);
    m_lines->setModel(m_model);
    m_lines->setFont(delegate->RowFont());
    m_lines->setShowGrid(false);
    m_lines->setWordWrap(false);
    m_lines->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lines->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_lines->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lines->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_lines->horizontalHeader()->setStretchLastSection(true);
    m_lines->verticalHeader()->hide();
    m_lines->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_lines->verticalHeader()->setMinimumSectionSize(1);
    m_lines->verticalHeader()->setDefaultSectionSize(delegate->RowHeight());
    // Columns follow the widest number of the lines, whenever lines come, go or change.
    const auto fitColumns = [this, delegate] {
        delegate->FitTo(*m_model);
        for (int column = 0; column < CTransLineModel::kColumnCount; ++column) {
            m_lines->horizontalHeader()->resizeSection(column, delegate->ColumnWidth(column));
        }
    };
    connect(m_model, &QAbstractItemModel::modelReset, this, fitColumns);
    connect(m_model, &QAbstractItemModel::dataChanged, this, fitColumns);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, fitColumns);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, fitColumns);
    fitColumns();
    connect(m_lines->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CInventoryView::SelectionChanged);
    // Enter or a double click on a line edits it, once the list is done with the event.
    connect(m_lines, &QAbstractItemView::activated, this, &CInventoryView::EditItem, Qt::QueuedConnection);
    return m_lines;
}

QWidget* CInventoryView::CreateLineButtons()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* newItem =
        AddButton(CIconFactory::Kind::Add, QStringLiteral("New Item"), QStringLiteral("newItemButton"), row);
    connect(newItem, &QPushButton::clicked, this, &CInventoryView::NewItem);
    m_editItem =
        AddButton(CIconFactory::Kind::Edit, QStringLiteral("Edit Item"), QStringLiteral("editItemButton"), row);
    connect(m_editItem, &QPushButton::clicked, this, &CInventoryView::EditItem);
    m_deleteItem =
        AddButton(CIconFactory::Kind::Delete, QStringLiteral("Del Item"), QStringLiteral("deleteItemButton"), row);
    connect(m_deleteItem, &QPushButton::clicked, this, &CInventoryView::DeleteItem);
    for (QPushButton* button : {static_cast<QPushButton*>(newItem), static_cast<QPushButton*>(m_editItem),
                                static_cast<QPushButton*>(m_deleteItem)}) {
        layout->addWidget(button, 1);
    }
    return row;
}

QWidget* CInventoryView::CreateTotals()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto total = [row](const QString& objectName) {
        auto* text = new QLineEdit(row);
        text->setObjectName(objectName);
        text->setReadOnly(true);
        text->setFocusPolicy(Qt::NoFocus);
        return text;
    };
    m_tax = total(QStringLiteral("taxText"));
    m_total = total(QStringLiteral("totalText"));
    layout->addWidget(m_tax, 1);
    layout->addWidget(m_total, 1);
    // The tax is a sale's; a purchase shows its total alone, where a sale shows it.
    m_tax->setVisible(m_form.IsSale());
    if (!m_form.IsSale()) {
        layout->insertStretch(0, 1);
    }
    return row;
}

QWidget* CInventoryView::CreateCommandBar()
{
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("commandBar"));
    bar->setAutoFillBackground(true);
    QPalette colors = bar->palette();
    colors.setColor(QPalette::Window, kCommandBarBackground);
    bar->setPalette(colors);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(Scaled(1), Scaled(1), Scaled(1), Scaled(1));
    auto* print = AddButton(CIconFactory::Kind::Print, QStringLiteral("Print"), QStringLiteral("printButton"), bar);
    print->SetIconSize(kSmallIcon);
    print->setFixedSize(std::max(Scaled(kPrintButtonWidth), print->sizeHint().width()), Scaled(kPrintButtonHeight));
    connect(print, &QPushButton::clicked, this, &CInventoryView::Print);
    layout->addWidget(print);
    layout->addStretch();
    return bar;
}

void CInventoryView::FillParties()
{
    const QSignalBlocker quiet(m_party);
    m_party->clear();
    for (const CTransactionForm::PartyEntry& entry : m_form.PartyEntries()) {
        m_party->addItem(entry.name, entry.payeeID);
    }
    m_party->setCurrentIndex(m_party->findData(m_form.PartyID()));
    m_party->setEditText(m_form.PartyText());
    connect(m_party, &QComboBox::editTextChanged, this, &CInventoryView::PartyTextChanged, Qt::UniqueConnection);
    connect(m_party, &QComboBox::activated, this, &CInventoryView::PartyChosen, Qt::UniqueConnection);
}

// Typed text names no entry until one is chosen from the list.
void CInventoryView::PartyTextChanged(const QString& text)
{
    m_form.SetParty(text, -1);
}

void CInventoryView::PartyChosen(int index)
{
    m_form.SetParty(m_party->itemText(index), m_party->itemData(index).toInt());
}

void CInventoryView::ShowLines()
{
    m_model->Refill();
    ShowTotals();
    UpdateLineButtons();
}

void CInventoryView::ShowTotals()
{
    m_tax->setText(m_form.TaxText());
    m_total->setText(m_form.TotalText());
}

void CInventoryView::SelectionChanged()
{
    const QModelIndexList rows = m_lines->selectionModel()->selectedRows();
    m_form.SetSelection(rows.isEmpty() ? -1 : rows.first().row());
    UpdateLineButtons();
}

void CInventoryView::UpdateLineButtons()
{
    const bool selected = m_form.Selection() >= 0;
    m_editItem->setEnabled(selected);
    m_deleteItem->setEnabled(selected);
}

void CInventoryView::NewItem()
{
    CTransItemDlg dialog(m_doc, m_form.NewLineForm(), this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const QString partyBefore = m_form.PartyText();
    m_form.AddLine(dialog.Form().Line(), dialog.Form().ProductVendor());
    if (m_form.PartyText() != partyBefore) {
        FillParties();
    }
    ShowLines();
}

void CInventoryView::EditItem()
{
    if (!m_form.CheckSelection()) {
        return;
    }
    CTransItemDlg dialog(m_doc, m_form.SelectedLineForm(), this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    m_form.ReplaceSelectedLine(dialog.Form().Line());
    m_model->RowChanged(m_form.Selection());
    ShowTotals();
}

void CInventoryView::DeleteItem()
{
    if (!m_form.CheckSelection()) {
        return;
    }
    m_form.DeleteSelectedLine();
    ShowLines();
}

void CInventoryView::NewParty()
{
    std::unique_ptr<CPayeeSetupDlg> setup;
    if (m_form.IsSale()) {
        setup = std::make_unique<CCustomerSetupDlg>(m_doc, std::nullopt, this);
    } else {
        setup = std::make_unique<CVendorSetupDlg>(m_doc, std::nullopt, this);
    }
    if (setup->exec() != QDialog::Accepted) {
        return;
    }
    m_form.PartyCreated(setup->SavedName());
    FillParties();
}

void CInventoryView::Confirm()
{
    if (m_form.Save() != CTransactionForm::SaveResult::StayOpen) {
        accept();
    }
}

// Unsaved lines are a customer's sale: closing asks first, and a hasty Enter keeps the form.
void CInventoryView::reject()
{
    const bool losesLines = m_form.IsModified() && !(m_form.Lines().isEmpty() && m_form.LoadedLines().isEmpty());
    if (losesLines) {
        const qsizetype count = m_form.Lines().size();
        const QString question = QStringLiteral("Discard the unsaved %1 with %2 %3?")
                                     .arg(m_form.IsSale() ? QStringLiteral("sale") : QStringLiteral("purchase"))
                                     .arg(count)
                                     .arg(count == 1 ? QStringLiteral("line") : QStringLiteral("lines"));
        if (!m_doc.Prompter().AskYesNo(question, CPrompter::Icon::Warning)) {
            return;
        }
    }
    QDialog::reject();
}

void CInventoryView::Print()
{
    CLnkSock link(m_doc.Prompter(), CPrintPeer::Configured());
    m_form.Print(link);
}
