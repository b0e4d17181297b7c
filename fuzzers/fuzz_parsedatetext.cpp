// Any text read by any conventions: a date of the calendar, or the conversion error.
#include "FuzzInput.h"
#include "conventions/DateText.h"
#include "conventions/Errors.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    DateConventions conventions;
    conventions.DateDelimiter = QChar(input.take<char16_t>());
    conventions.YearWindow = input.take<std::uint16_t>();
    const int currentYear = input.take<std::int16_t>();
    conventions.DatePattern = input.text(input.take<std::uint8_t>() % 16);
    try {
        const DateValue value = ParseDateText(input.rest(), conventions, currentYear);
        const DateParts parts = DecodeDateParts(value);
        if (parts.year < 1 || parts.year > 9999
            || EncodeDateParts(parts.year, parts.month, parts.day) != value)
            std::abort();
    } catch (const ConversionError&) {
    }
    return 0;
}
