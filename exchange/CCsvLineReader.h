#pragma once

#include <QString>
#include <QStringList>

// Reads the records of a CSV file's text, one at a time, after its header line.
//
// The first line is the header and is skipped whatever it holds; lines holding only white space
// are skipped. A record is read whole: a field that starts with a double quote (blanks before
// it aside) runs to the closing quote, a doubled quote inside standing for one, and may hold
// commas and line breaks; its text is kept exactly. After the closing quote only blanks may
// come before the comma or the end of the line. Any other field runs to the next comma or the
// end of the line, a double quote in it being an ordinary character, and has its white space
// trimmed at both ends. A comma at the end of a line is followed by one more, empty, field.
// Line ends may be CR LF, LF or CR alone. Nothing is cut: there is no limit on the length of a
// line or a field.
//
// Lines are counted from 1, the header being line 1, as a spreadsheet numbers its rows (a
// record holding line breaks spans several). A record that breaks the quoting rules is a
// format error, reported with the line it starts on; the reader goes no further after one.
class CCsvLineReader
{
public:
    enum class Status
    {
        Record,     // Fields() and LineNumber() give the record
        End,        // no more records
        FormatError // LineNumber() gives the line of the record that breaks the rules
    };

    explicit CCsvLineReader(QString text);

    Status Next();
    const QStringList& Fields() const { return m_fields; }
    int LineNumber() const { return m_recordLine; }
    // How far the reading has come, as a share of Size() (for progress).
    qsizetype Position() const { return m_at; }
    qsizetype Size() const { return m_text.size(); }
    // The number of lines of the text, counted as LineNumber() counts them.
    int LineCount() const;

private:
    bool AtEnd() const { return m_at >= m_text.size(); }
    bool AtLineEnd() const;
    void SkipLineEnd();
    void SkipBlanks();
    void SkipLine();
    bool ReadQuotedField();
    void ReadPlainField();
    Status ReadRecord();

    QString m_text;
    qsizetype m_at = 0;
    int m_line = 1;
    int m_recordLine = 0;
    bool m_failed = false;
    QStringList m_fields;
};
