#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// One job line split at its first colon: the key before it, the value after it, unchanged.
struct PrintJobLine
{
    QString key;
    QString value;
};

// The five fields of an item row, each trimmed of blanks. A tax of exactly "None" reads as empty.
struct PrintJobItem
{
    QString quantity;
    QString description;
    QString price;
    QString amount;
    QString tax;
};

// Reads the text of one print job as the desktop sees it: lines end at a line feed (a second line
// feed right behind one is skipped too), each line is split at its first colon, and lines without
// a colon carry no key and are left out. Never fails: any text reads as some lines.
class CPrintJobReader
{
public:
    explicit CPrintJobReader(QStringView jobText);

    // The lines that have a key, in job order.
    const QList<PrintJobLine>& Lines() const { return m_lines; }
    // The value of each "Item" line without its first character, in job order.
    const QStringList& ItemTexts() const { return m_itemTexts; }
    // Whether a "TAXTOTAL" line occurs (it turns the tax total caption on).
    bool HasTaxTotal() const { return m_hasTaxTotal; }

    static QStringList SplitLines(QStringView text);
    // Nothing for a line without a colon.
    static std::optional<PrintJobLine> SplitKeyValue(QStringView line);
    // itemText is an item value without its first character; short texts give empty fields.
    static PrintJobItem CutItem(QStringView itemText);
    // True when the last line of text is the end mark, so a value that merely contains it does not
    // end the job.
    static bool EndsWithEndMark(QStringView text);

private:
    QList<PrintJobLine> m_lines;
    QStringList m_itemTexts;
    bool m_hasTaxTotal = false;
};
