#include "DataFilePaths.h"

#include <QDir>
#include <QStandardPaths>

QString DocumentsFolder()
{
    const QString configured = qEnvironmentVariable("QUILLET_DOCUMENTS");
    if (!configured.isEmpty()) {
        return QDir::cleanPath(configured);
    }
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString DefaultDataFilePath()
{
    const QString configured = qEnvironmentVariable("QUILLET_DATA");
    if (!configured.isEmpty()) {
        return configured;
    }
    return QDir(DocumentsFolder()).filePath(QStringLiteral("Quillet.cdb"));
}
