#include "ReportRow.h"

#include <algorithm>

ReportRow::ReportRow(Kind kind, std::span<const QStringView> cells, qsizetype count) : m_kind(kind), m_count(count)
{
    const auto given = std::min(count, static_cast<qsizetype>(cells.size()));
    qsizetype textLength = 0;
    for (qsizetype i = 0; i < given; ++i) {
        textLength += cells[i].size();
    }
    if (textLength == 0) {
        return;
    }
    m_packed.resize(count * kLengthChars + textLength);
    QChar* out = m_packed.data();
    for (qsizetype i = 0; i < count; ++i) {
        const auto length = static_cast<quint32>(i < given ? cells[i].size() : 0);
        *out++ = QChar(static_cast<char16_t>(length >> 16));
        *out++ = QChar(static_cast<char16_t>(length & 0xffff));
    }
    for (qsizetype i = 0; i < given; ++i) {
        std::copy(cells[i].cbegin(), cells[i].cend(), out);
        out += cells[i].size();
    }
}

QStringView ReportRow::Cell(qsizetype column) const
{
    if (column < 0 || column >= m_count || m_packed.isEmpty()) {
        return {};
    }
    const auto lengthAt = [this](qsizetype i) {
        return static_cast<qsizetype>((quint32(m_packed[i * kLengthChars].unicode()) << 16) |
                                      m_packed[i * kLengthChars + 1].unicode());
    };
    qsizetype offset = m_count * kLengthChars;
    for (qsizetype i = 0; i < column; ++i) {
        offset += lengthAt(i);
    }
    return QStringView(m_packed).mid(offset, lengthAt(column));
}

QStringList ReportRow::Cells() const
{
    QStringList cells;
    cells.reserve(m_count);
    for (qsizetype i = 0; i < m_count; ++i) {
        cells << Cell(i).toString();
    }
    return cells;
}

ReportRow::Shade ReportRow::RowShade() const
{
    const QStringView first = Cell(0);
    if (first.isEmpty()) {
        return Shade::White;
    }
    return first.startsWith(QLatin1Char(' ')) ? Shade::Grey : Shade::Tint;
}
