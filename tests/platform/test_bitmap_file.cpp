#include "platform/bitmap_file.h"

#include "platform/app_error.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

/** Little-endian bytes, written field by field as a bitmap file lays them out. */
struct Bytes {
    std::string data;
    Bytes& u8(unsigned value)
    {
        data.push_back(static_cast<char>(value & 0xFF));
        return *this;
    }
    Bytes& u16(unsigned value) { return u8(value).u8(value >> 8); }
    Bytes& u32(std::uint32_t value) { return u16(value & 0xFFFF).u16(value >> 16); }
    Bytes& i32(std::int32_t value) { return u32(static_cast<std::uint32_t>(value)); }
};

void putU32At(std::string& file, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        file[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i) & 0xFF);
}

/** A picture with a different colour at nearly every pixel, so rows and columns cannot be mixed up. */
Raster patterned(int width, int height, int bits, std::vector<Colour> palette)
{
    Raster raster(width, height, bits, palette);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (bits <= 8)
                raster.setIndex(x, y, static_cast<std::uint8_t>((x * 7 + y * 3 + x * y) % palette.size()));
            else
                raster.setPixel(x, y,
                                static_cast<Colour>(0x10203 * (x + 1) + 0x50107 * (y + 1) + 0x21 * x * y));
        }
    return raster;
}

std::vector<Colour> greyRamp(std::size_t count)
{
    std::vector<Colour> palette;
    for (std::size_t i = 0; i < count; ++i)
        palette.push_back(static_cast<Colour>(0x010101 * (i * 255 / (count > 1 ? count - 1 : 1))) ^ 0x000040);
    return palette;
}

std::string messageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const FileError& error) {
        return error.what();
    }
    return "no FileError";
}

TEST(BitmapFile, EncodesASixteenColourPictureByteForByte)
{
    Raster raster = Raster::blank16Colour(3, 2);
    raster.setPixel(0, 0, colours::Red);   // entry 9
    raster.setPixel(1, 0, colours::Black); // entry 0
    raster.setPixel(2, 1, colours::Blue);  // entry 12

    Bytes expected;
    expected.u8('B').u8('M').u32(126).u32(0).u32(118);          // file header
    expected.u32(40).i32(3).i32(2).u16(1).u16(4).u32(0).u32(8); // size, bits, no compression
    expected.u32(2835).u32(2835).u32(16).u32(0);                // resolution, colours
    const std::uint32_t bgr[] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                 0x008080, 0x808080, 0xC0C0C0, 0xFF0000, 0x00FF00, 0xFFFF00,
                                 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    for (const std::uint32_t entry : bgr)
        expected.u32(entry);                // blue, green, red, 0 in file order
    expected.u8(0xFF).u8(0xC0).u8(0).u8(0); // bottom row: white white blue
    expected.u8(0x90).u8(0xF0).u8(0).u8(0); // top row: red black white

    EXPECT_EQ(encodeBitmap(raster), expected.data);
    EXPECT_EQ(decodeBitmap(expected.data), raster);
}

TEST(BitmapFile, EveryDepthAndWidthRoundTrips)
{
    struct Depth {
        int bits;
        std::vector<Colour> palette;
    };
    const Depth depths[] = {
        {1, {colours::Black, colours::White}},
        {1, {0x123456}},
        {4, standard16Palette()},
        {4, greyRamp(5)},
        {8, greyRamp(256)},
        {8, greyRamp(3)},
        {24, {}},
        {32, {}},
    };
    for (const auto& depth : depths)
        for (int width = 1; width <= 9; ++width)
            for (const int height : {1, 2, 5}) {
                const Raster raster = patterned(width, height, depth.bits, depth.palette);
                const std::string bytes = encodeBitmap(raster);
                const std::size_t rowSize = (static_cast<std::size_t>(width) * depth.bits + 31) / 32 * 4;
                EXPECT_EQ(bytes.size(), 54 + 4 * depth.palette.size() + rowSize * height);
                EXPECT_EQ(decodeBitmap(bytes), raster) << depth.bits << " bits, " << depth.palette.size()
                                                       << " colours, " << width << " x " << height;
            }
}

TEST(BitmapFile, StartPictureRoundTrips)
{
    Raster raster = Raster::blank16Colour();
    raster.setPixel(50, 480, colours::Black);
    raster.setPixel(799, 0, colours::Green);
    EXPECT_EQ(decodeBitmap(encodeBitmap(raster)), raster);
}

