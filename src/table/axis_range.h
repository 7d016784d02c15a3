#pragma once

#include "platform/extended.h"

#include <string_view>

/** @brief The decade marker of a value that has no decade. */
inline constexpr int NoDecade = -9999;

/**
 * @brief The decade of a value: floor(log10) in double of its single-precision rounding; `NoDecade`
 * when that rounding is not above 0 or not finite.
 */
int decadeOf(Extended value);

/** @brief Which axis is ranged: the Y axis has its own ceiling unit across decades and a rounded step. */
enum class Axis { X, Y };

/** @brief A proposed axis: start value, rounded-up maximum and value per step (ten steps). */
struct AxisRange {
    Extended start = 0;
    Extended ceiling = 0;
    Extended step = 0;
    /** @brief Empty when the axis could be ranged, else why not ("its largest value is 0 or below"). */
    std::string_view problem;
};

/**
 * @brief Proposes an axis from the smallest and largest value of the data: start and ceiling rounded
 * to decimal units of the largest value's decade, and a tenth of the span rounded up as step.
 * Without a usable decade of `max` only `problem` is set.
 */
AxisRange rangeAxis(Extended min, Extended max, Axis axis);
