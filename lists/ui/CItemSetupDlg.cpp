#include "CItemSetupDlg.h"

#include "CCategoryDlg.h"
#include "CColorEdit.h"
#include "CColorStatic.h"
#include "CIconPushButton.h"
#include "CInventoryDoc.h"
#include "CLocaleOrder.h"
#include "CMainFrame.h"
#include "CNoteEdit.h"
#include "CPadField.h"
#include "CSaleTaxDlg.h"
#include "LocaleNumber.h"
#include "SetupForm.h"
#include "UiScale.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>

#include <algorithm>

namespace {
const QColor kLabelBackground(89, 100, 206);
const QColor kLabelText(255, 255, 255);
const QColor kFieldBackground(255, 255, 255);
const QColor kFieldText(0, 0, 0);
const QColor kDropDownBackground(0, 255, 0);
constexpr int kNoteLimit = 255;
// The form in dialog units.
constexpr double kFormWidth = 165;
constexpr double kFormHeight = 138;
} // namespace

CItemSetupDlg::CItemSetupDlg(CInventoryDoc& doc, const QString& productID, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_form(doc, productID)
{
    setObjectName(QStringLiteral("itemSetupDialog"));
    setWindowTitle(CMainFrame::kApplicationTitle);
    QWidget* page = AddScrollingPage(*this, kFormWidth, kFormHeight);
    CreateControls(page);
    NameFieldsByTheirCaptions(page);
    ShowForm();
}

CColorStatic* CItemSetupDlg::AddLabel(QWidget* page, const QString& text, const QRect& place)
{
    return AddFormLabel(page, text, place, kLabelBackground, kLabelText);
}

CColorEdit* CItemSetupDlg::AddEdit(QWidget* page, const QString& objectName, const QRect& place)
{
    return AddFormEdit(page, objectName, place, kFieldBackground, kFieldText);
}

QComboBox* CItemSetupDlg::AddCombo(QWidget* page, const QString& objectName, const QRect& place, bool editable)
{
    auto* combo = new QComboBox(page);
    combo->setObjectName(objectName);
    combo->setEditable(editable);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setGeometry(place);
    QPalette colors = combo->view()->palette();
    colors.setColor(QPalette::Base, kDropDownBackground);
    combo->view()->setPalette(colors);
    return combo;
}

// In the order of the form, which is also the order of the Tab key.
void CItemSetupDlg::CreateControls(QWidget* page)
{
    using Kind = CIconFactory::Kind;
    auto* heading = new QLabel(QStringLiteral("Item Setup"), page);
    heading->setAlignment(Qt::AlignCenter);
    heading->setGeometry(DialogUnitsRect(7, 0, 145, 8));

    AddLabel(page, QStringLiteral("Category:"), DialogUnitsRect(0, 9, 39, 14));
    m_category = AddCombo(page, QStringLiteral("categoryCombo"), DialogUnitsRect(39, 9, 73, 12), false);
    auto* newCategory = AddFormButton(page, Kind::Add, QStringLiteral("New"), QStringLiteral("newCategoryButton"),
                                      DialogUnitsRect(113, 11, 39, 10));
    connect(newCategory, &QPushButton::clicked, this, &CItemSetupDlg::NewCategory);

    AddLabel(page, QStringLiteral("Name:"), DialogUnitsRect(0, 21, 39, 13));
    m_name = AddEdit(page, QStringLiteral("nameEdit"), DialogUnitsRect(39, 21, 113, 12));
    AddLabel(page, QStringLiteral("Desc:"), DialogUnitsRect(0, 32, 39, 14));
    m_description = AddEdit(page, QStringLiteral("descEdit"), DialogUnitsRect(39, 32, 113, 12));

    AddLabel(page, QStringLiteral("Sale Price:"), DialogUnitsRect(0, 45, 39, 12));
    m_numbers[0] = {AddEdit(page, QStringLiteral("salePriceEdit"), DialogUnitsRect(39, 44, 32, 12)),
                    &CItemSetupForm::EnterSalePrice,
                    &CItemSetupForm::SetSalePrice,
                    &CItemSetupForm::SalePrice,
                    false,
                    nullptr};
    AddLabel(page, QStringLiteral("Qty on Hand:"), DialogUnitsRect(72, 44, 47, 12));
    m_numbers[1] = {AddEdit(page, QStringLiteral("quantityEdit"), DialogUnitsRect(121, 44, 31, 12)),
                    &CItemSetupForm::EnterQuantity,
                    &CItemSetupForm::SetQuantity,
                    &CItemSetupForm::Quantity,
                    true,
                    nullptr};

    AddLabel(page, QStringLiteral("Sale Tax:"), DialogUnitsRect(0, 57, 39, 12));
    m_tax = AddCombo(page, QStringLiteral("taxCombo"), DialogUnitsRect(39, 55, 62, 12), true);
    auto* newTax = AddFormButton(page, Kind::Add, QStringLiteral("New Tax"), QStringLiteral("newTaxButton"),
                                 DialogUnitsRect(102, 56, 50, 10));
    connect(newTax, &QPushButton::clicked, this, &CItemSetupDlg::NewTax);

    AddLabel(page, QStringLiteral("Unit Cost:"), DialogUnitsRect(0, 68, 39, 13));
    m_numbers[2] = {AddEdit(page, QStringLiteral("unitCostEdit"), DialogUnitsRect(39, 67, 31, 12)),
                    &CItemSetupForm::EnterUnitCost,
                    &CItemSetupForm::SetUnitCost,
                    &CItemSetupForm::UnitCost,
                    false,
                    nullptr};
    m_avgCostLabel = AddLabel(page, QStringLiteral("Avg Cost:"), DialogUnitsRect(69, 68, 40, 10));
    m_avgCost = AddEdit(page, QStringLiteral("avgCostEdit"), DialogUnitsRect(109, 67, 43, 12));
    m_avgCost->setReadOnly(true);

    AddLabel(page, QStringLiteral("Vendor:"), DialogUnitsRect(0, 80, 39, 12));
    m_vendor = AddCombo(page, QStringLiteral("vendorCombo"), DialogUnitsRect(39, 78, 113, 11), true);

    AddLabel(page, QStringLiteral("Note:"), DialogUnitsRect(0, 91, 39, 30))
        ->setAlignment(Qt::AlignRight | Qt::AlignTop);
    m_note = new CNoteEdit(kNoteLimit, page);
    m_note->setObjectName(QStringLiteral("noteEdit"));
    m_note->setGeometry(DialogUnitsRect(39, 89, 113, 31));
    m_note->SetColors(kFieldBackground, kFieldText);

    auto* ok = AddFormButton(page, Kind::Confirm, QStringLiteral("OK"), QStringLiteral("okButton"),
                             DialogUnitsRect(33, 124, 38, 10));
    // Enter in a text field accepts the form; the number fields and the note keep their Enter.
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CItemSetupDlg::Confirm);
    auto* cancel = AddFormButton(page, Kind::Cancel, QStringLiteral("Cancel"), QStringLiteral("cancelButton"),
                                 DialogUnitsRect(85, 124, 40, 10));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    for (NumberField& field : m_numbers) {
        field.pad = new CPadField(
            field.edit, [this, &field] { EnterNumber(field); },
            [this, &field](double value) { TakeNumber(field, value); });
    }
}

