#include "TestBooks.h"

#include "CDbConnection.h"
#include "CDbRecordset.h"

#include <QFile>
#include <QTemporaryDir>

#include <libpq-fe.h>

#include <atomic>
#include <unistd.h>

bool BooksOnServer()
{
    return !qEnvironmentVariableIsEmpty("QUILLET_TEST_SERVER");
}

QString TestServerBase()
{
    QFile file(qEnvironmentVariable("QUILLET_TEST_SERVER"));
    if (!BooksOnServer() || !file.open(QIODevice::ReadOnly)) {
        return QString();
    }
    return QString::fromUtf8(file.readAll()).trimmed();
}

QString NewBookLocation(const QTemporaryDir& folder, const QString& fileName)
{
    if (!BooksOnServer()) {
        return folder.filePath(fileName);
    }
    static std::atomic<int> counter = 0;
    return TestServerBase() + QStringLiteral("book_%1_%2").arg(getpid()).arg(++counter);
}

QString OpenEmptyStore(CDbConnection& connection, const QTemporaryDir& folder, const QString& fileName)
{
    const QString path = NewBookLocation(folder, fileName);
    CDbRecordset creator(connection);
    if (!creator.OpenWithoutFile(QStringLiteral("CREATE DATABASE '%1'").arg(path))) {
        return QString();
    }
    connection.Open(path);
    return path;
}

namespace {
bool RunOn(const QString& database, const QByteArray& sql)
{
    PGconn* server = PQconnectdb(database.toUtf8().constData());
    bool done = PQstatus(server) == CONNECTION_OK;
    if (done) {
        PGresult* result = PQexec(server, sql.constData());
        done = PQresultStatus(result) == PGRES_COMMAND_OK || PQresultStatus(result) == PGRES_TUPLES_OK;
        PQclear(result);
    }
    PQfinish(server);
    return done;
}
} // namespace

void RemoveBook(const QString& location)
{
    const QString base = TestServerBase();
    if (base.isEmpty() || !location.startsWith(base)) {
        return;
    }
    QByteArray name = location.mid(base.size()).toUtf8();
    RunOn(base + QStringLiteral("postgres"),
          "DROP DATABASE IF EXISTS \"" + name.replace('"', "\"\"") + "\" WITH (FORCE)");
}

bool RunOnServer(const QString& location, const QByteArray& sql)
{
    return !TestServerBase().isEmpty() && location.startsWith(TestServerBase()) && RunOn(location, sql);
}
