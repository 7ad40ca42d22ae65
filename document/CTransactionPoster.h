#pragma once

#include "SalePurchasePosting.h"

class CInventoryDoc;

// Saves a sale or purchase: takes or keeps its identifier, deletes its old rows, writes one
// TransItem row per line and the Transaction row, and re-derives every product it named before
// or now (each once) and the running value from the earlier of its old and new dates. All of it
// is one operation of the write path: Saved is true only when it was committed.
class CTransactionPoster
{
public:
    explicit CTransactionPoster(CInventoryDoc& doc) : m_doc(doc) {}

    PostingResult Post(const SalePurchasePosting& posting);

private:
    bool LinesNameProducts(const SalePurchasePosting& posting);

    CInventoryDoc& m_doc;
};
