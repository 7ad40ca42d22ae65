#include "DataFileCopy.h"

#include "CBookCopy.h"
#include "CDbConnection.h"
#include "SchemaScripts.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QStringList>
#include <QTemporaryFile>

#include <sqlite3.h>

#include <cstdio>
#include <optional>
#include <sys/stat.h>

namespace {

// Owns one sqlite3 handle for the length of a whole-file operation.
class CSqliteHandle
{
public:
    CSqliteHandle(const QString& path, int flags)
    {
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, flags, nullptr) != SQLITE_OK) {
            sqlite3_close_v2(m_db);
            m_db = nullptr;
            return;
        }
        sqlite3_busy_timeout(m_db, CDbConnection::kBusyTimeoutMs);
    }
    ~CSqliteHandle() { sqlite3_close_v2(m_db); }
    CSqliteHandle(const CSqliteHandle&) = delete;
    CSqliteHandle& operator=(const CSqliteHandle&) = delete;

    sqlite3* Get() const { return m_db; }
    bool Exec(const char* sql) const { return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

    // The first column of every row of a query with one optional text parameter; nothing when it fails.
    std::optional<QStringList> Column(const char* sql, const QString& parameter = QString()) const
    {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &stmt, nullptr) != SQLITE_OK) {
            sqlite3_finalize(stmt);
            return std::nullopt;
        }
        const QByteArray utf8 = parameter.toUtf8();
        if (!parameter.isNull()) {
            sqlite3_bind_text(stmt, 1, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_STATIC);
        }
        QStringList values;
        int rc = SQLITE_ROW;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            values << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
        }
        sqlite3_finalize(stmt);
        if (rc != SQLITE_DONE) {
            return std::nullopt;
        }
        return values;
    }

private:
    sqlite3* m_db = nullptr;
};

// Pages copied between two looks at the clock: a few milliseconds of work.
constexpr int kPagesPerSlice = 256;

// One step copies every page inside one read transaction of the source: a consistent snapshot.
// With a beat the pages go in slices, all inside one read transaction held open on the source, so
// the copy is still one snapshot and another program's commit meanwhile does not restart it.
bool BackUp(const CSqliteHandle& source, sqlite3* destination, const std::function<void()>& beat)
{
    const bool sliced = beat && source.Exec("BEGIN") && source.Column("SELECT count(*) FROM sqlite_master");
    sqlite3_backup* backup = sqlite3_backup_init(destination, "main", source.Get(), "main");
    int stepped = SQLITE_ERROR;
    if (backup != nullptr) {
        QElapsedTimer sinceBeat;
        sinceBeat.start();
        while ((stepped = sqlite3_backup_step(backup, sliced ? kPagesPerSlice : -1)) == SQLITE_OK) {
            if (sinceBeat.elapsed() >= CDbConnection::kHeartbeatMs) {
                beat();
                sinceBeat.start();
            }
        }
    }
    const bool finished = backup != nullptr && sqlite3_backup_finish(backup) == SQLITE_OK;
    if (beat) {
        source.Exec("ROLLBACK");
    }
    return stepped == SQLITE_DONE && finished;
}

void RemoveJournalFiles(const QString& path)
{
    for (const char* suffix : {"-wal", "-shm", "-journal"}) {
        QFile::remove(path + QLatin1String(suffix));
    }
}

// An empty file beside target that SQLite can open; empty name when it cannot be made.
QString TemporaryFileBeside(const QString& target)
{
    QTemporaryFile file(target + QStringLiteral(".XXXXXX.tmp"));
    file.setAutoRemove(false);
    if (!file.open()) {
        return QString();
    }
    return file.fileName();
}

bool CopyInto(const QString& source, const QString& temporary, const std::function<void()>& beat)
{
    const CSqliteHandle from(source, SQLITE_OPEN_READONLY);
    const CSqliteHandle to(temporary, SQLITE_OPEN_READWRITE);
    return from.Get() != nullptr && to.Get() != nullptr && BackUp(from, to.Get(), beat) &&
           to.Exec("PRAGMA journal_mode=DELETE");
}

// Puts a complete copy in place of target, or removes what a failed copy left.
bool ReplaceWith(const QString& temporary, const QString& target, bool copied)
{
    if (copied && QFileInfo::exists(target)) {
        // The replacement keeps who may read and write the file it replaces.
        QFile::setPermissions(temporary, QFile::permissions(target));
    }
    if (copied) {
        RemoveJournalFiles(target);
        // rename() replaces the target in one step, which QFile::rename does not.
        copied = std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) == 0;
    }
    if (!copied) {
        QFile::remove(temporary);
        RemoveJournalFiles(temporary);
    }
    return copied;
}

} // namespace

