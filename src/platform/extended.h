#pragma once

/** @brief The program's number type: the 80-bit extended value of x86-64 (`long double`). */
using Extended = long double;

/** @brief Rounds to the nearest 32-bit IEEE value (ties to even) and widens it back. */
inline Extended roundToSingle(Extended value)
{
    return static_cast<Extended>(static_cast<float>(value));
}
