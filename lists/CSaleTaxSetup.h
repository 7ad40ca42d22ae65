#pragma once

#include <QString>

class CInventoryDoc;

// The flow of the sale tax setup: a selection in the document's tax list, the name and rate
// fields, and the name as last taken from a selection or an operation (which guards the built-in
// "None"). Add, Update and Delete write at once, show refusals and reload the list.
class CSaleTaxSetup
{
public:
    static inline const QString kBuiltInTax = QStringLiteral("None");

    explicit CSaleTaxSetup(CInventoryDoc& doc) : m_doc(doc) {}

    // -1 clears the selection (name empty, rate 0); otherwise name and rate become the tax's.
    void Select(int index);
    int Selected() const { return m_selected; }
    void SetName(const QString& name) { m_name = name; }
    void SetRate(double rate) { m_rate = rate; }
    const QString& Name() const { return m_name; }
    double Rate() const { return m_rate; }

    bool Add();
    // typed: the name and rate now in the fields (SetName/SetRate); the check of the built-in
    // tax looks at the name as last taken.
    bool Update();
    bool Delete();

private:
    bool NameIsFree(const QString& name, int except) const;
    void Changed();

    CInventoryDoc& m_doc;
    int m_selected = -1;
    QString m_name;
    QString m_lastTaken;
    double m_rate = 0.0;
};
