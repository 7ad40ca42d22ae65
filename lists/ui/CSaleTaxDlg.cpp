#include "CSaleTaxDlg.h"

#include "CInventoryDoc.h"
#include "LocaleNumber.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

CSaleTaxDlg::CSaleTaxDlg(CInventoryDoc& doc, QWidget* parent)
    : CSetupListDlg(QStringLiteral("Sale Tax Setup"), QStringLiteral("Sale Tax:"), parent), m_doc(doc), m_setup(doc)
{
    setObjectName(QStringLiteral("saleTaxDialog"));
    m_rate = new QLineEdit(this);
    m_rate->setObjectName(QStringLiteral("rateEdit"));
    auto* rate = new QLabel(QStringLiteral("Rate:"), this);
    rate->setBuddy(m_rate);
    Fields()->addWidget(rate, 1, 0);
    Fields()->addWidget(m_rate, 1, 1);
    Fields()->addWidget(new QLabel(QStringLiteral("%"), this), 1, 2);
    connect(NameEdit(), &QLineEdit::textChanged, this, [this](const QString& name) { m_setup.SetName(name); });
    // Only what the user types: a rate shown rounded must not replace the stored one.
    connect(m_rate, &QLineEdit::textEdited, this, [this](const QString& rate) { m_setup.SetRateText(rate); });
    Initialize();
}

QStringList CSaleTaxDlg::Headers() const
{
    return {QStringLiteral("Sale Tax"), QStringLiteral("Tax Rate")};
}

QList<QStringList> CSaleTaxDlg::Rows() const
{
    QList<QStringList> rows;
    for (const TaxRecord& tax : m_doc.Taxes()) {
        rows.append({tax.TaxName, FormatRate(tax.TaxRate) + QLatin1Char('%')});
    }
    return rows;
}

void CSaleTaxDlg::Select(int index)
{
    m_setup.Select(index);
    NameEdit()->setText(m_setup.Name());
    m_rate->setText(m_setup.Selected() >= 0 ? FormatRate(m_setup.Rate()) : QLocale().toString(0.0, 'f', 1));
}
