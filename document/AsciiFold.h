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
