#pragma once

#include "platform/extended.h"

#include <span>

/** @brief The four sums of a least-squares line, each kept in single precision. */
struct SinglePrecisionSums {
    Extended x = 0;
    Extended y = 0;
    Extended xx = 0;
    Extended xy = 0;
};

/** @brief A straight line c = slope * x + intercept. */
struct StraightLine {
    Extended intercept = 0;
    Extended slope = 0;
};

/**
 * @brief Sums of x, y, x*x and y*x over the points, in index order and in one pass: each term is
 * formed in extended precision, added in extended precision, and the running sum is rounded back to
 * single precision after every step. `x` and `y` have the same length. A sum beyond the single range
 * throws MathError.
 */
SinglePrecisionSums singlePrecisionSums(std::span<const Extended> x, std::span<const Extended> y);

/**
 * @brief The least-squares line through the points from their single-precision sums, in extended
 * precision, the intercept first. Throws MathError when the denominator n*Sxx - Sx*Sx is 0 (all
 * points in one column, or a single point).
 */
StraightLine leastSquaresLine(std::span<const Extended> x, std::span<const Extended> y);
