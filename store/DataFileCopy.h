#pragma once

#include <QString>

// Whole-file operations on SQLite data files. None of them shows anything; each returns false on
// failure and leaves the target as it was.

// Copies the database at source to target through SQLite's online backup, so a file that another
// connection is writing is copied as one consistent snapshot (WAL contents included). The copy is
// built in a temporary file beside target and renamed over it: target is replaced only by a
// complete copy. Stale "-wal", "-shm" and "-journal" files of the replaced target are removed
// before the rename, so they cannot be replayed into the copy. The copy is left in rollback-journal
// mode: one self-contained file. Every connection to target must be closed first.
bool CopyDatabaseFile(const QString& source, const QString& target);

// True when path is a sound SQLite file holding every table of the schema scripts with exactly
// their columns, in order. Opens the file read-only and writes nothing.
bool IsQuilletDataFile(const QString& path);
