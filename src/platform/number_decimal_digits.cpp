#include "platform/number_decimal_digits.h"

#include "platform/number_c_locale.h"

#include <array>
#include <bit>
#include <cstdio>
#include <cstring>
#include <limits>

namespace {

__extension__ typedef unsigned __int128 UInt128;

static_assert(std::numeric_limits<Extended>::digits == 64, "Extended must be the x86 80-bit format");

// 10^0 to 10^38: every power of ten below 2^128.
constexpr auto powersOfTen = [] {
    std::array<UInt128, 39> powers{};
    powers[0] = 1;
    for (std::size_t i = 1; i < powers.size(); ++i) {
        powers[i] = powers[i - 1] * 10;
    }
    return powers;
}();

int bitWidth(UInt128 value)
{
    const auto high = static_cast<std::uint64_t>(value >> 64);
    return high != 0 ? 64 + std::bit_width(high) : std::bit_width(static_cast<std::uint64_t>(value));
}

// value = mantissa × 2^exponent; a normal value has the top bit of its 64-bit mantissa set.
struct BinaryParts {
    std::uint64_t mantissa;
    int exponent;
};

BinaryParts binaryParts(Extended value)
{
    // The x86 extended format in memory: 64-bit mantissa, then 15-bit biased exponent and the sign.
    std::uint64_t mantissa = 0;
    std::uint16_t signAndExponent = 0;
    std::memcpy(&mantissa, &value, sizeof mantissa);
    std::memcpy(&signAndExponent, reinterpret_cast<const unsigned char*>(&value) + sizeof mantissa,
                sizeof signAndExponent);
    return {mantissa, (signAndExponent & 0x7FFF) - 16383 - 63};
}

// mantissa × 2^exponent × 10^decimalShift cut to an integer, and whether rounding to nearest (ties to
// even) goes one above it. Nothing when the numbers involved do not fit in 128 bits.
struct Scaled {
    UInt128 truncated;
    bool roundUp;
};

std::optional<Scaled> scale(std::uint64_t mantissa, int exponent, int decimalShift)
{
    if (decimalShift >= 0) {
        // mantissa × 10^decimalShift / 2^-exponent
        if (decimalShift >= static_cast<int>(powersOfTen.size()) || exponent > 0) {
            return std::nullopt;
        }
        const int shift = -exponent;
        const UInt128 power = powersOfTen[decimalShift];
        if ((power >> 64) == 0) {
            const UInt128 numerator = UInt128{mantissa} * static_cast<std::uint64_t>(power);
            if (shift == 0) {
                return Scaled{numerator, false};
            }
            if (shift >= 128) {
                return std::nullopt;
            }
            const UInt128 truncated = numerator >> shift;
            const UInt128 rest = numerator - (truncated << shift);
            const UInt128 half = UInt128{1} << (shift - 1);
            return Scaled{truncated, rest > half || (rest == half && (truncated & 1) != 0)};
        }
        // A power beyond 64 bits (small values): the numerator takes 192 bits, high × 2^64 + low.
        const int highShift = shift - 64;
        if (highShift < 1 || highShift >= 128) {
            return std::nullopt;
        }
        const UInt128 lowProduct = UInt128{mantissa} * static_cast<std::uint64_t>(power);
        const UInt128 high = UInt128{mantissa} * static_cast<std::uint64_t>(power >> 64) + (lowProduct >> 64);
        const bool lowBitsSet = static_cast<std::uint64_t>(lowProduct) != 0;
        const UInt128 truncated = high >> highShift;
        const UInt128 restHigh = high - (truncated << highShift);
        const UInt128 halfHigh = UInt128{1} << (highShift - 1);
        const bool aboveHalf = restHigh > halfHigh || (restHigh == halfHigh && lowBitsSet);
        const bool atHalf = restHigh == halfHigh && !lowBitsSet;
        return Scaled{truncated, aboveHalf || (atHalf && (truncated & 1) != 0)};
    }
    // mantissa × 2^exponent / 10^-decimalShift
    if (-decimalShift >= static_cast<int>(powersOfTen.size())) {
        return std::nullopt;
    }
    UInt128 numerator = mantissa;
    UInt128 denominator = powersOfTen[-decimalShift];
    if (exponent >= 0) {
        if (exponent > 64) {
            return std::nullopt;
        }
        numerator <<= exponent;
    } else {
        if (bitWidth(denominator) - exponent > 127) {
            return std::nullopt;
        }
        denominator <<= -exponent;
    }
    const UInt128 truncated = numerator / denominator;
    const UInt128 rest = numerator - truncated * denominator;
    const UInt128 other = denominator - rest;
    return Scaled{truncated, rest > other || (rest == other && (truncated & 1) != 0)};
}

} // namespace

std::optional<DecimalDigits> decimalDigitsFast(Extended value, int count)
{
    const BinaryParts parts = binaryParts(value);
    if ((parts.mantissa >> 63) == 0) {
        return std::nullopt; // denormal (or not a valid extended value)
    }
    const int binaryExponent = parts.exponent + 63; // 2^binaryExponent <= value < 2^(binaryExponent + 1)
    if (binaryExponent < -200 || binaryExponent > 200) {
        return std::nullopt;
    }
    // floor((binaryExponent + 1) × log10 2), exact in this range; the decimal exponent is this or one
    // less. Trying the larger first keeps values just above a power of ten within the 128-bit range.
    int exponent = ((binaryExponent + 1) * 78913) >> 18;
    const UInt128 lowest = powersOfTen[count - 1];
    const UInt128 beyond = powersOfTen[count];
    for (int attempt = 0; attempt < 2; ++attempt) {
        const std::optional<Scaled> scaled = scale(parts.mantissa, parts.exponent, count - 1 - exponent);
        if (!scaled) {
            return std::nullopt;
        }
        if (scaled->truncated >= beyond) {
            ++exponent;
            continue;
        }
        if (scaled->truncated < lowest) {
            --exponent;
            continue;
        }
        const UInt128 rounded = scaled->truncated + (scaled->roundUp ? 1 : 0);
        if (rounded == beyond) {
            return DecimalDigits{static_cast<std::uint64_t>(lowest), exponent + 1}; // 9.99…95 carries
        }
        return DecimalDigits{static_cast<std::uint64_t>(rounded), exponent};
    }
    return std::nullopt;
}

DecimalDigits decimalDigitsExact(Extended value, int count)
{
    // d.ddd…e±x (no point when count is 1)
    char text[64];
    {
        const CLocaleScope cNumbers;
        std::snprintf(text, sizeof text, "%.*Le", count - 1, value);
    }
    DecimalDigits result{0, 0};
    const char* p = text;
    for (; *p != 'e'; ++p) {
        if (*p != '.') {
            result.digits = result.digits * 10 + static_cast<std::uint64_t>(*p - '0');
        }
    }
    ++p;
    const bool negative = *p++ == '-';
    for (; *p != '\0'; ++p) {
        result.exponent = result.exponent * 10 + (*p - '0');
    }
    if (negative) {
        result.exponent = -result.exponent;
    }
    return result;
}

DecimalDigits decimalDigits(Extended value, int count)
{
    if (const std::optional<DecimalDigits> fast = decimalDigitsFast(value, count)) {
        return *fast;
    }
    return decimalDigitsExact(value, count);
}
