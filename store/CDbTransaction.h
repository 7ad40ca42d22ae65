#pragma once

#include "CDbConnection.h"

// One bracket of writes on the connection (see CDbConnection::BeginOperation): begun on
// construction, committed only by Commit(), rolled back when it ends without one. Nested brackets
// join the outermost.
class CDbTransaction
{
public:
    explicit CDbTransaction(CDbConnection& connection) : m_connection(connection), m_begun(connection.BeginOperation())
    {}
    ~CDbTransaction()
    {
        if (m_begun && !m_ended) {
            m_connection.RollbackOperation();
        }
    }
    CDbTransaction(const CDbTransaction&) = delete;
    CDbTransaction& operator=(const CDbTransaction&) = delete;

    // False when the write lock could not be had; nothing may be written then.
    bool IsBegun() const { return m_begun; }
    // True when the writes took effect (for a nested bracket: when the outermost may still commit).
    bool Commit()
    {
        if (!m_begun || m_ended) {
            return false;
        }
        m_ended = true;
        return m_connection.CommitOperation();
    }

private:
    CDbConnection& m_connection;
    bool m_begun;
    bool m_ended = false;
};
