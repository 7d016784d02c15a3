#pragma once

#include <cstdint>

/** @brief A colour value: from the high byte down 0, blue, green, red (0x00BBGGRR). */
using Colour = std::uint32_t;

namespace colours {
inline constexpr Colour Black = 0x000000;
inline constexpr Colour Green = 0x008000;
inline constexpr Colour Red = 0x0000FF;
inline constexpr Colour Blue = 0xFF0000;
inline constexpr Colour White = 0xFFFFFF;
} // namespace colours
