#include "CTransItemDlg.h"

#include "CColorEdit.h"
#include "CIconPushButton.h"
#include "CInventoryDoc.h"
#include "CPadField.h"
#include "CProductFilter.h"
#include "CProductPickerModel.h"
#include "CProductSearchEdit.h"
#include "CPrompter.h"
#include "UiScale.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
// The dialog's width in handheld pixels.
constexpr int kWidth = 200;
} // namespace

CTransItemDlg::CTransItemDlg(CInventoryDoc& doc, const CTransItemForm& form, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_form(form)
{
    setObjectName(QStringLiteral("transItemDialog"));
    setWindowTitle(m_form.IsSale() ? QStringLiteral("Sale Item") : QStringLiteral("Purchase Item"));
    CreateControls();
    FillCombos();
    ShowForm();
    m_product->setFocus();
}

QLabel* CTransItemDlg::AddLabel(QGridLayout* grid, int row, const QString& text)
{
    auto* label = new QLabel(text, this);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(label, row, 0);
    return label;
}

QLineEdit* CTransItemDlg::AddField(QGridLayout* grid, int row, const QString& objectName)
{
    auto* field = new QLineEdit(this);
    field->setObjectName(objectName);
    field->setReadOnly(true);
    grid->addWidget(field, row, 1, 1, 2);
    return field;
}

CPadField* CTransItemDlg::AddPadField(QGridLayout* grid, int row, const QString& objectName,
                                      bool (CTransItemForm::*enter)(), bool (CTransItemForm::*take)(double))
{
    auto* field = new CColorEdit(this);
    field->setObjectName(objectName);
    grid->addWidget(field, row, 1, 1, 2);
    return new CPadField(
        field,
        [this, enter] {
            (m_form.*enter)();
            ShowForm();
        },
        [this, take](double value) {
            (m_form.*take)(value);
            ShowForm();
        });
}

QComboBox* CTransItemDlg::AddCombo(QGridLayout* grid, int row, const QString& objectName)
{
    auto* combo = new QComboBox(this);
    combo->setObjectName(objectName);
    grid->addWidget(combo, row, 1, 1, 2);
    return combo;
}

// A product or tax the list no longer has (an edited line's) shows as the combo's placeholder,
// or as the typed text of the product field.
void CTransItemDlg::ShowChoice(QComboBox* combo, const QString& text, int role, Qt::MatchFlags match)
{
    const int index = text.isEmpty() ? -1 : combo->findData(text, role, match);
    combo->setCurrentIndex(index);
    combo->setPlaceholderText(text);
    if (index < 0 && combo->isEditable()) {
        combo->setEditText(text);
    }
}

void CTransItemDlg::CreateControls()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Scaled(4), Scaled(3), Scaled(4), Scaled(4));
    layout->setSpacing(Scaled(3));
    auto* heading = new QLabel(QStringLiteral("Item"), this);
    heading->setAlignment(Qt::AlignCenter);
    layout->addWidget(heading);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(Scaled(3));
    grid->setVerticalSpacing(Scaled(2));
    grid->setColumnStretch(1, 1);
    AddLabel(grid, 0, QStringLiteral("Find:"));
    m_search = new CProductSearchEdit(QStringLiteral("Code or description"), this);
    m_search->installEventFilter(this);
    connect(m_search, &QLineEdit::textChanged, this, &CTransItemDlg::FillProducts);
    grid->addWidget(m_search, 0, 1, 1, 2);
    AddLabel(grid, 1, QStringLiteral("Name:"));
    m_product = AddCombo(grid, 1, QStringLiteral("productCombo"));
    // A code is typed or scanned whole; completing it inline would pick a product that merely
    // starts alike.
    m_product->setEditable(true);
    m_product->setInsertPolicy(QComboBox::NoInsert);
    m_product->setCompleter(nullptr);
    m_picker = new CProductPickerModel(m_doc.Products(), m_product->font(), m_product);
    m_product->setModel(m_picker);
    m_product->installEventFilter(this);
    m_product->lineEdit()->installEventFilter(this);
    connect(m_product, &QComboBox::activated, this, &CTransItemDlg::ProductChosen);
    AddLabel(grid, 2, QStringLiteral("Desc:"));
    m_description = AddField(grid, 2, QStringLiteral("descEdit"));
    m_priceLabel = AddLabel(grid, 3, m_form.PriceLabel());
    m_priceLabel->setObjectName(QStringLiteral("priceLabel"));
    m_price =
        AddPadField(grid, 3, QStringLiteral("priceEdit"), &CTransItemForm::EnterPrice, &CTransItemForm::TakePrice);
    AddLabel(grid, 4, QStringLiteral("Quantity:"));
    m_quantity = AddPadField(grid, 4, QStringLiteral("quantityEdit"), &CTransItemForm::EnterQuantity,
                             &CTransItemForm::TakeQuantity);
    AddLabel(grid, 5, QStringLiteral("New QTY On Hand:"));
    m_onHand = AddField(grid, 5, QStringLiteral("onHandEdit"));
    QLabel* taxLabel = AddLabel(grid, 6, QStringLiteral("Sale Tax:"));
    m_tax = AddCombo(grid, 6, QStringLiteral("taxCombo"));
    connect(m_tax, &QComboBox::activated, this, &CTransItemDlg::TaxChosen);
    QLabel* rateLabel = AddLabel(grid, 7, QStringLiteral("Tax Rate:"));
    m_taxRate = new QLineEdit(this);
    m_taxRate->setObjectName(QStringLiteral("taxRateEdit"));
    m_taxRate->setEnabled(false);
    grid->addWidget(m_taxRate, 7, 1);
    auto* percent = new QLabel(QStringLiteral("%"), this);
    grid->addWidget(percent, 7, 2);
    layout->addLayout(grid);
    // Each caption names its field, for screen readers.
    for (int row = 0; row < grid->rowCount(); ++row) {
        QLayoutItem* caption = grid->itemAtPosition(row, 0);
        QLayoutItem* field = grid->itemAtPosition(row, 1);
        if (auto* label = caption != nullptr ? qobject_cast<QLabel*>(caption->widget()) : nullptr;
            label != nullptr && field != nullptr) {
            label->setBuddy(field->widget());
        }
    }
    m_taxControls = {taxLabel, m_tax, rateLabel, m_taxRate, percent};

    auto* buttons = new QHBoxLayout;
    auto* ok = new CIconPushButton(CIconFactory::Kind::Confirm, QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setAutoDefault(false);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CTransItemDlg::Confirm);
    auto* cancel = new CIconPushButton(CIconFactory::Kind::Cancel, QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    layout->addLayout(buttons);

    for (QWidget* control : std::as_const(m_taxControls)) {
        control->setVisible(m_form.IsSale());
    }
    setMinimumWidth(Scaled(kWidth));
}

