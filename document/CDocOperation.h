#pragma once

#include "CDbTransaction.h"
#include "CInventoryDoc.h"

// Brackets one document operation (a posting, an adjustment, a delete with its re-derivation, a
// product save, an import): one store transaction, and the product list reloaded once at the
// end when the operation changed products, instead of after every recomputation.
class CDocOperation
{
public:
    explicit CDocOperation(CInventoryDoc& doc) : m_doc(doc), m_transaction(doc.Connection()) { m_doc.BeginOperation(); }
    ~CDocOperation() { m_doc.EndOperation(); }
    CDocOperation(const CDocOperation&) = delete;
    CDocOperation& operator=(const CDocOperation&) = delete;

private:
    CInventoryDoc& m_doc;
    CDbTransaction m_transaction;
};
