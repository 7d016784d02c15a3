#include "continuum/least_squares_line.h"

#include "continuum/checked_arithmetic.h"

SinglePrecisionSums singlePrecisionSums(std::span<const Extended> x, std::span<const Extended> y)
{
    SinglePrecisionSums sums;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sums.x = checkedResult(roundToSingle(sums.x + x[i]));
        sums.y = checkedResult(roundToSingle(sums.y + y[i]));
        sums.xx = checkedResult(roundToSingle(sums.xx + x[i] * x[i]));
        sums.xy = checkedResult(roundToSingle(sums.xy + y[i] * x[i]));
    }
    return sums;
}

StraightLine leastSquaresLine(std::span<const Extended> x, std::span<const Extended> y)
{
    const SinglePrecisionSums s = singlePrecisionSums(x, y);
    const Extended n = static_cast<Extended>(x.size());
    const Extended denominator = n * s.xx - s.x * s.x;
    StraightLine line;
    line.intercept = checkedQuotient(s.y * s.xx - s.x * s.xy, denominator);
    line.slope = checkedQuotient(n * s.xy - s.x * s.y, denominator);
    return line;
}
