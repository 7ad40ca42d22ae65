#include "PrintJobWire.h"

#include <QtEndian>

namespace PrintJobWire {

QByteArray EncodeText(QStringView text)
{
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        qToLittleEndian<quint16>(text[i].unicode(), bytes.data() + 2 * i);
    }
    return bytes;
}

} // namespace PrintJobWire
