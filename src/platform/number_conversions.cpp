#include "platform/number_conversions.h"

#include "platform/app_error.h"
#include "platform/number_c_locale.h"
#include "platform/number_decimal_digits.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

constexpr int generalFormatDigits = 15;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isSign(char c)
{
    return c == '+' || c == '-';
}

// The refused text as the message quotes it: a very long text (a whole file read as one line) is
// cut, so the message box stays readable.
std::string quoted(std::string_view text)
{
    constexpr std::size_t longest = 80;
    if (text.size() <= longest)
        return "'" + std::string(text) + "'";
    return "'" + std::string(text.substr(0, longest)) + "...' (" + std::to_string(text.size()) + " characters)";
}

[[noreturn]] void refuseFloat(std::string_view text)
{
    throw ConversionError(quoted(text) + " is not a valid floating point value");
}

[[noreturn]] void refuseInteger(std::string_view text)
{
    throw ConversionError(quoted(text) + " is not a valid integer value");
}

// Checks the form of a floating point text and gives the number in C form ('.' as separator, no blanks),
// or nothing when the form is wrong.
std::optional<std::string> numberInCForm(std::string_view text, char separator)
{
    std::string number;
    number.reserve(text.size());
    std::size_t i = 0;
    const std::size_t end = text.size();
    while (i < end && text[i] == ' ') {
        ++i;
    }
    if (i < end && isSign(text[i])) {
        number += text[i++];
    }
    bool separatorSeen = false;
    std::size_t mantissaDigits = 0;
    for (; i < end; ++i) {
        if (isDigit(text[i])) {
            number += text[i];
            ++mantissaDigits;
        } else if (text[i] == separator && !separatorSeen) {
            number += '.';
            separatorSeen = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0) {
        return std::nullopt;
    }
    if (i < end && (text[i] == 'E' || text[i] == 'e')) {
        number += 'e';
        ++i;
        if (i < end && isSign(text[i])) {
            number += text[i++];
        }
        std::size_t exponentDigits = 0;
        for (; i < end && isDigit(text[i]); ++i) {
            number += text[i];
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return std::nullopt;
        }
    }
    while (i < end && text[i] == ' ') {
        ++i;
    }
    if (i != end) {
        return std::nullopt;
    }
    return number;
}

} // namespace

Extended StrToFloat(std::string_view text, char separator)
{
    const std::optional<std::string> number = numberInCForm(text, separator);
    if (!number) {
        refuseFloat(text);
    }
    // glibc's strtold rounds correctly; values below the extended range become denormals or zero.
    const Extended value = strtold_l(number->c_str(), nullptr, cLocale());
    if (std::isinf(value)) {
        refuseFloat(text);
    }
    return value;
}

std::int32_t StrToInt(std::string_view text)
{
    std::size_t i = 0;
    bool negative = false;
    if (!text.empty() && isSign(text[0])) {
        negative = text[0] == '-';
        ++i;
    }
    if (i == text.size()) {
        refuseInteger(text);
    }
    constexpr std::int64_t mostNegative = -std::int64_t{std::numeric_limits<std::int32_t>::min()};
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i])) {
            refuseInteger(text);
        }
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > mostNegative) {
            refuseInteger(text);
        }
    }
    if (!negative && magnitude > std::numeric_limits<std::int32_t>::max()) {
        refuseInteger(text);
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::string FloatToStr(Extended value, char separator)
{
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-INF" : "INF";
    }
    if (value == 0) {
        return "0";
    }
    const DecimalDigits rounded = decimalDigits(std::fabs(value), generalFormatDigits);

    char digits[generalFormatDigits];
    std::uint64_t rest = rounded.digits;
    for (int i = generalFormatDigits - 1; i >= 0; --i) {
        digits[i] = static_cast<char>('0' + rest % 10);
        rest /= 10;
    }
    int length = generalFormatDigits;
    while (digits[length - 1] == '0') {
        --length; // the first digit is never 0
    }

    // Longest text: sign, "0", separator, 4 zeros and 15 digits; or sign, 15 digits, separator, "E-4951".
    char text[32];
    char* out = text;
    if (value < 0) {
        *out++ = '-';
    }
    const int exponent = rounded.exponent;
    if (exponent > -5 && exponent < generalFormatDigits) {
        if (exponent >= 0) {
            for (int i = 0; i <= exponent; ++i) {
                *out++ = i < length ? digits[i] : '0';
            }
            if (length > exponent + 1) {
                *out++ = separator;
                out = std::copy(digits + exponent + 1, digits + length, out);
            }
        } else {
            *out++ = '0';
            *out++ = separator;
            out = std::fill_n(out, -exponent - 1, '0');
            out = std::copy(digits, digits + length, out);
        }
    } else {
        *out++ = digits[0];
        if (length > 1) {
            *out++ = separator;
            out = std::copy(digits + 1, digits + length, out);
        }
        *out++ = 'E';
        out = std::to_chars(out, text + sizeof text, exponent).ptr;
    }
    return std::string(text, out);
}

std::string IntToStr(std::int64_t value)
{
    char text[24];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

Extended roundToSignificantDigits(Extended value, int digits)
{
    if (!std::isfinite(value)) {
        return value;
    }
    // Beyond 21 digits every extended value comes back unchanged; the cap keeps the text short.
    const int count = std::clamp(digits, 1, 40);
    char text[64];
    {
        const CLocaleScope cNumbers;
        std::snprintf(text, sizeof text, "%.*Le", count - 1, value);
    }
    return strtold_l(text, nullptr, cLocale());
}
