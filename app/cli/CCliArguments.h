#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// The words after a command: positional words and "--name value" / "--name=value" options
// (an option may repeat). Flags listed as such take no value.
class CCliArguments
{
public:
    CCliArguments(const QStringList& words, const QStringList& flags);

    const QStringList& Positional() const { return m_positional; }
    QString Positional(int index) const { return m_positional.value(index); }
    bool Has(const QString& option) const { return m_options.contains(option); }
    QString Value(const QString& option) const { return m_options.value(option).value(0); }
    QStringList Values(const QString& option) const { return m_options.value(option); }
    // Options that were given but are not in the list; empty when all are known.
    QStringList UnknownOptions(const QStringList& known) const;
    // An option given without its value.
    const QString& MissingValue() const { return m_missingValue; }

private:
    QStringList m_positional;
    QMap<QString, QStringList> m_options;
    QString m_missingValue;
};
