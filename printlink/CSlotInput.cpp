#include "CSlotInput.h"

#include "CPrintJobReader.h"
#include "PrintJobWire.h"

namespace {

QStringDecoder NewDecoder()
{
    // A leading byte-order mark is kept as text: the wire format has none to strip.
    return QStringDecoder(QStringConverter::Utf16LE, QStringConverter::Flag::ConvertInitialBom);
}

} // namespace

CSlotInput::CSlotInput() : m_decoder(NewDecoder()) {}

CSlotInput::Outcome CSlotInput::Feed(QByteArrayView bytes)
{
    const QString decoded = m_decoder.decode(bytes);
    if (m_text.size() + decoded.size() > PrintJobWire::kMaxJobChars) {
        m_text.clear();
        return Outcome::TooLarge;
    }
    m_text += decoded;
    if (!CPrintJobReader::EndsWithEndMark(m_text)) {
        return Outcome::NeedMore;
    }
    if (CPrintJobReader(m_text).ItemTexts().size() > PrintJobWire::kMaxItems) {
        m_text.clear();
        return Outcome::TooLarge;
    }
    return Outcome::JobComplete;
}

QString CSlotInput::TakeJob()
{
    QString job;
    job.swap(m_text);
    return job;
}

void CSlotInput::Reset()
{
    m_decoder = NewDecoder();
    m_text.clear();
}
