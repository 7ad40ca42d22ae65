#pragma once

#include <QString>

class CDbConnection;
class QTemporaryDir;

// Where the tests' books live. A test program runs on files unless QUILLET_TEST_SERVER names the
// file holding the throwaway server's URI (see scripts/pg-test-server.sh); then every book is a
// database of its own on that server.

// True when the books of this run are on the server.
bool BooksOnServer();
// The server's URI without a database ("postgresql://quillet@127.0.0.1:PORT/"); empty when
// there is none.
QString TestServerBase();
// A location for a new book: the file name in folder, or an unused database on the server
// (neither created yet).
QString NewBookLocation(const QTemporaryDir& folder, const QString& fileName);
// An empty store (no tables) made at NewBookLocation and opened on connection; its location, or
// nothing when it cannot be made.
QString OpenEmptyStore(CDbConnection& connection, const QTemporaryDir& folder, const QString& fileName);
// Removes a server book's database, ending any connection still on it; nothing for a file.
void RemoveBook(const QString& location);
// Runs SQL of the server's own dialect on a server book's database, outside the store (to set up
// what a test needs: a trigger that fails commits, a lost connection); false when it fails or the
// book is a file.
bool RunOnServer(const QString& location, const QByteArray& sql);
