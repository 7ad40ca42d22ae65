#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

// The input side of one connection: decodes the UTF-16LE bytes as they arrive (an odd byte waits
// for the next chunk), keeps the job text within the job limits and sees when a job is whole.
//
// Feed never stores more than PrintJobWire::kMaxJobChars characters. A job is whole when the text
// received so far ends with the end mark as its last line; it is refused when the text would pass
// the character limit or a whole job holds more than PrintJobWire::kMaxItems item lines. A refused
// job's text is dropped.
class CSlotInput
{
public:
    enum class Outcome
    {
        NeedMore,
        JobComplete, // take the job with TakeJob
        TooLarge,
    };

    CSlotInput();

    Outcome Feed(QByteArrayView bytes);
    // The whole job; the slot's text starts empty again, and bytes after the end mark (an odd
    // byte already decoded in part) begin the next job.
    QString TakeJob();
    // A new connection: no text, no carried byte.
    void Reset();

    qsizetype Size() const { return m_text.size(); }

private:
    QStringDecoder m_decoder;
    QString m_text;
};
