#include "ReportRow.h"

#include <QVarLengthArray>

#include <algorithm>

namespace {

bool IsAscii(QStringView text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
}

} // namespace

ReportRow::ReportRow(Kind kind, std::span<const QStringView> cells, qsizetype count) : m_kind(kind), m_count(count)
{
    const auto given = std::min(count, static_cast<qsizetype>(cells.size()));
    // Report texts are nearly all ASCII, copied byte for byte; any other is encoded first.
    QVarLengthArray<QByteArray, 16> encoded(given);
    QVarLengthArray<qsizetype, 16> lengths(count, 0);
    qsizetype textLength = 0;
    for (qsizetype i = 0; i < given; ++i) {
        if (!IsAscii(cells[i])) {
            encoded[i] = cells[i].toUtf8();
        }
        lengths[i] = encoded[i].isNull() ? cells[i].size() : encoded[i].size();
        textLength += lengths[i];
        m_wide = m_wide || lengths[i] > 0xffff;
    }
    if (textLength == 0) {
        return;
    }
    m_packed.resize(count * LengthSize() + textLength);
    char* out = m_packed.data();
    for (qsizetype i = 0; i < count; ++i) {
        auto length = static_cast<quint32>(lengths[i]);
        for (qsizetype byte = 0; byte < LengthSize(); ++byte, length >>= 8) {
            *out++ = static_cast<char>(length & 0xff);
        }
    }
    for (qsizetype i = 0; i < given; ++i) {
        if (!encoded[i].isNull()) {
            out = std::copy(encoded[i].cbegin(), encoded[i].cend(), out);
        } else {
            out = std::transform(cells[i].cbegin(), cells[i].cend(), out,
                                 [](QChar c) { return static_cast<char>(c.unicode()); });
        }
    }
}

QByteArrayView ReportRow::CellBytes(qsizetype column) const
{
    if (column < 0 || column >= m_count || m_packed.isEmpty()) {
        return {};
    }
    const auto lengthAt = [this](qsizetype i) {
        quint32 length = 0;
        for (qsizetype byte = LengthSize() - 1; byte >= 0; --byte) {
            length = (length << 8) | static_cast<unsigned char>(m_packed[i * LengthSize() + byte]);
        }
        return static_cast<qsizetype>(length);
    };
    qsizetype offset = m_count * LengthSize();
    for (qsizetype i = 0; i < column; ++i) {
        offset += lengthAt(i);
    }
    return QByteArrayView(m_packed).sliced(offset, lengthAt(column));
}

QString ReportRow::Cell(qsizetype column) const
{
    return QString::fromUtf8(CellBytes(column));
}

QStringList ReportRow::Cells() const
{
    QStringList cells;
    cells.reserve(m_count);
    for (qsizetype i = 0; i < m_count; ++i) {
        cells << Cell(i);
    }
    return cells;
}

ReportRow::Shade ReportRow::RowShade() const
{
    const QByteArrayView first = CellBytes(0);
    if (first.isEmpty()) {
        return Shade::White;
    }
    return first.front() == ' ' ? Shade::Grey : Shade::Tint;
}
