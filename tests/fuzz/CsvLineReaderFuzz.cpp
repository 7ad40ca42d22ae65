// Feeds arbitrary bytes to the CSV reading of the imports: the text decoding, then every record.
// Checks that reading ends, that line numbers only grow and stay within the text, that nothing
// is read after a format error, and that fields written by the exports read back unchanged.

#include "CCsvFileWriter.h"
#include "CCsvLineReader.h"
#include "CsvText.h"

#include <QByteArray>
#include <QStringList>

#include <cstddef>
#include <cstdint>

namespace {

void Check(bool condition)
{
    if (!condition) {
        __builtin_trap();
    }
}

void ReadAll(const QString& text)
{
    CCsvLineReader reader(text);
    const int lines = reader.LineCount();
    int line = 1;
    for (;;) {
        const CCsvLineReader::Status status = reader.Next();
        if (status == CCsvLineReader::Status::End) {
            break;
        }
        Check(reader.LineNumber() > line && reader.LineNumber() <= lines);
        line = reader.LineNumber();
        Check(reader.Position() <= reader.Size());
        if (status == CCsvLineReader::Status::FormatError) {
            Check(reader.Next() == CCsvLineReader::Status::End);
            break;
        }
        Check(!reader.Fields().isEmpty());
    }
}

// The text cut into fields at every byte 0x1F, written as an export writes a line, read back.
void RoundTrip(const QString& text)
{
    QStringList fields = text.split(QChar(0x1F));
    fields << QString();
    QStringList written;
    for (const QString& field : fields) {
        written << CCsvFileWriter::Field(field, CCsvFileWriter::Quoting::KeepEdgeSpace);
    }
    CCsvLineReader reader(QStringLiteral("header\r\n") + written.join(QLatin1Char(',')) + QStringLiteral("\r\n"));
    Check(reader.Next() == CCsvLineReader::Status::Record);
    Check(reader.LineNumber() == 2);
    Check(reader.Fields() == fields);
    Check(reader.Next() == CCsvLineReader::Status::End);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = DecodeCsvText(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    ReadAll(text);
    RoundTrip(text);
    return 0;
}
