#include "NumericFilter.h"

bool AcceptsNumericCharacter(QChar c, const QString& text, int maxDecimals)
{
    const bool backspace = c == QLatin1Char('\b');
    if (c == QLatin1Char('.')) {
        if (text.isEmpty()) {
            return true;
        }
        if (text.contains(QLatin1Char('.'))) {
            return false;
        }
    } else if (!c.isDigit() && c != QLatin1Char(',') && !backspace) {
        return false;
    }
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    // The characters from the "." to the end, the point included.
    if (!text.isEmpty() && point >= 0 && text.size() - point > maxDecimals && !backspace) {
        return false;
    }
    return true;
}
