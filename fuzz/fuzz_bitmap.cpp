// The bitmap reader over arbitrary bytes: it either refuses them with a file error or gives a raster
// that encodes and decodes back to itself.

#include "fuzz_check.h"
#include "platform/app_error.h"
#include "platform/bitmap_file.h"

#include <cstdint>
#include <optional>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::optional<Raster> raster;
    try {
        raster = decodeBitmap(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const FileError&) {
        return 0;
    }
    // A few bytes of run-length data may describe a picture of millions of pixels (within the reader's
    // limit); the round trip is checked on the smaller ones, where the fuzzer spends its time.
    if (static_cast<long long>(raster->width()) * raster->height() > (1 << 20))
        return 0;
    fuzzCheck(decodeBitmap(encodeBitmap(*raster)) == *raster, "a decoded bitmap does not survive encode + decode");
    return 0;
}
