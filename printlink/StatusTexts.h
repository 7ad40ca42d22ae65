#pragma once

#include "IInvoicePrinter.h"

#include <QDateTime>
#include <QString>
#include <QStringView>

// The texts the listener shows in the control window's caption and status rows.
namespace StatusTexts {

inline constexpr QStringView kConnectedCaption = u"Pressling  - Connected by a Mobile Device";
inline constexpr QStringView kDisconnectedCaption = u"Pressling - Disconnected";
inline constexpr QStringView kConnectedRow = u"Connected by a Mobile Device";
inline constexpr QStringView kRefusedText = u"Job refused: too large";

// "date time" in the default locale: its short date and its long time without the time zone.
QString TimeStamp(const QDateTime& when);

QString SendingRow(const QDateTime& when);
// "... Finish Data Sending ..." with the outcome's note after it, or a failure with its reason.
QString FinishedRow(const QDateTime& when, const PrintOutcome& outcome);
// "Printing failed: " and the reason of an outcome that was not printed.
QString FailureText(const PrintOutcome& outcome);
QString RefusedRow(const QDateTime& when);

} // namespace StatusTexts
