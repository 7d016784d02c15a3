#include "platform/bitmap_file.h"

#include "platform/app_error.h"
#include "platform/atomic_file.h"

#include <cstdint>
#include <string>

namespace {

constexpr std::uint64_t FileHeaderSize = 14;
constexpr std::uint64_t CoreHeaderSize = 12;
constexpr std::uint64_t InfoHeaderSize = 40;
constexpr std::uint64_t MaxPixels = std::uint64_t{64} << 20;
constexpr std::uint32_t Uncompressed = 0;
constexpr std::uint32_t RunLength8 = 1;
constexpr std::uint32_t RunLength4 = 2;
constexpr std::uint32_t BitFields = 3;
constexpr std::uint32_t PixelsPerMetre = 2835; // 72 dpi

[[noreturn]] void refuse(const std::string& reason)
{
    throw FileError("Bitmap image is not valid: " + reason + ".");
}

std::string number(std::uint64_t value)
{
    return std::to_string(value);
}

/** Little-endian fields of the file; every read is checked against the file's length first. */
class Fields {
  public:
    explicit Fields(std::string_view bytes) : bytes_(bytes) {}

    std::uint64_t size() const { return bytes_.size(); }
    void need(std::uint64_t at, std::uint64_t length, const char* what) const
    {
        if (at > bytes_.size() || length > bytes_.size() - at)
            refuse(std::string("the file ends inside the ") + what);
    }
    std::uint8_t u8(std::uint64_t at) const { return static_cast<std::uint8_t>(bytes_[at]); }
    std::uint16_t u16(std::uint64_t at) const { return static_cast<std::uint16_t>(u8(at) | u8(at + 1) << 8); }
    std::uint32_t u32(std::uint64_t at) const
    {
        return static_cast<std::uint32_t>(u16(at)) | static_cast<std::uint32_t>(u16(at + 2)) << 16;
    }
    std::int32_t i32(std::uint64_t at) const { return static_cast<std::int32_t>(u32(at)); }

