#pragma once

#include <QByteArray>
#include <QStringView>

// What crosses the connection between the handheld and the desktop print link. Texts travel as
// UTF-16 little-endian code units, with no byte-order mark and no terminating zero.
namespace PrintJobWire {

inline constexpr quint16 kDefaultPort = 5421;

// The last line of every job; it has no line feed after it.
inline constexpr QStringView kEndMark = u"@END@";
// The desktop's answer once it holds a whole job.
inline constexpr QStringView kReceivedReply = u"Message Received";
// The desktop's answer to a job beyond the limits below; the connection is then closed.
inline constexpr QStringView kTooLargeReply = u"Job refused: too large";
// Sent in single-byte characters, without terminator, when every slot is taken.
inline constexpr char kNoSlotRefusal[] = "No more socket available, Connect refused";

// The most job text the desktop keeps per connection, in UTF-16 code units, end mark included.
inline constexpr qsizetype kMaxJobChars = 4096;
// The most item lines one job may carry.
inline constexpr qsizetype kMaxItems = 41;

// text as UTF-16LE bytes, two per code unit.
QByteArray EncodeText(QStringView text);

} // namespace PrintJobWire