/** A 24-bit 2 x 2 file whose rows are given in file order. */
std::string twoByTwo24(std::int32_t height, Colour first0, Colour first1, Colour second0, Colour second1)
{
    Bytes file;
    file.u8('B').u8('M').u32(70).u32(0).u32(54);
    file.u32(40).i32(2).i32(height).u16(1).u16(24).u32(0).u32(16).u32(0).u32(0).u32(0).u32(0);
    for (const Colour c : {first0, first1}) // colours are 0x00BBGGRR: blue, green, red in file order
        file.u8(c >> 16).u8(c >> 8).u8(c);
    file.u16(0);
    for (const Colour c : {second0, second1})
        file.u8(c >> 16).u8(c >> 8).u8(c);
    file.u16(0);
    return file.data;
}

TEST(BitmapFile, BottomUpAndTopDownRowsGiveTheSamePicture)
{
    const Colour topLeft = 0x010203, topRight = 0x040506, bottomLeft = 0x0708090, bottomRight = 0xA0B0C0;
    const Raster bottomUp = decodeBitmap(twoByTwo24(2, bottomLeft, bottomRight, topLeft, topRight));
    const Raster topDown = decodeBitmap(twoByTwo24(-2, topLeft, topRight, bottomLeft, bottomRight));
    EXPECT_EQ(bottomUp.bitsPerPixel(), 24);
    EXPECT_EQ(bottomUp.pixel(0, 0), topLeft);
    EXPECT_EQ(bottomUp.pixel(1, 0), topRight);
    EXPECT_EQ(bottomUp.pixel(0, 1), bottomLeft);
    EXPECT_EQ(bottomUp.pixel(1, 1), bottomRight);
    EXPECT_EQ(topDown, bottomUp);
}

TEST(BitmapFile, ReadsTheOldCoreHeaderWithThreeByteColours)
{
    Bytes file;
    file.u8('B').u8('M').u32(40).u32(0).u32(32);
    file.u32(12).u16(3).u16(2).u16(1).u16(1);                   // 3 x 2, 1 bit
    file.u8(0x00).u8(0x00).u8(0xFF).u8(0xFF).u8(0x00).u8(0x00); // red, blue
    file.u8(0x40).u8(0).u8(0).u8(0);                            // bottom row: red blue red
    file.u8(0xA0).u8(0).u8(0).u8(0);                            // top row: blue red blue
    const Raster raster = decodeBitmap(file.data);
    EXPECT_EQ(raster.bitsPerPixel(), 1);
    EXPECT_EQ(raster.palette(), (std::vector<Colour>{colours::Red, colours::Blue}));
    EXPECT_EQ(raster.pixel(0, 0), colours::Blue);
    EXPECT_EQ(raster.pixel(1, 0), colours::Red);
    EXPECT_EQ(raster.pixel(1, 1), colours::Blue);
    EXPECT_EQ(raster.pixel(2, 1), colours::Red);
}

TEST(BitmapFile, ReadsA32BitFileWithAVersion5HeaderAndColourMasks)
{
    Bytes file;
    file.u8('B').u8('M').u32(14 + 124 + 8).u32(0).u32(14 + 124);
    file.u32(124).i32(2).i32(-1).u16(1).u16(32).u32(3).u32(8).u32(2835).u32(2835).u32(0).u32(0);
    file.u32(0x00FF0000).u32(0x0000FF00).u32(0x000000FF).u32(0xFF000000); // red, green, blue, alpha masks
    while (file.data.size() < 14 + 124)
        file.u8(0);
    file.u8(0x30).u8(0x20).u8(0x10).u8(0xFF); // blue, green, red, alpha
    file.u8(0xFF).u8(0x00).u8(0x00).u8(0x80);
    const Raster raster = decodeBitmap(file.data);
    EXPECT_EQ(raster.bitsPerPixel(), 32);
    EXPECT_EQ(raster.pixel(0, 0), 0x302010u);
    EXPECT_EQ(raster.pixel(1, 0), colours::Blue);
}

