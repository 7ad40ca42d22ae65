#pragma once

#include <QString>

#include <vector>

// The words, names, literals and marks of an SQL text, in order; joined again they give the text
// back unchanged. Only as much of SQL as the dialect mappings need.
struct SqlToken
{
    enum class Type
    {
        Space,
        Word,
        Bracketed,    // [name]
        SingleQuoted, // 'text'
        DoubleQuoted, // "name" (or a text value in the schema scripts)
        Number,
        Parameter, // ?1 or ?
        Other
    };
    Type type;
    QString text;
};

std::vector<SqlToken> TokenizeSql(const QString& sql);

// Index of the nearest non-space token before (step -1) or after (step +1) position i; -1 when none.
int SignificantToken(const std::vector<SqlToken>& tokens, int i, int step);

// The name a word, a bracketed or a double-quoted token stands for; empty for any other token.
QString TokenName(const SqlToken& token);

// The text inside quotes, doubled quotes made single.
QString UnquotedText(const QString& quoted, QChar quote);

bool IsWord(const SqlToken& token, const char* word);
