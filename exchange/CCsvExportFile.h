#pragma once

#include "CCsvFileWriter.h"

#include <QString>

#include <functional>

class CPrompter;

// A CSV file written whole or not at all: the rows go to a new file that replaces the old one only
// when every byte was written, so a failed save never leaves half a file in place of a good one.
class CCsvExportFile
{
public:
    using Rows = std::function<void(CCsvFileWriter& csv)>;

    // Why nothing may be written at path (a device, a FIFO, a folder); empty when it may. A symbolic
    // link is followed to its file, which is replaced.
    static QString TargetRefusal(const QString& path);
    // Writes the rows to the file at path; false when it cannot be created or written, or is refused.
    static bool Write(const QString& path, CCsvFileWriter::Quoting quoting, const Rows& rows);
    // Asks where to save, proposing proposedName (in the documents folder) with the extension
    // "csv", then writes. Shows the refusal of a target that is no file, and "Can not open the
    // file" when the file cannot be written. False
    // when the user cancelled or the file was not written.
    static bool Save(CPrompter& prompter, const QString& proposedName, CCsvFileWriter::Quoting quoting,
                     const Rows& rows);
};
