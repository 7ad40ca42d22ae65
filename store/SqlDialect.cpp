#include "SqlDialect.h"

#include "DateText.h"

#include <QRegularExpression>

#include <vector>

namespace {

struct Token
{
    enum class Type
    {
        Space,
        Word,
        Bracketed,
        SingleQuoted,
        DoubleQuoted,
        Other
    };
    Type type;
    QString text;
};

int QuotedEnd(const QString& sql, int start, QChar quote)
{
    int i = start + 1;
    while (i < sql.size()) {
        if (sql[i] == quote) {
            if (i + 1 < sql.size() && sql[i + 1] == quote) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return static_cast<int>(sql.size());
}

std::vector<Token> Tokenize(const QString& sql)
{
    std::vector<Token> tokens;
    int i = 0;
    const int n = static_cast<int>(sql.size());
    while (i < n) {
        const QChar c = sql[i];
        int end = i + 1;
        Token::Type type = Token::Type::Other;
        if (c.isSpace()) {
            while (end < n && sql[end].isSpace()) {
                ++end;
            }
            type = Token::Type::Space;
        } else if (c.isLetter() || c == QLatin1Char('_')) {
            while (end < n && (sql[end].isLetterOrNumber() || sql[end] == QLatin1Char('_'))) {
                ++end;
            }
            type = Token::Type::Word;
        } else if (c == QLatin1Char('[')) {
            end = static_cast<int>(sql.indexOf(QLatin1Char(']'), i));
            end = end < 0 ? n : end + 1;
            type = Token::Type::Bracketed;
        } else if (c == QLatin1Char('\'')) {
            end = QuotedEnd(sql, i, c);
            type = Token::Type::SingleQuoted;
        } else if (c == QLatin1Char('"')) {
            end = QuotedEnd(sql, i, c);
            type = Token::Type::DoubleQuoted;
        } else if ((c == QLatin1Char('<') || c == QLatin1Char('>') || c == QLatin1Char('!')) && end < n &&
                   (sql[end] == QLatin1Char('=') || sql[end] == QLatin1Char('>'))) {
            ++end;
        }
        tokens.push_back({type, sql.mid(i, end - i)});
        i = end;
    }
    return tokens;
}

QString Unquote(const QString& quoted, QChar quote)
{
    QString inner = quoted.mid(1, quoted.size() >= 2 && quoted.endsWith(quote) ? quoted.size() - 2 : quoted.size() - 1);
    return inner.replace(QString(2, quote), QString(quote));
}

QString SingleQuoted(QString text)
{
    return QLatin1Char('\'') + text.replace(QLatin1Char('\''), QLatin1String("''")) + QLatin1Char('\'');
}

QString NameOf(const Token& token)
{
    if (token.type == Token::Type::Bracketed) {
        return token.text.mid(1, token.text.size() - 2);
    }
    return token.type == Token::Type::Word ? token.text : QString();
}

bool IsComparison(const Token& token)
{
    static const QStringList operators = {QStringLiteral("="),  QStringLiteral("<"),  QStringLiteral(">"),
                                          QStringLiteral("<="), QStringLiteral(">="), QStringLiteral("<>"),
                                          QStringLiteral("!=")};
    return token.type == Token::Type::Other && operators.contains(token.text);
}

// Index of the nearest non-space token before (step -1) or after (step +1) position i; -1 when none.
int Significant(const std::vector<Token>& tokens, int i, int step)
{
    for (int j = i + step; j >= 0 && j < static_cast<int>(tokens.size()); j += step) {
        if (tokens[j].type != Token::Type::Space) {
            return j;
        }
    }
    return -1;
}

bool NamesDateColumn(const std::vector<Token>& tokens, int i, const QSet<QString>& dateTimeColumns)
{
    return i >= 0 && dateTimeColumns.contains(NameOf(tokens[i]).toLower());
}

bool ComparedWithDateColumn(const std::vector<Token>& tokens, int literal, const QSet<QString>& dateTimeColumns)
{
    const int before = Significant(tokens, literal, -1);
    if (before >= 0 && IsComparison(tokens[before]) &&
        NamesDateColumn(tokens, Significant(tokens, before, -1), dateTimeColumns)) {
        return true;
    }
    const int after = Significant(tokens, literal, +1);
    if (after < 0 || !IsComparison(tokens[after])) {
        return false;
    }
    // A qualified name (Table.Column) names its last part.
    int name = Significant(tokens, after, +1);
    const int dot = name < 0 ? -1 : Significant(tokens, name, +1);
    if (dot >= 0 && tokens[dot].text == QLatin1String(".")) {
        name = Significant(tokens, dot, +1);
    }
    return NamesDateColumn(tokens, name, dateTimeColumns);
}

bool StartsWithWords(const std::vector<Token>& tokens, const QString& first, const QString& second)
{
    const int a = Significant(tokens, -1, +1);
    const int b = a < 0 ? -1 : Significant(tokens, a, +1);
    return b >= 0 && tokens[a].text.compare(first, Qt::CaseInsensitive) == 0 &&
           tokens[b].text.compare(second, Qt::CaseInsensitive) == 0;
}

// "CREATE INDEX name ON table": the index name gets "_table" appended.
void RenameIndex(std::vector<Token>& tokens)
{
    const int create = Significant(tokens, -1, +1);
    const int index = Significant(tokens, create, +1);
    const int name = Significant(tokens, index, +1);
    const int on = name < 0 ? -1 : Significant(tokens, name, +1);
    const int table = on < 0 ? -1 : Significant(tokens, on, +1);
    if (table < 0 || tokens[on].text.compare(QLatin1String("ON"), Qt::CaseInsensitive) != 0) {
        return;
    }
    tokens[name].text = QStringLiteral("[%1_%2]").arg(NameOf(tokens[name]), NameOf(tokens[table]));
}

} // namespace

SqlMapping MapToSqlite(const QString& statement, const QSet<QString>& dateTimeColumns)
{
    static const QRegularExpression createDatabase(QStringLiteral(R"(^\s*CREATE\s+DATABASE\s+'(.*)'\s*;?\s*$)"),
                                                   QRegularExpression::CaseInsensitiveOption |
                                                       QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tableName(QStringLiteral(R"(^\s*\[?([A-Za-z_][A-Za-z0-9_]*)\]?\s*$)"));

    SqlMapping mapping;
    if (const auto match = createDatabase.match(statement); match.hasMatch()) {
        mapping.kind = SqlMapping::Kind::CreateDatabase;
        mapping.databasePath = match.captured(1).replace(QLatin1String("''"), QLatin1String("'"));
        return mapping;
    }
    if (const auto match = tableName.match(statement); match.hasMatch()) {
        mapping.sql = QStringLiteral("SELECT * FROM [%1]").arg(match.captured(1));
        return mapping;
    }

    QSet<QString> dateColumns;
    for (const QString& column : dateTimeColumns) {
        dateColumns.insert(column.toLower());
    }
    std::vector<Token> tokens = Tokenize(statement);
    const bool createTable = StartsWithWords(tokens, QStringLiteral("CREATE"), QStringLiteral("TABLE"));
    if (StartsWithWords(tokens, QStringLiteral("CREATE"), QStringLiteral("INDEX"))) {
        RenameIndex(tokens);
    }
    for (int i = 0; i < static_cast<int>(tokens.size()); ++i) {
        Token& token = tokens[i];
        switch (token.type) {
        case Token::Type::Word:
            if (token.text.compare(QLatin1String("Transaction"), Qt::CaseInsensitive) == 0) {
                token.text = QStringLiteral("[%1]").arg(token.text);
            } else if (createTable && token.text.compare(QLatin1String("TEXT"), Qt::CaseInsensitive) == 0) {
                token.text += QLatin1String(" COLLATE NOCASE");
            }
            break;
        case Token::Type::DoubleQuoted:
            token.text = SingleQuoted(Unquote(token.text, QLatin1Char('"')));
            token.type = Token::Type::SingleQuoted;
            [[fallthrough]];
        case Token::Type::SingleQuoted:
            if (ComparedWithDateColumn(tokens, i, dateColumns)) {
                if (const auto date = ParseStoreDate(Unquote(token.text, QLatin1Char('\'')))) {
                    token.text = SingleQuoted(StoreDateText(*date));
                }
            }
            break;
        default:
            break;
        }
    }
    for (const Token& token : tokens) {
        mapping.sql += token.text;
    }
    return mapping;
}
