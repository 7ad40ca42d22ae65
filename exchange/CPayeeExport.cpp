#include "CPayeeExport.h"

#include "CCsvExportFile.h"
#include "CInventoryDoc.h"
#include "ExchangeLayout.h"

void CPayeeExport::WriteRows(CCsvFileWriter& csv) const
{
    csv.WriteRow(ExchangeLayout::PayeeHeader());
    const CPayeeSetup payees(m_doc, m_kind);
    for (const PayeeRecord& payee : payees.Payees()) {
        QStringList fields;
        for (const auto& field : ExchangeLayout::kPayeeFields) {
            fields << payee.Text(field.second);
        }
        csv.WriteRow(fields);
    }
}

bool CPayeeExport::Run()
{
    m_doc.ReloadIfChangedElsewhere();
    const QString name =
        m_kind == CPayeeSetup::Kind::Customer ? QStringLiteral("Customers") : QStringLiteral("Vendors");
    return CCsvExportFile::Save(m_doc.Prompter(), name, CCsvFileWriter::Quoting::KeepEdgeSpace,
                                [this](CCsvFileWriter& csv) { WriteRows(csv); });
}
