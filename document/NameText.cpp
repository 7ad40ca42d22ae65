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
