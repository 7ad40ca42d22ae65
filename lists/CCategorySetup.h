#pragma once

#include "CategoryRecord.h"

#include <QList>
#include <QString>

#include <cstdint>

class CInventoryDoc;

// The flow of the category setup: a selected category and the name field; Add, Update and Delete
// write through the write path, show the refusals through the prompter and reload the list.
// After each successful change the selection is cleared.
//
// The selection is kept by identifier: a reload (after another program's change) may reorder
// the list, and a position would then name another category.
class CCategorySetup
{
public:
    explicit CCategorySetup(CInventoryDoc& doc) : m_doc(doc) {}

    // -1 clears the selection (and the name); otherwise the category at that position of the
    // document's list is selected and the name becomes its name.
    void Select(int index);
    // The selected category's position in the document's list now; -1 when none or gone.
    int Selected() const;
    void SetName(const QString& name) { m_name = name; }
    const QString& Name() const { return m_name; }

    bool Add();
    bool Update();
    bool Delete();

    // For a caller that creates categories inside its own operation (an import): the row alone,
    // no name check, no reload. False when the store refuses.
    static bool InsertRow(CInventoryDoc& doc, int32_t categoryID, const QString& name);
    // The id of a new category: one above the list's largest (0 for an empty list).
    static int32_t NextCategoryID(const QList<CategoryRecord>& categories);

private:
    // Shows why the name cannot be stored (empty, or holding a control character); false when it can.
    bool RefusesName(const QString& name) const;
    bool NameIsFree(const QString& name, int32_t exceptID) const;
    bool WriteName(int32_t categoryID, const QString& name);
    void Changed();

    CInventoryDoc& m_doc;
    int32_t m_selectedID = -1;
    QString m_name;
};
