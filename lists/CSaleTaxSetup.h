#pragma once

#include "TaxRecord.h"

#include <QList>
#include <QString>

#include <cstdint>

class CInventoryDoc;

// The flow of the sale tax setup: a selected tax, the name and rate fields, and the name as last
// taken from a selection or an operation. Add, Update and Delete write through the write path,
// show refusals and reload the list. The built-in tax "None" is known by its identifier, so no
// name typed or refused before can open it to a change or a delete.
//
// The selection is kept by identifier, as a reload may reorder the list. The rate is a
// percentage from 0 to 100; a rate typed as text is read exactly in the user's locale.
class CSaleTaxSetup
{
public:
    static inline const QString kBuiltInTax = QStringLiteral("None");
    static constexpr int32_t kBuiltInTaxID = 1;

    explicit CSaleTaxSetup(CInventoryDoc& doc) : m_doc(doc) {}

    // -1 clears the selection (name empty, rate 0); otherwise name and rate become the tax's.
    void Select(int index);
    // The selected tax's position in the document's list now; -1 when none or gone.
    int Selected() const;
    void SetName(const QString& name) { m_name = name; }
    void SetRate(double rate);
    // The rate field's text; a text that is no number is refused when the tax is saved.
    void SetRateText(const QString& text);
    const QString& Name() const { return m_name; }
    double Rate() const { return m_rate; }

    bool Add();
    // typed: the name and rate now in the fields (SetName/SetRate). The built-in tax is refused.
    bool Update();
    bool Delete();

    // For a caller that creates taxes inside its own operation (an import): the row alone, no
    // checks, no reload. False when the store refuses.
    static bool InsertRow(CInventoryDoc& doc, int32_t taxID, const QString& name, double rate);
    // The id of a new tax: one above the list's largest (0 for an empty list).
    static int32_t NextTaxID(const QList<TaxRecord>& taxes);

private:
    // Shows why the name cannot be stored (empty, or holding a control character); false when it can.
    bool RefusesName(const QString& name) const;
    bool NameIsFree(const QString& name, int32_t exceptID) const;
    bool RateIsValid() const;
    bool WriteTax(int32_t taxID, const QString& name);
    void Changed();

    CInventoryDoc& m_doc;
    int32_t m_selectedID = -1;
    QString m_name;
    QString m_lastTaken;
    double m_rate = 0.0;
    QString m_rateRefusal;
};
