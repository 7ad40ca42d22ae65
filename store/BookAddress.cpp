#include "BookAddress.h"

#include <QRegularExpression>

#include <libpq-fe.h>

#include <memory>

namespace {

struct ConninfoDeleter
{
    void operator()(PQconninfoOption* options) const { PQconninfoFree(options); }
};
using Conninfo = std::unique_ptr<PQconninfoOption, ConninfoDeleter>;

bool HasServerScheme(const QString& text)
{
    return text.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive) ||
           text.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

Conninfo Parse(const QString& text)
{
    char* error = nullptr;
    Conninfo options(PQconninfoParse(text.toUtf8().constData(), &error));
    PQfreemem(error);
    return options;
}

} // namespace

BookAddressKind KindOfBookAddress(const QString& text)
{
    if (HasServerScheme(text)) {
        return BookAddressKind::Server;
    }
    // libpq's key=value words; a file name with "=" in it is no valid list of them.
    if (text.contains(QLatin1Char('=')) && Parse(text) != nullptr) {
        return BookAddressKind::Server;
    }
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
    if (text.contains(QLatin1String("://")) || scheme.match(text).hasMatch()) {
        return BookAddressKind::Refused;
    }
    return BookAddressKind::File;
}

QString ServerConnectionText(const QString& text)
{
    if (!HasServerScheme(text)) {
        return text;
    }
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    return text.left(colon).toLower() + text.mid(colon);
}

QString ShownBookAddress(const QString& text)
{
    switch (KindOfBookAddress(text)) {
    case BookAddressKind::File:
        return text;
    case BookAddressKind::Refused: {
        // Whatever stands between "//" or ":" and "@" may be a password.
        static const QRegularExpression secret(QStringLiteral("^([^@/:]*:/*[^@/:]*):[^@/]*@"));
        static const QRegularExpression word(QStringLiteral("(password\\s*=\\s*)\\S*"),
                                             QRegularExpression::CaseInsensitiveOption);
        return QString(text).replace(secret, QStringLiteral("\\1@")).replace(word, QStringLiteral("\\1..."));
    }
    case BookAddressKind::Server:
        break;
    }
    const Conninfo options = Parse(ServerConnectionText(text));
    QString user;
    QString host;
    QString port;
    QString database;
    for (const PQconninfoOption* option = options.get(); option != nullptr && option->keyword != nullptr; ++option) {
        const QByteArray keyword(option->keyword);
        const QString value = QString::fromUtf8(option->val);
        if (keyword == "user") {
            user = value;
        } else if (keyword == "host") {
            host = value;
        } else if (keyword == "port") {
            port = value;
        } else if (keyword == "dbname") {
            database = value;
        }
    }
    QString shown = QStringLiteral("postgresql://");
    if (!user.isEmpty()) {
        shown += user + QLatin1Char('@');
    }
    shown += host;
    if (!port.isEmpty()) {
        shown += QLatin1Char(':') + port;
    }
    return shown + QLatin1Char('/') + database;
}

QString RefusedAddressReason()
{
    return QStringLiteral("it is neither a data file path nor a server address (postgresql://USER@HOST:PORT/DB or "
                          "\"host=... dbname=...\")");
}
