// The number conversions over arbitrary input: text to extended and text to integer under both
// separators, and extended to text for a value built from the input's bytes, at every magnitude
// (denormals, the largest values, infinities, NaNs). The general format read back must give the value
// rounded to 15 significant digits.

#include "fuzz_check.h"
#include "platform/app_error.h"
#include "platform/number_conversions.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

void convertText(std::string_view text)
{
    for (const char separator : {',', '.'}) {
        try {
            const Extended value = StrToFloat(text, separator);
            fuzzCheck(std::isfinite(value), "StrToFloat gave a value that is not finite");
        } catch (const ConversionError&) {
        }
    }
    try {
        const std::int32_t value = StrToInt(text);
        fuzzCheck(StrToInt(IntToStr(value)) == value, "StrToInt(IntToStr(n)) != n");
    } catch (const ConversionError&) {
    }
}

// An extended value from 10 bytes: 64 bits of mantissa, then sign and exponent, as x86-64 keeps it. The
// explicit integer bit is set for normal exponents and cleared for denormals, so every value is one that
// arithmetic can produce.
Extended extendedFromBytes(const std::uint8_t* bytes)
{
    std::uint64_t mantissa = 0;
    std::uint16_t signAndExponent = 0;
    std::memcpy(&mantissa, bytes, sizeof mantissa);
    std::memcpy(&signAndExponent, bytes + 8, sizeof signAndExponent);
    constexpr std::uint64_t integerBit = std::uint64_t{1} << 63;
    if ((signAndExponent & 0x7FFF) == 0)
        mantissa &= ~integerBit;
    else
        mantissa |= integerBit;
    unsigned char image[sizeof(Extended)] = {};
    std::memcpy(image, &mantissa, sizeof mantissa);
    std::memcpy(image + 8, &signAndExponent, sizeof signAndExponent);
    Extended value;
    std::memcpy(&value, image, sizeof value);
    return value;
}

void formatValue(Extended value)
{
    for (const char separator : {',', '.'}) {
        const std::string text = FloatToStr(value, separator);
        if (std::isnan(value)) {
            fuzzCheck(text == "NAN", "FloatToStr(NaN) is not NAN");
            continue;
        }
        if (std::isinf(value)) {
            fuzzCheck(text == (value > 0 ? "INF" : "-INF"), "FloatToStr(infinity) is not INF/-INF");
            continue;
        }
        const Extended rounded = roundToSignificantDigits(value, 15);
        try {
            const Extended back = StrToFloat(text, separator);
            fuzzCheck(back == rounded, "StrToFloat(FloatToStr(x)) is not x rounded to 15 significant digits");
        } catch (const ConversionError&) {
            // Only a value that rounds beyond the extended range has a text that reads back as too large.
            fuzzCheck(std::isinf(rounded), "the general format of a finite value is refused");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    convertText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (size >= 10)
        formatValue(extendedFromBytes(data));
    return 0;
}