TEST(BitmapFile, BrokenFilesAreRefused)
{
    const std::string valid4 = encodeBitmap(patterned(5, 3, 4, standard16Palette()));
    const std::string valid8 = encodeBitmap(patterned(4, 2, 8, greyRamp(3)));
    const std::string valid24 = encodeBitmap(patterned(3, 3, 24, {}));
    struct Case {
        const char* what;
        const char* reason;
        const std::string& base;
        std::function<void(std::string&)> damage;
    };
    const Case cases[] = {
        {"empty file", "does not start with", valid4, [](std::string& f) { f.clear(); }},
        {"only the magic", "ends inside the file header", valid4, [](std::string& f) { f.resize(2); }},
        {"wrong magic", "does not start with", valid4, [](std::string& f) { f[0] = 'M', f[1] = 'B'; }},
        {"ends inside the header", "ends inside the bitmap header", valid4,
         [](std::string& f) { f.resize(30); }},
        {"ends inside the colour table", "ends inside the colour table", valid4,
         [](std::string& f) { f.resize(80); }},
        {"unknown header size", "header of 64 bytes", valid4, [](std::string& f) { putU32At(f, 14, 64); }},
        {"zero header size", "header of 0 bytes", valid4, [](std::string& f) { putU32At(f, 14, 0); }},
        {"huge header size", "header of 4294967295", valid4,
         [](std::string& f) { putU32At(f, 14, 0xFFFFFFFF); }},
        {"zero width", "width is 0", valid4, [](std::string& f) { putU32At(f, 18, 0); }},
        {"negative width", "width is -5", valid4,
         [](std::string& f) { putU32At(f, 18, static_cast<std::uint32_t>(-5)); }},
        {"zero height", "height is 0", valid4, [](std::string& f) { putU32At(f, 22, 0); }},
        {"100000 x 100000 pixels", "more than the limit", valid4,
         [](std::string& f) { putU32At(f, 18, 100000), putU32At(f, 22, 100000); }},
        {"widest possible", "more than the limit", valid4, [](std::string& f) { putU32At(f, 18, INT_MAX); }},
        {"most negative height", "more than the limit", valid4,
         [](std::string& f) { putU32At(f, 22, 0x80000000); }},
        {"more rows than the file holds", "the picture needs 16", valid4,
         [](std::string& f) { putU32At(f, 22, 4); }},
        {"two colour planes", "2 colour planes", valid4, [](std::string& f) { f[26] = 2; }},
        {"16 bits per pixel", "16 bits per pixel", valid4, [](std::string& f) { f[28] = 16; }},
        {"0 bits per pixel", "0 bits per pixel", valid4, [](std::string& f) { f[28] = 0; }},
        {"2 bits per pixel", "2 bits per pixel", valid4, [](std::string& f) { f[28] = 2; }},
        {"4-bit run-length compression on 8 bits", "compression 2 for 8 bits", valid8,
         [](std::string& f) { putU32At(f, 30, 2); }},
        {"8-bit run-length compression on 4 bits", "compression 1 for 4 bits", valid4,
         [](std::string& f) { putU32At(f, 30, 1); }},
        {"JPEG compression", "compression 4", valid4, [](std::string& f) { putU32At(f, 30, 4); }},
        {"colour masks on 4 bits", "compression 3", valid4, [](std::string& f) { putU32At(f, 30, 3); }},
        {"17 colours for 4 bits", "17 entries for 4 bits", valid4,
         [](std::string& f) { putU32At(f, 46, 17); }},
        {"4 billion colours", "4294967295 entries", valid4,
         [](std::string& f) { putU32At(f, 46, 0xFFFFFFFF); }},
        {"pixel data past the end", "past the end", valid4,
         [](std::string& f) { putU32At(f, 10, 0x7FFFFFF0); }},
        {"pixel data inside the headers", "overlaps", valid4, [](std::string& f) { putU32At(f, 10, 20); }},
        {"pixel data over the colour table", "overlaps", valid4,
         [](std::string& f) { putU32At(f, 10, 54 + 8); }},
        {"last pixel byte missing", "the picture needs 12", valid4, [](std::string& f) { f.pop_back(); }},
        {"colour table past the pixel offset", "ends inside the colour table", valid8,
         [](std::string& f) { putU32At(f, 46, 200); }},
        {"pixel data inside the headers of a 24-bit file", "starts inside the headers", valid24,
         [](std::string& f) { putU32At(f, 10, 40); }},
        {"pixel beyond the colour table", "uses colour 7", valid8, [](std::string& f) { f[54 + 12] = 7; }},
    };
    for (const auto& c : cases) {
        std::string file = c.base;
        c.damage(file);
        const std::string message = messageOf([&] { decodeBitmap(file); });
        EXPECT_EQ(message.rfind("Bitmap image is not valid: ", 0), 0u) << c.what << ": " << message;
        EXPECT_NE(message.find(c.reason), std::string::npos) << c.what << ": " << message;
    }
}

