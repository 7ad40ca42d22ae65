#include "InvoicePdfFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace InvoicePdfFiles {
namespace {

constexpr qsizetype kMaxNumberChars = 40;
// The trailer's "startxref", its offset and "%%EOF" fit in this many bytes at the end of a file.
constexpr qint64 kTrailerTailBytes = 1024;

bool IsSafeFileNameChar(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'-' || c == u'_' ||
           c == u'.';
}

QString SafeNumber(QStringView invoiceNumber)
{
    QString safe;
    for (const QChar c : invoiceNumber.trimmed().left(kMaxNumberChars)) {
        safe += IsSafeFileNameChar(c) ? c : QChar(u'_');
    }
    if (safe.startsWith(u'.')) {
        safe[0] = u'_';
    }
    return safe.isEmpty() ? QStringLiteral("invoice") : safe;
}

} // namespace

QString DefaultFolder()
{
    QString documents = qEnvironmentVariable("QUILLET_DOCUMENTS");
    if (documents.isEmpty()) {
        documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    return QDir(documents).filePath(QStringLiteral("Pressling"));
}

QString NewPath(const QString& folder, const QDate& date, QStringView invoiceNumber)
{
    const QString stem = date.toString(Qt::ISODate) + u'_' + SafeNumber(invoiceNumber);
    const QDir dir(folder);
    QString path = dir.filePath(stem + QStringLiteral(".pdf"));
    for (int copy = 2; QFileInfo::exists(path); ++copy) {
        path = dir.filePath(stem + u'-' + QString::number(copy) + QStringLiteral(".pdf"));
    }
    return path;
}

bool IsWholePdf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const qint64 size = file.size();
    if (!file.seek(qMax<qint64>(0, size - kTrailerTailBytes))) {
        return false;
    }
    const QByteArray tail = file.readAll();
    const qsizetype mark = tail.lastIndexOf("startxref");
    if (mark < 0) {
        return false;
    }
    const QList<QByteArray> words = tail.mid(mark).simplified().split(' ');
    if (words.size() != 3 || words[2] != "%%EOF") {
        return false;
    }
    bool ok = false;
    const qint64 offset = words[1].toLongLong(&ok);
    return ok && offset >= 0 && offset < size && file.seek(offset) && file.read(4) == "xref";
}

} // namespace InvoicePdfFiles
