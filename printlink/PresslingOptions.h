#pragma once

#include "PrintJobWire.h"

#include <QString>
#include <QStringList>

#include <optional>

// The command line of the desktop print link.
struct PresslingOptions
{
    bool closeRunningCopy = false;             // "/D" as first argument
    quint16 port = PrintJobWire::kDefaultPort; // --port N
    QString pdfFolder;                         // --pdf-dir DIR: always write PDF files there
    bool help = false;                         // --help
};

// Reads the arguments after the program name. On a bad or unknown argument returns nothing and
// sets error to a line naming it.
std::optional<PresslingOptions> ParsePresslingOptions(const QStringList& arguments, QString* error);

// The usage text for --help and usage errors.
QString PresslingUsage();
