#pragma once

#include "CDbRecordset.h"
#include "RegisterRow.h"

#include <QString>

#include <optional>

class CDbConnection;

// The rows of the transaction register: every TransItem row in register order (date, then item
// order, then as written), read through one static cursor that holds the rows as they were when
// it opened. A row is always reached by its index from the first row, never by a move from the
// row read before, so row i is row i of that snapshot whatever was read in between.
//
// The cursor holds no lock on the file once open; it is closed while the register is not shown
// and before a whole-file command copies or replaces the file.
class CRegisterRows
{
public:
    explicit CRegisterRows(CDbConnection& connection);

    // The register statement.
    static QString Statement();

    // Reads the rows afresh. False when the statement cannot run; the rows are then closed.
    bool Open();
    void Close();
    // False also after the connection was closed under the cursor.
    bool IsOpen();
    // The rows read by the last Open; 0 when closed.
    long Count();
    // Row index of the snapshot; nothing when closed or there is no such row.
    std::optional<RegisterRow> Read(long index);

private:
    CDbRecordset m_cursor;
    long m_count = 0;
};
