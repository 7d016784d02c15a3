#pragma once

#include "platform/extended.h"

#include <cstdint>
#include <vector>

/** @brief The longest text FloatToStr gives: sign, digit, separator, 14 digits, "E-4951". */
inline constexpr int MaxLabelLength = 23;

/** @brief The value at tick `i` of an axis, computed exactly as the tick loop computes it. */
inline Extended tickValue(std::int64_t i, Extended step, Extended start)
{
    return static_cast<Extended>(i) * step + start;
}

/** @brief A range of tick indices, empty when first > last. */
struct StepRange {
    std::int64_t first;
    std::int64_t last;
    bool empty() const { return first > last; }
};

/**
 * @brief The ticks i in [0, steps] whose position origin + i * perStep lies in [low, high]. With
 * perStep 0 that is every tick or none.
 */
StepRange stepsWithin(std::int64_t origin, std::int64_t perStep, std::int32_t steps, std::int64_t low,
                      std::int64_t high);

/**
 * @brief The ticks whose label can still be seen when every label of an axis lies at one place, each
 * drawn on an opaque box over the earlier ones, in drawing order; the last tick always comes last.
 * A label stays visible only where no later label is at least as long, so these are the ticks whose
 * label is longer than every later one. Blocks of ticks whose labels provably cannot be longer are
 * skipped without formatting them.
 */
std::vector<std::int64_t> uncoveredLabelSteps(std::int32_t steps, Extended step, Extended start, char separator);

/**
 * @brief The ticks of an axis whose tick line or label can change the picture, in drawing order, with
 * the last tick always included (its line leaves the pen where the full loop leaves it). Positions are
 * origin + i * perStep; `low`..`high` are the positions at which tick or label still touch the picture.
 */
std::vector<std::int64_t> ticksToDraw(std::int64_t origin, std::int64_t perStep, std::int32_t steps,
                                      std::int64_t low, std::int64_t high, Extended step, Extended start,
                                      char separator);

/** @brief An upper bound of the label length of the ticks first..last (exposed for its tests). */
int labelLengthBound(std::int64_t first, std::int64_t last, Extended step, Extended start);
