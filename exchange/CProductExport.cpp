#include "CProductExport.h"

#include "CCsvExportFile.h"
#include "CInventoryDoc.h"
#include "ExchangeLayout.h"

#include <QLocale>

QString CProductExport::NumberText(double value)
{
    return QString::asprintf("%.2lf", value).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

QString CProductExport::TaxName(int32_t taxID) const
{
    for (const TaxRecord& tax : m_doc.Taxes()) {
        if (tax.TaxID == taxID) {
            return tax.TaxName;
        }
    }
    return QString();
}

QString CProductExport::VendorName(int32_t payeeID) const
{
    PayeeRecord vendor;
    return m_doc.FindVendorById(payeeID, vendor) ? vendor.CompanyName : QString();
}

void CProductExport::WriteRows(CCsvFileWriter& csv)
{
    m_doc.LoadVendorsById();
    csv.SetNumberColumns({ExchangeLayout::kSalePrice, ExchangeLayout::kOnHand, ExchangeLayout::kUnitCost});
    csv.WriteRow(ExchangeLayout::ProductHeader());
    for (const ItemRecord& product : m_doc.Products()) {
        csv.WriteRow({product.ProductID, product.ProductDesc, product.CategoryName, NumberText(product.SalePrice),
                      NumberText(product.UnitsOnHand), TaxName(product.TaxID), NumberText(product.UnitCost),
                      VendorName(product.PayeeID), product.ProductNote});
    }
    m_doc.LoadVendors();
}

bool CProductExport::Run()
{
    m_doc.ReloadIfChangedElsewhere();
    return CCsvExportFile::Save(m_doc.Prompter(), QStringLiteral("Products"), CCsvFileWriter::Quoting::KeepEdgeSpace,
                                [this](CCsvFileWriter& csv) { WriteRows(csv); });
}
