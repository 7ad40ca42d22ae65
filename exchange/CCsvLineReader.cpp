#include "CCsvLineReader.h"

#include <utility>

namespace {

constexpr QChar kQuote = QLatin1Char('"');
constexpr QChar kComma = QLatin1Char(',');
constexpr QChar kCarriageReturn = QLatin1Char('\r');
constexpr QChar kLineFeed = QLatin1Char('\n');

bool IsLineBreak(QChar c)
{
    return c == kCarriageReturn || c == kLineFeed;
}

bool IsBlank(QChar c)
{
    return c.isSpace() && !IsLineBreak(c);
}

// CR LF, LF and CR each end one line.
int CountLineEnds(QStringView text)
{
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == kLineFeed ||
            (text[i] == kCarriageReturn && (i + 1 >= text.size() || text[i + 1] != kLineFeed))) {
            ++count;
        }
    }
    return count;
}

} // namespace

CCsvLineReader::CCsvLineReader(QString text) : m_text(std::move(text))
{
    SkipLine();
}

int CCsvLineReader::LineCount() const
{
    return CountLineEnds(m_text) + 1;
}

bool CCsvLineReader::AtLineEnd() const
{
    return !AtEnd() && IsLineBreak(m_text[m_at]);
}

void CCsvLineReader::SkipLineEnd()
{
    if (!AtLineEnd()) {
        return;
    }
    if (m_text[m_at++] == kCarriageReturn && !AtEnd() && m_text[m_at] == kLineFeed) {
        ++m_at;
    }
    ++m_line;
}

void CCsvLineReader::SkipBlanks()
{
    while (!AtEnd() && IsBlank(m_text[m_at])) {
        ++m_at;
    }
}

void CCsvLineReader::SkipLine()
{
    while (!AtEnd() && !AtLineEnd()) {
        ++m_at;
    }
    SkipLineEnd();
}

// From the opening quote to the closing one; false when the text ends before it is closed.
bool CCsvLineReader::ReadQuotedField()
{
    ++m_at;
    QString field;
    for (;;) {
        const qsizetype quote = m_text.indexOf(kQuote, m_at);
        if (quote < 0) {
            return false;
        }
        const QStringView part = QStringView(m_text).sliced(m_at, quote - m_at);
        m_line += CountLineEnds(part);
        field += part;
        m_at = quote + 1;
        if (AtEnd() || m_text[m_at] != kQuote) {
            break;
        }
        field += kQuote;
        ++m_at;
    }
    m_fields << field;
    return true;
}

void CCsvLineReader::ReadPlainField()
{
    const qsizetype start = m_at;
    while (!AtEnd() && !AtLineEnd() && m_text[m_at] != kComma) {
        ++m_at;
    }
    m_fields << QStringView(m_text).sliced(start, m_at - start).trimmed().toString();
}

CCsvLineReader::Status CCsvLineReader::ReadRecord()
{
    m_recordLine = m_line;
    m_fields.clear();
    for (;;) {
        SkipBlanks();
        if (!AtEnd() && m_text[m_at] == kQuote) {
            if (!ReadQuotedField()) {
                return Status::FormatError;
            }
            SkipBlanks();
            if (!AtEnd() && !AtLineEnd() && m_text[m_at] != kComma) {
                return Status::FormatError;
            }
        } else {
            ReadPlainField();
        }
        if (AtEnd() || AtLineEnd()) {
            SkipLineEnd();
            return Status::Record;
        }
        ++m_at;
    }
}

CCsvLineReader::Status CCsvLineReader::Next()
{
    while (!m_failed) {
        SkipBlanks();
        if (AtEnd()) {
            return Status::End;
        }
        if (AtLineEnd()) {
            SkipLineEnd();
            continue;
        }
        const Status status = ReadRecord();
        m_failed = status == Status::FormatError;
        return status;
    }
    return Status::End;
}
