#pragma once

#include <QString>

class CInventoryDoc;

// The flow of the category setup: a selection in the document's category list and the name
// field; Add, Update and Delete write to the store at once, show the refusals through the
// prompter and reload the list. After each successful change the selection is cleared.
class CCategorySetup
{
public:
    explicit CCategorySetup(CInventoryDoc& doc) : m_doc(doc) {}

    // -1 clears the selection (and the name); otherwise the name becomes the category's.
    void Select(int index);
    int Selected() const { return m_selected; }
    void SetName(const QString& name) { m_name = name; }
    const QString& Name() const { return m_name; }

    bool Add();
    bool Update();
    bool Delete();

private:
    bool NameIsFree(const QString& name, int except) const;
    void Changed();

    CInventoryDoc& m_doc;
    int m_selected = -1;
    QString m_name;
};