  private:
    std::string_view bytes_;
};

/** What the headers say about the picture, checked for sense. */
struct Layout {
    std::int64_t width = 0;
    std::int64_t height = 0;
    bool topDown = false;
    int bitsPerPixel = 0;
    std::vector<Colour> palette;
    std::uint64_t pixelOffset = 0;
    std::uint64_t rowSize = 0;
    bool runLength = false;
    std::uint64_t runLengthEnd = 0; // end of the compressed pixel data
};

Colour colourOf(std::uint8_t blue, std::uint8_t green, std::uint8_t red)
{
    return static_cast<Colour>(red) | static_cast<Colour>(green) << 8 | static_cast<Colour>(blue) << 16;
}

bool isKnownInfoHeader(std::uint64_t size)
{
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

Layout readLayout(const Fields& file)
{
    if (file.size() < 2 || file.u8(0) != 'B' || file.u8(1) != 'M')
        refuse("the file does not start with \"BM\"");
    file.need(0, FileHeaderSize + 4, "file header");
    Layout layout;
    layout.pixelOffset = file.u32(10);
    const std::uint64_t headerSize = file.u32(14);
    if (headerSize != CoreHeaderSize && !isKnownInfoHeader(headerSize))
        refuse("unsupported bitmap header of " + number(headerSize) + " bytes");
    file.need(FileHeaderSize, headerSize, "bitmap header");

    const std::uint64_t h = FileHeaderSize;
    std::uint32_t planes = 0;
    std::uint32_t compression = Uncompressed;
    std::uint64_t colourCount = 0;
    std::uint64_t paletteStart = FileHeaderSize + headerSize;
    std::uint64_t paletteEntrySize = 4;
    if (headerSize == CoreHeaderSize) {
        layout.width = file.u16(h + 4);
        layout.height = file.u16(h + 6);
        planes = file.u16(h + 8);
        layout.bitsPerPixel = file.u16(h + 10);
        paletteEntrySize = 3;
    } else {
        layout.width = file.i32(h + 4);
        layout.height = file.i32(h + 8);
        planes = file.u16(h + 12);
        layout.bitsPerPixel = file.u16(h + 14);
        compression = file.u32(h + 16);
        colourCount = file.u32(h + 32);
    }

    if (planes != 1)
        refuse(number(planes) + " colour planes instead of 1");
    const int bits = layout.bitsPerPixel;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        refuse("unsupported colour depth of " + number(static_cast<std::uint64_t>(bits)) + " bits per pixel");
    if (compression == BitFields && bits == 32) {
        // Only the usual layout of 32-bit pixels (blue, green, red, unused byte) is read.
        const std::uint64_t masks = h + InfoHeaderSize;
        file.need(masks, 12, "colour masks");
        if (file.u32(masks) != 0x00FF0000 || file.u32(masks + 4) != 0x0000FF00 ||
            file.u32(masks + 8) != 0x000000FF)
            refuse("unsupported colour masks of a 32-bit picture");
        if (headerSize == InfoHeaderSize)
            paletteStart += 12;
    } else if ((compression == RunLength8 && bits == 8) || (compression == RunLength4 && bits == 4)) {
        layout.runLength = true;
    } else if (compression != Uncompressed) {
        refuse("unsupported compression " + number(compression) + " for " +
               number(static_cast<std::uint64_t>(bits)) + " bits per pixel");
    }

    if (layout.width <= 0)
        refuse("the width is " + std::to_string(layout.width));
    if (layout.height == 0)
        refuse("the height is 0");
    if (layout.runLength && layout.height < 0)
        refuse("a top-down picture cannot be run-length compressed");
    layout.topDown = layout.height < 0 && headerSize != CoreHeaderSize;
    if (layout.height < 0)
        layout.height = -layout.height;
    const std::uint64_t pixels =
        static_cast<std::uint64_t>(layout.width) * static_cast<std::uint64_t>(layout.height);
    if (pixels > MaxPixels)
        refuse(number(static_cast<std::uint64_t>(layout.width)) + " x " +
               number(static_cast<std::uint64_t>(layout.height)) + " pixels is more than the limit of " +
               number(MaxPixels) + " pixels");

    if (bits <= 8) {
        const std::uint64_t maxColours = std::uint64_t{1} << bits;
        if (colourCount == 0)
            colourCount = maxColours;
        if (colourCount > maxColours)
            refuse("a colour table of " + number(colourCount) + " entries for " +
                   number(static_cast<std::uint64_t>(bits)) + " bits per pixel");
        file.need(paletteStart, colourCount * paletteEntrySize, "colour table");
        if (paletteStart + colourCount * paletteEntrySize > layout.pixelOffset)
            refuse("the colour table overlaps the pixel data");
        layout.palette.reserve(colourCount);
        for (std::uint64_t i = 0; i < colourCount; ++i) {
            const std::uint64_t at = paletteStart + i * paletteEntrySize;
            layout.palette.push_back(colourOf(file.u8(at), file.u8(at + 1), file.u8(at + 2)));
        }
    }

    if (layout.pixelOffset < FileHeaderSize + headerSize)
        refuse("the pixel data starts inside the headers");
    if (layout.pixelOffset > file.size())
        refuse("the pixel data starts at byte " + number(layout.pixelOffset) + ", past the end of the file");
    if (layout.runLength) {
        const std::uint64_t compressedSize = file.u32(h + 20);
        if (compressedSize > file.size() - layout.pixelOffset)
            refuse("the file holds " + number(file.size() - layout.pixelOffset) +
                   " bytes of pixel data, the header claims " + number(compressedSize));
        layout.runLengthEnd = compressedSize == 0 ? file.size() : layout.pixelOffset + compressedSize;
        return layout;
    }
    layout.rowSize = (static_cast<std::uint64_t>(layout.width) * bits + 31) / 32 * 4;
    const std::uint64_t needed = layout.rowSize * static_cast<std::uint64_t>(layout.height);
    if (needed > file.size() - layout.pixelOffset)
        refuse("the file holds " + number(file.size() - layout.pixelOffset) +
               " bytes of pixel data, the picture needs " + number(needed));
    return layout;
}

/** Puts palette indices into a raster row by row from the bottom, as the compressed data moves. */
class RunLengthCursor {
  public:
    RunLengthCursor(Raster& raster, std::size_t paletteSize) : raster_(raster), paletteSize_(paletteSize) {}

    bool finished() const { return row_ >= raster_.height(); }
    void put(std::uint8_t index)
    {
        if (index >= paletteSize_)
            refuse("a pixel uses colour " + number(index) + " of a colour table of " + number(paletteSize_) +
                   " entries");
        // Pixels past the end of a row are dropped.
        if (x_ < raster_.width() && !finished())
            raster_.setIndex(static_cast<int>(x_), static_cast<int>(raster_.height() - 1 - row_), index);
        ++x_;
    }
    void endLine()
    {
        x_ = 0;
        ++row_;
    }
    void move(unsigned right, unsigned up)
    {
        x_ += right;
        row_ += up;
    }

  private:
    Raster& raster_;
    std::size_t paletteSize_;
    std::int64_t x_ = 0;
    std::int64_t row_ = 0;
};

/**
 * Reads RLE8 or RLE4 pixel data: pairs of (count, colour) runs, and escapes for the end of a line, the
 * end of the picture, a jump, and literal runs padded to two bytes. Pixels the data never reaches keep
 * colour 0. Every command consumes input, so the work is bounded by the file's length.
 */
void readRunLength(const Fields& file, const Layout& layout, Raster& raster)
{
    const bool fourBits = layout.bitsPerPixel == 4;
    std::uint64_t at = layout.pixelOffset;
    const auto next = [&] {
        if (at >= layout.runLengthEnd)
            refuse("the compressed pixel data ends before the end of the picture");
        return file.u8(at++);
    };
    RunLengthCursor cursor(raster, layout.palette.size());
    while (!cursor.finished()) {
        const unsigned count = next();
        const std::uint8_t value = next();
        if (count > 0) {
            for (unsigned i = 0; i < count; ++i)
                cursor.put(fourBits ? static_cast<std::uint8_t>(i % 2 == 0 ? value >> 4 : value & 0x0F)
                                    : value);
            continue;
        }
        if (value == 0) {
            cursor.endLine();
        } else if (value == 1) {
            return;
        } else if (value == 2) {
            const unsigned right = next();
            cursor.move(right, next());
        } else {
            std::uint8_t packed = 0;
            for (unsigned i = 0; i < value; ++i) {
                if (!fourBits) {
                    cursor.put(next());
                } else if (i % 2 == 0) {
                    packed = next();
                    cursor.put(static_cast<std::uint8_t>(packed >> 4));
                } else {
                    cursor.put(static_cast<std::uint8_t>(packed & 0x0F));
                }
            }
            const unsigned bytesRead = fourBits ? (value + 1) / 2 : value;
            if (bytesRead % 2 != 0)
                next();
        }
    }
}

std::uint8_t paletteIndexAt(const Fields& file, std::uint64_t rowStart, int bits, std::int64_t x)
{
    const std::uint64_t bit = static_cast<std::uint64_t>(x) * bits;
    const std::uint8_t byte = file.u8(rowStart + bit / 8);
    const unsigned shift = 8 - bits - static_cast<unsigned>(bit % 8);
    return static_cast<std::uint8_t>((byte >> shift) & ((1u << bits) - 1));
}

void putU16(std::string& out, std::uint32_t value)
{
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8 & 0xFF));
}

