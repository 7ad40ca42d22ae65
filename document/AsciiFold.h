#pragma once

#include <QString>

// The text with A-Z lowered and every other character kept: names compare the way the store's
// case-insensitive columns compare them.
inline QString AsciiFolded(const QString& text)
{
    QString folded = text;
    for (QChar& c : folded) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) {
            c = QChar(c.unicode() + ('a' - 'A'));
        }
    }
    return folded;
}

// True when the texts are equal but for the letter case of A-Z.
inline bool AsciiEqualIgnoringCase(const QString& a, const QString& b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (qsizetype i = 0; i < a.size(); ++i) {
        char16_t x = a[i].unicode();
        char16_t y = b[i].unicode();
        x = x >= u'A' && x <= u'Z' ? x + (u'a' - u'A') : x;
        y = y >= u'A' && y <= u'Z' ? y + (u'a' - u'A') : y;
        if (x != y) {
            return false;
        }
    }
    return true;
}
