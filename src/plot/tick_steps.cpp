#include "plot/tick_steps.h"

#include "platform/number_conversions.h"
#include "platform/number_decimal_digits.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    const std::int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

std::int64_t ceilDiv(std::int64_t a, std::int64_t b)
{
    return -floorDiv(-a, b);
}

constexpr int GeneralDigits = 15;
constexpr Extended Unit = std::numeric_limits<Extended>::epsilon() / 2; // relative rounding error
constexpr Extended Tiny = std::numeric_limits<Extended>::denorm_min();

/** Length of the general-format text of a value with decimal exponent `e` and `m` significant digits. */
int layoutLength(bool negative, int e, int m)
{
    int length = negative ? 1 : 0;
    if (e > -5 && e < GeneralDigits) {
        if (e >= 0)
            length += (e + 1) + (m > e + 1 ? m - e : 0);
        else
            length += 1 - e + m;
    } else {
        length += (m > 1 ? m + 1 : 1) + 1 + (e < 0 ? 1 : 0);
        for (int a = std::abs(e); a > 0; a /= 10)
            ++length;
    }
    return length;
}

/**
 * The finest decimal digit of the 15-digit text of `v` (its position as a power of ten) and a bound of
 * the distance between `v` and that decimal. The text read back is the correctly rounded extended
 * value of the decimal, and `v` lies close enough to it that their difference is exact.
 */
struct DecimalOf {
    int lowestDigit = std::numeric_limits<int>::max();
    Extended distance = 0;
};

DecimalOf decimalOf(Extended v)
{
    if (v == 0)
        return {};
    DecimalDigits d = decimalDigits(std::fabs(v), GeneralDigits);
    int lowest = d.exponent - (GeneralDigits - 1);
    while (d.digits % 10 == 0) {
        d.digits /= 10;
        ++lowest;
    }
    const Extended back = StrToFloat(FloatToStr(v, '.'), '.');
    return {lowest, std::fabs(v - back) + Unit * std::fabs(back) + Tiny};
}

} // namespace

StepRange stepsWithin(std::int64_t origin, std::int64_t perStep, std::int32_t steps, std::int64_t low,
                      std::int64_t high)
{
    if (steps < 0 || low > high)
        return {0, -1};
    if (perStep == 0)
        return (origin >= low && origin <= high) ? StepRange{0, steps} : StepRange{0, -1};
    std::int64_t first = ceilDiv(low - origin, perStep);
    std::int64_t last = floorDiv(high - origin, perStep);
    if (perStep < 0) {
        first = ceilDiv(high - origin, perStep);
        last = floorDiv(low - origin, perStep);
    }
    return {std::max<std::int64_t>(first, 0), std::min<std::int64_t>(last, steps)};
}

int labelLengthBound(std::int64_t first, std::int64_t last, Extended step, Extended start)
{
    // The values grow (or shrink) with the index, as both the product and the sum round monotonically,
    // so the block's values lie between those of its ends.
    const Extended a = tickValue(first, step, start);
    const Extended b = tickValue(last, step, start);
    if (a == b)
        return static_cast<int>(FloatToStr(a, '.').size());
    if (!std::isfinite(a) || !std::isfinite(b) || a == 0 || b == 0 || (a < 0) != (b < 0))
        return MaxLabelLength;
    const bool negative = a < 0;
    const Extended smallest = std::min(std::fabs(a), std::fabs(b));
    const Extended largest = std::max(std::fabs(a), std::fabs(b));
    const int lowE = decimalDigits(smallest, GeneralDigits).exponent;
    const int highE = decimalDigits(largest, GeneralDigits).exponent;
    if (highE - lowE > 40)
        return MaxLabelLength;

    // Every value is within `error` of last * step-decimal + start-decimal, a multiple of 10^grid. Where
    // that error stays below half a unit of the 15th digit, the text ends at or above digit `grid`.
    // The factor 2 covers the rounding of this estimate itself.
    const DecimalOf s = decimalOf(step);
    const DecimalOf t = decimalOf(start);
    const int grid = std::min(s.lowestDigit, t.lowestDigit);
    const Extended i = static_cast<Extended>(last);
    const Extended error =
        2 * (Unit * (std::fabs(i * step) + largest) + i * s.distance + t.distance) + Tiny;
    const int unitDigit = lowE - GeneralDigits; // below the 15th digit of the smallest value, before rounding
    const bool onGrid = unitDigit > grid || error < std::pow(Extended{10}, unitDigit) / 2;

    int bound = 0;
    for (int e = lowE; e <= highE; ++e) {
        const int digits = onGrid ? std::clamp(e - grid + 1, 1, GeneralDigits) : GeneralDigits;
        bound = std::max(bound, layoutLength(negative, e, digits));
    }
    return bound;
}

namespace {

/** The last tick in first..last whose label is longer than `length`, or -1. */
std::int64_t lastLonger(std::int64_t first, std::int64_t last, int length, Extended step, Extended start,
                        char separator)
{
    if (first > last || labelLengthBound(first, last, step, start) <= length)
        return -1;
    if (first == last)
        return static_cast<int>(FloatToStr(tickValue(first, step, start), separator).size()) > length ? first : -1;
    const std::int64_t middle = first + (last - first) / 2;
    const std::int64_t later = lastLonger(middle + 1, last, length, step, start, separator);
    return later >= 0 ? later : lastLonger(first, middle, length, step, start, separator);
}

} // namespace

std::vector<std::int64_t> uncoveredLabelSteps(std::int32_t steps, Extended step, Extended start, char separator)
{
    std::vector<std::int64_t> visible;
    int covered = 0;
    for (std::int64_t end = steps; end >= 0;) {
        const std::int64_t i = lastLonger(0, end, covered, step, start, separator);
        if (i < 0)
            break;
        visible.push_back(i);
        covered = static_cast<int>(FloatToStr(tickValue(i, step, start), separator).size());
        end = i - 1;
    }
    std::reverse(visible.begin(), visible.end());
    return visible;
}

std::vector<std::int64_t> ticksToDraw(std::int64_t origin, std::int64_t perStep, std::int32_t steps,
                                      std::int64_t low, std::int64_t high, Extended step, Extended start,
                                      char separator)
{
    const StepRange seen = stepsWithin(origin, perStep, steps, low, high);
    if (perStep == 0 && !seen.empty())
        return uncoveredLabelSteps(steps, step, start, separator);
    std::vector<std::int64_t> ticks;
    for (std::int64_t i = seen.first; i <= seen.last; ++i)
        ticks.push_back(i);
    if (steps >= 0 && (seen.empty() || seen.last != steps))
        ticks.push_back(steps);
    return ticks;
}
