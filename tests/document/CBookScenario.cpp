#include "CBookScenario.h"

#include "CStoredTransaction.h"
#include "TransactionTypes.h"

CBookScenario::CBookScenario()
{
    Doc().SetClock([] { return QDateTime(QDate(2026, 2, 1), QTime(12, 0)); });
}

QDateTime CBookScenario::Day(int day, int hour)
{
    return QDateTime(QDate(2026, 1, day), QTime(hour, 0));
}

void CBookScenario::AddProduct(const QString& name, double unitCost, int category)
{
    m_book.Exec(QStringLiteral("INSERT INTO Item (ProductID, ProductDesc, CategoryID, UnitsOnHand, UnitCost, "
                               "SalePrice, AvgCost, TaxID, PayeeID) values ('%1', 'About %1', %2, 0, %3, 10, 0, 1, 7)")
                    .arg(QString(name).replace("'", "''"))
                    .arg(category)
                    .arg(unitCost));
    Doc().LoadProducts();
}

const ItemRecord& CBookScenario::Product(const QString& name)
{
    static const ItemRecord none;
    const int index = Doc().FindProduct(name, Qt::CaseSensitive);
    return index < 0 ? none : Doc().Products()[index];
}

QList<TransactionLine> CBookScenario::Lines(int32_t type, const QList<Line>& lines)
{
    QList<TransactionLine> result;
    for (const Line& line : lines) {
        const ItemRecord& product = Product(line.product);
        TransactionLine posted;
        posted.ProductID = line.product;
        posted.ProductName = product.ProductDesc;
        posted.CategoryName = product.CategoryName;
        posted.Quantity = line.quantity;
        posted.Price = line.price;
        posted.UnitCost = type == kTransSale ? product.AvgCost : line.price;
        posted.TaxName = QStringLiteral("None");
        posted.ItemTotal = line.price * line.quantity;
        result.append(posted);
    }
    return result;
}

int32_t CBookScenario::Post(int32_t id, int32_t type, const QDateTime& previous, const QDateTime& date,
                            const QList<Line>& lines, int32_t vendorID)
{
    SalePurchasePosting posting;
    posting.TransType = type;
    posting.TransactionID = id;
    posting.PreviousDate = previous;
    posting.NewDate = date;
    posting.Lines = Lines(type, lines);
    posting.InvoiceNum = QStringLiteral("INV");
    posting.CompanyName = type == kTransSale ? QStringLiteral("Customer") : QStringLiteral("Vendor");
    posting.VendorID = vendorID;
    if (id >= 0) {
        CStoredTransaction stored(Doc());
        stored.Load(id);
        posting.PreviousLines = stored.Lines();
    }
    return Doc().PostSalePurchase(posting).TransactionID;
}

int32_t CBookScenario::Purchase(const QDateTime& date, const QList<Line>& lines, int32_t vendorID)
{
    return Post(-1, kTransPurchase, date, date, lines, vendorID);
}

int32_t CBookScenario::Sale(const QDateTime& date, const QList<Line>& lines)
{
    return Post(-1, kTransSale, date, date, lines, -1);
}

int32_t CBookScenario::Edit(int32_t id, const QDateTime& date, const QList<Line>& lines)
{
    CStoredTransaction stored(Doc());
    stored.Load(id);
    return Post(id, stored.TransType(), stored.TransDate(), date, lines, -1);
}

QStringList CBookScenario::Snapshots(const QString& product)
{
    return m_book.Rows(QStringLiteral("SELECT UnitCost, AvgCost, UnitsOnHand, LineTotal FROM TransItem "
                                      "where ProductID = '%1' order by TransDate, ItemOrder, TransactionID, rowid")
                           .arg(QString(product).replace("'", "''")));
}

QString CBookScenario::ItemRow(const QString& product)
{
    return m_book
        .Rows(QStringLiteral("SELECT UnitsOnHand, UnitCost, AvgCost, PayeeID FROM Item where ProductID = '%1'")
                  .arg(QString(product).replace("'", "''")))
        .value(0);
}
