#pragma once

#include "platform/file_path.h"
#include "platform/raster.h"

#include <string>
#include <string_view>

/**
 * @brief Decodes a BMP file's bytes: uncompressed 1, 4, 8, 24 and 32 bits per pixel, bottom-up and
 * top-down, and run-length compressed 4 and 8 bits per pixel. Throws FileError with a clear message
 * for anything truncated, malformed or absurd, before allocating or reading out of bounds.
 */
Raster decodeBitmap(std::string_view bytes);

/** @brief Encodes a raster as BMP with its own size and colour depth (16 colours: 4 bits + palette). */
std::string encodeBitmap(const Raster& raster);

/** @brief Reads a bitmap file; throws FileError naming `file.shown`. */
Raster readBitmapFile(const FilePath& file);

/** @brief Writes a bitmap file whole (temporary file, then rename); throws FileError. */
void writeBitmapFile(const FilePath& file, const Raster& raster);
