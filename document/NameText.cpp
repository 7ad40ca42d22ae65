#include "NameText.h"

QString NormalizedName(const QString& text)
{
    return text.trimmed().normalized(QString::NormalizationForm_C);
}

bool SameName(const QString& a, const QString& b)
{
    return a.normalized(QString::NormalizationForm_C).toCaseFolded() ==
           b.normalized(QString::NormalizationForm_C).toCaseFolded();
}
