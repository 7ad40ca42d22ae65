#pragma once

#include <QString>

// Where a book is, as the user wrote it: a data file path, or a libpq connection text naming a
// database on a server (a URI whose scheme, "postgresql://" or "postgres://", may be written in
// any letter case, or "key=value" words). A text that looks like an address but is neither (a
// mistyped scheme, "postgresql:/host") is refused rather than taken for a file: it would become
// folders named after it, the password among them.

enum class BookAddressKind
{
    File,
    Server,
    Refused
};

BookAddressKind KindOfBookAddress(const QString& text);

// The text libpq is given for a server address (the scheme in lower case); other texts as they are.
QString ServerConnectionText(const QString& text);

// The address as messages, titles and logs show it: a server's user, host, port and database
// ("postgresql://USER@HOST:PORT/DB"), never its password; a file's path as it is.
QString ShownBookAddress(const QString& text);

// Why a refused address cannot be used, in words for the user.
QString RefusedAddressReason();