void putU32(std::string& out, std::uint32_t value)
{
    putU16(out, value & 0xFFFF);
    putU16(out, value >> 16);
}

} // namespace

Raster decodeBitmap(std::string_view bytes)
{
    const Fields file(bytes);
    const Layout layout = readLayout(file);
    const int width = static_cast<int>(layout.width);
    const int height = static_cast<int>(layout.height);
    const int bits = layout.bitsPerPixel;
    Raster raster(width, height, bits, layout.palette);
    if (layout.runLength) {
        readRunLength(file, layout, raster);
        return raster;
    }
    for (int fileRow = 0; fileRow < height; ++fileRow) {
        const int y = layout.topDown ? fileRow : height - 1 - fileRow;
        const std::uint64_t rowStart =
            layout.pixelOffset + static_cast<std::uint64_t>(fileRow) * layout.rowSize;
        for (int x = 0; x < width; ++x) {
            if (bits <= 8) {
                const std::uint8_t index = paletteIndexAt(file, rowStart, bits, x);
                if (index >= layout.palette.size())
                    refuse("a pixel uses colour " + number(index) + " of a colour table of " +
                           number(layout.palette.size()) + " entries");
                raster.setIndex(x, y, index);
            } else {
                const std::uint64_t at = rowStart + static_cast<std::uint64_t>(x) * (bits / 8);
                raster.setPixel(x, y, colourOf(file.u8(at), file.u8(at + 1), file.u8(at + 2)));
            }
        }
    }
    return raster;
}

