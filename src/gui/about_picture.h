#pragma once

#include <span>

/** @brief The bytes of the About box's picture (a JPEG built into the program). */
std::span<const unsigned char> aboutPictureJpeg();
