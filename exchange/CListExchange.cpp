#include "CListExchange.h"

#include "CPayeeExport.h"
#include "CPayeeImport.h"
#include "CProductExport.h"
#include "CProductImport.h"

namespace {

CPayeeSetup::Kind PayeeKind(CListExchange::List list)
{
    return list == CListExchange::List::Customers ? CPayeeSetup::Kind::Customer : CPayeeSetup::Kind::Vendor;
}

} // namespace

CCsvImport::Result CListExchange::Import(CInventoryDoc& doc, List list)
{
    if (list == List::Products) {
        CProductImport products(doc);
        return CCsvImport(doc, products).Run();
    }
    CPayeeImport payees(doc, PayeeKind(list));
    return CCsvImport(doc, payees).Run();
}

bool CListExchange::Export(CInventoryDoc& doc, List list)
{
    if (list == List::Products) {
        return CProductExport(doc).Run();
    }
    return CPayeeExport(doc, PayeeKind(list)).Run();
}

QString CListExchange::Word(List list)
{
    switch (list) {
    case List::Customers:
        return QStringLiteral("customers");
    case List::Vendors:
        return QStringLiteral("vendors");
    case List::Products:
        break;
    }
    return QStringLiteral("products");
}

std::optional<CListExchange::List> CListExchange::FromWord(const QString& word)
{
    for (const List list : {List::Customers, List::Vendors, List::Products}) {
        if (Word(list) == word) {
            return list;
        }
    }
    return std::nullopt;
}
