#pragma once

#include "platform/app_error.h"
#include "platform/extended.h"

#include <cmath>

// The hardware does not trap on floating-point faults, so the commands test for them and end with
// the error the user would have seen from a trapping processor.

/** @brief `value` itself, or MathError when it overflowed to infinity or is not a number. */
inline Extended checkedResult(Extended value)
{
    if (std::isnan(value))
        throw MathError("Invalid floating point operation");
    if (std::isinf(value))
        throw MathError("Floating point overflow");
    return value;
}

/** @brief `dividend / divisor`; MathError for a zero divisor or a result that is not finite. */
inline Extended checkedQuotient(Extended dividend, Extended divisor)
{
    if (divisor == 0)
        throw MathError("Floating point division by zero");
    return checkedResult(dividend / divisor);
}
