#pragma once

#include <QImage>

#include <cstddef>

/**
 * @brief Decodes a JPEG held in memory with libjpeg. Returns a null image when the bytes are not a
 * JPEG libjpeg can read; a broken picture never ends the program.
 */
QImage decodeJpeg(const unsigned char* data, std::size_t size);
