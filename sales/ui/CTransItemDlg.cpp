#include "CTransItemDlg.h"

#include "CIconPushButton.h"
#include "CInventoryDoc.h"
#include "UiScale.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
// The dialog's width in handheld pixels.
constexpr int kWidth = 200;
} // namespace

CTransItemDlg::CTransItemDlg(CInventoryDoc& doc, const CTransItemForm& form, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_form(form)
{
    setObjectName(QStringLiteral("transItemDialog"));
    setWindowTitle(QStringLiteral("Varuz Uzedovazu"));
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

QComboBox* CTransItemDlg::AddCombo(QGridLayout* grid, int row, const QString& objectName)
{
    auto* combo = new QComboBox(this);
    combo->setObjectName(objectName);
    grid->addWidget(combo, row, 1, 1, 2);
    return combo;
}

// A product or tax the list no longer has (an edited line's) shows as the combo's placeholder.
void CTransItemDlg::ShowChoice(QComboBox* combo, const QString& text, Qt::MatchFlags match)
{
    combo->setCurrentIndex(combo->findText(text, match));
    combo->setPlaceholderText(text);
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
    AddLabel(grid, 0, QStringLiteral("Name:"));
    m_product = AddCombo(grid, 0, QStringLiteral("productCombo"));
    connect(m_product, &QComboBox::activated, this, &CTransItemDlg::ProductChosen);
    AddLabel(grid, 1, QStringLiteral("Desc:"));
    m_description = AddField(grid, 1, QStringLiteral("descEdit"));
    m_priceLabel = AddLabel(grid, 2, m_form.PriceLabel());
    m_priceLabel->setObjectName(QStringLiteral("priceLabel"));
    m_price = AddField(grid, 2, QStringLiteral("priceEdit"));
    AddLabel(grid, 3, QStringLiteral("Quantity:"));
    m_quantity = AddField(grid, 3, QStringLiteral("quantityEdit"));
    AddLabel(grid, 4, QStringLiteral("New QTY On Hand:"));
    m_onHand = AddField(grid, 4, QStringLiteral("onHandEdit"));
    QLabel* taxLabel = AddLabel(grid, 5, QStringLiteral("Sale Tax:"));
    m_tax = AddCombo(grid, 5, QStringLiteral("taxCombo"));
    connect(m_tax, &QComboBox::activated, this, &CTransItemDlg::TaxChosen);
    QLabel* rateLabel = AddLabel(grid, 6, QStringLiteral("Tax Rate:"));
    m_taxRate = new QLineEdit(this);
    m_taxRate->setObjectName(QStringLiteral("taxRateEdit"));
    m_taxRate->setEnabled(false);
    grid->addWidget(m_taxRate, 6, 1);
    auto* percent = new QLabel(QStringLiteral("%"), this);
    grid->addWidget(percent, 6, 2);
    layout->addLayout(grid);
    m_taxControls = {taxLabel, m_tax, rateLabel, m_taxRate, percent};

    auto* buttons = new QHBoxLayout;
    auto* ok = new CIconPushButton(CIconFactory::Kind::Confirm, QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setAutoDefault(false);
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

    for (QLineEdit* number : {m_price, m_quantity}) {
        number->installEventFilter(this);
    }
    for (QWidget* control : std::as_const(m_taxControls)) {
        control->setVisible(m_form.IsSale());
    }
    setMinimumWidth(Scaled(kWidth));
}

void CTransItemDlg::FillCombos()
{
    for (const ItemRecord& product : m_doc.Products()) {
        m_product->addItem(product.ProductID, product.ProductID);
    }
    for (const TaxRecord& tax : m_doc.Taxes()) {
        m_tax->addItem(tax.TaxName, tax.TaxID);
    }
}

void CTransItemDlg::ShowForm()
{
    ShowChoice(m_product, m_form.ProductID(), Qt::MatchFixedString);
    m_description->setText(m_form.Description());
    m_description->setCursorPosition(0);
    m_priceLabel->setText(m_form.PriceLabel());
    m_price->setText(m_form.PriceText());
    m_quantity->setText(m_form.QuantityText());
    m_onHand->setText(m_form.OnHandText());
    ShowChoice(m_tax, m_form.TaxName(), Qt::MatchExactly | Qt::MatchCaseSensitive);
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

// A number field gives the focus away at once, so that the next tap on it opens the pad again.
bool CTransItemDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && (watched == m_price || watched == m_quantity)) {
        auto* field = static_cast<QLineEdit*>(watched);
        m_product->setFocus();
        QMetaObject::invokeMethod(
            this, [this, field] { EnterNumber(field); }, Qt::QueuedConnection);
    }
    return QDialog::eventFilter(watched, event);
}

void CTransItemDlg::EnterNumber(QLineEdit* field)
{
    if (field == m_price) {
        m_form.EnterPrice();
    } else {
        m_form.EnterQuantity();
    }
    ShowForm();
}

void CTransItemDlg::Confirm()
{
    if (m_form.Confirm()) {
        accept();
    }
}
