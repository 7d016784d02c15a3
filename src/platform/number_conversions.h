#pragma once

#include "platform/extended.h"

#include <cstdint>
#include <string>
#include <string_view>

// Number text under a decimal separator handed in by the caller, never the C library's locale.

/**
 * @brief Text to extended: optional blanks, optional sign, digits with at most one `separator`, an
 * optional exponent (E or e, optional sign, at least one digit), optional blanks; at least one
 * mantissa digit. Correctly rounded. Throws ConversionError ("'TEXT' is not a valid floating point
 * value") for anything else, for values too large for extended, and for nan/inf.
 */
Extended StrToFloat(std::string_view text, char separator);

/**
 * @brief Text to 32-bit integer: optional sign and decimal digits (leading zeros allowed). Throws
 * ConversionError ("'TEXT' is not a valid integer value") for anything else or a value outside 32 bits.
 */
std::int32_t StrToInt(std::string_view text);

/**
 * @brief The general format: 15 significant digits (to nearest, an exact tie to the even digit), fixed
 * notation for 1E-4 <= |v| < 1E15 after rounding, else scientific (`1E15`, `-2,5E-7`); no trailing
 * zeros; `separator` only when a fraction remains; zero is `0`; `NAN`, `INF`, `-INF`.
 */
std::string FloatToStr(Extended value, char separator);

/** @brief Decimal text of an integer, '-' for negatives. */
std::string IntToStr(std::int64_t value);

/**
 * @brief `value` rounded to `digits` significant decimal digits, as formatting it in exponent notation
 * with that many digits and converting the text back gives: the exact binary value rounded to nearest, an
 * exact tie to the even digit. `digits` below 1 counts as 1. Non-finite values come back unchanged; a
 * result beyond the extended range is infinity.
 */
Extended roundToSignificantDigits(Extended value, int digits);
