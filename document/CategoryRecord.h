#pragma once

#include <QString>

#include <cstdint>

struct CategoryRecord
{
    int32_t CategoryID = 0;
    QString CategoryName;
};
