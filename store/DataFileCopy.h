#pragma once

#include <QString>

#include <functional>

class CDbConnection;

// Whole-file operations on SQLite data files and backups of a book into one. None of them shows anything; each returns
// false on failure and leaves the target as it was.

// Copies the database at source to target through SQLite's online backup, so a file that another
// connection is writing is copied as one consistent snapshot (WAL contents included). The copy is
// built in a temporary file beside target and renamed over it: target is replaced only by a
// complete copy. Stale "-wal", "-shm" and "-journal" files of the replaced target are removed
// before the rename, so they cannot be replayed into the copy. The copy is left in rollback-journal
// mode: one self-contained file. Every connection to target must be closed first. With a beat, the
// pages go over in slices (still one snapshot) and beat is called about every
// CDbConnection::kHeartbeatMs, so that a window keeps painting through the copy of a large file.
bool CopyDatabaseFile(const QString& source, const QString& target, const std::function<void()>& beat = {});

// True when path is a sound SQLite file holding every table the program reads with exactly the
// columns of the schema scripts, in order; the lookup and mark tables (Version, PayeeType,
// TransType) may be missing, as a reset never brings back a missing Version table, but when
// present their columns must match too. Opens the file read-only and writes nothing.
bool IsQuilletDataFile(const QString& path);

// Why a file cannot be written at target: it exists and is no regular file (a device, a FIFO, a
// folder), which replacing would destroy or which would swallow the bytes. A symbolic link is
// judged by the file it points to. The message ends "choose a file for <purpose>."; empty when
// target can be written.
QString NotRegularFileRefusal(const QString& target, const QString& purpose);

// Why target cannot take a backup of the data file: it is the data file itself or one of its
// journal files ("-wal", "-shm", "-journal"), or it exists and is no regular file (a device, a
// folder). Empty when it can. A symbolic link is judged by the file it points to.
QString BackupTargetRefusal(const QString& dataFile, const QString& target);
// The path a backup to target writes: the file a symbolic link points to, else target.
QString BackupWritePath(const QString& target);

// Backs the book up into the data file target: a file book through CopyDatabaseFile (its
// connection is closed first), a server book row by row into a new file that replaces target
// only when complete. False when the copy fails; target is then as it was. beat as for
// CopyDatabaseFile.
bool BackUpBook(CDbConnection& book, const QString& target, const std::function<void()>& beat = {});
