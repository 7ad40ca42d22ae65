#include "CCliArguments.h"

CCliArguments::CCliArguments(const QStringList& words, const QStringList& flags)
{
    for (int i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        if (!word.startsWith(QLatin1String("--")) || word.size() == 2) {
            m_positional << word;
            continue;
        }
        QString name = word.mid(2);
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        if (equals >= 0) {
            m_options[name.left(equals)] << name.mid(equals + 1);
        } else if (flags.contains(name)) {
            m_options[name] << QString();
        } else if (i + 1 < words.size()) {
            m_options[name] << words[++i];
        } else {
            m_missingValue = name;
        }
    }
}

QStringList CCliArguments::UnknownOptions(const QStringList& known) const
{
    QStringList unknown;
    for (auto it = m_options.cbegin(); it != m_options.cend(); ++it) {
        if (!known.contains(it.key())) {
            unknown << QStringLiteral("--") + it.key();
        }
    }
    return unknown;
}
