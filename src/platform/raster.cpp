#include "platform/raster.h"

#include <stdexcept>
#include <string>

namespace {

bool isPaletteDepth(int bitsPerPixel)
{
    return bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8;
}

int channelDifference(Colour a, Colour b, int shift)
{
    return static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
}

} // namespace

const std::vector<Colour>& standard16Palette()
{
    static const std::vector<Colour> palette{
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
        0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
    };
    return palette;
}

std::uint8_t nearestPaletteIndex(const std::vector<Colour>& palette, Colour colour)
{
    std::size_t best = 0;
    int bestDistance = -1;
    for (std::size_t i = 0; i < palette.size() && i < 256; ++i) {
        const int r = channelDifference(palette[i], colour, 0);
        const int g = channelDifference(palette[i], colour, 8);
        const int b = channelDifference(palette[i], colour, 16);
        const int distance = r * r + g * g + b * b;
        if (bestDistance < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
            if (distance == 0)
                break;
        }
    }
    return static_cast<std::uint8_t>(best);
}

Raster Raster::blank16Colour(int width, int height)
{
    Raster raster(width, height, 4, standard16Palette());
    raster.indices_.assign(raster.indices_.size(), raster.nearestIndex(colours::White));
    return raster;
}

Raster::Raster(int width, int height, int bitsPerPixel, std::vector<Colour> palette)
    : width_(width), height_(height), bitsPerPixel_(bitsPerPixel), palette_(std::move(palette))
{
    if (width < 1 || height < 1)
        throw std::invalid_argument("Raster size must be at least 1 x 1, not " + std::to_string(width) +
                                    " x " + std::to_string(height));
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (isPaletteDepth(bitsPerPixel)) {
        if (palette_.empty() || palette_.size() > (std::size_t{1} << bitsPerPixel))
            throw std::invalid_argument("A " + std::to_string(bitsPerPixel) + "-bit raster cannot have " +
                                        std::to_string(palette_.size()) + " palette entries");
        for (Colour& entry : palette_)
            entry &= 0xFFFFFF;
        indices_.assign(count, 0);
    } else if (bitsPerPixel == 24 || bitsPerPixel == 32) {
        if (!palette_.empty())
            throw std::invalid_argument("A " + std::to_string(bitsPerPixel) + "-bit raster has no palette");
        colours_.assign(count, colours::Black);
    } else {
        throw std::invalid_argument("Unsupported colour depth: " + std::to_string(bitsPerPixel) +
                                    " bits per pixel");
    }
}

Colour Raster::pixel(int x, int y) const
{
    const std::size_t at = static_cast<std::size_t>(y) * width_ + x;
    return colours_.empty() ? palette_[indices_[at]] : colours_[at];
}

void Raster::setPixel(int x, int y, Colour colour)
{
    if (!contains(x, y))
        return;
    const std::size_t at = static_cast<std::size_t>(y) * width_ + x;
    if (colours_.empty())
        indices_[at] = nearestIndex(colour);
    else
        colours_[at] = colour & 0xFFFFFF;
}

std::uint8_t Raster::nearestIndex(Colour colour) const
{
    return nearestPaletteIndex(palette_, colour);
}
