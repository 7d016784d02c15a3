#pragma once

#include "platform/extended.h"

#include <cstdint>
#include <optional>

/**
 * @brief A positive value rounded to `count` significant decimal digits: `digits` × 10^(exponent − count +
 * 1), with 10^(count − 1) <= digits < 10^count, so `exponent` is the decimal exponent of the first digit.
 */
struct DecimalDigits {
    std::uint64_t digits;
    int exponent;

    bool operator==(const DecimalDigits&) const = default;
};

/** @brief The most significant digits a DecimalDigits can hold. */
inline constexpr int maxDecimalDigits = 19;

/**
 * @brief The exact rounding (to nearest, ties to even) of a positive finite `value` to `count` significant
 * digits (1 to maxDecimalDigits), by integer arithmetic on the value's binary mantissa and exponent. Gives
 * nothing when the value lies outside the magnitudes that 128-bit arithmetic covers (very small or very
 * large values and denormals); decimalDigitsExact then gives the answer.
 */
std::optional<DecimalDigits> decimalDigitsFast(Extended value, int count);

/**
 * @brief The same rounding as decimalDigitsFast for every positive finite value, from the C library's
 * exact decimal conversion under the "C" locale; several times slower.
 */
DecimalDigits decimalDigitsExact(Extended value, int count);

/** @brief decimalDigitsFast where it answers, else decimalDigitsExact. */
DecimalDigits decimalDigits(Extended value, int count);
