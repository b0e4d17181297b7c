// Any double and any month count: a date of the calendar, or the encoding error.
#include "FuzzInput.h"
#include "conventions/Calendar.h"
#include "conventions/Errors.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const auto value = input.take<double>();
    const auto months = input.take<std::int32_t>();
    DecodeDateParts(value);
    try {
        const DateParts parts = DecodeDateParts(AddMonths(value, months));
        if (parts.year < 1 || parts.year > 9999 || parts.month < 1 || parts.month > 12
            || parts.day < 1 || parts.day > MonthLength(parts.year, parts.month))
            std::abort();
    } catch (const ConversionError&) {
    }
    return 0;
}
