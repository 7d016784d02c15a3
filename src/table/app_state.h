#pragma once

#include "platform/extended.h"

#include <array>
#include <cstdint>
#include <string>

inline constexpr int MaxPoints = 30000;
inline constexpr int PickCapacity = 100;
inline constexpr int MaxPicks = 99;

using SpectrumArray = std::array<Extended, MaxPoints>;
using PickArray = std::array<Extended, PickCapacity>;

/**
 * @brief The one application state record. It starts zeroed and is never reset as a whole; every
 * field keeps its value until a command overwrites it. Array entries at and above their count keep
 * whatever an earlier command left there.
 */
struct AppState {
    std::string LineText;
    std::string XText;
    std::string YText;
    std::string RestText;
    std::string CommandLinePath;
    SpectrumArray SpectrumX{};
    SpectrumArray SpectrumY{};
    SpectrumArray SecondX{};
    SpectrumArray SecondY{};
    SpectrumArray ResultX{};
    SpectrumArray ResultY{};
    Extended MaxX = 0;
    Extended MinX = 0;
    Extended MaxY = 0;
    Extended MinY = 0;
    Extended XStart = 0;
    Extended XCeiling = 0;
    Extended XStep = 0;
    Extended YStart = 0;
    Extended YCeiling = 0;
    Extended YStep = 0;
    std::int32_t TableCount = 0;
    std::int32_t XSteps = 0;
    std::int32_t YSteps = 0;
    std::int32_t XPixelsPerStep = 0;
    std::int32_t YPixelsPerStep = 0;
    std::int32_t XAxisEndPixel = 0;
    std::int32_t YAxisEndPixel = 0;
    std::int32_t PointPixelX = 0;
    std::int32_t PointPixelY = 0;
    std::int32_t PointCount = 0;
    std::int32_t SecondCount = 0;
    std::int32_t CalibratorMode = 0;
    std::int32_t PickCount = 0;
    Extended XAxisEnd = 0;
    Extended YAxisEnd = 0;
    PickArray PickX{};
    PickArray PickY{};
    Extended FitIntercept = 0;
    Extended FitSlope = 0;
    Extended LastPickY = 0;
};
