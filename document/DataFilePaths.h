#pragma once

#include <QString>

// The user's documents folder: $QUILLET_DOCUMENTS when set, else the platform's.
QString DocumentsFolder();

// The book every program opens unless told otherwise: $QUILLET_DATA when set (a file path or a
// "postgresql://" URI of a shared book), else <documents>/Quillet.cdb.
QString DefaultDataFilePath();
