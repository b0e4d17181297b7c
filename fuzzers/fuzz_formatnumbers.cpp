// Any 80-bit value, NaNs, infinities, subnormals and unnormals included, by the general form
// and by any fixed pattern.
#include "FuzzInput.h"
#include "conventions/Errors.h"
#include "conventions/NumberText.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    // The ten bytes of an x87 extended value: 64-bit significand, then sign and exponent.
    long double value = 0;
    const auto significand = input.take<std::uint64_t>();
    const auto signAndExponent = input.take<std::uint16_t>();
    std::memcpy(&value, &significand, 8);
    std::memcpy(reinterpret_cast<char*>(&value) + 8, &signAndExponent, 2);
    const QChar mark(input.take<char16_t>());
    FormatGeneral(value, mark);
    const QString fixed = FormatFixed(QStringLiteral("0.000"), value, mark);
    if (fixed.isEmpty())
        std::abort();
    try {
        FormatFixed(input.rest(), value, mark);
    } catch (const ConversionError&) {
    }
    IntPart(value);
    FracPart(value);
    return 0;
}
