#pragma once

#include <QChar>
#include <QString>

// Whether a numeric edit accepts the typed character c (backspace is '\b') into its text:
// digits and "," always until the text holds maxDecimals digits after its ".", one "." only
// (also as the first character), backspace always.
bool AcceptsNumericCharacter(QChar c, const QString& text, int maxDecimals);