CItemSetupDlg::Entries CItemSetupDlg::CategoryEntries() const
{
    Entries entries;
    for (const CategoryRecord& category : m_doc.Categories()) {
        entries.append({category.CategoryName, category.CategoryID});
    }
    return entries;
}

CItemSetupDlg::Entries CItemSetupDlg::TaxEntries() const
{
    Entries entries;
    for (const TaxRecord& tax : m_doc.Taxes()) {
        entries.append({tax.TaxName, tax.TaxID});
    }
    return entries;
}

// The vendor list is offered sorted by name as the lists are, whichever order the document holds.
CItemSetupDlg::Entries CItemSetupDlg::VendorEntries() const
{
    Entries entries;
    for (const PayeeRecord& vendor : m_doc.Vendors()) {
        entries.append({vendor.CompanyName, vendor.PayeeID});
    }
    CLocaleOrder().Sort(entries, [](const auto& entry) { return QStringList{entry.first}; });
    return entries;
}

void CItemSetupDlg::Fill(QComboBox* combo, const Entries& entries)
{
    combo->clear();
    for (const auto& [name, id] : entries) {
        combo->addItem(name, id);
    }
}

void CItemSetupDlg::SelectId(QComboBox* combo, int id)
{
    combo->setCurrentIndex(combo->findData(id));
}

