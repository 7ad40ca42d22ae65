#pragma once

#include <QString>

// The user's documents folder: $QUILLET_DOCUMENTS when set, else the platform's.
QString DocumentsFolder();

// <documents>/Quillet.cdb
QString DefaultDataFilePath();