std::string encodeBitmap(const Raster& raster)
{
    const int bits = raster.bitsPerPixel();
    const std::uint32_t width = static_cast<std::uint32_t>(raster.width());
    const std::uint32_t height = static_cast<std::uint32_t>(raster.height());
    const std::uint32_t rowSize = (width * static_cast<std::uint32_t>(bits) + 31) / 32 * 4;
    const std::uint32_t paletteSize = static_cast<std::uint32_t>(raster.palette().size());
    const std::uint32_t pixelOffset = FileHeaderSize + InfoHeaderSize + 4 * paletteSize;
    const std::uint32_t imageSize = rowSize * height;

    std::string out;
    out.reserve(pixelOffset + imageSize);
    out += "BM";
    putU32(out, pixelOffset + imageSize);
    putU32(out, 0); // reserved
    putU32(out, pixelOffset);
    putU32(out, InfoHeaderSize);
    putU32(out, width);
    putU32(out, height); // positive: rows bottom-up
    putU16(out, 1);      // planes
    putU16(out, static_cast<std::uint32_t>(bits));
    putU32(out, Uncompressed);
    putU32(out, imageSize);
    putU32(out, PixelsPerMetre);
    putU32(out, PixelsPerMetre);
    putU32(out, paletteSize); // colours used
    putU32(out, 0);           // all colours important
    for (Colour entry : raster.palette())
        putU32(out, (entry >> 16 & 0xFF) | (entry & 0xFF00) | (entry & 0xFF) << 16);

    for (int y = raster.height() - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        if (bits <= 8) {
            unsigned accumulator = 0;
            int filled = 0;
            for (int x = 0; x < raster.width(); ++x) {
                accumulator = accumulator << bits | raster.index(x, y);
                filled += bits;
                if (filled == 8) {
                    out.push_back(static_cast<char>(accumulator));
                    accumulator = 0;
                    filled = 0;
                }
            }
            if (filled > 0)
                out.push_back(static_cast<char>(accumulator << (8 - filled)));
        } else {
            for (int x = 0; x < raster.width(); ++x) {
                const Colour colour = raster.pixel(x, y);
                out.push_back(static_cast<char>(colour >> 16 & 0xFF));
                out.push_back(static_cast<char>(colour >> 8 & 0xFF));
                out.push_back(static_cast<char>(colour & 0xFF));
                if (bits == 32)
                    out.push_back('\0');
            }
        }
        out.append(rowStart + rowSize - out.size(), '\0');
    }
    return out;
}

Raster readBitmapFile(const FilePath& file)
{
    const std::string bytes = readWholeFile(file);
    try {
        return decodeBitmap(bytes);
    } catch (const FileError& error) {
        throw FileError("Cannot read file \"" + file.shown + "\". " + error.what());
    }
}

void writeBitmapFile(const FilePath& file, const Raster& raster)
{
    replaceFileWhole(file, encodeBitmap(raster));
}
