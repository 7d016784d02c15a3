#include "table/axis_range.h"

#include "platform/number_conversions.h"

#include <cmath>

namespace {

// 10^n by products of tens, which are exact as far as the type's mantissa reaches.
template <typename Real> Real powerOfTen(int n)
{
    Real power = 1;
    for (int k = 0; k < (n < 0 ? -n : n); ++k)
        power *= 10;
    return n < 0 ? 1 / power : power;
}

// The rounding steps take their argument, formed in extended, rounded to double.
Extended floorInDouble(Extended value)
{
    return std::floor(static_cast<double>(value));
}

Extended ceilInDouble(Extended value)
{
    return std::ceil(static_cast<double>(value));
}

std::string_view decadeProblem(Extended max)
{
    const float rounded = static_cast<float>(max);
    if (std::isnan(rounded))
        return "its largest value is not a number";
    if (std::isinf(rounded) && rounded > 0)
        return "its largest value is beyond single precision";
    if (!(rounded > 0))
        return max > 0 ? "its largest value is too small" : "its largest value is 0 or below";
    return {};
}

} // namespace

int decadeOf(Extended value)
{
    const float rounded = static_cast<float>(value);
    if (!(rounded > 0) || std::isinf(rounded))
        return NoDecade;
    return static_cast<int>(std::floor(std::log10(static_cast<double>(rounded))));
}

AxisRange rangeAxis(Extended min, Extended max, Axis axis)
{
    AxisRange range;
    range.problem = decadeProblem(max);
    if (!range.problem.empty())
        return range;

    const int e = decadeOf(max);
    const int f = decadeOf(min);
    const bool sameDecade = e == f;
    // Across decades the Y axis takes its units in extended; otherwise they are doubles.
    const bool extendedUnits = axis == Axis::Y && !sameDecade;
    const Extended s = roundToSingle(extendedUnits ? powerOfTen<Extended>(e - 1) : powerOfTen<double>(e - 1));
    const Extended t = extendedUnits ? powerOfTen<Extended>(e - 3) : powerOfTen<double>(e - 3);
    if (!(s > 0)) {
        range.problem = "its largest value is too small";
        return range;
    }
    const Extended tenth = 0.1L;

    if (sameDecade)
        range.start = t * floorInDouble(min / t * tenth) * 10;
    if (extendedUnits)
        range.ceiling = t * ceilInDouble(max / t / s) * s;
    else
        range.ceiling = t * ceilInDouble(max / t * tenth) * 10;

    range.step = ceilInDouble((range.ceiling - range.start) / s) * (tenth * s);
    if (axis == Axis::Y)
        range.step = roundToSignificantDigits(range.step, 7);
    return range;
}
