#pragma once

#include "CDbConnection.h"

// Brackets one document operation: everything written between construction and destruction is
// one store transaction (nested brackets join the outermost one). The effects are committed
// when the outermost bracket ends, so a crash in between leaves the file as it was before.
class CDbTransaction
{
public:
    explicit CDbTransaction(CDbConnection& connection) : m_connection(connection) { m_connection.BeginOperation(); }
    ~CDbTransaction() { m_connection.EndOperation(); }
    CDbTransaction(const CDbTransaction&) = delete;
    CDbTransaction& operator=(const CDbTransaction&) = delete;

private:
    CDbConnection& m_connection;
};
