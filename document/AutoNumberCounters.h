#pragma once

#include <cstdint>

// Copy of the one AutoNumber row: the next free identifier of each kind.
struct AutoNumberCounters
{
    int32_t VersionID = 0;
    int32_t TransID = 0;
    int32_t ProductID = 0;
    int32_t PayeeID = 0;
    int32_t TaxID = 0;
    int32_t CategoryID = 0;
};
