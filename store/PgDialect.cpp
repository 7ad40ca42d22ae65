#include "PgDialect.h"

#include "CPgCatalog.h"
#include "SqlTokens.h"

#include <QHash>
#include <QSet>

#include <vector>

namespace {

using Tokens = std::vector<SqlToken>;
using Type = SqlToken::Type;

// Words that are never taken for a name, even where a table or column of that name exists.
bool IsKeyword(const QString& word)
{
    static const QSet<QString> keywords = {
        "all",     "alter",  "and",    "as",       "asc",     "between", "bit",     "by",        "case",   "cast",
        "collate", "create", "cross",  "datetime", "default", "delete",  "desc",    "distinct",  "double", "drop",
        "else",    "end",    "except", "exists",   "first",   "float",   "from",    "full",      "group",  "having",
        "if",      "in",     "index",  "inner",    "insert",  "int",     "integer", "intersect", "into",   "is",
        "join",    "last",   "left",   "like",     "limit",   "not",     "null",    "nulls",     "offset", "on",
        "or",      "order",  "outer",  "real",     "right",   "select",  "set",     "table",     "text",   "then",
        "union",   "unique", "update", "using",    "values",  "view",    "when",    "where",     "with"};
    return keywords.contains(word.toLower());
}

// Words that end a FROM item's alias or the FROM list itself.
bool EndsFromItem(const SqlToken& token)
{
    static const QSet<QString> words = {"where",   "inner", "left",   "right",     "full",  "cross",  "join",
                                        "on",      "order", "group",  "having",    "limit", "offset", "union",
                                        "natural", "using", "except", "intersect", "outer", "window"};
    return token.type == Type::Word && words.contains(token.text.toLower());
}

bool EndsFromList(const SqlToken& token)
{
    static const QSet<QString> words = {"where",  "order", "group",  "having",    "limit",
                                        "offset", "union", "except", "intersect", "window"};
    return (token.type == Type::Word && words.contains(token.text.toLower())) || token.text == QLatin1String(";");
}

bool IsName(const SqlToken& token)
{
    return token.type == Type::Word || token.type == Type::Bracketed || token.type == Type::DoubleQuoted;
}

QString FirstWord(const Tokens& tokens)
{
    const int first = SignificantToken(tokens, -1, +1);
    return first >= 0 ? tokens[first].text.toUpper() : QString();
}

// Position of the parenthesis that closes the one at open; the end when there is none.
int Closing(const Tokens& tokens, int open)
{
    int depth = 0;
    for (int i = open; i < static_cast<int>(tokens.size()); ++i) {
        if (tokens[i].text == QLatin1String("(")) {
            ++depth;
        } else if (tokens[i].text == QLatin1String(")") && --depth == 0) {
            return i;
        }
    }
    return static_cast<int>(tokens.size());
}

void MapParameters(Tokens& tokens)
{
    int largest = 0;
    for (SqlToken& token : tokens) {
        if (token.type != Type::Parameter) {
            continue;
        }
        const int number = token.text.size() > 1 ? token.text.mid(1).toInt() : largest + 1;
        largest = std::max(largest, number);
        token.text = QLatin1Char('$') + QString::number(number);
    }
}

// "COLLATE NOCASE" is what the server's text type does already.
void DropNocase(Tokens& tokens)
{
    for (int i = 0; i < static_cast<int>(tokens.size()); ++i) {
        const int next = SignificantToken(tokens, i, +1);
        if (IsWord(tokens[i], "collate") && next >= 0 && IsWord(tokens[next], "nocase")) {
            for (int j = i; j <= next; ++j) {
                tokens[j].text.clear();
            }
            if (i > 0 && tokens[i - 1].type == Type::Space) {
                tokens[i - 1].text.clear();
            }
        }
    }
}

QString ServerType(const QString& declared, const QString& textType, const QString& flagType)
{
    const QString type = declared.toUpper();
    if (type == QLatin1String("INT") || type == QLatin1String("INTEGER")) {
        return QStringLiteral("integer");
    }
    if (type == QLatin1String("FLOAT") || type == QLatin1String("REAL") || type == QLatin1String("DOUBLE")) {
        return QStringLiteral("double precision");
    }
    if (type == QLatin1String("TEXT") || type == QLatin1String("VARCHAR") || type == QLatin1String("CHAR")) {
        return textType + QLatin1String(" COLLATE \"C\"");
    }
    if (type == QLatin1String("DATETIME") || type == QLatin1String("DATE") || type == QLatin1String("TIMESTAMP")) {
        return QStringLiteral("timestamp(0) without time zone");
    }
    if (type == QLatin1String("BIT") || type == QLatin1String("BOOLEAN")) {
        return flagType;
    }
    return declared;
}

// The column types of a CREATE TABLE, and the rowid column after the last one.
// Returns the position of the table's name, -1 when the statement creates no table with columns.
int MapCreateTable(Tokens& tokens, const QString& textType, const QString& flagType)
{
    const int create = SignificantToken(tokens, -1, +1);
    int name = SignificantToken(tokens, SignificantToken(tokens, create, +1), +1);
    while (name >= 0 && (IsWord(tokens[name], "if") || IsWord(tokens[name], "not") || IsWord(tokens[name], "exists"))) {
        name = SignificantToken(tokens, name, +1);
    }
    const int open = name < 0 ? -1 : SignificantToken(tokens, name, +1);
    if (open < 0 || tokens[open].text != QLatin1String("(")) {
        return -1;
    }
    const int close = Closing(tokens, open);
    bool hasRowId = false;
    int depth = 0;
    for (int i = open; i < close; ++i) {
        depth += tokens[i].text == QLatin1String("(") ? 1 : tokens[i].text == QLatin1String(")") ? -1 : 0;
        if (depth != 1 || (tokens[i].text != QLatin1String("(") && tokens[i].text != QLatin1String(","))) {
            continue;
        }
        const int column = SignificantToken(tokens, i, +1);
        const int type = column < 0 ? -1 : SignificantToken(tokens, column, +1);
        // A table constraint (PRIMARY KEY, UNIQUE) starts with a bare keyword, a column with its name.
        if (type < 0 || !IsName(tokens[column]) ||
            (tokens[column].type == Type::Word && IsKeyword(tokens[column].text))) {
            continue;
        }
        hasRowId = hasRowId || TokenName(tokens[column]).compare(CPgCatalog::kRowId, Qt::CaseInsensitive) == 0;
        if (tokens[type].type == Type::Word) {
            tokens[type].text = ServerType(tokens[type].text, textType, flagType);
        }
    }
    if (!hasRowId && close < static_cast<int>(tokens.size())) {
        tokens[close].text.prepend(
            QStringLiteral(", %1 bigint GENERATED BY DEFAULT AS IDENTITY UNIQUE").arg(CPgCatalog::kRowId));
    }
    // Replays rewrite rows over and over; room left in each page lets the server rewrite a row
    // beside itself without touching the indexes.
    if (close < static_cast<int>(tokens.size())) {
        tokens[close].text += QLatin1String(" WITH (fillfactor = 60)");
    }
    return name;
}

QHash<QString, QString> ColumnAliases(const Tokens& tokens)
{
    QHash<QString, QString> aliases;
    for (int i = 0; i < static_cast<int>(tokens.size()); ++i) {
        const int alias = SignificantToken(tokens, i, +1);
        if (IsWord(tokens[i], "as") && alias >= 0 && IsName(tokens[alias]) &&
            (tokens[alias].type != Type::Word || !IsKeyword(tokens[alias].text))) {
            aliases.insert(TokenName(tokens[alias]).toLower(), TokenName(tokens[alias]));
        }
    }
    return aliases;
}

void QuoteNames(Tokens& tokens, const CPgCatalog& catalog)
{
    const QHash<QString, QString> aliases = ColumnAliases(tokens);
    const auto spelling = [&](const QString& name) {
        return catalog.Knows(name) ? catalog.Canonical(name) : aliases.value(name.toLower(), name);
    };
    for (SqlToken& token : tokens) {
        const QString name = TokenName(token);
        const bool quoted = token.type == Type::Bracketed || token.type == Type::DoubleQuoted;
        if (quoted || (token.type == Type::Word && !IsKeyword(name) &&
                       name.compare(CPgCatalog::kRowId, Qt::CaseInsensitive) != 0 &&
                       (catalog.Knows(name) || aliases.contains(name.toLower())))) {
            token.text = PgQuoted(spelling(name));
            token.type = Type::DoubleQuoted;
        }
    }
}

struct FromItem
{
    QString reference; // how the select list names it, as written in the mapped text
    QString name;      // the name that stands for
    const CPgCatalog::Table* table = nullptr;
};

// The items of the FROM list of the select whose list holds position from.
QList<FromItem> FromItems(const Tokens& tokens, int from, const CPgCatalog& catalog)
{
    int depth = 0;
    int i = from;
    for (; i < static_cast<int>(tokens.size()); ++i) {
        depth += tokens[i].text == QLatin1String("(") ? 1 : tokens[i].text == QLatin1String(")") ? -1 : 0;
        if (depth < 0) {
            return {};
        }
        if (depth == 0 && IsWord(tokens[i], "from")) {
            break;
        }
    }
    QList<FromItem> items;
    int at = SignificantToken(tokens, i, +1);
    while (at >= 0) {
        FromItem item;
        int last = at;
        if (tokens[at].text == QLatin1String("(")) {
            last = Closing(tokens, at);
        } else if (IsName(tokens[at])) {
            item.table = catalog.Find(TokenName(tokens[at]));
            item.reference = tokens[at].text;
            item.name = TokenName(tokens[at]);
        } else {
            return items;
        }
        int alias = SignificantToken(tokens, last, +1);
        if (alias >= 0 && IsWord(tokens[alias], "as")) {
            alias = SignificantToken(tokens, alias, +1);
        }
        if (alias >= 0 && IsName(tokens[alias]) && !EndsFromItem(tokens[alias])) {
            item.reference = tokens[alias].text;
            item.name = TokenName(tokens[alias]);
            last = alias;
        }
        items << item;
        // On to the next item: after a comma or a JOIN at this level, up to the end of the list.
        at = -1;
        for (int j = last + 1, level = 0; j < static_cast<int>(tokens.size()); ++j) {
            level += tokens[j].text == QLatin1String("(") ? 1 : tokens[j].text == QLatin1String(")") ? -1 : 0;
            if (level < 0 || (level == 0 && EndsFromList(tokens[j]))) {
                break;
            }
            if (level == 0 && (tokens[j].text == QLatin1String(",") || IsWord(tokens[j], "join"))) {
                at = SignificantToken(tokens, j, +1);
                break;
            }
        }
    }
    return items;
}

QString ColumnList(const FromItem& item)
{
    QStringList columns;
    for (const QString& column : item.table->columns) {
        columns << item.reference + QLatin1Char('.') + PgQuoted(column);
    }
    return columns.join(QLatin1String(", "));
}

void ExpandStars(Tokens& tokens, const CPgCatalog& catalog)
{
    for (int i = 0; i < static_cast<int>(tokens.size()); ++i) {
        if (tokens[i].type != Type::Other || tokens[i].text != QLatin1String("*")) {
            continue;
        }
        const int before = SignificantToken(tokens, i, -1);
        if (before < 0) {
            continue;
        }
        if (tokens[before].text == QLatin1String(".")) {
            const int qualifier = SignificantToken(tokens, before, -1);
            for (const FromItem& item : FromItems(tokens, i, catalog)) {
                if (qualifier >= 0 && item.table != nullptr &&
                    TokenName(tokens[qualifier]).compare(item.name, Qt::CaseInsensitive) == 0) {
                    tokens[qualifier].text = ColumnList(item);
                    tokens[before].text.clear();
                    tokens[i].text.clear();
                    break;
                }
            }
            continue;
        }
        const bool listStart = IsWord(tokens[before], "select") || IsWord(tokens[before], "distinct") ||
                               IsWord(tokens[before], "all") || tokens[before].text == QLatin1String(",");
        if (!listStart) {
            continue;
        }
        QStringList lists;
        for (const FromItem& item : FromItems(tokens, i, catalog)) {
            if (item.table == nullptr && item.reference.isEmpty()) {
                lists.clear();
                break;
            }
            lists << (item.table != nullptr ? ColumnList(item) : item.reference + QLatin1String(".*"));
        }
        if (!lists.isEmpty()) {
            tokens[i].text = lists.join(QLatin1String(", "));
        }
    }
}

// A window's frame ("ROWS UNBOUNDED PRECEDING") follows the last item of its ORDER BY; a column
// that happens to be named "rows" does not start one.
bool StartsFrame(const Tokens& tokens, int i)
{
    static const QSet<QString> kinds = {"rows", "range", "groups"};
    static const QSet<QString> bounds = {"between", "unbounded", "current"};
    const int next = SignificantToken(tokens, i, +1);
    return tokens[i].type == Type::Word && kinds.contains(tokens[i].text.toLower()) && next >= 0 &&
           ((tokens[next].type == Type::Word && bounds.contains(tokens[next].text.toLower())) ||
            tokens[next].type == Type::Number || tokens[next].type == Type::Parameter);
}

bool EndsOrderList(const Tokens& tokens, int i)
{
    static const QSet<QString> words = {"limit", "offset", "for", "fetch", "union", "except", "intersect"};
    const SqlToken& token = tokens[i];
    return (token.type == Type::Word && words.contains(token.text.toLower())) || token.text == QLatin1String(";") ||
           StartsFrame(tokens, i);
}

// SQLite takes nulls as the smallest values; PostgreSQL as the largest.
void PlaceNulls(Tokens& tokens)
{
    for (int i = 0; i < static_cast<int>(tokens.size()); ++i) {
        const int by = SignificantToken(tokens, i, +1);
        if (!IsWord(tokens[i], "order") || by < 0 || !IsWord(tokens[by], "by")) {
            continue;
        }
        int itemEnd = -1;
        bool hasNulls = false;
        const auto closeItem = [&] {
            if (itemEnd >= 0 && !hasNulls) {
                tokens[itemEnd].text +=
                    IsWord(tokens[itemEnd], "desc") ? QLatin1String(" NULLS LAST") : QLatin1String(" NULLS FIRST");
            }
            itemEnd = -1;
            hasNulls = false;
        };
        int depth = 0;
        int j = by + 1;
        for (; j < static_cast<int>(tokens.size()); ++j) {
            depth += tokens[j].text == QLatin1String("(") ? 1 : tokens[j].text == QLatin1String(")") ? -1 : 0;
            if (depth < 0 || (depth == 0 && EndsOrderList(tokens, j))) {
                break;
            }
            if (depth == 0 && tokens[j].text == QLatin1String(",")) {
                closeItem();
            } else if (tokens[j].type != Type::Space && !tokens[j].text.isEmpty()) {
                itemEnd = depth == 0 ? j : itemEnd;
                hasNulls = hasNulls || IsWord(tokens[j], "nulls");
            }
        }
        closeItem();
        i = j;
    }
}

void MapFunctions(Tokens& tokens)
{
    for (int i = 0; i < static_cast<int>(tokens.size()); ++i) {
        const int next = SignificantToken(tokens, i, +1);
        if (IsWord(tokens[i], "ifnull") && next >= 0 && tokens[next].text == QLatin1String("(")) {
            tokens[i].text = QStringLiteral("coalesce");
        }
    }
}

} // namespace

