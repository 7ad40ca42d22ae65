#pragma once

#include "ItemRecord.h"

#include <QString>

#include <cstdint>

class CInventoryDoc;

// The flow of the product setup: the form's values for a new product (empty product code) or for
// the product with that code, number entry through the number pad (negative and out-of-range
// values refused), and the save with its checks, its stock movement and its renames.
//
// The product is kept by its code, never by list position: a reload may reorder the list. The
// save runs as one operation of the write path and checks against the book as it is then.
// Numbers are kept exactly as entered or loaded; the dialog only shows them formatted, so a save
// that changes nothing writes nothing new. A number the user left alone takes the stored value
// at save time, so another program's postings meanwhile are not undone.
class CItemSetupForm
{
public:
    enum class SaveResult
    {
        Saved,   // close the dialog with OK
        StayOpen // a message was shown; nothing was saved
    };

    CItemSetupForm(CInventoryDoc& doc, const QString& productID);

    bool IsNew() const { return m_productID.isEmpty(); }
    const QString& ProductID() const { return m_productID; }

    QString name;
    QString description;
    QString note;
    int32_t categoryID = -1; // -1: none selected
    int32_t taxID = -1;
    int32_t vendorID = -1;

    double SalePrice() const { return m_salePrice; }
    double Quantity() const { return m_quantity; }
    double UnitCost() const { return m_unitCost; }
    double AvgCost() const { return m_loaded.AvgCost; }
    // Refuse a negative value with "You can not input a negative value!", and one out of range;
    // true when taken.
    bool SetSalePrice(double value);
    bool SetQuantity(double value);
    bool SetUnitCost(double value);

    // The number pad for a field, with the field's title and top line; false when cancelled or refused.
    bool EnterSalePrice();
    bool EnterQuantity();
    bool EnterUnitCost();

    SaveResult Save();
    // After a save: the name of a created product, or the new name of a renamed one; else empty.
    const QString& SavedName() const { return m_savedName; }

    // Why a product's texts cannot be stored: its name or description holds a control character,
    // or its note one other than a tab or line break; empty when they can.
    static QString TextRefusal(const QString& name, const QString& description, const QString& note);

    // For a caller that writes products inside its own operation (an import), without checks:
    // the Item row of a new product (its average cost is its unit cost; no stock movement)...
    static bool AppendProductRow(CInventoryDoc& doc, const ItemRecord& product);
    // ...and the movements of a product given a new name that the store does not take for the
    // old one (beyond the letter case of A-Z). False after the message when they cannot be read.
    static bool RenameMovements(CInventoryDoc& doc, const QString& from, const QString& to);

private:
    bool TakeNumber(double value, double& field);
    bool Enter(const QString& title, const QString& topLine, double& field);
    QString CategoryName() const;
    bool Refuses(const QString& trimmed, int editedIndex) const;
    bool RefusesOpeningValue() const;
    bool SaveNew(const QString& trimmed);
    bool SaveExisting(const QString& trimmed, const ItemRecord& stored);
    bool WriteExistingRow(const QString& trimmed, const ItemRecord& stored, double quantity);

    CInventoryDoc& m_doc;
    QString m_productID;
    ItemRecord m_loaded;
    double m_salePrice = 0.0;
    double m_quantity = 0.0;
    double m_unitCost = 0.0;
    QString m_savedName;
};
