#include "CPayeeSetupDlg.h"

#include "CColorEdit.h"
#include "CColorStatic.h"
#include "CIconPushButton.h"
#include "CInventoryDoc.h"
#include "CMainFrame.h"
#include "CNoteEdit.h"
#include "SetupForm.h"
#include "UiScale.h"

#include <QLabel>

namespace {

// The lines of the form take two colour pairs by turns.
struct LineColors
{
    QColor label;
    QColor field;
};
const LineColors kRoseLine{QColor(248, 214, 216), QColor(247, 231, 214)};
const LineColors kBlueLine{QColor(113, 169, 187), QColor(222, 235, 239)};
const QColor kTextColor(0, 0, 0);

constexpr int kNoteLimit = 255;
constexpr double kFormWidth = 159;

struct Units
{
    double x, y, width, height;
};

QRect Place(const Units& units)
{
    return DialogUnitsRect(units.x, units.y, units.width, units.height);
}

// A one-line field: the record's text it shows, its label and their places on the form.
struct LineField
{
    int text;
    const char* label;
    const char* objectName;
    Units labelPlace;
    Units editPlace;
    const LineColors& colors;
};

const LineField kLineFields[] = {
    {0, "Company:", "companyEdit", {2, 10, 36, 12}, {38, 10, 110, 12}, kRoseLine},
    {1, "Address:", "addressEdit", {2, 21, 36, 12}, {38, 21, 110, 12}, kBlueLine},
    {2, "City:", "cityEdit", {2, 32, 36, 12}, {38, 32, 110, 12}, kRoseLine},
    {3, "State:", "stateEdit", {2, 44, 36, 11}, {38, 43, 38, 12}, kBlueLine},
    {4, "Zip Code:", "zipEdit", {76, 44, 34, 10}, {110, 43, 38, 12}, kBlueLine},
    {6, "Contact:", "contactEdit", {2, 55, 36, 11}, {38, 54, 110, 12}, kRoseLine},
    {7, "Phone:", "phoneEdit", {2, 66, 36, 11}, {38, 65, 110, 12}, kBlueLine},
    {8, "FAX:", "faxEdit", {2, 77, 36, 11}, {38, 76, 110, 12}, kRoseLine},
    {9, "E-Mail:", "emailEdit", {2, 88, 36, 11}, {38, 87, 110, 12}, kBlueLine},
};

// The customer and vendor forms differ only from the note down.
struct FormBottom
{
    double height;
    double noteLabelHeight;
    double noteHeight;
    double buttonsY;
};
const FormBottom kCustomerForm{146, 35, 35, 135};
const FormBottom kVendorForm{149, 37, 38, 138};

const FormBottom& BottomOf(CPayeeSetup::Kind kind)
{
    return kind == CPayeeSetup::Kind::Vendor ? kVendorForm : kCustomerForm;
}

} // namespace

CPayeeSetupDlg::CPayeeSetupDlg(CInventoryDoc& doc, CPayeeSetup::Kind kind, std::optional<int32_t> payeeID,
                               QWidget* parent)
    : QDialog(parent), m_doc(doc), m_payees(doc, kind), m_payeeID(payeeID)
{
    const bool vendor = kind == CPayeeSetup::Kind::Vendor;
    m_mode = !payeeID                                                  ? Mode::New
             : vendor && *payeeID == CInventoryDoc::kOwnCompanyPayeeID ? Mode::OwnCompany
                                                                       : Mode::Change;
    setObjectName(vendor ? QStringLiteral("vendorSetupDialog") : QStringLiteral("customerSetupDialog"));
    setWindowTitle(CMainFrame::kApplicationTitle);
    QWidget* page = AddScrollingPage(*this, kFormWidth, BottomOf(kind).height);
    CreateControls(page);
    NameFieldsByTheirCaptions(page);
    ShowStored();
}

QString CPayeeSetupDlg::TitleText() const
{
    return m_title->text();
}