QString PgQuoted(const QString& name)
{
    QString quoted = name;
    return QLatin1Char('"') + quoted.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

PgStatement MapToPostgres(const QString& sql, const CPgCatalog& catalog, const QString& textType,
                          const QString& flagType)
{
    Tokens tokens = TokenizeSql(sql);
    PgStatement statement;
    const QString kind = FirstWord(tokens);
    statement.returnsRows =
        kind == QLatin1String("SELECT") || kind == QLatin1String("WITH") || kind == QLatin1String("VALUES");
    statement.changesSchema =
        kind == QLatin1String("CREATE") || kind == QLatin1String("DROP") || kind == QLatin1String("ALTER");
    MapParameters(tokens);
    DropNocase(tokens);
    const int second = SignificantToken(tokens, SignificantToken(tokens, -1, +1), +1);
    const int created = kind == QLatin1String("CREATE") && second >= 0 && IsWord(tokens[second], "table")
                            ? MapCreateTable(tokens, textType, flagType)
                            : -1;
    // A DROP of a table that is not there is never an error to the callers; on the server it
    // would only fill the log.
    const bool dropsTable = kind == QLatin1String("DROP") && second >= 0 && IsWord(tokens[second], "table");
    int dropped = -1;
    if (dropsTable) {
        dropped = SignificantToken(tokens, second, +1);
        if (dropped < 0 || !IsWord(tokens[dropped], "if")) {
            tokens[second].text += QLatin1String(" IF EXISTS");
        }
        while (dropped >= 0 && (IsWord(tokens[dropped], "if") || IsWord(tokens[dropped], "exists"))) {
            dropped = SignificantToken(tokens, dropped, +1);
        }
    }
    QuoteNames(tokens, catalog);
    // A table missing from the book's schema must not be found in another one on the search path
    // (the text type's schema, another shop's book).
    if (dropped >= 0 && !catalog.Schema().isEmpty() && IsName(tokens[dropped])) {
        tokens[dropped].text = PgQuoted(catalog.Schema()) + QLatin1Char('.') + tokens[dropped].text;
    }
    if (created >= 0) {
        statement.createdTable = tokens[created].text;
    }
    ExpandStars(tokens, catalog);
    PlaceNulls(tokens);
    MapFunctions(tokens);
    for (const SqlToken& token : tokens) {
        statement.sql += token.text;
    }
    return statement;
}
