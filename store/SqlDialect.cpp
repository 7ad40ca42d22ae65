#include "SqlDialect.h"

#include "DateText.h"
#include "SqlTokens.h"

#include <QRegularExpression>

#include <vector>

namespace {

using Token = SqlToken;

QString SingleQuoted(QString text)
{
    return QLatin1Char('\'') + text.replace(QLatin1Char('\''), QLatin1String("''")) + QLatin1Char('\'');
}

bool IsComparison(const Token& token)
{
    static const QStringList operators = {QStringLiteral("="),  QStringLiteral("<"),  QStringLiteral(">"),
                                          QStringLiteral("<="), QStringLiteral(">="), QStringLiteral("<>"),
                                          QStringLiteral("!=")};
    return token.type == Token::Type::Other && operators.contains(token.text);
}

bool NamesDateColumn(const std::vector<Token>& tokens, int i, const QSet<QString>& dateTimeColumns)
{
    return i >= 0 && dateTimeColumns.contains(TokenName(tokens[i]).toLower());
}

bool ComparedWithDateColumn(const std::vector<Token>& tokens, int literal, const QSet<QString>& dateTimeColumns)
{
    const int before = SignificantToken(tokens, literal, -1);
    if (before >= 0 && IsComparison(tokens[before]) &&
        NamesDateColumn(tokens, SignificantToken(tokens, before, -1), dateTimeColumns)) {
        return true;
    }
    const int after = SignificantToken(tokens, literal, +1);
    if (after < 0 || !IsComparison(tokens[after])) {
        return false;
    }
    // A qualified name (Table.Column) names its last part.
    int name = SignificantToken(tokens, after, +1);
    const int dot = name < 0 ? -1 : SignificantToken(tokens, name, +1);
    if (dot >= 0 && tokens[dot].text == QLatin1String(".")) {
        name = SignificantToken(tokens, dot, +1);
    }
    return NamesDateColumn(tokens, name, dateTimeColumns);
}

bool StartsWithWords(const std::vector<Token>& tokens, const QString& first, const QString& second)
{
    const int a = SignificantToken(tokens, -1, +1);
    const int b = a < 0 ? -1 : SignificantToken(tokens, a, +1);
    return b >= 0 && tokens[a].text.compare(first, Qt::CaseInsensitive) == 0 &&
           tokens[b].text.compare(second, Qt::CaseInsensitive) == 0;
}

// "CREATE INDEX name ON table": the index name gets "_table" appended.
void RenameIndex(std::vector<Token>& tokens)
{
    const int create = SignificantToken(tokens, -1, +1);
    const int index = SignificantToken(tokens, create, +1);
    const int name = SignificantToken(tokens, index, +1);
    const int on = name < 0 ? -1 : SignificantToken(tokens, name, +1);
    const int table = on < 0 ? -1 : SignificantToken(tokens, on, +1);
    if (table < 0 || tokens[on].text.compare(QLatin1String("ON"), Qt::CaseInsensitive) != 0) {
        return;
    }
    tokens[name].text = QStringLiteral("[%1_%2]").arg(TokenName(tokens[name]), TokenName(tokens[table]));
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
    std::vector<Token> tokens = TokenizeSql(statement);
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
            token.text = SingleQuoted(UnquotedText(token.text, QLatin1Char('"')));
            token.type = Token::Type::SingleQuoted;
            [[fallthrough]];
        case Token::Type::SingleQuoted:
            if (ComparedWithDateColumn(tokens, i, dateColumns)) {
                if (const auto date = ParseStoreDate(UnquotedText(token.text, QLatin1Char('\'')))) {
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