// In the order of the form, which is also the order of the Tab key.
void CPayeeSetupDlg::CreateControls(QWidget* page)
{
    const bool vendor = m_payees.GetKind() == CPayeeSetup::Kind::Vendor;
    const FormBottom& bottom = BottomOf(m_payees.GetKind());
    m_title = new QLabel(m_mode == Mode::OwnCompany ? QStringLiteral("My Company Profile")
                         : vendor                   ? QStringLiteral("Vendor Setup")
                                                    : QStringLiteral("Customer Setup"),
                         page);
    m_title->setObjectName(QStringLiteral("titleText"));
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setGeometry(Place({2, 0, 145, 8}));

    for (const LineField& field : kLineFields) {
        AddFormLabel(page, QString::fromLatin1(field.label), Place(field.labelPlace), field.colors.label, kTextColor);
        m_edits[field.text] = AddFormEdit(page, QString::fromLatin1(field.objectName), Place(field.editPlace),
                                          field.colors.field, kTextColor);
    }
    AddFormLabel(page, QStringLiteral("Note:"), Place({2, 99, 36, bottom.noteLabelHeight}), kRoseLine.label, kTextColor)
        ->setAlignment(Qt::AlignRight | Qt::AlignTop);
    m_note = new CNoteEdit(kNoteLimit, page);
    m_note->setObjectName(QStringLiteral("noteEdit"));
    m_note->SetColors(kRoseLine.field, kTextColor);
    m_note->setGeometry(Place({38, 98, 110, bottom.noteHeight}));

    auto* ok = AddFormButton(page, CIconFactory::Kind::Confirm, QStringLiteral("OK"), QStringLiteral("okButton"),
                             Place({25, bottom.buttonsY, 38, 10}));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CPayeeSetupDlg::Confirm);
    auto* cancel = AddFormButton(page, CIconFactory::Kind::Cancel, QStringLiteral("Cancel"),
                                 QStringLiteral("cancelButton"), Place({77, bottom.buttonsY, 40, 10}));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

// A new payee, one no longer in the list and a profile created just now show empty fields.
void CPayeeSetupDlg::ShowStored()
{
    if (m_mode == Mode::OwnCompany) {
        const auto opened = CPayeeSetup::OpenOwnCompany(m_doc);
        if (opened && !opened->created) {
            ShowPayee(opened->stored);
        }
    } else if (m_mode == Mode::Change) {
        const int index = m_payees.Find(*m_payeeID);
        if (index >= 0) {
            ShowPayee(m_payees.Payees()[index]);
        }
    }
}

void CPayeeSetupDlg::ShowPayee(const PayeeRecord& payee)
{
    m_previousName = payee.CompanyName;
    for (const LineField& field : kLineFields) {
        m_edits[field.text]->setText(payee.Text(field.text));
    }
    m_note->setPlainText(payee.Note);
    ShowTextsFromStart(this);
}

PayeeRecord CPayeeSetupDlg::TakeControls() const
{
    PayeeRecord payee;
    for (const LineField& field : kLineFields) {
        payee.Text(field.text) = m_edits[field.text]->text();
    }
    payee.Note = m_note->toPlainText();
    return payee;
}

CPayeeSetup::SaveResult CPayeeSetupDlg::Save(const PayeeRecord& payee)
{
    switch (m_mode) {
    case Mode::New:
        return m_payees.Create(payee);
    case Mode::OwnCompany:
        return CPayeeSetup::SaveOwnCompany(m_doc, payee);
    default:
        return m_payees.Update(*m_payeeID, payee);
    }
}

void CPayeeSetupDlg::Confirm()
{
    const CPayeeSetup::SaveResult result = Save(TakeControls());
    if (result.status == CPayeeSetup::Status::Refused) {
        return;
    }
    if (result.Saved()) {
        m_savedID = result.payeeID;
        if (result.name != m_previousName) {
            m_savedName = result.name;
        }
    }
    accept();
}
