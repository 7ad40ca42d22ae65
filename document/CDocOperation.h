#pragma once

#include <QString>

#include <cstdint>

class CInventoryDoc;

// The one write path of the program. Every change to the book (a posting, an adjustment, a
// delete with its re-derivation, a setup save, an import, a reset, a restore) runs inside one:
//
// 1. construction takes the write lock, waiting for another program up to the store's busy
//    timeout; when it cannot be had, Started() is false, the message is shown and nothing may be
//    written;
// 2. when another program committed since the catalogue was loaded, the catalogue is reloaded
//    first, so checks and new identifiers see the file as it is now;
// 3. the caller validates against the catalogue and writes;
// 4. Commit() makes it durable and is the only way to report success. A failed commit is rolled
//    back, the catalogue reloaded and the message shown; an operation that ends without Commit()
//    is rolled back. Either way the book is as it was before.
//
// Operations nest: an inner one joins the outermost, whose Commit() decides. An outermost one that
// takes long shows its text (by default "Saving…") in a progress while the window keeps painting.
class CDocOperation
{
public:
    explicit CDocOperation(CInventoryDoc& doc, const QString& text = QStringLiteral("Saving…"));
    ~CDocOperation();
    CDocOperation(const CDocOperation&) = delete;
    CDocOperation& operator=(const CDocOperation&) = delete;

    bool Started() const { return m_started; }
    // True when the writes took effect (nested: when they are part of the outermost operation).
    bool Commit();

private:
    CInventoryDoc& m_doc;
    bool m_started;
    bool m_ended = false;
};
