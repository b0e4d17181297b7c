// Any pattern, nested patterns included, writes any date of the calendar in at most 256
// characters.
#include "FuzzInput.h"
#include "conventions/DateText.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    DateConventions conventions;
    // Every day from 1 January 0001 to 31 December 9999.
    const DateValue value = double(input.take<std::uint32_t>() % 3652059) - 693593.0;
    conventions.DateDelimiter = QChar(input.take<char16_t>());
    conventions.LongDatePattern = input.text(input.take<std::uint8_t>());
    conventions.DatePattern = input.rest();
    if (FormatDateText(value, conventions).size() > 256)
        std::abort();
    return 0;
}