/** A 4 x 3 run-length compressed file with a 4-entry palette: `data` is the compressed pixel data. */
std::string runLengthFile(int bits, std::int32_t height, const std::vector<unsigned>& data)
{
    Bytes file;
    const std::uint32_t offset = 14 + 40 + 16;
    file.u8('B').u8('M').u32(offset + static_cast<std::uint32_t>(data.size())).u32(0).u32(offset);
    file.u32(40).i32(4).i32(height).u16(1).u16(static_cast<unsigned>(bits)).u32(bits == 8 ? 1 : 2);
    file.u32(static_cast<std::uint32_t>(data.size())).u32(0).u32(0).u32(4).u32(0);
    for (const Colour c : {colours::Black, colours::White, colours::Red, colours::Blue})
        file.u8(c >> 16).u8(c >> 8).u8(c).u8(0);
    for (const unsigned byte : data)
        file.u8(byte);
    return file.data;
}

/** The rows of a 4 x 3 palette picture, top row first, as palette indices. */
std::vector<std::vector<int>> indexRows(const Raster& raster)
{
    std::vector<std::vector<int>> rows;
    for (int y = 0; y < raster.height(); ++y) {
        rows.emplace_back();
        for (int x = 0; x < raster.width(); ++x)
            rows.back().push_back(raster.index(x, y));
    }
    return rows;
}

