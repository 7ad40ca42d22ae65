#include "SqlTokens.h"

namespace {

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

int EndOfRun(const QString& sql, int from, bool (*belongs)(QChar))
{
    int end = from;
    while (end < sql.size() && belongs(sql[end])) {
        ++end;
    }
    return end;
}

bool IsWordPart(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

bool IsNumberPart(QChar c)
{
    return c.isDigit() || c == QLatin1Char('.');
}

bool IsDigit(QChar c)
{
    return c.isDigit();
}

} // namespace

std::vector<SqlToken> TokenizeSql(const QString& sql)
{
    std::vector<SqlToken> tokens;
    int i = 0;
    const int n = static_cast<int>(sql.size());
    while (i < n) {
        const QChar c = sql[i];
        int end = i + 1;
        SqlToken::Type type = SqlToken::Type::Other;
        if (c.isSpace()) {
            end = EndOfRun(sql, i, [](QChar s) { return s.isSpace(); });
            type = SqlToken::Type::Space;
        } else if (c.isLetter() || c == QLatin1Char('_')) {
            end = EndOfRun(sql, i, IsWordPart);
            type = SqlToken::Type::Word;
        } else if (c.isDigit()) {
            end = EndOfRun(sql, i, IsNumberPart);
            type = SqlToken::Type::Number;
        } else if (c == QLatin1Char('?')) {
            end = EndOfRun(sql, i + 1, IsDigit);
            type = SqlToken::Type::Parameter;
        } else if (c == QLatin1Char('[')) {
            end = static_cast<int>(sql.indexOf(QLatin1Char(']'), i));
            end = end < 0 ? n : end + 1;
            type = SqlToken::Type::Bracketed;
        } else if (c == QLatin1Char('\'')) {
            end = QuotedEnd(sql, i, c);
            type = SqlToken::Type::SingleQuoted;
        } else if (c == QLatin1Char('"')) {
            end = QuotedEnd(sql, i, c);
            type = SqlToken::Type::DoubleQuoted;
        } else if ((c == QLatin1Char('<') || c == QLatin1Char('>') || c == QLatin1Char('!')) && end < n &&
                   (sql[end] == QLatin1Char('=') || sql[end] == QLatin1Char('>'))) {
            ++end;
        }
        tokens.push_back({type, sql.mid(i, end - i)});
        i = end;
    }
    return tokens;
}

int SignificantToken(const std::vector<SqlToken>& tokens, int i, int step)
{
    for (int j = i + step; j >= 0 && j < static_cast<int>(tokens.size()); j += step) {
        if (tokens[j].type != SqlToken::Type::Space) {
            return j;
        }
    }
    return -1;
}

QString UnquotedText(const QString& quoted, QChar quote)
{
    QString inner = quoted.mid(1, quoted.size() >= 2 && quoted.endsWith(quote) ? quoted.size() - 2 : quoted.size() - 1);
    return inner.replace(QString(2, quote), QString(quote));
}

QString TokenName(const SqlToken& token)
{
    switch (token.type) {
    case SqlToken::Type::Bracketed:
        return token.text.mid(1, token.text.size() - 2);
    case SqlToken::Type::DoubleQuoted:
        return UnquotedText(token.text, QLatin1Char('"'));
    case SqlToken::Type::Word:
        return token.text;
    default:
        return QString();
    }
}

bool IsWord(const SqlToken& token, const char* word)
{
    return token.type == SqlToken::Type::Word && token.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}