void CItemSetupDlg::Refill(QComboBox* combo, const Entries& entries, int selectedId)
{
    Fill(combo, entries);
    SelectId(combo, selectedId);
}

int CItemSetupDlg::SelectedId(const QComboBox* combo)
{
    const int index = combo->isEditable()
                          ? combo->findText(combo->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive)
                          : combo->currentIndex();
    return index >= 0 ? combo->itemData(index).toInt() : -1;
}

QString CItemSetupDlg::NumberText(const NumberField& field) const
{
    const double value = (m_form.*field.value)();
    return field.isQuantity ? FormatQuantity(value) : FormatLocaleNumber("%.2lf", value);
}

void CItemSetupDlg::ShowForm()
{
    Fill(m_category, CategoryEntries());
    m_category->setCurrentIndex(m_category->count() > 0 ? 0 : -1);
    Fill(m_vendor, VendorEntries());
    m_vendor->setCurrentIndex(-1);
    Fill(m_tax, TaxEntries());
    m_tax->setCurrentIndex(m_tax->findText(QStringLiteral("None"), Qt::MatchExactly | Qt::MatchCaseSensitive));

    m_name->setText(m_form.name);
    m_description->setText(m_form.description);
    m_note->setPlainText(m_form.note);
    if (m_form.IsNew()) {
        for (const NumberField& field : m_numbers) {
            field.edit->setText(QStringLiteral("0"));
        }
        m_avgCost->setText(QStringLiteral("0"));
        m_avgCost->hide();
        m_avgCostLabel->hide();
        return;
    }
    // An identifier no entry has leaves the entry chosen above.
    for (const auto& [combo, id] : {std::pair{m_category, m_form.categoryID}, std::pair{m_tax, m_form.taxID},
                                    std::pair{m_vendor, m_form.vendorID}}) {
        if (combo->findData(id) >= 0) {
            SelectId(combo, id);
        }
    }
    for (const NumberField& field : m_numbers) {
        field.edit->setText(NumberText(field));
    }
    m_avgCost->setText(FormatLocaleNumber("%.2lf", m_form.AvgCost()));
    ShowTextsFromStart(this);
}

void CItemSetupDlg::EnterNumber(const NumberField& field)
{
    (m_form.*field.enter)();
    field.edit->setText(NumberText(field));
}

// A refused number has been told; the field shows the kept one again.
void CItemSetupDlg::TakeNumber(const NumberField& field, double value)
{
    (m_form.*field.set)(value);
    field.edit->setText(NumberText(field));
}

void CItemSetupDlg::NewCategory()
{
    const int remembered = SelectedId(m_category);
    CCategoryDlg(m_doc, this).exec();
    Refill(m_category, CategoryEntries(), remembered);
}

void CItemSetupDlg::NewTax()
{
    const int remembered = SelectedId(m_tax);
    CSaleTaxDlg(m_doc, this).exec();
    Refill(m_tax, TaxEntries(), remembered);
}

void CItemSetupDlg::TakeControls()
{
    m_form.name = m_name->text();
    m_form.description = m_description->text();
    m_form.note = m_note->toPlainText();
    m_form.categoryID = SelectedId(m_category);
    m_form.taxID = SelectedId(m_tax);
    m_form.vendorID = SelectedId(m_vendor);
}

void CItemSetupDlg::Confirm()
{
    for (const NumberField& field : m_numbers) {
        field.pad->Commit();
    }
    TakeControls();
    if (m_form.Save() == CItemSetupForm::SaveResult::Saved) {
        accept();
    }
}
