#include "NameText.h"

QString NormalizedName(const QString& text)
{
    return text.trimmed().normalized(QString::NormalizationForm_C);
}

bool SameName(const QString& a, const QString& b)
{
    return NameKey(a) == NameKey(b);
}

QString NameKey(const QString& name)
{
    return name.normalized(QString::NormalizationForm_C).toCaseFolded();
}

namespace {

bool IsControl(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

bool IsLineLayout(char16_t c)
{
    return c == u'\t' || c == u'\n' || c == u'\r';
}

} // namespace

QString ControlCharacterRefusal(const QString& caption, const QString& text, TextLines lines)
{
    for (const QChar c : text) {
        if (IsControl(c.unicode()) && (lines == TextLines::One || !IsLineLayout(c.unicode()))) {
            return lines == TextLines::One
                       ? QStringLiteral("The %1 may not hold tabs, line breaks or other control characters.")
                             .arg(caption)
                       : QStringLiteral("The %1 may not hold control characters other than tabs and line breaks.")
                             .arg(caption);
        }
    }
    return QString();
}

QString ListNameRefusal(const QString& caption, const QString& emptyRefusal, const QString& name)
{
    return name.isEmpty() ? emptyRefusal : ControlCharacterRefusal(caption, name, TextLines::One);
}
