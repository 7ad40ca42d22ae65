#pragma once

class CInventoryDoc;

// What the product list does to a product straight from the list: delete it (never when it has
// movements) and change its quantity on hand through the number pad (any value, recorded as an
// adjustment of the difference).
class CProductOperations
{
public:
    explicit CProductOperations(CInventoryDoc& doc) : m_doc(doc) {}

    // index: the position in the catalogue's product list, -1 for none. True when deleted.
    bool Delete(int index);
    // True when a new quantity was written.
    bool ChangeOnHand(int index);

private:
    CInventoryDoc& m_doc;
};
