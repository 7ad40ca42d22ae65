#pragma once

#include "CCsvRecordImporter.h"
#include "CPayeeSetup.h"
#include "PayeeRecord.h"

#include <QHash>

#include <optional>

class CInventoryDoc;

// The records of a customer or vendor file (see ExchangeLayout): a line whose company is
// already in the list (letter case aside, as the setup dialogs compare names) rewrites that
// payee's texts, taking the line's letter case and keeping its id and country; any other line
// adds a payee with the next id. Payees added earlier in the same file count as in the list.
// A line without a company, with a control character where its field allows none, or that the
// store refuses stops the import.
class CPayeeImport final : public CCsvRecordImporter
{
public:
    CPayeeImport(CInventoryDoc& doc, CPayeeSetup::Kind kind) : m_doc(doc), m_setup(doc, kind) {}

    int FieldCount() const override;
    QString ProgressText() const override;
    void Begin() override;
    LineResult Import(const QStringList& fields, int line) override;
    void Reload() override;

private:
    // Nothing when the store refused the row.
    std::optional<LineResult> Update(PayeeRecord& stored, PayeeRecord payee);
    std::optional<LineResult> Add(const QString& key, PayeeRecord payee);

    CInventoryDoc& m_doc;
    CPayeeSetup m_setup;
    QHash<QString, PayeeRecord> m_byName;
    int32_t m_nextID = 1;
};