bool CopyDatabaseFile(const QString& source, const QString& target, const std::function<void()>& beat)
{
    if (!QFileInfo(source).isFile()) {
        return false;
    }
    const QString temporary = TemporaryFileBeside(target);
    if (temporary.isEmpty()) {
        return false;
    }
    return ReplaceWith(temporary, target, CopyInto(source, temporary, beat));
}

bool IsQuilletDataFile(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        return false;
    }
    const CSqliteHandle file(path, SQLITE_OPEN_READONLY);
    if (file.Get() == nullptr || file.Column("PRAGMA quick_check") != QStringList{QStringLiteral("ok")}) {
        return false;
    }
    static const QStringList optional = {QStringLiteral("Version"), QStringLiteral("PayeeType"),
                                         QStringLiteral("TransType")};
    for (const SchemaTable& expected : SchemaTables()) {
        const std::optional<QStringList> columns =
            file.Column("SELECT name FROM pragma_table_info(?1) WHERE (SELECT type FROM sqlite_master WHERE name = ?1) "
                        "= 'table' ORDER BY cid",
                        expected.name);
        const bool missingButOptional = columns && columns->isEmpty() && optional.contains(expected.name);
        if (columns != expected.columns && !missingButOptional) {
            return false;
        }
    }
    return true;
}

namespace {

bool SameFile(const QString& a, const QString& b)
{
    struct stat first = {};
    struct stat second = {};
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

// The absolute path a file would have once created: its folder resolved, its name kept.
QString ResolvedPath(const QString& path)
{
    const QFileInfo info(path);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? info.absoluteFilePath() : QDir(folder).filePath(info.fileName());
}

} // namespace

QString BackupWritePath(const QString& target)
{
    const QFileInfo info(target);
    return info.isSymLink() ? info.symLinkTarget() : target;
}

QString NotRegularFileRefusal(const QString& target, const QString& purpose)
{
    const QFileInfo info(BackupWritePath(target));
    if (info.exists() && !info.isFile()) {
        return QStringLiteral("\"%1\" is not a regular file; choose a file for %2.").arg(target, purpose);
    }
    return QString();
}

QString BackupTargetRefusal(const QString& dataFile, const QString& target)
{
    if (QString refusal = NotRegularFileRefusal(target, QStringLiteral("the backup")); !refusal.isEmpty()) {
        return refusal;
    }
    const QString written = BackupWritePath(target);
    const QString data = ResolvedPath(dataFile);
    const QString resolved = ResolvedPath(written);
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
        const QString part = data + QLatin1String(suffix);
        if (resolved == part || SameFile(written, part)) {
            return QStringLiteral("\"%1\" is the data file itself or one of its journal files; choose another file "
                                  "for the backup.")
                .arg(target);
        }
    }
    return QString();
}

namespace {

// A server book is copied row by row into a new file beside the target, then renamed over it. The
// book's write lock is held while it is read, so the copy is one state of the book, not tables
// taken before and after another program's posting.
bool CopyServerBookToFile(CDbConnection& book, const QString& target, const std::function<void()>& beat)
{
    const QString temporary = TemporaryFileBeside(target);
    if (temporary.isEmpty() || !QFile::remove(temporary)) {
        return false;
    }
    bool copied = false;
    if (book.BeginOperation()) {
        CDbConnection file;
        copied = file.CreateDatabase(temporary);
        file.Open(temporary);
        book.SetHeartbeat(beat);
        file.SetHeartbeat(beat);
        copied = copied && file.BeginOperation();
        copied = copied && CBookCopy(book, file).CopyTables() && file.CommitOperation();
        file.RollbackOperation();
        book.RollbackOperation();
        book.SetHeartbeat({});
    }
    copied = copied && CSqliteHandle(temporary, SQLITE_OPEN_READWRITE).Exec("PRAGMA journal_mode=DELETE");
    return ReplaceWith(temporary, target, copied);
}

} // namespace

bool BackUpBook(CDbConnection& book, const QString& target, const std::function<void()>& beat)
{
    if (CDbConnection::NamesServer(book.ConnectionText())) {
        return CopyServerBookToFile(book, target, beat);
    }
    book.Close();
    return CopyDatabaseFile(book.ConnectionText(), target, beat);
}
