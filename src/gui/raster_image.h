#pragma once

#include "platform/raster.h"

#include <QImage>

/** @brief The raster as a Qt image of the same size: indexed for a palette raster, else 32-bit RGB. */
QImage rasterToImage(const Raster& raster);

/** @brief A colour value (0x00BBGGRR) as a Qt colour. */
QRgb toQRgb(Colour colour);
