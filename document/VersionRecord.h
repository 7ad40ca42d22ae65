#pragma once

#include <QString>

#include <cstdint>

struct VersionRecord
{
    int32_t MajorVersion = 0;
    int32_t MinorVersion = 0;
    QString VersionInfo;
};
