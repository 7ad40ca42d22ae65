#pragma once

#include <QString>

#include <cstdint>

struct TaxRecord
{
    int32_t TaxID = 0;
    QString TaxName;
    double TaxRate = 0.0; // a percentage, such as 7.5
};