void CTransItemDlg::FillCombos()
{
    FillProducts(QString());
    for (const TaxRecord& tax : m_doc.Taxes()) {
        m_tax->addItem(tax.TaxName, tax.TaxID);
    }
}

// The catalogue comes grouped by category; each group opens with its category's heading, which
// cannot be chosen. The chosen product stays in the field when the search hides it.
void CTransItemDlg::FillProducts(const QString& search)
{
    const QString typed = m_product->currentIndex() < 0 ? m_product->currentText() : QString();
    const QSignalBlocker blocker(m_product);
    m_picker->Show(CProductFilter(search).MatchingRows(m_doc.Products()));
    ShowChoice(m_product, m_form.ProductID(), Qt::UserRole, Qt::MatchFixedString);
    if (m_form.ProductID().isEmpty() && !typed.isEmpty()) {
        m_product->setEditText(typed);
    }
}

// Enter takes the one product found, or the one whose code is the text; otherwise the list of
// those found opens to choose from.
void CTransItemDlg::SearchEntered()
{
    QList<int> found;
    for (int index = 0; index < m_product->count(); ++index) {
        const QString code = m_product->itemData(index, Qt::UserRole).toString();
        if (code.isEmpty()) {
            continue;
        }
        if (code.compare(m_search->text().trimmed(), Qt::CaseInsensitive) == 0) {
            found = {index};
            break;
        }
        found.append(index);
    }
    if (found.isEmpty()) {
        m_doc.Prompter().ShowMessage(QStringLiteral("No product matches \"%1\".").arg(m_search->text().trimmed()));
        return;
    }
    m_product->setFocus(Qt::TabFocusReason);
    if (found.size() == 1) {
        m_product->setCurrentIndex(found.first());
        ProductChosen(found.first());
    } else {
        m_product->showPopup();
    }
}

void CTransItemDlg::ShowForm()
{
    ShowChoice(m_product, m_form.ProductID(), Qt::UserRole, Qt::MatchFixedString);
    m_description->setText(m_form.Description());
    m_description->setCursorPosition(0);
    m_priceLabel->setText(m_form.PriceLabel());
    m_price->Edit()->setText(m_form.PriceText());
    m_quantity->Edit()->setText(m_form.QuantityText());
    m_onHand->setText(m_form.OnHandText());
    ShowChoice(m_tax, m_form.TaxName(), Qt::DisplayRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
    m_taxRate->setText(m_form.TaxRateText());
}

void CTransItemDlg::ProductChosen(int index)
{
    m_form.SelectProduct(m_product->itemData(index).toString());
    ShowForm();
}

void CTransItemDlg::TaxChosen(int index)
{
    m_form.SelectTax(m_tax->itemData(index).toInt());
    ShowForm();
}

bool CTransItemDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_search && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            SearchEntered();
            return true;
        }
        if (key == Qt::Key_Down) {
            m_product->setFocus(Qt::TabFocusReason);
            m_product->showPopup();
            return true;
        }
    }
    if ((watched == m_product || watched == m_product->lineEdit()) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ProductEntered();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool CTransItemDlg::IsTypedCodeNew() const
{
    return m_product->currentText().trimmed().compare(m_form.ProductID(), Qt::CaseInsensitive) != 0;
}

// Only the product with exactly the typed code, letter case aside, is picked; an unknown code
// picks nothing and stays in the field to be seen.
bool CTransItemDlg::PickTypedCode()
{
    if (!IsTypedCodeNew()) {
        return true;
    }
    const QString code = m_product->currentText().trimmed();
    const int index = m_doc.FindProduct(code, Qt::CaseInsensitive);
    if (index < 0) {
        m_product->setCurrentIndex(-1);
        m_product->setEditText(code);
        m_doc.Prompter().ShowMessage(QStringLiteral("No product has the code \"%1\".").arg(code));
        m_product->lineEdit()->selectAll();
        return false;
    }
    const bool picked = m_form.SelectProduct(m_doc.Products()[index].ProductID);
    ShowForm();
    return picked;
}

// Enter after a scan takes the line at once when its quantity and price are complete; Enter on
// the chosen product accepts the dialog.
void CTransItemDlg::ProductEntered()
{
    const bool scanned = IsTypedCodeNew();
    if (!PickTypedCode()) {
        return;
    }
    if (scanned && !(m_form.Quantity() > 0 && m_form.Price() > 0)) {
        return;
    }
    Confirm();
}

void CTransItemDlg::Confirm()
{
    m_price->Commit();
    m_quantity->Commit();
    if (!PickTypedCode()) {
        return;
    }
    if (m_form.Confirm()) {
        accept();
    }
}
