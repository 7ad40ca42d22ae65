#pragma once

#include "ItemRecord.h"
#include "TransactionLine.h"

#include <QList>
#include <QString>

#include <cstdint>

class CInventoryDoc;

// The flow of the line item dialog: one line of a sale or purchase, new or being edited. Choosing
// a product takes its defaults from the catalogue (or, for a product the transaction holds or held,
// from that line) and projects the stock after the line ("New QTY On Hand"); price and quantity
// come from the number pad, refused when negative or out of range; a sale beyond the stock asks
// first. Questions and messages go through the document's prompter.
//
// Products are kept by their code, never by list position, and the tax rate is kept as a number
// (only shown as text). A line can be confirmed only with a product of the catalogue.
class CTransItemForm
{
public:
    // A new line. currentLines: the entry form's lines now; loadedLines: the transaction's lines
    // as stored (none for a new transaction).
    CTransItemForm(CInventoryDoc& doc, int32_t transType, const QList<TransactionLine>& currentLines,
                   const QList<TransactionLine>& loadedLines);
    // Editing one of currentLines: every value starts as the line has it, its tax included.
    CTransItemForm(CInventoryDoc& doc, int32_t transType, const QList<TransactionLine>& currentLines,
                   const QList<TransactionLine>& loadedLines, const TransactionLine& line);

    bool IsNew() const { return m_isNew; }
    bool IsSale() const;
    // "Sale Price:" or "Buy Price:".
    QString PriceLabel() const;

    const QString& ProductID() const { return m_line.ProductID; }
    const QString& Description() const { return m_line.ProductName; }
    double Quantity() const { return m_line.Quantity; }
    double Price() const { return m_line.Price; }
    double UnitCost() const { return m_line.UnitCost; }
    double OnHand() const { return m_line.OnHand; }
    const QString& TaxName() const { return m_line.TaxName; }
    double TaxRate() const { return m_line.TaxRate; }
    const QString& CategoryName() const { return m_line.CategoryName; }
    // The chosen product's vendor in the catalogue; -1 when none.
    int32_t ProductVendor() const { return m_productVendor; }

    const QString& QuantityText() const { return m_quantityText; }
    QString OnHandText() const;
    QString PriceText() const;
    QString TaxRateText() const;

    // The user chose this product of the catalogue. False when it is refused because another
    // line of the transaction has it (after the message; the product is then cleared) or when the
    // catalogue no longer has it.
    bool SelectProduct(const QString& productID);
    // The user chose this tax of the list: the line takes its name and rate.
    void SelectTax(int32_t taxID);
    // A tax given by name and rate (0 to 100), whether or not the list has it.
    void SetTax(const QString& name, double rate);

    // The number pad for the price or the quantity; false when cancelled or refused.
    bool EnterPrice();
    bool EnterQuantity();
    // A price or quantity typed into its field, taken as one from the pad would be.
    bool TakePrice(double price);
    bool TakeQuantity(double quantity);

    // OK: true when the line may be taken; "You Must Select a Product Item!" unless a product of
    // the catalogue is chosen.
    bool Confirm() const;
    // The line as the entry form keeps it: its amounts computed, the unit cost of a purchase being
    // its price.
    TransactionLine Line() const;

private:
    const TransactionLine* FindLine(const QList<TransactionLine>& lines, const QString& productID) const;
    void ReseedFrom(const TransactionLine& line);
    void TakeCatalogueDefaults(const ItemRecord& product);
    void AskInitialQuantity(double unitsOnHand);
    bool TakeNumber(double value, double otherFactor);
    void SetQuantity(double quantity);

    CInventoryDoc& m_doc;
    int32_t m_transType;
    bool m_isNew;
    QList<TransactionLine> m_currentLines;
    QList<TransactionLine> m_loadedLines;
    TransactionLine m_line;
    QString m_quantityText;
    QString m_openingProduct;
    int32_t m_productVendor = -1;
};
