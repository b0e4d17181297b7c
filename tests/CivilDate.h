#pragma once

#include "conventions/Calendar.h"

// The DateValue of a valid civil date, for writing test tables.
inline DateValue date(int y, int m, int d)
{
    return *EncodeDateParts(std::uint16_t(y), std::uint16_t(m), std::uint16_t(d));
}
