#pragma once

#include <QString>

class CInventoryDoc;

// What the product list does to a product straight from the list: delete it (never when it has
// movements) and change its quantity on hand through the number pad (any value, recorded as an
// adjustment of the difference). Products are named by their code; each change is one
// operation of the write path, checked against the book as it is then.
class CProductOperations
{
public:
    explicit CProductOperations(CInventoryDoc& doc) : m_doc(doc) {}

    // productID: the selected product; empty for none. True when deleted. The name is taken by
    // value: the operation may reload the list a caller's reference points into.
    bool Delete(QString productID);
    // True when a new quantity was written.
    bool ChangeOnHand(QString productID);

private:
    bool HasMovements(const QString& productID, bool& has);

    CInventoryDoc& m_doc;
};