TEST(BitmapFile, ReadsRunLengthCompressedFiles)
{
    struct Case {
        const char* what;
        int bits;
        std::vector<unsigned> data;
        std::vector<std::vector<int>> rows; // top row first
    };
    const Case cases[] = {
        {"8-bit runs and ends of line",
         8,
         {2, 1, 2, 2, 0, 0, 4, 3, 0, 0, 1, 1, 0, 1},
         {{1, 0, 0, 0}, {3, 3, 3, 3}, {1, 1, 2, 2}}},
        {"8-bit literal run padded to two bytes",
         8,
         {0, 3, 3, 2, 1, 0, 1, 1, 0, 1},
         {{0, 0, 0, 0}, {0, 0, 0, 0}, {3, 2, 1, 1}}},
        {"8-bit jump right and up", 8, {0, 2, 1, 2, 1, 3, 0, 1}, {{0, 3, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}},
        {"8-bit run past the row end is cut",
         8,
         {6, 2, 0, 0, 0, 0, 1, 1, 0, 1},
         {{1, 0, 0, 0}, {0, 0, 0, 0}, {2, 2, 2, 2}}},
        {"8-bit without the final end mark",
         8,
         {4, 1, 0, 0, 4, 2, 0, 0, 4, 3, 0, 0},
         {{3, 3, 3, 3}, {2, 2, 2, 2}, {1, 1, 1, 1}}},
        {"4-bit runs alternate two colours",
         4,
         {4, 0x12, 0, 0, 3, 0x30, 0, 1},
         {{0, 0, 0, 0}, {3, 0, 3, 0}, {1, 2, 1, 2}}},
        {"4-bit literal run padded to two bytes",
         4,
         {0, 3, 0x21, 0x30, 0, 0, 0, 1},
         {{0, 0, 0, 0}, {0, 0, 0, 0}, {2, 1, 3, 0}}},
        {"4-bit odd literal run of five",
         4,
         {0, 5, 0x12, 0x31, 0x20, 0, 0, 1},
         {{0, 0, 0, 0}, {0, 0, 0, 0}, {1, 2, 3, 1}}},
    };
    for (const auto& c : cases) {
        const Raster raster = decodeBitmap(runLengthFile(c.bits, 3, c.data));
        EXPECT_EQ(raster.bitsPerPixel(), c.bits) << c.what;
        EXPECT_EQ(indexRows(raster), c.rows) << c.what;
    }
}

TEST(BitmapFile, BrokenRunLengthFilesAreRefused)
{
    struct Case {
        const char* what;
        std::int32_t height;
        std::vector<unsigned> data;
        const char* reason;
    };
    const Case cases[] = {
        {"ends inside a run", 3, {4, 1, 0}, "ends before the end of the picture"},
        {"ends inside a literal run", 3, {0, 4, 1, 2}, "ends before the end of the picture"},
        {"ends inside a jump", 3, {0, 2, 1}, "ends before the end of the picture"},
        {"no data at all", 3, {}, "ends before the end of the picture"},
        {"colour beyond the palette", 3, {2, 9, 0, 1}, "uses colour 9"},
        {"top-down", -3, {0, 1}, "top-down"},
    };
    for (const auto& c : cases) {
        const std::string message = messageOf([&] { decodeBitmap(runLengthFile(8, c.height, c.data)); });
        EXPECT_NE(message.find(c.reason), std::string::npos) << c.what << ": " << message;
    }
    std::string claimsTooMuch = runLengthFile(8, 3, {0, 1});
    putU32At(claimsTooMuch, 34, 1000);
    EXPECT_NE(messageOf([&] { decodeBitmap(claimsTooMuch); }).find("the header claims 1000"),
              std::string::npos);
}

TEST(BitmapFile, EveryTruncationIsRefused)
{
    for (const int bits : {1, 4, 8, 24, 32}) {
        const std::string full = encodeBitmap(
            patterned(5, 3, bits, bits <= 8 ? greyRamp(std::size_t{1} << bits) : std::vector<Colour>{}));
        for (std::size_t length = 0; length < full.size(); ++length)
            EXPECT_THROW(decodeBitmap(std::string_view(full).substr(0, length)), FileError)
                << bits << " bits cut to " << length << " bytes";
    }
}

TEST(BitmapFile, DamagedBytesGiveAPictureOrAFileErrorNeverACrash)
{
    const std::string valids[] = {
        encodeBitmap(patterned(6, 4, 8, greyRamp(7))),
        runLengthFile(8, 3, {2, 1, 2, 2, 0, 0, 0, 3, 3, 2, 1, 0, 0, 2, 1, 1, 0, 1}),
        runLengthFile(4, 3, {4, 0x12, 0, 0, 0, 5, 0x12, 0x31, 0x20, 0, 0, 2, 1, 1, 0, 1}),
    };
    std::mt19937 random(7);
    for (int round = 0; round < 3000; ++round) {
        std::string file = valids[round % 3];
        const int changes = 1 + static_cast<int>(random() % 4);
        for (int i = 0; i < changes; ++i) {
            // Most damage goes to the headers, where it matters most.
            const std::size_t at = random() % 2 ? random() % 60 : random() % file.size();
            file[at] = static_cast<char>(random() % 3 ? random() : (random() % 2 ? 0xFF : 0x00));
        }
        try {
            const Raster raster = decodeBitmap(file);
            EXPECT_LE(static_cast<long long>(raster.width()) * raster.height(), 64LL << 20);
        } catch (const FileError&) {
        }
    }
}

TEST(BitmapFile, ReadsAndWritesFilesNamedAsTheProgramNamesThem)
{
    TempFolder folder;
    const FilePath file{"C://VELK//xxxx.bmp", folder / "xxxx.bmp"};
    Raster raster = Raster::blank16Colour(30, 20);
    raster.setPixel(3, 4, colours::Green);
    writeBitmapFile(file, raster);
    EXPECT_EQ(readBitmapFile(file), raster);

    const Raster wider = patterned(7, 3, 24, {});
    writeBitmapFile(file, wider);
    EXPECT_EQ(readBitmapFile(file), wider) << "an existing file is replaced";
}

TEST(BitmapFile, FileErrorsNameTheFile)
{
    TempFolder folder;
    EXPECT_EQ(messageOf([&] {
                  readBitmapFile({"C://VELK//initialBMP.bmp", folder / "initialBMP.bmp"});
              }),
              "Cannot open file \"C://VELK//initialBMP.bmp\". No such file or directory");

    std::ofstream(folder / "text.bmp", std::ios::binary) << "not a picture";
    EXPECT_EQ(messageOf([&] {
                  readBitmapFile({"C://VELK//text.bmp", folder / "text.bmp"});
              }),
              "Cannot read file \"C://VELK//text.bmp\". Bitmap image is not valid: the file does not start "
              "with \"BM\".");

    EXPECT_EQ(messageOf([&] {
                  writeBitmapFile({"C://VELK//NONE//p.bmp", folder / "NONE" / "p.bmp"},
                                  Raster::blank16Colour(2, 2));
              }),
              "Cannot create file \"C://VELK//NONE//p.bmp\". No such file or directory");
}

} // namespace
