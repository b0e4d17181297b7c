// Any text is an integer that writes back to itself, or the conversion error.
#include "FuzzInput.h"
#include "conventions/Errors.h"
#include "conventions/NumberText.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    try {
        const std::int32_t value = ParseInteger(input.rest());
        if (ParseInteger(FormatInteger(value)) != value)
            std::abort();
    } catch (const ConversionError&) {
    }
    return 0;
}
