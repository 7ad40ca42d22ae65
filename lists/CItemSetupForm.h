#pragma once

#include <QString>

#include <cstdint>

class CInventoryDoc;

// The flow of the product setup: the form's values for a new product (record index -1) or the
// product at a position of the catalogue's list, number entry through the number pad (negative
// values refused), and the save with its checks, its stock movement and its renames.
//
// Numbers are kept exactly as entered or loaded; the dialog only shows them formatted, so a
// save that changes nothing writes nothing new.
class CItemSetupForm
{
public:
    enum class SaveResult
    {
        Saved,   // close the dialog with OK (also after a store failure that was shown)
        StayOpen // a validation message was shown
    };

    CItemSetupForm(CInventoryDoc& doc, int recordIndex);

    bool IsNew() const { return m_recordIndex < 0; }
    int RecordIndex() const { return m_recordIndex; }

    QString name;
    QString description;
    QString note;
    int32_t categoryID = -1; // -1: none selected
    int32_t taxID = -1;
    int32_t vendorID = -1;

    double SalePrice() const { return m_salePrice; }
    double Quantity() const { return m_quantity; }
    double UnitCost() const { return m_unitCost; }
    double AvgCost() const { return m_avgCost; }
    // Refuse a negative value with "You can not input a negative value!"; true when taken.
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

private:
    bool TakeNonNegative(double value, double& field);
    bool Enter(const QString& title, const QString& topLine, double& field);
    QString CategoryName() const;
    bool NameIsTaken(const QString& trimmed) const;
    void SaveNew(const QString& trimmed);
    void SaveExisting(const QString& trimmed);
    bool WriteExistingRow(const QString& trimmed);
    void RenameMovements(const QString& trimmed);

    CInventoryDoc& m_doc;
    int m_recordIndex;
    QString m_previousName;
    double m_salePrice = 0.0;
    double m_quantity = 0.0;
    double m_unitCost = 0.0;
    double m_avgCost = 0.0;
    QString m_savedName;
};
